#pragma once
// Names in a folder whose bytes are not text in the system's encoding. Qt's own listing leaves
// them out altogether, so a file named so would be passed over without a word.

#include <QString>
#include <QStringList>

// Each such name as text, the bytes that are not text shown as replacement characters; none
// when the folder cannot be read, and none where the system keeps names as text (Windows).
QStringList UndecodableNames(const QString& folder);
