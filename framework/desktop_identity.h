// Private to the Qt-backed framework: how desktops know the program's windows.
#pragma once

#include "framework/core/application.h"

namespace fw::qt {

// Gives the running program the product name of the application's version data (the window
// manager's class of its windows, the name of a window without a title of its own), its desktop
// entry and its icon, for every window made from now on.
void GiveDesktopIdentity(const Application& app);

}  // namespace fw::qt
