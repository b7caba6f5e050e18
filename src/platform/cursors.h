#pragma once
// Screen cursors registered by number; number 5 is the program's pointing hand ("destra"),
// the cursor of every tool button.
#include <QCursor>

namespace ScreenCursors {
inline constexpr int PointingHand = 5;
void registerCursor(int number, const QCursor& cursor);
// The registered cursor, or the arrow when the number was never registered.
QCursor cursor(int number);
// Registers the program's own pointing hand as number 5 (once).
void registerPointingHand();
}  // namespace ScreenCursors
