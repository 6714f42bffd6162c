// Private to the Qt-backed framework: what a control keeps besides its properties, and the
// interface that every control's widget implements.
#pragma once

#include <QEnterEvent>
#include <QPointer>
#include <QRect>
#include <QRegion>
#include <QResizeEvent>
#include <QSize>
#include <QWidget>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "framework/controls.h"
#include "framework/core/object.h"
#include "framework/qt_support.h"

namespace fw {

// Implemented by every control's widget: the control hands it each property change.
class ControlWidget {
 public:
  virtual ~ControlWidget() = default;
  virtual QWidget* Widget() = 0;
  // Applies a property that only this kind of control interprets.
  virtual void Apply(std::string_view name) = 0;
  // What of its rectangle the control shows and takes the mouse in, in its own coordinates: all
  // of it, unless the kind shows less (a label its text, a transparent canvas its backdrop).
  virtual QRegion Shape() { return Widget()->rect(); }
  // Brings where the widget paints and takes the mouse in line with Shape and Enabled: what lies
  // under the rest, and under a disabled control, shows through and gets the clicks.
  void Reshape();
  void Detach() { owner_ = nullptr; }
  RectControl* Owner() const { return owner_; }

  // Raises the owner's event of that name where the program bound it; false when not bound.
  bool Raise(std::string_view eventName, const EventArgs& args = {});

 protected:
  explicit ControlWidget(RectControl& owner) : owner_(&owner) {}

 private:
  RectControl* owner_;
};

// Adds what every control widget shares to a Qt widget class: MouseEnter, MouseExit and the
// shape following the size.
template <class Base>
class Hosted : public Base, public ControlWidget {
 public:
  Hosted(RectControl& owner, QWidget* parent) : Base(parent), ControlWidget(owner) {}
  QWidget* Widget() override { return this; }
  void Apply(std::string_view) override {}

 protected:
  void enterEvent(QEnterEvent* event) override {
    Raise("MouseEnter");
    Base::enterEvent(event);
  }
  void leaveEvent(QEvent* event) override {
    Raise("MouseExit");
    Base::leaveEvent(event);
  }
  void resizeEvent(QResizeEvent* event) override {
    Base::resizeEvent(event);
    Reshape();
  }
};

struct Control::Impl {
  std::weak_ptr<fw::Window> window;
  QPointer<QWidget> widget;
  ControlWidget* host = nullptr;  // the same object as `widget`, while it lives
  // The client-area size at which Left, Top, Width and Height were given; the locks move or
  // stretch the control by how far the client area has grown since.
  QSize anchor;

  QRect Geometry(const Control& control, QSize client) const;
};

// Makes the widget for a control's class (the most derived framework class decides).
ControlWidget* MakeControlWidget(RectControl& control, QWidget* parent);
// Each returns nullptr for a class it does not make.
ControlWidget* MakeTextWidget(RectControl& control, QWidget* parent);
ControlWidget* MakeSimpleWidget(RectControl& control, QWidget* parent);

enum class TextCommand { Undo, Cut, Copy, Paste, Clear, SelectAll };

// The focused text control's editing commands, for the Edit menu's built-in items.
class TextCommands {
 public:
  virtual ~TextCommands() = default;
  virtual void Undo() = 0;
  virtual void Cut() = 0;
  virtual void Copy() = 0;
  virtual void Paste() = 0;
  virtual void Clear() = 0;
  virtual void SelectAll() = 0;
  // Whether the command would change the text, the selection or the clipboard now.
  virtual bool WouldAct(TextCommand command) const = 0;
};

// Applies the client-area size to every control of the window, for the locks.
void LayOutControls(const std::vector<std::pair<std::string, Ref<Object>>>& controls, QSize client);

}  // namespace fw
