#include "framework/window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenuBar>
#include <QMouseEvent>
#include <QResizeEvent>
#include <QScreen>
#include <QWindow>
#include <algorithm>
#include <utility>

#include "framework/control_impl.h"
#include "framework/controls.h"
#include "framework/core/builtin_classes.h"
#include "framework/core/call_log.h"
#include "framework/core/ui_thread.h"
#include "framework/qt_support.h"
#include "framework/runtime.h"
#include "framework/timer.h"
#include "framework/window_impl.h"

namespace fw {
namespace {

std::vector<Ref<Window>>& Registry() {
  static std::vector<Ref<Window>> windows;
  return windows;
}

void Unregister(const Window& window) {
  auto& windows = Registry();
  std::erase_if(windows, [&](const Ref<Window>& w) { return w.get() == &window; });
}

constexpr int kMaxSize = QWIDGETSIZE_MAX;

int Clamp(std::int64_t value, int low, int high) {
  return static_cast<int>(std::clamp<std::int64_t>(value, low, std::max(low, high)));
}

// The text a key press gives a window's KeyDown: the character it types, or for keys that type
// none the control codes desktop programs have long used for them; nothing for a lone modifier.
std::string WindowKeyText(const QKeyEvent& event) {
  if (auto character = qt::CharacterOf(event)) return qt::ToStd(*character);
  switch (event.key()) {
    case Qt::Key_Left:
      return "\x1c";
    case Qt::Key_Right:
      return "\x1d";
    case Qt::Key_Up:
      return "\x1e";
    case Qt::Key_Down:
      return "\x1f";
    case Qt::Key_Delete:
      return "\x7f";
    case Qt::Key_Home:
      return "\x01";
    case Qt::Key_End:
      return "\x04";
    case Qt::Key_PageUp:
      return "\x0b";
    case Qt::Key_PageDown:
      return "\x0c";
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_unknown:
      return {};
    default:
      break;
  }
  if (!event.text().isEmpty()) return qt::ToStd(event.text());
  // Function keys and the like: the key's name, so that "any key" means any key.
  return qt::ToStd(QKeySequence(event.key()).toString());
}

}  // namespace

// --- Qt side -------------------------------------------------------------------------------

void ClientArea::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (owner_) LayOutControls(owner_->impl().controls, event->size());
}

WindowWidget::WindowWidget(Window& owner) : owner_(&owner), client_(new ClientArea(owner)) {
  client_->setObjectName("client");
  setCentralWidget(client_);
  setAttribute(Qt::WA_QuitOnClose, false);
  connect(qApp, &QGuiApplication::applicationStateChanged, this, [this] {
    if (owner_) owner_->impl().ApplyStacking();
  });
}

void WindowWidget::Detach() {
  owner_ = nullptr;
  client_->Detach();
}

void WindowWidget::closeEvent(QCloseEvent* event) {
  // Without a close button the platform cannot close the window (a box that hands over when it
  // is done would be lost unseen); Window::Close still can.
  if (owner_ && !owner_->BoolProperty("HasCloseButton", true)) {
    event->ignore();
    return;
  }
  event->accept();
  if (!owner_) return;
  qt::DispatchScope scope;
  Ref<Object> keep = owner_->shared_from_this();
  owner_->impl().CloseNow(*owner_);
}

WindowWidget& Window::Impl::Widget(Window& window) {
  if (!widget) {
    CheckGuiThread();
    widget = new WindowWidget(window);
    ApplyGeometry(window);
    ApplyFlags(window);
  }
  return *widget;
}

void Window::Impl::CloseNow(Window& window) {
  if (!open || closing) return;
  closing = true;
  Ref<Object> keep = window.shared_from_this();
  if (window.IsEventImplemented("Close")) qt::Dispatch([&] { window.Event_Close(); });
  open = false;
  if (widget) widget->hide();
  Unregister(window);
}

