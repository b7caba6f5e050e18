#pragma once
// Files the program reads and writes on the user's disk: only regular files. A FIFO, a device
// or a socket in place of a settings, language or flag file is treated as missing, so it can
// neither block the program nor be overwritten by it.
#include <QString>

class QFile;

namespace FileAccess {

// Opens a regular file for reading (a symbolic link to one is followed). False, without ever
// blocking, for a missing or unreadable file and for anything that is not a regular file.
// Names of the program's own resources (":/...") open as usual.
bool openRegularFile(QFile& file, const QString& path);

// True when a file may be written (replaced) at this name: nothing is there yet, or a regular
// file that is not a symbolic link.
bool mayReplace(const QString& path);

}  // namespace FileAccess
