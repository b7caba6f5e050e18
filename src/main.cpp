#include <QApplication>
#include <QIcon>

#include "platform/help.h"
#include "platform/hints.h"
#include "shell/main_window.h"

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    application.setWindowIcon(QIcon(QStringLiteral(":/pictures/program_icon.png")));
    QGuiApplication::setDesktopFileName(QStringLiteral("example.trigtutor.TrigTutor"));
    Help::setApplicationHelpFile(QStringLiteral("Angolario.HLP"));
    Help::installF1Handler(&application);
    Hints::installHintFilter(&application);
    Tangolario mainWindow;
    app::ApplicationTitle = QStringLiteral("Angolario");
    mainWindow.show();
    return application.exec();
}