void Window::Impl::Place(const Window& window) {
  if (placed || !widget) return;
  placed = true;
  const std::int64_t type = window.IntProperty("Type");
  const std::int64_t location = window.IntProperty("DefaultLocation");
  // Locations: 0 the platform's placement, 1 centred over the front window, 2 centred on the main
  // screen, 3 centred on the front window's screen; a frameless box (Type 2) is always centred.
  QWidget* front = QApplication::activeWindow();
  if (front == widget) front = nullptr;
  QRect area;
  if (location == 1 && front) {
    area = front->frameGeometry();
  } else if (type == 2 || location == 2 || (location == 1 && !front)) {
    if (QScreen* screen = QGuiApplication::primaryScreen()) area = screen->availableGeometry();
  } else if (location == 3) {
    QScreen* screen = front ? front->screen() : QGuiApplication::primaryScreen();
    if (screen) area = screen->availableGeometry();
  }
  if (area.isValid()) {
    QRect frame({0, 0}, widget->size());
    frame.moveCenter(area.center());
    widget->move(frame.topLeft());
  }
}

void Window::Impl::ShowNow(Window& window) {
  WindowWidget& w = Widget(window);
  SyncMenuBar(window);
  Place(window);
  if (window.BoolProperty("FullScreen")) {
    w.showFullScreen();
  } else {
    w.show();
  }
  ApplyStacking();
  // The offscreen platform has no stacking and complains at every raise.
  if (QGuiApplication::platformName() != QLatin1String("offscreen")) w.raise();
  w.activateWindow();
}

void Window::Impl::ApplyGeometry(const Window& window) {
  if (!widget) return;
  const bool barShown = menuBar && window.BoolProperty("MenuBarVisible", true);
  const int extra = barShown ? widget->menuBar()->sizeHint().height() : 0;
  int minW = Clamp(window.IntProperty("MinimumWidth", 0), 0, kMaxSize);
  int minH = Clamp(window.IntProperty("MinimumHeight", 0), 0, kMaxSize);
  int maxW = Clamp(window.IntProperty("MaximumWidth", kMaxSize), minW, kMaxSize);
  int maxH = Clamp(window.IntProperty("MaximumHeight", kMaxSize), minH, kMaxSize);
  const int width = Clamp(window.IntProperty("Width", 600), minW, maxW);
  const int height = Clamp(window.IntProperty("Height", 400), minH, maxH);
  if (!window.BoolProperty("Resizeable", true)) {
    minW = maxW = width;
    minH = maxH = height;
  }
  clientSize = QSize(width, height);
  widget->setMinimumSize(minW, std::min(minH + extra, kMaxSize));
  widget->setMaximumSize(maxW, std::min(maxH + extra, kMaxSize));
  widget->resize(width, height + extra);
}

void Window::Impl::ApplyFlags(const Window& window) {
  if (!widget) return;
  Qt::WindowFlags flags = Qt::Window;
  // Type 2 is a box without title bar; every other type is an ordinary framed window.
  keptOnTop = window.IntProperty("Type") == 2;
  if (keptOnTop) {
    flags |= Qt::FramelessWindowHint;
  } else {
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint;
    if (window.BoolProperty("HasCloseButton", true)) flags |= Qt::WindowCloseButtonHint;
    if (window.BoolProperty("HasMinimizeButton", true)) flags |= Qt::WindowMinimizeButtonHint;
    if (window.BoolProperty("HasMaximizeButton", true)) flags |= Qt::WindowMaximizeButtonHint;
  }
  if (widget->windowFlags() != flags) {
    const bool shown = widget->isVisible();
    widget->setWindowFlags(flags);
    if (shown) widget->show();
  }
  ApplyStacking();
}

void Window::Impl::ApplyStacking() {
  QWindow* handle = widget ? widget->windowHandle() : nullptr;
  if (!handle) return;
  // A box without a frame is lost once buried, and a transient keeps above one window only: it
  // stays above all of the program's windows, but only while the program is in front, so that
  // the user's other programs can cover it.
  const bool onTop = keptOnTop && QGuiApplication::applicationState() == Qt::ApplicationActive;
  handle->setFlag(Qt::WindowStaysOnTopHint, onTop);
}

