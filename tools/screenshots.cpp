// Renders the splash, the main window, every topic window that exists and the modal windows to
// PNG files, on the offscreen platform, so the program can be looked at without a display.
// Usage: trig_screenshots <output folder>
#include <QApplication>
#include <QDir>
#include <QMdiArea>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <functional>

#include "platform/help.h"
#include "platform/help_window.h"
#include "platform/hints.h"
#include "shell/about_window.h"
#include "shell/child_window.h"
#include "shell/main_window.h"
#include "shell/topic_windows.h"

namespace {

QString outputFolder;

void settle()
{
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}

void save(QWidget* widget, const QString& name)
{
    settle();
    const QString path = QDir(outputFolder).filePath(name + QStringLiteral(".png"));
    if (!widget->grab().save(path))
        std::fprintf(stderr, "could not write %s\n", qPrintable(path));
    else
        std::printf("%s\n", qPrintable(path));
}

// Extra states of topic windows worth a picture: the window's slot, the file name and what to
// do in the window before the picture is taken.
struct ExtraShot {
    int slot;
    const char* name;
    std::function<void(ChildWindow*)> prepare;
};

const std::vector<ExtraShot>& extraShots()
{
    static const std::vector<ExtraShot> shots = {};
    return shots;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    outputFolder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/screenshots");
    outputFolder = QDir(outputFolder).absolutePath();
    QDir().mkpath(outputFolder);
    Hints::installHintFilter(&application);
    Help::setViewer(nullptr);

    // A scratch current directory: no settings file is read or written.
    QTemporaryDir scratch;
    QDir::setCurrent(scratch.path());

    Tangolario main;
    main.show();
    for (int i = 0; i < 41; ++i)
        main.Timer3Timer();
    save(&main, QStringLiteral("splash"));
    main.finishSplash();
    save(&main, QStringLiteral("main_window"));

    for (const TopicWindow& topic : topicWindows()) {
        if (!topic.create)
            continue;
        ChildWindow* window = main.openTopicWindow(topic.slot);
        if (!window)
            continue;
        const QString name = window->objectName();
        save(&main, name);
        for (const ExtraShot& shot : extraShots()) {
            if (shot.slot != topic.slot)
                continue;
            shot.prepare(window);
            save(&main, QString::fromLatin1(shot.name));
        }
        main.Chiudetutte1Click();
        settle();
    }

    // The help window on one topic, as F1 or a help button opens it.
    HelpWindow::showRequest(QStringLiteral("Anglebook.hlp"), 305);
    if (HelpWindow* help = HelpWindow::instance()) {
        help->resize(600, 860);
        save(help, QStringLiteral("help_window"));
        HelpWindow::closeInstance();
    }

    {
        Tinfo about(&main);
        about.show();
        save(&about, QStringLiteral("about_window"));
        about.close();
    }
    main.Chiudetutte1Click();
    settle();
    return 0;
}
