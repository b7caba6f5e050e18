#include "shell/window_registry.h"

#include <QWidget>

#include "shell/child_window.h"

namespace app {

namespace {
std::array<bool, WindowSlotCount + 1> allTrue()
{
    std::array<bool, WindowSlotCount + 1> flags{};
    flags.fill(true);
    return flags;
}
std::array<QPointer<ChildWindow>, WindowSlotCount + 1>& instances()
{
    static std::array<QPointer<ChildWindow>, WindowSlotCount + 1> windows;
    return windows;
}
QPointer<QWidget>& background()
{
    static QPointer<QWidget> picture;
    return picture;
}
bool validSlot(int slot)
{
    return slot >= 1 && slot <= WindowSlotCount;
}
// One flag per slot, true while its window is not open; index 0 is unused and stays true.
std::array<bool, WindowSlotCount + 1> WindowClosed = allTrue();
}  // namespace

bool windowClosed(int slot)
{
    return !validSlot(slot) || WindowClosed[std::size_t(slot)];
}

void setWindowClosed(int slot, bool closed)
{
    if (validSlot(slot))
        WindowClosed[std::size_t(slot)] = closed;
}

void resetWindowSlots()
{
    WindowClosed = allTrue();
}

ChildWindow* openChildWindow(int slot)
{
    if (!validSlot(slot) || WindowClosed[std::size_t(slot)])
        return nullptr;
    return instances()[std::size_t(slot)];
}

void setOpenChildWindow(int slot, ChildWindow* window)
{
    if (validSlot(slot))
        instances()[std::size_t(slot)] = window;
}

bool allChildWindowsClosed()
{
    for (int slot = 1; slot <= WindowSlotCount; ++slot)
        if (!WindowClosed[std::size_t(slot)])
            return false;
    return true;
}

void ChildWindowShown()
{
    if (background())
        background()->hide();
}

void ChildWindowClosed()
{
    if (allChildWindowsClosed() && background())
        background()->show();
}

void setBackgroundPicture(QWidget* picture)
{
    background() = picture;
}

}  // namespace app
