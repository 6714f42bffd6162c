// For tests only: the Qt widgets behind framework objects, so that tests can drive them with
// QTest input and read what they show. Program code never includes this header.
#pragma once

#include <string_view>

class QWidget;
class QMenuBar;

namespace fw {
class Window;
class RectControl;
}  // namespace fw

namespace fw::testing {

// The window's top-level widget; its client area (where controls sit, in its coordinates).
QWidget* WidgetOf(const Window& window);
QWidget* ClientAreaOf(const Window& window);
QWidget* WidgetOf(const RectControl& control);
// The window's Qt menu bar, brought up to date with its MenuItem tree; nullptr without one.
QMenuBar* MenuBarOf(const Window& window);
// Whether the window's menu item of that name shows enabled when the user opens its menu now (the
// menu opens and closes again). False for a name the window's menu bar does not show.
bool ShownEnabled(const Window& window, std::string_view itemName);
// Removes every window (as after a run), so that tests start from nothing.
void CloseAllWindows();

// Whether Quit was called since the last ResetQuit, and with which code.
bool QuitRequested();
int QuitCode();
void ResetQuit();

}  // namespace fw::testing