void Window::Impl::ApplyBackground(const Window& window) {
  QWidget* client = Client();
  if (!client) return;
  QPalette palette = QApplication::palette(client);
  if (window.BoolProperty("HasBackgroundColor")) {
    palette.setColor(QPalette::Window, qt::ToQColor(window.ColorProperty("BackgroundColor")));
  }
  client->setPalette(palette);
  client->setAutoFillBackground(window.BoolProperty("HasBackgroundColor"));
}

void Window::Impl::ApplyTabOrder() {
  std::vector<std::pair<std::int64_t, QWidget*>> order;
  for (const auto& [name, object] : controls) {
    auto* control = dynamic_cast<RectControl*>(object.get());
    if (!control || !control->impl().widget) continue;
    QWidget* w = control->impl().widget;
    if (!(w->focusPolicy() & Qt::TabFocus)) continue;
    order.emplace_back(control->IntProperty("TabIndex"), w);
  }
  std::ranges::stable_sort(order, {}, &decltype(order)::value_type::first);
  for (std::size_t i = 1; i < order.size(); ++i) {
    QWidget::setTabOrder(order[i - 1].second, order[i].second);
  }
}

Ref<Delegate> Window::Impl::HandlerFor(std::string_view itemName) const {
  auto registered =
      std::ranges::find(menuHandlers, itemName, &decltype(menuHandlers)::value_type::first);
  return registered == menuHandlers.end() ? nullptr : registered->second;
}

QWidget* MessageOwner() {
  for (const Ref<Window>& window : Registry()) {
    const Window::Impl& impl = window->impl();
    if (impl.keptOnTop && impl.widget && impl.widget->isVisible()) return impl.widget;
  }
  return QApplication::activeWindow();
}

QSize ClientSizeOf(const Window& window) {
  const Window::Impl& impl = window.impl();
  QWidget* client = impl.Client();
  if (client && impl.widget->isVisible()) return client->size();
  return impl.clientSize;
}

Ref<Object> ControlNamed(const Window& window, std::string_view name) {
  for (const auto& [registered, control] : window.impl().controls) {
    if (registered == name) return control;
  }
  return nullptr;
}

void TabOrderChanged(const Window& window) {
  if (window.impl().constructed && !window.impl().constructing) window.impl().ApplyTabOrder();
}

bool DeliverWindowInput(QObject* receiver, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::KeyPress && type != QEvent::MouseButtonPress &&
      type != QEvent::ShortcutOverride) {
    return false;
  }
  if (!receiver->isWidgetType()) return false;
  auto* top = dynamic_cast<WindowWidget*>(static_cast<QWidget*>(receiver)->window());
  if (!top || !top->Owner()) return false;
  Window& window = *top->Owner();
  if (type == QEvent::ShortcutOverride) {
    window.impl().EnableMenuItems(QKeySequence(static_cast<QKeyEvent*>(event)->keyCombination()));
    return false;
  }
  qt::DispatchScope scope;
  Ref<Object> keep = window.shared_from_this();
  if (type == QEvent::KeyPress) {
    std::string key = WindowKeyText(*static_cast<QKeyEvent*>(event));
    if (key.empty()) return false;
    return qt::Dispatch<bool>(
        [&] { return window.IsEventImplemented("KeyDown") && window.Event_KeyDown(key); }, false);
  }
  const auto* mouse = static_cast<QMouseEvent*>(event);
  QWidget* client = top->Client();
  const QPoint at = client->mapFromGlobal(mouse->globalPosition().toPoint());
  if (!client->rect().contains(at)) return false;
  return qt::Dispatch<bool>(
      [&] {
        return window.IsEventImplemented("MouseDown") && window.Event_MouseDown(at.x(), at.y());
      },
      false);
}

// --- Window ---------------------------------------------------------------------------------

const ClassInfo& Window::StaticClass() {
  return classes::Window();
}

