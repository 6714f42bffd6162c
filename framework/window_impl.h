// Private to the Qt-backed framework: a window's Qt side. The top level is a QMainWindow, so the
// menu bar sits above the client area; controls are children of the client area and take its
// coordinates.
#pragma once

#include <QAction>
#include <QKeySequence>
#include <QMainWindow>
#include <QPointer>
#include <QSize>
#include <QWidget>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "framework/core/delegate.h"
#include "framework/core/menu_item.h"
#include "framework/window.h"

class QEvent;
class QObject;

namespace fw {

class TextCommands;

class ClientArea : public QWidget {
 public:
  explicit ClientArea(Window& owner) : owner_(&owner) {}
  void Detach() { owner_ = nullptr; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  Window* owner_;
};

class WindowWidget : public QMainWindow {
 public:
  explicit WindowWidget(Window& owner);
  Window* Owner() const { return owner_; }
  ClientArea* Client() const { return client_; }
  void Detach();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  Window* owner_;
  ClientArea* client_;
};

struct Window::Impl {
  QPointer<WindowWidget> widget;
  std::vector<std::pair<std::string, Ref<Object>>> controls;
  std::vector<std::pair<std::string, Ref<Delegate>>> menuHandlers;
  Ref<MenuItem> menuBar;
  // Each rendered item's action, for its enabling.
  std::vector<std::pair<QPointer<QAction>, Ref<MenuItem>>> menuActions;
  std::uint64_t renderedRevision = 0;
  bool menuRendered = false;
  bool constructed = false;
  bool constructing = false;
  bool showWhenBuilt = false;
  bool open = false;
  bool closing = false;
  bool placed = false;
  bool keptOnTop = false;      // above the program's other windows while the program is in front
  QSize clientSize{600, 400};  // what the window's list asks for, within its limits

  WindowWidget& Widget(Window& window);
  QWidget* Client() const { return widget ? widget->Client() : nullptr; }
  void CloseNow(Window& window);
  void ShowNow(Window& window);
  void SyncMenuBar(Window& window);
  void ApplyGeometry(const Window& window);
  void ApplyFlags(const Window& window);
  void ApplyStacking();
  void ApplyBackground(const Window& window);
  void ApplyTabOrder();
  void Place(const Window& window);
  bool RunBuiltInItem(std::string_view itemName);
  // The handler this window registered for the item, or nullptr.
  Ref<Delegate> HandlerFor(std::string_view itemName) const;
  // The focused control's text commands, where a text control has the focus.
  TextCommands* FocusedText() const;
  // Whether choosing the item in this window would act now.
  bool WouldAct(const MenuItem& item) const;
  // Enables each AutoEnable item where it would act; with a key, only the items it is the
  // shortcut of.
  void EnableMenuItems(const QKeySequence& key = {});
};

// The window a message box belongs to: a shown box kept on top, since a message of any other
// window would open under it; else the active window.
QWidget* MessageOwner();
// The client-area size controls are laid out against: the real one once the window was shown.
QSize ClientSizeOf(const Window& window);
// The control registered under that name, found without recording a lookup.
Ref<Object> ControlNamed(const Window& window, std::string_view name);
// Re-applies a control's tab order in its window, once the window is built.
void TabOrderChanged(const Window& window);

// Delivers a key press or mouse press to the window it happens in when the window's class handles
// KeyDown or MouseDown; true when the handler swallowed it. Before a key is matched against the
// shortcuts, brings the enabling of the items it is the shortcut of up to date.
bool DeliverWindowInput(QObject* receiver, QEvent* event);

namespace testing_detail {
// Forgets every window without raising events (testing::CloseAllWindows).
void DropAllWindows();
bool QuitRequested();
int QuitCode();
void ResetQuit();
}  // namespace testing_detail

}  // namespace fw
