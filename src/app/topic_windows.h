#pragma once
// The ten topic windows: one record each (shell/topic_window.h), in the order of their menus,
// with the function that makes the window. A topic window plugs itself in here.
#include <vector>

#include "shell/topic_window.h"

namespace app {

const std::vector<TopicWindow>& topicWindows();
// The topic of a slot, or null.
const TopicWindow* topicForSlot(int slot);
// The topic of a window class (its objectName), or null.
const TopicWindow* topicForClass(const char* className);
// The solver window whose "Show me" shows the equations (or inequalities) of a practice::Family
// given by its number, or null.
const TopicWindow* topicForExercises(int family, bool inequalities);
// Every help context the program opens, in increasing order: the program's own
// (Help::contextNumbers()) and the topic windows'.
std::vector<int> helpContexts();

}  // namespace app
