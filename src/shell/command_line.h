#pragma once
// The command's own options, --help and --version, read before any window exists, so that
// both work without a display.
#include <QStringList>
#include <optional>
#include <span>

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

// A subcommand (`trigtutor solve ...`): its name, a line for --help, whether it draws pages
// (it then runs on the offscreen platform, needing no display), and what runs it with the
// arguments after its name, returning the exit code (0 done, 1 input not understood, 2 usage).
struct Subcommand {
    const char* name;
    const char* usage;    // "solve [--json] ... \"EQUATION\""
    bool drawsPages;
    int (*run)(const QStringList& arguments, QTextStream& out, QTextStream& err);
};

// The subcommand named by the first argument after the command, if any.
const Subcommand* findSubcommand(std::span<const Subcommand> table, const QStringList& arguments);
// Runs a subcommand found in argv with the application object it needs; returns the exit code.
int runSubcommand(const Subcommand& command, int argc, char* argv[], QTextStream& out, QTextStream& err);
// A usage error of a subcommand: the message and the pointer to --help on `err`; returns 2.
int usageError(const Subcommand& command, const QString& message, QTextStream& err);

// Reads the arguments (the first one is the command). Returns the exit code when the program
// must end at once: 0 after printing the help or the version to `out`, 2 after a short message
// on `err` for an unknown option or an unexpected argument; std::nullopt when it may start.
// --help lists the subcommands of `table`.
std::optional<int> handleCommandLine(const QStringList& arguments, ToolkitOptions toolkitOptions,
                                     QTextStream& out, QTextStream& err,
                                     std::span<const Subcommand> table = {});

}  // namespace app
