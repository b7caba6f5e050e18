#pragma once
// Small desktop services: the shell's open request (mail, web page), the message beep and
// moving the mouse pointer. Each can be observed, so callers' behaviour can be checked.
#include <QPoint>
#include <QString>
#include <functional>

namespace Desktop {

// Asks the desktop to open a mailto: or web address; a failure is ignored.
void openUrl(const QString& address);
// Replaces the opener (the default one asks the desktop); returns the previous one.
using Opener = std::function<void(const QString&)>;
Opener setOpener(Opener opener);
QString lastOpenedUrl();

// The system default beep.
void messageBeep();
int beepCount();

// Moves the mouse pointer to a screen position.
void movePointer(QPoint screenPosition);

}  // namespace Desktop
