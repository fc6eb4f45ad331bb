#pragma once
// Where a game's snapshot lives and how large it is shown.

#include <QSize>
#include <QString>

// The snapshot file of a row: its short name (VerifyName) + ".png" in snapshotDirectory
// (ending in "/"), found there ignoring letter case.
QString SnapshotFileName(const QString& snapshotDirectory, const QString& fileDir);

// The size a picture is shown at in a box: scaled down to fit with its aspect kept
// (fractions dropped) when larger than the box in either direction, else its own size.
QSize FitInside(QSize picture, QSize box);