Window::Window() : impl_(std::make_unique<Impl>()) {}

Window::~Window() {
  impl_->controls.clear();
  if (impl_->widget) {
    impl_->widget->Detach();
    qt::DeleteWidget(impl_->widget);
  }
}

void Window::Constructor() {
  CheckGuiThread();
  if (impl_->constructed) throw RuntimeException("The window is built already");
  Ref<Window> self = std::static_pointer_cast<Window>(shared_from_this());
  impl_->Widget(*this);
  impl_->constructed = true;
  impl_->constructing = true;
  impl_->open = true;
  Registry().push_back(self);
  // What a creation event throws ends the construction and passes to the caller, as any failing
  // framework operation does; the half-built window is not kept.
  try {
    if (IsEventImplemented("Layout")) Layout();
    if (IsEventImplemented("CreateControls")) CreateControls();
    if (IsEventImplemented("AddMenuHandlers")) AddMenuHandlers(*this);
    impl_->ApplyTabOrder();
    if (IsEventImplemented("Open")) Event_Open();
  } catch (...) {
    impl_->constructing = false;
    impl_->open = false;
    if (impl_->widget) impl_->widget->hide();
    Unregister(*this);
    throw;
  }
  impl_->constructing = false;
  if (impl_->showWhenBuilt) impl_->ShowNow(*this);
}

void Window::Show() {
  CheckGuiThread();
  if (impl_->constructing) {
    impl_->showWhenBuilt = true;
    return;
  }
  impl_->ShowNow(*this);
}

void Window::Hide() {
  CheckGuiThread();
  impl_->showWhenBuilt = false;
  if (impl_->widget) impl_->widget->hide();
}

void Window::Close() {
  CheckGuiThread();
  impl_->CloseNow(*this);
}

bool Window::Visible() const {
  CheckGuiThread();
  if (impl_->constructing) return impl_->showWhenBuilt;
  return impl_->widget && impl_->widget->isVisible();
}

bool Window::IsOpen() const {
  return impl_->open;
}

void Window::MenuBar(Ref<MenuItem> bar) {
  CheckGuiThread();
  impl_->menuBar = std::move(bar);
  impl_->menuRendered = false;
  if (!impl_->menuBar) {
    if (impl_->widget) impl_->widget->setMenuBar(nullptr);
    impl_->ApplyGeometry(*this);
    return;
  }
  impl_->Widget(*this);
  impl_->SyncMenuBar(*this);
}

Ref<MenuItem> Window::MenuBar() const {
  RecordCall("MenuBar");
  return impl_->menuBar;
}

Ref<Object> Window::New(const ClassInfo& controlClass) {
  CheckGuiThread();
  if (controlClass.DerivesFrom(classes::BevelButton()) && !qt::PluginsReady()) {
    throw RuntimeException("BevelButton is not available before InitPluginEntrypoints");
  }
  Ref<Object> object = RuntimeNewObject(controlClass);
  Ref<Window> self = std::static_pointer_cast<Window>(shared_from_this());
  if (auto* control = dynamic_cast<Control*>(object.get())) control->impl().window = self;
  if (auto* child = dynamic_cast<PaneChild*>(object.get())) child->SetWindow(self);
  return object;
}

void Window::AddControl(std::string_view name, Ref<Object> control) {
  CheckGuiThread();
  if (!control) throw NilObjectException("Nil control added to a window");
  for (const auto& entry : impl_->controls) {
    if (entry.first == name) {
      throw InvalidArgumentException("The window has a control named " + std::string(name));
    }
  }
  Ref<Window> self = std::static_pointer_cast<Window>(shared_from_this());
  if (auto* c = dynamic_cast<Control*>(control.get())) {
    Ref<Window> owner = c->Window();
    if (owner && owner != self) {
      throw InvalidArgumentException("Control " + std::string(name) + " belongs to another window");
    }
    c->impl().window = self;
    if (QWidget* w = c->impl().widget) {
      QWidget* client = impl_->Widget(*this).Client();
      if (w->parentWidget() != client) {
        w->setParent(client);
        w->setVisible(c->BoolProperty("Visible"));
      }
      w->raise();
    }
  }
  if (auto* child = dynamic_cast<PaneChild*>(control.get())) {
    if (child->Window() != self) child->SetWindow(self);
  }
  impl_->controls.emplace_back(name, std::move(control));
}

