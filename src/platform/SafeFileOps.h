#pragma once
// File operations on the user's games that never lose a file nobody asked to lose: no move
// replaces anything, a copy appears whole or not at all, a deletion follows no link.

#include <QString>

#include <functional>

// The outcome of a file operation: the operating system's reason when it failed.
struct FileOpResult {
    bool ok = false;
    QString reason;
};

// Moves (renames) a file or folder; fails when anything already exists at to, unless that
// is from itself under another letter case.
FileOpResult MoveWithoutReplacing(const QString& from, const QString& to);

#ifndef _WIN32
// The move for file systems without a rename that refuses to replace: a hard link never
// replaces an existing name either; a folder, which cannot be linked, is checked for and
// then renamed.
FileOpResult MoveByLink(const QString& from, const QString& to);
#endif

// Renames from over to, replacing what is there (a link as a link, never the file it names).
FileOpResult RenameOver(const QString& from, const QString& to);

// Writes what the system holds of an open file to the disk.
FileOpResult FlushToDisk(int fileHandle);

// Copies source to target: written to a temporary file in target's folder and renamed over
// target only once complete and on disk, so a failure leaves an existing target untouched.
// The copy keeps the source's permissions, made writable by its owner. A target that is a
// symbolic link is replaced as a link; the file it points to is not written.
FileOpResult CopyIntoPlace(const QString& source, const QString& target);

// True when both names lead to one file (same device and inode); false when either is missing.
bool IsSameFile(const QString& first, const QString& second);

// Makes a file or folder writable by its owner (the read-only attribute cleared); a symbolic
// link or a missing entry is left alone.
void ClearReadOnly(const QString& path);

// Removes the regular files at the top of folder, and the symbolic links there as links,
// then folder itself when that leaves it empty; sub-folders are not entered. A folder that
// is a symbolic link loses only the link. beforeDeletion is told each file's path first.
// False only when folder is neither a folder nor a link.
bool DeleteDirectory(const QString& folder, const std::function<void(const QString&)>& beforeDeletion = {});
