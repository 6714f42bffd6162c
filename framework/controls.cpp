#include "framework/controls.h"

#include <algorithm>

#include "framework/control_impl.h"
#include "framework/core/builtin_classes.h"
#include "framework/core/ui_thread.h"
#include "framework/picture.h"
#include "framework/window.h"
#include "framework/window_impl.h"

namespace fw {
namespace {

bool IsGeometry(std::string_view name) {
  return name == "Left" || name == "Top" || name == "Width" || name == "Height";
}

bool IsLock(std::string_view name) {
  return name == "LockLeft" || name == "LockTop" || name == "LockRight" || name == "LockBottom";
}

QSize CurrentClientSize(const Control& control) {
  Ref<Window> window = control.Window();
  return window ? ClientSizeOf(*window) : QSize();
}

// Applies one stored property to the control's widget.
void Apply(Control& control, std::string_view name) {
  Control::Impl& impl = control.impl();
  QWidget* widget = impl.widget;
  if (!widget) return;
  if (IsGeometry(name) || IsLock(name)) {
    if (IsGeometry(name)) impl.anchor = CurrentClientSize(control);
    widget->setGeometry(impl.Geometry(control, CurrentClientSize(control)));
  } else if (name == "Visible") {
    widget->setVisible(control.BoolProperty("Visible"));
  } else if (name == "Enabled") {
    widget->setEnabled(control.BoolProperty("Enabled", true));
  } else if (name == "Transparent") {
    // An opaque control first paints the background of what it lies in; the kind may add its own.
    widget->setAutoFillBackground(!control.BoolProperty("Transparent"));
    impl.host->Apply(name);
  } else if (name == "Tooltip") {
    widget->setToolTip(qt::ToQString(control.StringProperty("Tooltip")));
  } else if (name == "Name") {
    widget->setObjectName(qt::ToQString(control.StringProperty("Name")));
  } else {
    impl.host->Apply(name);
    if (name == "TabIndex" || name == "TabStop" || name == "AllowFocus") {
      if (Ref<Window> window = control.Window()) TabOrderChanged(*window);
    }
  }
  // The shape may follow from any property: the size, the text, the font, the picture.
  impl.host->Reshape();
}

}  // namespace

QRect Control::Impl::Geometry(const Control& control, QSize client) const {
  QRect rect(static_cast<int>(control.IntProperty("Left")),
             static_cast<int>(control.IntProperty("Top")),
             static_cast<int>(std::max<std::int64_t>(0, control.IntProperty("Width"))),
             static_cast<int>(std::max<std::int64_t>(0, control.IntProperty("Height"))));
  if (!anchor.isValid() || !client.isValid()) return rect;
  const int dw = client.width() - anchor.width();
  const int dh = client.height() - anchor.height();
  const bool left = control.BoolProperty("LockLeft"), right = control.BoolProperty("LockRight");
  const bool top = control.BoolProperty("LockTop"), bottom = control.BoolProperty("LockBottom");
  if (left && right) {
    rect.setWidth(std::max(0, rect.width() + dw));
  } else if (right) {
    rect.moveLeft(rect.left() + dw);
  }
  if (top && bottom) {
    rect.setHeight(std::max(0, rect.height() + dh));
  } else if (bottom) {
    rect.moveTop(rect.top() + dh);
  }
  return rect;
}

void LayOutControls(const std::vector<std::pair<std::string, Ref<Object>>>& controls,
                    QSize client) {
  for (const auto& entry : controls) {
    auto* control = dynamic_cast<RectControl*>(entry.second.get());
    if (!control || !control->impl().widget) continue;
    control->impl().widget->setGeometry(control->impl().Geometry(*control, client));
  }
}

bool ControlWidget::Raise(std::string_view eventName, const EventArgs& args) {
  RectControl* owner = owner_;
  if (!owner) return false;
  const int number = owner->Class().EventNumber(eventName);
  if (number < 0 || !owner->IsEventBound(number)) return false;
  qt::DispatchScope scope;
  Ref<Object> keep = owner->weak_from_this().lock();
  return qt::Dispatch<bool>([&] { return owner->RaiseEvent(number, args); }, false);
}

void ControlWidget::Reshape() {
  QWidget* widget = Widget();
  const QRegion shape = owner_ ? Shape() : QRegion(widget->rect());
  // Qt takes an empty mask for none: a region beside the widget leaves nothing of it.
  static const QRegion nowhere(-1, -1, 1, 1);
  if (shape.isEmpty()) {
    widget->setMask(nowhere);
  } else if (shape == QRegion(widget->rect())) {
    widget->clearMask();
  } else {
    widget->setMask(shape);
  }
  widget->setAttribute(Qt::WA_TransparentForMouseEvents,
                       owner_ && !owner_->BoolProperty("Enabled", true));
}

ControlWidget* MakeControlWidget(RectControl& control, QWidget* parent) {
  if (ControlWidget* text = MakeTextWidget(control, parent)) return text;
  if (ControlWidget* other = MakeSimpleWidget(control, parent)) return other;
  return new Hosted<QWidget>(control, parent);
}

// --- Control, RectControl -------------------------------------------------------------------

const ClassInfo& Control::StaticClass() {
  return classes::Control();
}

Control::Control() : impl_(std::make_unique<Impl>()) {}

Control::~Control() {
  if (impl_->host) impl_->host->Detach();
  if (impl_->widget) qt::DeleteWidget(impl_->widget);
}

Ref<fw::Window> Control::Window() const {
  return impl_->window.lock();
}

void Control::PropertyChanged(std::string_view name, const PropertyValue&) {
  if (!impl_->widget) return;  // applied when the widget is made
  CheckGuiThread();
  Apply(*this, name);
}

const ClassInfo& RectControl::StaticClass() {
  return classes::RectControl();
}

void RectControl::Constructor() {
  CheckGuiThread();
  if (impl().widget) return;
  Ref<fw::Window> window = Window();
  QWidget* parent = window ? window->impl().Widget(*window).Client() : nullptr;
  ControlWidget* host = MakeControlWidget(*this, parent);
  impl().host = host;
  impl().widget = host->Widget();
  impl().widget->hide();
  impl().widget->raise();
  // Properties given before the widget existed.
  for (const ClassInfo* cls = &Class(); cls; cls = cls->base) {
    for (const PropertyDecl& decl : cls->properties) {
      if (Property(decl.name)) Apply(*this, decl.name);
    }
  }
}

void RectControl::Visible(bool visible) {
  SetProperty("Visible", visible);
}
bool RectControl::Visible() const {
  return BoolProperty("Visible");
}
void RectControl::Enabled(bool enabled) {
  SetProperty("Enabled", enabled);
}
bool RectControl::Enabled() const {
  return BoolProperty("Enabled", true);
}

void RectControl::SetFocus() {
  CheckGuiThread();
  if (impl().widget) impl().widget->setFocus(Qt::OtherFocusReason);
}

bool RectControl::HasFocus() const {
  CheckGuiThread();
  QWidget* widget = impl().widget;
  return widget && widget->window()->focusWidget() == widget;
}

// --- The other classes' identities ----------------------------------------------------------

const ClassInfo& TextEdit::StaticClass() {
  return classes::TextEdit();
}
const ClassInfo& TextField::StaticClass() {
  return classes::TextField();
}
const ClassInfo& TextArea::StaticClass() {
  return classes::TextArea();
}
const ClassInfo& Label::StaticClass() {
  return classes::Label();
}
const ClassInfo& BevelButton::StaticClass() {
  return classes::BevelButton();
}
const ClassInfo& Canvas::StaticClass() {
  return classes::Canvas();
}
const ClassInfo& RoundRectangle::StaticClass() {
  return classes::RoundRectangle();
}

void Canvas::Backdrop(Ref<Picture> picture) {
  CheckGuiThread();
  backdrop_ = std::move(picture);
  if (!impl().widget) return;
  impl().host->Reshape();
  impl().widget->update();
}

Ref<Picture> Canvas::Backdrop() const {
  return backdrop_;
}

}  // namespace fw
