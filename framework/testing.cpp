#include "framework/testing.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>

#include "framework/control_impl.h"
#include "framework/qt_support.h"
#include "framework/window_impl.h"

namespace fw::testing {

QWidget* WidgetOf(const Window& window) {
  return window.impl().widget;
}
QWidget* ClientAreaOf(const Window& window) {
  return window.impl().Client();
}
QWidget* WidgetOf(const RectControl& control) {
  return control.impl().widget;
}

QMenuBar* MenuBarOf(const Window& window) {
  Window::Impl& impl = window.impl();
  if (!impl.menuBar || !impl.widget) return nullptr;
  impl.SyncMenuBar(const_cast<Window&>(window));
  return impl.widget->menuBar();
}

bool ShownEnabled(const Window& window, std::string_view itemName) {
  QMenuBar* bar = MenuBarOf(window);
  if (!bar) return false;
  // Through what the bar shows: menus of an earlier drawing of the tree may still be around.
  for (QAction* top : bar->actions()) {
    QMenu* menu = top->menu();
    if (!menu) continue;
    for (QAction* action : menu->actions()) {
      if (action->objectName() != qt::ToQString(itemName)) continue;
      menu->popup(bar->mapToGlobal(QPoint(0, bar->height())));
      const bool enabled = action->isEnabled();
      menu->hide();
      return enabled;
    }
  }
  return false;
}

void CloseAllWindows() {
  testing_detail::DropAllWindows();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

bool QuitRequested() {
  return testing_detail::QuitRequested();
}
int QuitCode() {
  return testing_detail::QuitCode();
}
void ResetQuit() {
  testing_detail::ResetQuit();
}

}  // namespace fw::testing
