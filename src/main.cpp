#include <QApplication>
#include <QIcon>
#include <QTextStream>

#include "platform/help.h"
#include "platform/hints.h"
#include "shell/command_line.h"
#include "app/main_window.h"
#include "shell/program_folders.h"

int main(int argc, char* argv[])
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (const auto exitCode = app::handleCommandLine(app::argumentList(argc, argv), app::ToolkitOptions::NotYetTaken,
                                                     out, err))
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
