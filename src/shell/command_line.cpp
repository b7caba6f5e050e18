#include "shell/command_line.h"

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

void printHelp(QTextStream& out)
{
    out << "Usage: " << CommandName << " [--help | --version]\n"
        << "       " << CommandName << " triangle [--json] [--steps] PART=VALUE...\n"
        << ProgramName << " teaches secondary-school trigonometry with live pictures.\n"
        << "\n"
        << "  --help     show this help and exit\n"
        << "  --version  show the version and exit\n"
        << "  triangle   solve a triangle from three of a, b, c, A, B, C (see triangle --help)\n"
        << "\n"
        << "Without options the program opens its main window. The standard Qt options\n"
        << "(such as -platform or -style) are accepted too.\n";
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

std::optional<int> handleCommandLine(const QStringList& arguments, ToolkitOptions toolkitOptions,
                                     QTextStream& out, QTextStream& err)
{
    std::optional<int> exitCode;
    for (qsizetype i = 1; i < arguments.size() && !exitCode; ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--help")) {
            printHelp(out);
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
