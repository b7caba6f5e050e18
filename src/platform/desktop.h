#pragma once
// Small desktop services: the shell's open request (mail, web page), the message beep and
// moving the mouse pointer. Each can be observed, so callers' behaviour can be checked.
#include <QPoint>
#include <QRect>
#include <QString>
#include <functional>

class QWidget;

namespace Desktop {

// Asks the desktop to open a mailto: or web address; a failure is ignored.
void openUrl(const QString& address);
// Replaces the opener (the default one asks the desktop); returns the previous one.
using Opener = std::function<void(const QString&)>;
Opener setOpener(Opener opener);

// The system default beep.
void messageBeep();
int beepCount();

// Moves the mouse pointer to a screen position.
void movePointer(QPoint screenPosition);

// The geometry (or the available geometry) of the screen a widget is on; 0, 0, 800 x 600 when
// there is no screen or it reports an empty or absurd one (as a scale factor of 0 or NaN makes
// it), so that every size computed from it stays within a drawable range.
QRect screenGeometry(const QWidget* widget, bool available = false);
inline constexpr int ScreenSideMax = 1 << 15;

}  // namespace Desktop
