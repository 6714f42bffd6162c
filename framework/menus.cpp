// A window's menu bar: the MenuItem tree drawn as Qt menus, the routing of a choice to the
// window's handler or to the built-in Quit and Edit commands, and which items are enabled.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QProxyStyle>
#include <algorithm>
#include <memory>
#include <string_view>

#include "framework/control_impl.h"
#include "framework/core/builtin_classes.h"
#include "framework/qt_support.h"
#include "framework/runtime.h"
#include "framework/window_impl.h"

namespace fw {
namespace {

using MenuActions = decltype(Window::Impl::menuActions);

void AddItems(QWidget* menu, const MenuItem& parent, const std::weak_ptr<Window>& window,
              MenuActions& actions);

void AddItem(QWidget* container, const Ref<MenuItem>& item, const std::weak_ptr<Window>& window,
             MenuActions& actions) {
  auto* menu = qobject_cast<QMenu*>(container);
  if (item->IsSeparator()) {
    if (menu) menu->addSeparator()->setObjectName(qt::ToQString(item->Name()));
    return;
  }
  QString text = qt::ToQString(item->Text());
  if (!item->Children().empty()) {
    auto* submenu = new QMenu(text, container);
    submenu->setObjectName(qt::ToQString(item->Name()));
    QObject::connect(submenu, &QMenu::aboutToShow, submenu, [window] {
      if (Ref<Window> w = window.lock()) w->impl().EnableMenuItems();
    });
    AddItems(submenu, *item, window, actions);
    submenu->menuAction()->setVisible(item->Visible());
    container->addAction(submenu->menuAction());
    return;
  }
  auto* action = new QAction(text, container);
  action->setObjectName(qt::ToQString(item->Name()));
  action->setVisible(item->Visible());
  if (!item->CommandKey().empty()) {
    action->setShortcut(QKeySequence::fromString(qt::ToQString(item->CommandKey())));
    action->setShortcutContext(Qt::WindowShortcut);
  }
  QObject::connect(action, &QAction::triggered, action, [window, name = item->Name()] {
    qt::DispatchScope scope;
    if (Ref<Window> w = window.lock()) w->ChooseMenuItem(name);
  });
  container->addAction(action);
  actions.emplace_back(action, item);
}

void AddItems(QWidget* menu, const MenuItem& parent, const std::weak_ptr<Window>& window,
              MenuActions& actions) {
  for (const Ref<MenuItem>& child : parent.Children()) AddItem(menu, child, window, actions);
}

struct EditItem {
  std::string_view name;
  TextCommand command;
  void (TextCommands::*run)();
};
constexpr EditItem kEditItems[] = {
    {"EditUndo", TextCommand::Undo, &TextCommands::Undo},
    {"EditCut", TextCommand::Cut, &TextCommands::Cut},
    {"EditCopy", TextCommand::Copy, &TextCommands::Copy},
    {"EditPaste", TextCommand::Paste, &TextCommands::Paste},
    {"EditClear", TextCommand::Clear, &TextCommands::Clear},
    {"EditSelectAll", TextCommand::SelectAll, &TextCommands::SelectAll}};

// The Edit item of that name with its built-in text command, or nullptr.
const EditItem* EditItemNamed(std::string_view name) {
  auto found = std::ranges::find(kEditItems, name, &EditItem::name);
  return found == std::end(kEditItems) ? nullptr : found;
}

// The bar never holds the keyboard by itself, as Qt's Windows-style navigation would have it:
// after a menu closes, and after a lone Alt, the keys go back to the control that had them. The
// style draws a title the bar holds unhighlighted, so such a bar took the keys unseen.
class MenuBarStyle : public QProxyStyle {
 public:
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returned) const override {
    if (hint == SH_MenuBar_AltKeyNavigation) return 0;
    return QProxyStyle::styleHint(hint, option, widget, returned);
  }
};

}  // namespace

void Window::Impl::SyncMenuBar(Window& window) {
  if (!menuBar || !widget) return;
  if (menuRendered && renderedRevision == menuBar->Revision()) return;
  QMenuBar* bar = widget->menuBar();
  if (!dynamic_cast<MenuBarStyle*>(bar->style())) {
    auto* style = new MenuBarStyle;
    style->setParent(bar);
    bar->setStyle(style);
  }
  bar->clear();
  menuActions.clear();
  AddItems(bar, *menuBar, std::static_pointer_cast<Window>(window.shared_from_this()), menuActions);
  EnableMenuItems();
  bar->setVisible(window.BoolProperty("MenuBarVisible", true));
  menuRendered = true;
  renderedRevision = menuBar->Revision();
  ApplyGeometry(window);
}

bool Window::Impl::RunBuiltInItem(std::string_view itemName) {
  Ref<MenuItem> item = menuBar ? menuBar->Lookup(itemName) : nullptr;
  if (item && item->IsA(QuitMenuItem::StaticClass())) {
    Quit(0);
    return true;
  }
  const EditItem* edit = EditItemNamed(itemName);
  TextCommands* text = edit ? FocusedText() : nullptr;
  if (!text) return false;
  (text->*edit->run)();
  return true;
}

TextCommands* Window::Impl::FocusedText() const {
  return dynamic_cast<TextCommands*>(widget ? widget->focusWidget() : nullptr);
}

// An item acts where this window registered a handler for it (its result is not known before),
// or where its built-in action would: Quit always, an Edit command where the focused text control
// would take it. Any other item, About among them, would do nothing without a handler.
bool Window::Impl::WouldAct(const MenuItem& item) const {
  if (HandlerFor(item.Name()) || item.IsA(QuitMenuItem::StaticClass())) return true;
  const EditItem* edit = EditItemNamed(item.Name());
  const TextCommands* text = edit ? FocusedText() : nullptr;
  return text && text->WouldAct(edit->command);
}

// Decided when the bar is drawn or a handler registered, when a menu opens and, for a shortcut,
// when its key is pressed, before Qt matches the key against the enabled shortcuts: so the state
// is current wherever the user sees or uses it, without following every change of focus,
// selection, text or clipboard.
void Window::Impl::EnableMenuItems(const QKeySequence& key) {
  for (const auto& [action, item] : menuActions) {
    if (!action || !item->AutoEnable()) continue;
    if (!key.isEmpty() && action->shortcut() != key) continue;
    action->setEnabled(WouldAct(*item));
  }
}

}  // namespace fw
