#include "shell/shared_state.h"

namespace app {

bool ShowHints = true;
int WorkAreaWidth = 0;
int WorkAreaHeight = 0;
int BottomBarHeight = 0;
int BarPanelHeight = 0;
int BarPanelTop = 0;
unsigned char SplashTicks = 0;

}  // namespace app
