#include "platform/desktop.h"

#include <QApplication>
#include <QCursor>
#include <QDesktopServices>
#include <QScreen>
#include <QUrl>
#include <QWidget>

namespace Desktop {
namespace {
Opener& opener()
{
    static Opener o = [](const QString& address) { (void)QDesktopServices::openUrl(QUrl(address)); };
    return o;
}
int& beeps()
{
    static int n = 0;
    return n;
}
}  // namespace

void openUrl(const QString& address)
{
    if (opener())
        opener()(address);
}

Opener setOpener(Opener o)
{
    Opener previous = opener();
    opener() = std::move(o);
    return previous;
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

QRect screenGeometry(const QWidget* widget, bool available)
{
    const QScreen* screen = widget && widget->screen() ? widget->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return QRect(0, 0, 800, 600);
    const QRect area = available ? screen->availableGeometry() : screen->geometry();
    // Measured in 64 bits: QRect's own width() overflows on such a rectangle.
    const auto inRange = [](qint64 first, qint64 last) {
        const qint64 side = last - first + 1;
        return side > 0 && side <= ScreenSideMax && first >= -64 * qint64(ScreenSideMax) &&
               first <= 64 * qint64(ScreenSideMax);
    };
    if (!inRange(area.left(), area.right()) || !inRange(area.top(), area.bottom()))
        return QRect(0, 0, 800, 600);
    return area;
}

}  // namespace Desktop
