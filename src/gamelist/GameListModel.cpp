#include "gamelist/GameListModel.h"

#include "base/AppError.h"
#include "base/WholeFile.h"
#include "gamelist/ListFileCodec.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace {

// The list file is read in pieces of this size.
constexpr qsizetype ReadChunkSize = 1 << 20;

bool IsBlankRow(const QStringList& row) {
    return std::all_of(row.cbegin(), row.cend(), [](const QString& cell) { return cell.isEmpty(); });
}

} // namespace

TGameListModel::TGameListModel(QObject* parent) : QAbstractTableModel(parent) {
    SetEmptyListState();
}

QStringList TGameListModel::HeaderTexts() {
    // Kept in English, as the list file holds them; headerData shows them in the user's language.
    return {QString(), QStringLiteral(QT_TRANSLATE_NOOP("GameList", "Status")),
            QStringLiteral(QT_TRANSLATE_NOOP("GameList", "Game Name")),
            QStringLiteral(QT_TRANSLATE_NOOP("GameList", "File/Dir"))};
}

void TGameListModel::SetEmptyListState() {
    grid.clear();
    grid.push_back(HeaderTexts());
    grid.emplace_back();
}

void TGameListModel::EmitRowsChanged(int firstRow, int lastRow) {
    if (firstRow == 0)
        emit headerDataChanged(Qt::Horizontal, 0, colCount - 1);
    firstRow = std::max(firstRow, 1);
    if (firstRow <= lastRow)
        emit dataChanged(index(firstRow - 1, 0), index(lastRow - 1, colCount - 1));
}

QString TGameListModel::Cells(int col, int row) const {
    if (row < 0 || row >= RowCount() || col < 0 || col >= colCount)
        return QString();
    return grid[static_cast<size_t>(row)].value(col);
}

void TGameListModel::SetCell(int col, int row, const QString& text) {
    if (row < 0 || row >= RowCount() || col < 0 || col >= colCount)
        return;
    QStringList& cells = grid[static_cast<size_t>(row)];
    if (cells.size() <= col)
        cells.resize(col + 1);
    cells[col] = text;
    if (row == 0)
        emit headerDataChanged(Qt::Horizontal, col, col);
    else
        emit dataChanged(index(row - 1, col), index(row - 1, col));
}

GameRow TGameListModel::Game(int row) const {
    if (row < 1 || row >= RowCount())
        return {};
    return GameRowOfCells(grid[static_cast<size_t>(row)]);
}

void TGameListModel::SetGame(int row, const GameRow& game) {
    SetFavourite(row, game.favourite);
    SetStatus(row, game.status);
    SetGameName(row, game.name);
    SetFileDir(row, game.fileDir);
}

void TGameListModel::SetFavourite(int row, bool favourite) {
    if (row >= 1 && IsFavouriteText(Cells(colFavourite, row)) != favourite)
        SetCell(colFavourite, row, FavouriteText(favourite));
}

void TGameListModel::SetStatus(int row, GameStatus status) {
    if (row >= 1 && StatusOfText(Cells(colStatus, row)) != status)
        SetCell(colStatus, row, StatusText(status));
}

void TGameListModel::SetGameName(int row, const QString& name) {
    if (row >= 1 && Cells(colGameName, row) != name)
        SetCell(colGameName, row, name);
}

void TGameListModel::SetFileDir(int row, const QString& fileDir) {
    if (row < 1 || row >= RowCount() || Cells(colFileDir, row) == fileDir)
        return;
    history.Move(Cells(colFileDir, row), fileDir);
    reasons.Move(Cells(colFileDir, row), fileDir);
    SetCell(colFileDir, row, fileDir);
}

void TGameListModel::SetHistory(TPlayHistory newHistory) {
    history = std::move(newHistory);
    EmitRowsChanged(1, RowCount() - 1);
}

void TGameListModel::SetReasons(TVerifyReasons newReasons) {
    reasons = std::move(newReasons);
    EmitRowsChanged(1, RowCount() - 1);
}

void TGameListModel::SetVerified(int row, GameStatus status, const TVerifyReason& reason) {
    if (!IsGameRow(row))
        return;
    reasons.SetVerified(Cells(colFileDir, row), status, reason);
    SetStatus(row, status);
    EmitRowsChanged(row, row);
}

void TGameListModel::SetStatusByHand(int row, GameStatus status) {
    if (!IsGameRow(row) || Game(row).status == status)
        return;
    reasons.MarkByHand(Cells(colFileDir, row));
    SetStatus(row, status);
    EmitRowsChanged(row, row);
}

QString TGameListModel::ReasonText(int row) const {
    return IsGameRow(row) ? GameReasonText(reasons.Find(Cells(colFileDir, row))) : QString();
}

void TGameListModel::RecordRun(int row, const QDateTime& start, const QDateTime& finish) {
    if (!IsGameRow(row))
        return;
    history.RecordRun(Cells(colFileDir, row), start, finish);
    EmitRowsChanged(row, row);
}

void TGameListModel::SetRowCount(int count) {
    count = std::max(count, 2);
    const int old = RowCount();
    if (count > old) {
        beginInsertRows(QModelIndex(), old - 1, count - 2);
        grid.resize(static_cast<size_t>(count));
        endInsertRows();
    } else if (count < old) {
        beginRemoveRows(QModelIndex(), count - 1, old - 2);
        grid.resize(static_cast<size_t>(count));
        endRemoveRows();
    }
}

