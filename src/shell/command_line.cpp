#include "shell/command_line.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>

#ifndef TRIG_VERSION
#error "TRIG_VERSION must be defined by the build"
#endif

namespace app {

const char* programVersion()
{
    return TRIG_VERSION;
}

QStringList argumentList(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

namespace {

void printHelp(QTextStream& out, std::span<const Subcommand> table)
{
    out << "Usage: " << CommandName << " [--help | --version]\n";
    for (const Subcommand& c : table)
        out << "       " << CommandName << " " << c.usage << "\n";
    out << ProgramName << " teaches secondary-school trigonometry with live pictures.\n"
        << "\n"
        << "  --help     show this help and exit\n"
        << "  --version  show the version and exit\n"
        << "\n"
        << "Without options the program opens its main window. The standard Qt options\n"
        << "(such as -platform or -style) are accepted too.\n";
    if (!table.empty()) {
        out << "\nCommands (no display needed; '" << CommandName << " COMMAND --help' tells more):\n";
        for (const Subcommand& c : table)
            out << "  " << c.name << "\n";
        out << "\nExamples:\n"
            << "  " << CommandName << " solve \"2sin^2 x - 3sin x + 1 = 0\"\n"
            << "  " << CommandName << " solve --json \"sqrt3 sin x - cos x > 1\"\n"
            << "  " << CommandName << " worksheet --count 40 --versions 4 --seed 7 -o sheets.pdf\n"
            << "  " << CommandName << " triangle a=5 b=7 A=30\n"
            << "\nExit status: 0 done, 1 input not understood, 2 usage error.\n";
    }
}

void printVersion(QTextStream& out)
{
    out << CommandName << " (" << ProgramName << ") " << programVersion() << "\n"
        << "License GPL-3.0-or-later: GNU GPL version 3 or later.\n"
        << "This is free software: you are free to change and redistribute it.\n"
        << "There is NO WARRANTY, to the extent permitted by law.\n";
}

int refuse(const QString& message, QTextStream& err)
{
    err << CommandName << ": " << message << "\n"
        << "Try '" << CommandName << " --help' for more information.\n";
    return 2;
}

}  // namespace

const Subcommand* findSubcommand(std::span<const Subcommand> table, const QStringList& arguments)
{
    if (arguments.size() < 2)
        return nullptr;
    for (const Subcommand& c : table)
        if (arguments[1] == QLatin1String(c.name))
            return &c;
    return nullptr;
}

int runSubcommand(const Subcommand& command, int argc, char* argv[], QTextStream& out, QTextStream& err)
{
    // Only the program's name goes to the application object: the command's own arguments are
    // read by the command, never as toolkit options.
    int appArgc = 1;
    char* appArgv[] = {argv[0], nullptr};
    const QStringList arguments = argumentList(argc, argv).mid(2);
    int code = 0;
    if (command.drawsPages) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication application(appArgc, appArgv);
        code = command.run(arguments, out, err);
    } else {
        QCoreApplication application(appArgc, appArgv);
        code = command.run(arguments, out, err);
    }
    out.flush();
    err.flush();
    return code;
}

int usageError(const Subcommand& command, const QString& message, QTextStream& err)
{
    err << CommandName << " " << command.name << ": " << message << "\n"
        << "Try '" << CommandName << " " << command.name << " --help' for more information.\n";
    err.flush();
    return 2;
}

std::optional<int> handleCommandLine(const QStringList& arguments, ToolkitOptions toolkitOptions,
                                     QTextStream& out, QTextStream& err, std::span<const Subcommand> table)
{
    std::optional<int> exitCode;
    for (qsizetype i = 1; i < arguments.size() && !exitCode; ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--help")) {
            printHelp(out, table);
            exitCode = 0;
        } else if (argument == QLatin1String("--version")) {
            printVersion(out);
            exitCode = 0;
        } else if (argument.startsWith(QLatin1String("--"))) {
            exitCode = refuse(QStringLiteral("unknown option '%1'").arg(argument), err);
        } else if (toolkitOptions == ToolkitOptions::Taken) {
            exitCode = refuse(argument.startsWith(QLatin1Char('-'))
                                  ? QStringLiteral("unknown option '%1'").arg(argument)
                                  : QStringLiteral("unexpected argument '%1'").arg(argument),
                              err);
        }
    }
    out.flush();
    err.flush();
    return exitCode;
}

}  // namespace app
