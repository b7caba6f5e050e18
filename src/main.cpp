#include <QApplication>
#include <QIcon>
#include <QTextStream>

#include "platform/help.h"
#include "platform/hints.h"
#include "app/commands.h"
#include "shell/command_line.h"
#include "app/main_window.h"
#include "shell/program_folders.h"

int main(int argc, char* argv[])
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList arguments = app::argumentList(argc, argv);
    if (const app::Subcommand* command = app::findSubcommand(app::subcommands(), arguments))
        return app::runSubcommand(*command, argc, argv, out, err);
    if (const auto exitCode = app::handleCommandLine(arguments, app::ToolkitOptions::NotYetTaken, out, err,
                                                     app::subcommands()))
        return *exitCode;

    QApplication application(argc, argv);
    app::setProgramNames();
    if (const auto exitCode = app::handleCommandLine(QApplication::arguments(), app::ToolkitOptions::Taken, out, err))
        return *exitCode;
    application.setWindowIcon(QIcon(QStringLiteral(":/pictures/program_icon.png")));
    QGuiApplication::setDesktopFileName(QStringLiteral("example.trigtutor.TrigTutor"));
    Help::setApplicationHelpFile(QStringLiteral("Angolario.HLP"));
    Help::installF1Handler(&application);
    Hints::installHintFilter(&application);
    app::Tangolario mainWindow;
    mainWindow.show();
    return application.exec();
}
