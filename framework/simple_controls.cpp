// Label, BevelButton, Canvas and RoundRectangle.
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <optional>

#include "framework/control_impl.h"
#include "framework/controls.h"
#include "framework/core/builtin_classes.h"
#include "framework/picture_impl.h"
#include "framework/window_impl.h"

namespace fw {
namespace {

Qt::FocusPolicy FocusPolicyOf(const RectControl& control) {
  if (!control.BoolProperty("AllowFocus", true)) return Qt::NoFocus;
  return control.BoolProperty("TabStop", true) ? Qt::StrongFocus : Qt::ClickFocus;
}

// The fill of the control a control lies in (its InitialParent), where that one has one.
std::optional<QColor> ContainerFill(const RectControl& control) {
  const std::string container = control.StringProperty("InitialParent");
  Ref<Window> window = control.Window();
  if (container.empty() || !window) return std::nullopt;
  Ref<Object> parent = ControlNamed(*window, container);
  if (!parent || !parent->Property("FillColor")) return std::nullopt;
  return qt::ToQColor(parent->ColorProperty("FillColor"));
}

class LabelWidget : public Hosted<QLabel> {
 public:
  LabelWidget(RectControl& owner, QWidget* parent) : Hosted(owner, parent) {
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFocusPolicy(Qt::NoFocus);
  }

  void Apply(std::string_view name) override {
    RectControl& o = *Owner();
    if (name == "Value") {
      setText(qt::WithLineFeeds(o.StringProperty("Value")));
    } else if (name == "MultiLine") {
      setWordWrap(o.BoolProperty("MultiLine"));
    } else if (name == "TextAlignment") {
      // The text starts at the top.
      setAlignment(qt::HorizontalAlignment(o.IntProperty("TextAlignment")) | Qt::AlignTop);
    } else if (name == "TextColor") {
      QPalette p = palette();
      p.setColor(QPalette::WindowText, qt::ToQColor(o.ColorProperty("TextColor")));
      setPalette(p);
    } else if (name == "Transparent" || name == "InitialParent") {
      ApplyBackground(o);
    } else if (name == "Selectable") {
      const bool selectable = o.BoolProperty("Selectable");
      setTextInteractionFlags(selectable ? Qt::TextSelectableByMouse : Qt::NoTextInteraction);
      setFocusPolicy(selectable ? Qt::ClickFocus : Qt::NoFocus);
    } else if (qt::IsFontProperty(name)) {
      setFont(qt::FontOf(o));
    }
  }

  // A label is its text: round it, also where the locks stretch the label over other controls,
  // those show and take the clicks.
  QRegion Shape() override {
    if (text().isEmpty()) return {};
    const int flags = static_cast<int>(alignment()) | (wordWrap() ? Qt::TextWordWrap : 0);
    // A pixel more on each side keeps the glyphs' smoothed edges.
    return fontMetrics().boundingRect(contentsRect(), flags, text()).adjusted(-1, -1, 1, 1) &
           rect();
  }

 private:
  // Behind its text an opaque label paints the colour of what it lies in: its container's fill,
  // else the window's.
  void ApplyBackground(const RectControl& o) {
    if (std::optional<QColor> fill = ContainerFill(o)) {
      QPalette p = palette();
      p.setColor(QPalette::Window, *fill);
      setPalette(p);
    }
  }
};

// Bevel buttons draw with one style everywhere, so that their colours show on every platform.
QStyle* ButtonStyle() {
  static QStyle* style = [] {
    QStyle* s = QStyleFactory::create(QStringLiteral("Fusion"));
    if (s) s->setParent(qApp);
    return s;
  }();
  return style;
}

class BevelButtonWidget : public Hosted<QPushButton> {
 public:
  BevelButtonWidget(RectControl& owner, QWidget* parent) : Hosted(owner, parent) {
    if (QStyle* style = ButtonStyle()) setStyle(style);
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, [this] { Raise("Action"); });
  }

