#pragma once
// The ten topic windows: each with its registry slot, the menu item that opens it, that item's
// help context and the function that creates the window. A topic window plugs itself in here.
#include <vector>

class ChildWindow;

struct TopicWindow {
    int slot;                 // WindowClosed slot
    const char* menuItem;     // objectName of the menu item that opens it
    int helpContext;          // help context of that menu item
    ChildWindow* (*create)(); // constructs the window; null while the topic does not exist yet
};

const std::vector<TopicWindow>& topicWindows();
// The topic of a slot, or null.
const TopicWindow* topicForSlot(int slot);
