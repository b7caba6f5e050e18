#include "platform/desktop.h"

#include <QApplication>
#include <QCursor>
#include <QDesktopServices>
#include <QUrl>

namespace Desktop {
namespace {
Opener& opener()
{
    static Opener o = [](const QString& address) { (void)QDesktopServices::openUrl(QUrl(address)); };
    return o;
}
QString& lastUrl()
{
    static QString url;
    return url;
}
int& beeps()
{
    static int n = 0;
    return n;
}
}  // namespace

void openUrl(const QString& address)
{
    lastUrl() = address;
    if (opener())
        opener()(address);
}

Opener setOpener(Opener o)
{
    Opener previous = opener();
    opener() = std::move(o);
    return previous;
}

QString lastOpenedUrl()
{
    return lastUrl();
}

void messageBeep()
{
    ++beeps();
    QApplication::beep();
}

int beepCount()
{
    return beeps();
}

void movePointer(QPoint screenPosition)
{
    QCursor::setPos(screenPosition);
}

}  // namespace Desktop
