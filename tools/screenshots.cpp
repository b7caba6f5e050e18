// Renders the splash, the main window, every topic window that exists and the modal windows to
// PNG files, on the offscreen platform, so the program can be looked at without a display.
// Usage: trig_screenshots <output folder>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QMdiArea>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <cstdio>
#include <functional>

#include "platform/help.h"
#include "platform/hints.h"
#include "platform/updown.h"
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

void pressTraccia(ChildWindow* window)
{
    if (auto* traccia = window->findChild<QToolButton*>("traccia"))
        traccia->click();
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
    static const std::vector<ExtraShot> shots = {
        // The angle reduction window after the first press of traccia (alfa drawn), then after
        // the second with the octant chosen for alfa = 300 (the reduction drawn over it).
        {21, "Triduci_drawn", [](ChildWindow* window) { pressTraccia(window); }},
        {21, "Triduci_reduced",
         [](ChildWindow* window) {
             pressTraccia(window);  // back to an angle to draw
             window->findChild<QComboBox*>("quadrante")->setCurrentIndex(1);
             for (int step = 150; step < 300; ++step)
                 window->findChild<UpDown*>("pangolo")->stepUp();
             pressTraccia(window);
             pressTraccia(window);
         }},
        // The associated angles window after a press: a = 50 and 90° - a.
        {3, "Tarchi_drawn", [](ChildWindow* window) { pressTraccia(window); }},
    };
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
