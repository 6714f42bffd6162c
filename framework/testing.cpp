#include "framework/testing.h"

#include <QCoreApplication>
#include <QMenuBar>

#include "framework/control_impl.h"
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
