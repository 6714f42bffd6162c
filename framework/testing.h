// For tests only: the Qt widgets behind framework objects, so that tests can drive them with
// QTest input and read what they show. Program code never includes this header.
#pragma once

class QWidget;
class QMenuBar;

namespace fw {
class Window;
class RectControl;
}  // namespace fw

namespace fw::testing {

QWidget* WidgetOf(const Window& window);
QWidget* WidgetOf(const RectControl& control);
QMenuBar* MenuBarOf(const Window& window);
// Removes every window (as after a run), so that tests start from nothing.
void CloseAllWindows();

}  // namespace fw::testing