Ref<Object> Window::ControlByName(std::string_view name) const {
  RecordCall("ControlByName");
  CheckGuiThread();
  return ControlNamed(*this, name);
}

std::vector<std::string> Window::ControlNames() const {
  std::vector<std::string> names;
  for (const auto& entry : impl_->controls) names.push_back(entry.first);
  return names;
}

void Window::AddMenuHandler(std::string_view itemName, Ref<Delegate> handler) {
  CheckGuiThread();
  auto registered = std::ranges::find(impl_->menuHandlers, itemName,
                                      &decltype(impl_->menuHandlers)::value_type::first);
  if (registered != impl_->menuHandlers.end()) {
    registered->second = std::move(handler);
  } else {
    impl_->menuHandlers.emplace_back(itemName, std::move(handler));
  }
  impl_->EnableMenuItems();
}

bool Window::ChooseMenuItem(std::string_view itemName) {
  CheckGuiThread();
  Ref<Object> keep = shared_from_this();
  if (Ref<Delegate> call = impl_->HandlerFor(itemName)) {
    if (qt::Dispatch<bool>([&] { return call->Invoke(this); }, false)) return true;
  }
  return qt::Dispatch<bool>([&] { return impl_->RunBuiltInItem(itemName); }, false);
}

bool Window::IsEventImplemented(std::string_view eventName) const {
  return Class().HandlesWindowEvent(eventName);
}

void Window::PropertyChanged(std::string_view name, const PropertyValue& value) {
  CheckGuiThread();
  impl_->Widget(*this);
  if (name == "Width" || name == "Height" || name == "MinimumWidth" || name == "MinimumHeight" ||
      name == "MaximumWidth" || name == "MaximumHeight" || name == "Resizeable") {
    impl_->ApplyGeometry(*this);
  } else if (name == "MenuBarVisible") {
    if (impl_->menuBar) impl_->widget->menuBar()->setVisible(std::get<bool>(value));
    impl_->ApplyGeometry(*this);
  } else if (name == "Title") {
    // Without a title of its own a window is known by the program's name, to every window manager.
    const QString title = qt::ToQString(std::get<std::string>(value));
    impl_->widget->setWindowTitle(title.isEmpty() ? QCoreApplication::applicationName() : title);
  } else if (name == "Type" || name == "HasCloseButton" || name == "HasMinimizeButton" ||
             name == "HasMaximizeButton") {
    impl_->ApplyFlags(*this);
  } else if (name == "HasBackgroundColor" || name == "BackgroundColor") {
    impl_->ApplyBackground(*this);
  } else if (name == "Visible") {
    if (std::get<bool>(value)) {
      Show();
    } else {
      Hide();
    }
  } else if (name == "FullScreen") {
    if (impl_->widget->isVisible()) {
      if (std::get<bool>(value)) {
        impl_->widget->showFullScreen();
      } else {
        impl_->widget->showNormal();
      }
    }
  }
}

Ref<Window> GetImplicitWindow(std::string_view className) {
  CheckGuiThread();
  for (const Ref<Window>& window : Registry()) {
    if (window->Class().name == className && window->IsOpen()) return window;
  }
  return nullptr;
}

std::vector<Ref<Window>> OpenWindows() {
  return Registry();
}

namespace testing_detail {
void DropAllWindows() {
  std::vector<Ref<Window>> windows;
  windows.swap(Registry());
  for (const Ref<Window>& window : windows) {
    window->impl().open = false;
    if (window->impl().widget) window->impl().widget->hide();
  }
}
}  // namespace testing_detail

}  // namespace fw
