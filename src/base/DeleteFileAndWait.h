#pragma once
// Deleting a file another program may still hold open.

#include <QString>

// Deletes the file if it exists, then waits, serving pending events, until it is gone.
// Gives up after bound milliseconds (a file without the right to delete it never goes);
// returns whether the file is gone.
bool DeleteFileAndWait(const QString& fileName, int boundMs = 2000);
