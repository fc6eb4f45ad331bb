// The text viewer with the real emulator's list of 45,000 sets: showing it, and find-next,
// beside the straightforward ways (one line appended at a time, the document's own search).

#include "BenchSupport.h"

#include "base/gui/Dialogs.h"
#include "emulator/gui/TFindDialog.h"
#include "emulator/gui/TForm2.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTextCursor>

namespace {

// Answers every box at once.
class SilentDialogs : public Dialogs {
  public:
    int boxes = 0;
    int messageBox(QWidget*, const MessageRequest&) override { return ++boxes, mrOk; }
    void plainMessage(const QString&) override {}
    bool inputBox(QWidget*, const QString&, const QString&, QString&) override { return false; }
    QString chooseFolder(QWidget*, const FolderRequest&) override { return {}; }
    QStringList chooseFiles(QWidget*, const FilesRequest&) override { return {}; }
    bool openUrl(const QUrl&) override { return false; }
};

void ShowAndPaint(QWidget& window, QPlainTextEdit& text) {
    window.show();
    QCoreApplication::processEvents();
    text.viewport()->repaint();
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir folder;
    const QString gam = argc > 1 ? QString::fromLocal8Bit(argv[1]) : bench::MakeRealListFull(folder.path());
    if (gam.isEmpty())
        return 2;
    SilentDialogs dialogs;
    QWidget owner;
    bool ok = true;

    TForm2 viewer(dialogs, &owner);
    const double showMs = bench::MedianMs(
        5,
        [&] {
            viewer.hide();
            viewer.Clear();
        },
        [&] {
            viewer.LoadFromFile(gam);
            ShowAndPaint(viewer, *viewer.RichEdit1);
        });
    std::printf("viewer: %lld lines\n", static_cast<long long>(viewer.Lines().size()));

    QPlainTextEdit plain;
    plain.setLineWrapMode(QPlainTextEdit::WidgetWidth);
    plain.resize(viewer.RichEdit1->size());
    const QStringList lines = viewer.Lines();
    const double naiveShowMs = bench::MedianMs(
        1, [&] { plain.clear(); },
        [&] {
            for (const QString& line : lines)
                plain.appendPlainText(line);
            ShowAndPaint(plain, plain);
        });
    ok &= bench::Report("show 45,000 lines", showMs, 300, naiveShowMs);

    // Find-next through a word met all over the list, then a search that runs to the end.
    const QString word = QStringLiteral("(bootleg)");
    viewer.FindDialog1->SetFindText(word);
    const int finds = 200;
    viewer.SetFormFocus();
    const double findMs = bench::MedianMs(1,
                                          [&] {
                                              for (int i = 0; i < finds; ++i)
                                                  viewer.FindDialog1Find();
                                          }) /
                          finds;
    const int reached = viewer.RichEdit1->textCursor().selectionStart();
    plain.moveCursor(QTextCursor::Start);
    const double naiveFindMs = bench::MedianMs(1,
                                               [&] {
                                                   for (int i = 0; i < finds; ++i)
                                                       plain.find(word);
                                               }) /
                               finds;
    if (plain.textCursor().selectionStart() != reached) {
        std::fprintf(stderr, "find-next stopped at %d, the document's search at %d\n", reached,
                     plain.textCursor().selectionStart());
        ok = false;
    }
    ok &= bench::Report("find next (mean of 200 through the list)", findMs, 50, naiveFindMs);

    viewer.FindDialog1->SetFindText(QStringLiteral("no such text anywhere"));
    viewer.SetFormFocus();
    const double missMs = bench::MedianMs(5, [&] { viewer.FindDialog1Find(); });
    plain.moveCursor(QTextCursor::Start);
    const double naiveMissMs =
        bench::MedianMs(1, [&] { plain.find(QStringLiteral("no such text anywhere")); });
    ok &= bench::Report("find next to the end of the list, not found", missMs, 50, naiveMissMs);
    return ok ? 0 : 1;
}
