#pragma once
// The hint setting, the sizes the main window measures for the child windows, and the maker's
// addresses.

namespace app {

// Whether windows show their tool-tip hints when they are created (remembered in the settings).
extern bool ShowHints;

// The sizes every child window lays itself out from, measured by the main window.
struct WindowMetrics {
    int workAreaWidth = 0;    // client width of the maximised main window minus 4
    int workAreaHeight = 0;   // client height of the maximised main window minus 4
    int bottomBarHeight = 0;  // 2 x the height of the text "I"; a child window's bottom bar
    int barPanelHeight = 0;   // the height of "I" + 4; the panel inside that bar
    int barPanelTop = 0;      // (bottomBarHeight - barPanelHeight) div 2
};
// The sizes as last measured (all 0 before the main window measures them).
const WindowMetrics& windowMetrics();
// Stores them: the main window once it has measured, or whatever makes windows without one.
void setWindowMetrics(const WindowMetrics& metrics);

// The maker's addresses.
inline const char* const MakerMail = "mailto:info@trig-tutor.example";
inline const char* const MakerSite = "https://trig-tutor.example/";

}  // namespace app
