#pragma once
// The command's own options, --help and --version, read before any window exists, so that
// both work without a display.
#include <QStringList>
#include <optional>

class QTextStream;

namespace app {

// The program's name for users and the command that starts it.
inline const char* const ProgramName = "Anglebook";
inline const char* const CommandName = "trigtutor";
// The version, from the build (PROJECT_VERSION).
const char* programVersion();

// The command line as the system passed it, in the locale's encoding.
QStringList argumentList(int argc, char* argv[]);

// Which arguments are read: before the application object exists, the toolkit's own options
// (-platform, -style, -session, ...) are still there and only words starting with "--" are
// ours; once the toolkit has taken its options, anything left over is refused too.
enum class ToolkitOptions { NotYetTaken, Taken };

// Reads the arguments (the first one is the command). Returns the exit code when the program
// must end at once: 0 after printing the help or the version to `out`, 2 after a short message
// on `err` for an unknown option or an unexpected argument; std::nullopt when it may start.
std::optional<int> handleCommandLine(const QStringList& arguments, ToolkitOptions toolkitOptions,
                                     QTextStream& out, QTextStream& err);

}  // namespace app