int TGameListModel::GameCount() const {
    if (RowCount() == 2 && IsBlankRow(grid[1]))
        return 0;
    return RowCount() - 1;
}

bool TGameListModel::IsGameRow(int row) const {
    return row >= 1 && !Cells(colFileDir, row).isEmpty();
}

void TGameListModel::Clear() {
    for (QStringList& row : grid)
        row.clear();
    EmitRowsChanged(0, RowCount() - 1);
}

void TGameListModel::EmptyList() {
    beginResetModel();
    SetEmptyListState();
    endResetModel();
}

void TGameListModel::SetHeaderTexts() {
    QStringList& header = grid.front();
    const QStringList texts = HeaderTexts();
    if (header.size() < texts.size())
        header.resize(texts.size());
    std::copy(texts.cbegin(), texts.cend(), header.begin());
    emit headerDataChanged(Qt::Horizontal, 0, static_cast<int>(texts.size()) - 1);
}

int TGameListModel::AppendGame(int gameCount, const GameRow& game) {
    return AppendCells(gameCount, GameRowCells(game));
}

int TGameListModel::AppendGame(int gameCount, const QString& status, const QString& gameName,
                               const QString& fileDir) {
    return AppendCells(gameCount, {QString(), status, gameName, fileDir});
}

int TGameListModel::AppendCells(int gameCount, QStringList cells) {
    // A count that lags behind the rows (a recount leaves out rows without File/Dir) must not
    // write over the games below it, nor cut them off.
    const int row = std::max({gameCount, 0, GameCount()}) + 1;
    SetRowCount(row + 1);
    grid[static_cast<size_t>(row)] = std::move(cells);
    EmitRowsChanged(row, row);
    return row;
}

void TGameListModel::DeleteRow(int row) {
    if (row < 1 || row >= RowCount())
        return;
    if (IsGameRow(row)) {
        history.Remove(Cells(colFileDir, row));
        reasons.Remove(Cells(colFileDir, row));
    }
    if (RowCount() == 2) {
        EmptyList();
        return;
    }
    beginRemoveRows(QModelIndex(), row - 1, row - 1);
    grid.erase(grid.begin() + row);
    endRemoveRows();
}

qsizetype TGameListModel::LoadFromFile(const QString& fileName, QChar delimiter) {
    QFile file(fileName);
    const auto unreadable = [&] {
        return AppError(
            QCoreApplication::translate("Files", "Unable to read %1: %2").arg(fileName, file.errorString()));
    };
    if (!file.open(QIODevice::ReadOnly))
        throw unreadable();
    ListTextReader reader(delimiter, MinColCount);
    QByteArray chunk(ReadChunkSize, Qt::Uninitialized);
    qint64 count = 0;
    while ((count = file.read(chunk.data(), chunk.size())) > 0)
        reader.Feed(QByteArrayView(chunk.constData(), count));
    if (count < 0 || file.error() != QFileDevice::NoError)
        throw unreadable();
    reader.Finish();

    std::vector<QStringList>& rows = reader.Rows();
    beginResetModel();
    colCount = MinColCount;
    if (rows.size() < 2)
        SetEmptyListState();
    else
        grid = std::move(rows);
    endResetModel();
    return reader.LinesWithExtraCells();
}

void TGameListModel::SaveToFile(const QString& fileName, QChar delimiter) const {
    const QByteArray bytes = FormatListText(grid, colCount, delimiter);
    if (!WriteWholeFile(fileName, bytes))
        throw AppError(QCoreApplication::translate("Files", "Unable to write to %1").arg(fileName));
}

void TGameListModel::PermuteGameRows(const std::vector<int>& order) {
    const int games = RowCount() - 1;
    if (order.size() != static_cast<size_t>(games))
        throw std::invalid_argument("PermuteGameRows: order has the wrong size");
    // newRowOf[grid row] = the grid row it moves to.
    std::vector<int> newRowOf(static_cast<size_t>(games) + 1, 0);
    for (int k = 0; k < games; ++k) {
        const int from = order[static_cast<size_t>(k)];
        if (from < 1 || from > games || newRowOf[static_cast<size_t>(from)] != 0)
            throw std::invalid_argument("PermuteGameRows: order is not a permutation of the game rows");
        newRowOf[static_cast<size_t>(from)] = k + 1;
    }

    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<QStringList> sorted;
    sorted.reserve(grid.size());
    sorted.push_back(std::move(grid.front()));
    for (const int from : order)
        sorted.push_back(std::move(grid[static_cast<size_t>(from)]));
    grid = std::move(sorted);

    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& old : before)
        after.append(index(newRowOf[static_cast<size_t>(old.row()) + 1] - 1, old.column()));
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

int TGameListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : RowCount() - 1;
}

int TGameListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : colCount;
}

QVariant TGameListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return QVariant();
    if (role == Qt::ToolTipRole && index.column() == colStatus) {
        const QString reason = ReasonText(index.row() + 1);
        return reason.isEmpty() ? QVariant() : QVariant(reason);
    }
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return QVariant();
    return Cells(index.column(), index.row() + 1);
}

QVariant TGameListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return QCoreApplication::translate("GameList", Cells(section, 0).toUtf8().constData());
    return QAbstractTableModel::headerData(section, orientation, role);
}
