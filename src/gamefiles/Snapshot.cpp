#include "gamefiles/Snapshot.h"

#include "base/FileLookup.h"
#include "emulator/CommandTexts.h"

QString SnapshotFileName(const QString& snapshotDirectory, const QString& fileDir) {
    return FindFileIgnoringCase(snapshotDirectory, VerifyName(fileDir) + QStringLiteral(".png"));
}

QSize FitInside(QSize picture, QSize box) {
    if (picture.isEmpty() || box.isEmpty())
        return QSize(0, 0);
    if (picture.width() <= box.width() && picture.height() <= box.height())
        return picture;
    const qint64 width = picture.width();
    const qint64 height = picture.height();
    // Width-bound when the picture is relatively wider than the box.
    if (width * box.height() >= height * box.width())
        return QSize(box.width(), qMax(1, static_cast<int>(height * box.width() / width)));
    return QSize(qMax(1, static_cast<int>(width * box.height() / height)), box.height());
}
