#pragma once
// The registry of open child windows: one flag per window class (slots 1..36), true while the
// window of that slot is not open, and the single instance of each open one.
#include <QPointer>
#include <array>

class QWidget;

namespace app {

class ChildWindow;

inline constexpr int WindowSlotCount = 36;
// Whether the window of a slot (1..36) is not open; true for any other number.
bool windowClosed(int slot);
// Marks the window of a slot open (false) or closed (true); other numbers are ignored.
void setWindowClosed(int slot, bool closed);
// Every slot closed, as at start.
void resetWindowSlots();

// The open instance of a slot, or null.
ChildWindow* openChildWindow(int slot);
void setOpenChildWindow(int slot, ChildWindow* window);

// Called by every child window when it is shown: hides the main window's background picture.
void ChildWindowShown();
// Called by every child window when it closes, after its slot is true again: shows the
// background picture when no child window is open.
void ChildWindowClosed();
// True when every slot is closed.
bool allChildWindowsClosed();

// The main window's background picture, shown only while no child window is open.
void setBackgroundPicture(QWidget* picture);

}  // namespace app
