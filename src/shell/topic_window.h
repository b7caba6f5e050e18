#pragma once
// The record of a topic window: all the program knows of the window outside its own folder.
// The main window's table (app/topic_windows.cpp) holds one record per window, in menu order;
// the menu builds the window's item from it, the window takes its slot, class name and help page
// from it when it is made, the help pages are checked against its context, and "Show me" of the
// practice window opens the solver window whose record names the exercise's kind.
#include "shell/program_texts.h"

namespace app {

class ChildWindow;

// The menu a topic window's item stands in: the topic menu (Angolario1), Equazioni1 or
// Disequazioni1.
enum class TopicMenu { Topics, Equations, Inequalities };

struct TopicWindow {
    int slot = 0;                // WindowClosed slot
    const char* className = "";  // the window's class name, its objectName
    int helpContext = 0;         // the window's help page: its menu item, `aiuto` and F1 open it
    // The menu item that opens the window: its menu, its objectName, whether a line stands above
    // it, and its caption: the MenuTexts row of an original window, or (row -1) a program text
    // followed by "…".
    TopicMenu menu = TopicMenu::Topics;
    const char* menuItem = "";
    bool lineBefore = false;
    int menuRow = -1;
    app::ProgramText menuText{};
    // The practice exercises whose "Show me" opens the window: a practice::Family by its number
    // (-1: none), and whether their inequalities rather than their equations.
    int exerciseFamily = -1;
    bool inequalities = false;
    // Makes the window from its record.
    ChildWindow* (*create)(const TopicWindow& topic) = nullptr;
};

}  // namespace app