  void Apply(std::string_view name) override {
    RectControl& o = *Owner();
    if (name == "Caption") {
      // The caption shows as written: "&" is no mnemonic here.
      setText(qt::ToQString(o.StringProperty("Caption"))
                  .replace(QLatin1Char('&'), QStringLiteral("&&")));
    } else if (name == "TextColor" || name == "HasBackgroundColor" || name == "BackgroundColor") {
      QPalette p = QApplication::palette(this);
      if (o.Property("TextColor")) {
        p.setColor(QPalette::ButtonText, qt::ToQColor(o.ColorProperty("TextColor")));
      }
      if (o.BoolProperty("HasBackgroundColor")) {
        p.setColor(QPalette::Button, qt::ToQColor(o.ColorProperty("BackgroundColor")));
      }
      setPalette(p);
    } else if (name == "AllowFocus" || name == "TabStop") {
      setFocusPolicy(FocusPolicyOf(o));
    } else if (name == "ButtonStyle" || name == "Value") {
      // Button styles: 0 a push button, 1 a toggle, 2 sticky (stays down once pressed).
      const std::int64_t style = o.IntProperty("ButtonStyle");
      setCheckable(style == 1 || style == 2);
      setChecked(isCheckable() && o.BoolProperty("Value"));
    } else if (qt::IsFontProperty(name)) {
      setFont(qt::FontOf(o));
    }
  }

 protected:
  void mousePressEvent(QMouseEvent* e) override {
    const QPoint at = e->position().toPoint();
    if (e->button() == Qt::LeftButton && Raise("MouseDown", {{}, at.x(), at.y()})) {
      e->accept();
      return;
    }
    QPushButton::mousePressEvent(e);
  }

  void nextCheckState() override {
    if (Owner() && Owner()->IntProperty("ButtonStyle") == 2 && isChecked()) return;
    QPushButton::nextCheckState();
  }
};

class CanvasWidget : public Hosted<QWidget> {
 public:
  CanvasWidget(Canvas& owner, QWidget* parent) : Hosted(owner, parent), canvas_(owner) {
    setFocusPolicy(Qt::NoFocus);
  }

  void Apply(std::string_view name) override {
    if (name == "AllowFocus" || name == "TabStop") setFocusPolicy(FocusPolicyOf(*Owner()));
  }

  // Transparent, the canvas is its backdrop alone; opaque, its whole rectangle.
  QRegion Shape() override {
    if (!Owner()->BoolProperty("Transparent")) return rect();
    Ref<Picture> backdrop = canvas_.Backdrop();
    if (!backdrop) return {};
    return QRect(QPoint(0, 0), backdrop->impl().image.deviceIndependentSize().toSize()) & rect();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    if (!Owner()) return;
    Ref<Picture> backdrop = canvas_.Backdrop();
    if (!backdrop) return;
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), backdrop->impl().image);
  }

 private:
  Canvas& canvas_;
};

class RoundRectangleWidget : public Hosted<QWidget> {
 public:
  RoundRectangleWidget(RectControl& owner, QWidget* parent) : Hosted(owner, parent) {
    setFocusPolicy(Qt::NoFocus);
  }

  void Apply(std::string_view) override { update(); }

 protected:
  void paintEvent(QPaintEvent*) override {
    if (!Owner()) return;
    const RectControl& o = *Owner();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const double thickness = o.NumberProperty("BorderThickness", 1.0);
    if (thickness > 0) {
      painter.setPen(QPen(qt::ToQColor(o.ColorProperty("BorderColor")), thickness));
    } else {
      painter.setPen(Qt::NoPen);
    }
    painter.setBrush(qt::ToQColor(o.ColorProperty("FillColor", Color{255, 255, 255, 0})));
    const double inset = thickness / 2;
    const QRectF frame = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
    // The corner sizes are the full width and height of the rounding.
    painter.drawRoundedRect(frame, o.NumberProperty("CornerWidth", 8) / 2,
                            o.NumberProperty("CornerHeight", 8) / 2);
  }
};

}  // namespace

ControlWidget* MakeSimpleWidget(RectControl& control, QWidget* parent) {
  if (control.IsA(classes::Label())) return new LabelWidget(control, parent);
  if (control.IsA(classes::BevelButton())) return new BevelButtonWidget(control, parent);
  if (auto* canvas = dynamic_cast<Canvas*>(&control)) return new CanvasWidget(*canvas, parent);
  if (control.IsA(classes::RoundRectangle())) return new RoundRectangleWidget(control, parent);
  return nullptr;
}

}  // namespace fw
