#pragma once
// Program-wide state owned by the main window and read by the child windows, and the maker's
// addresses.

namespace app {

// Whether windows show their tool-tip hints when they are created (remembered in the settings).
extern bool ShowHints;

// Geometry every child window lays itself out from, computed by the main window.
extern int WorkAreaWidth;    // client width of the maximised main window minus 4
extern int WorkAreaHeight;   // client height of the maximised main window minus 4
extern int BottomBarHeight;  // 2 x the height of the text "I"; a child window's bottom bar
extern int BarPanelHeight;   // the height of "I" + 4; the panel inside that bar
extern int BarPanelTop;      // (BottomBarHeight - BarPanelHeight) div 2

// Ticks counted by the splash timers.
extern unsigned char SplashTicks;

// The maker's addresses.
inline const char* const MakerMail = "mailto:info@trig-tutor.example";
inline const char* const MakerSite = "https://trig-tutor.example/";

}  // namespace app
