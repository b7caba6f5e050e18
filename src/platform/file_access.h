#pragma once
// Files the program reads on the user's disk: only regular files. A FIFO, a device or a socket
// in place of a settings, language or flag file is treated as missing, so it cannot block the
// program. (Files are written by platform/safe_file alone.)
#include <QString>

class QFile;

namespace FileAccess {

// Opens a regular file for reading (a symbolic link to one is followed). False, without ever
// blocking, for a missing or unreadable file and for anything that is not a regular file.
// Names of the program's own resources (":/...") open as usual.
bool openRegularFile(QFile& file, const QString& path);

}  // namespace FileAccess
