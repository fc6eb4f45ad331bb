// The game list file. Whatever it holds, the start-up conversion of the old layout and the
// load never fail, and saving what was loaded and loading that again gives back the same
// grid, cell for cell.

#include "FuzzSupport.h"

#include "gamelist/ConvertGameListFile.h"
#include "gamelist/GameListModel.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>

namespace {

// A cell as the list file's encoding can hold it: what a save then a load gives back.
QString Storable(const QString& cell) {
    // Stateless: half a surrogate pair at the end of the cell is written as a replacement.
    const QByteArray encoded =
        QStringEncoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless).encode(cell);
    return QStringDecoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom).decode(encoded);
}

// Loads the file as start-up does: the header row then gets the header texts.
void Load(TGameListModel& model, const QString& file) {
    model.LoadFromFile(file, QLatin1Char(','));
    model.SetHeaderTexts();
}

void RequireSameGrid(const TGameListModel& loaded, const TGameListModel& reloaded) {
    if (reloaded.RowCount() != loaded.RowCount() || reloaded.ColCount() != loaded.ColCount())
        PropertyFailed("a save and a load keep the grid's size",
                       QStringLiteral("%1 x %2").arg(loaded.ColCount()).arg(loaded.RowCount()),
                       QStringLiteral("%1 x %2").arg(reloaded.ColCount()).arg(reloaded.RowCount()));
    for (int row = 0; row < loaded.RowCount(); ++row) {
        for (int col = 0; col < loaded.ColCount(); ++col)
            RequireEqual("a save and a load keep every cell", Storable(loaded.Cells(col, row)),
                         reloaded.Cells(col, row));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = InputBytes(data, size);
    const QString file = WriteScratchFile(QStringLiteral("Pellmora.DAT"), bytes);
    const QString folder = QFileInfo(file).path() + QLatin1Char('/');
    ConvertGameListFile(folder);
    QByteArray firstLine = bytes.left(bytes.indexOf('\n'));
    if (firstLine.endsWith('\r'))
        firstLine.chop(1);
    const bool oldLayout = firstLine == "GenerelSettings,0";
    if (oldLayout != QFile::exists(folder + QStringLiteral("Pellmora.DAT.BAK")) ||
        (oldLayout && ReadScratchFile(folder + QStringLiteral("Pellmora.DAT.BAK")) != bytes))
        PropertyFailed("the old layout alone is converted, and kept whole as the backup");
    QFile::remove(folder + QStringLiteral("Pellmora.DAT.BAK"));
    if (QFile::exists(folder + QStringLiteral("Pellmora.~DAT")))
        PropertyFailed("the converted copy never remains");

    TGameListModel loaded;
    Load(loaded, file);
    if (loaded.GameCount() < 0 || loaded.ColCount() < TGameListModel::MinColCount)
        PropertyFailed("a loaded list has a game count and four columns at least");

    const QString saved = WriteScratchFile(QStringLiteral("saved.DAT"), QByteArray());
    loaded.SaveToFile(saved, QLatin1Char(','));
    TGameListModel reloaded;
    Load(reloaded, saved);
    RequireSameGrid(loaded, reloaded);

    // The second save is the first one byte for byte: nothing drifts from save to save.
    const QString savedAgain = WriteScratchFile(QStringLiteral("again.DAT"), QByteArray());
    reloaded.SaveToFile(savedAgain, QLatin1Char(','));
    if (ReadScratchFile(saved) != ReadScratchFile(savedAgain))
        PropertyFailed("a second save writes the same bytes as the first");
    return 0;
}
