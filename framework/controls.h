// Controls. A control is made for its window with Window::New, constructed, registered with
// Window::AddControl and given its property list; from then on the window owns it. Events reach
// the program through the bindings made with RuntimeAddEventHandler, by the numbers of
// builtin_classes.h:
//
//   [X] KeyDown (9), every key that produces a character: digits, letters, punctuation, space,
//       Backspace (code 8), Tab (9), Return (13), Escape (27); true swallows the key. Text that
//       comes in by paste or drop passes through KeyDown character by character.
//   [X] TextChange (21), on every change of a field's text, by the user or the program.
//   [X] MouseEnter (11), MouseExit (12).
//   [X] BevelButton MouseDown (16) on the press (x, y in the control), Action (17) on a click.
//   [ ] Every other numbered event: declared, never raised.
//
// Properties that take effect: geometry and the four locks, Visible, Enabled, Tooltip, TabIndex
// and TabStop (tab order), AllowFocus; fonts (FontName "System" is the platform's UI font; sizes
// in the default unit count one to the pixel), Bold, Italic, Underline, TextColor,
// BackgroundColor, HasBorder, TextAlignment, ReadOnly, MaximumCharactersAllowed, Password, Hint,
// MultiLine, scroll bars, AllowTabs (text areas), LineHeight, LineSpacing, HideSelection,
// Selectable, Transparent (no background of its own: what lies under the control shows; a text
// control with a border still shows its BackgroundColor inside it as its face), Caption,
// HasBackgroundColor, ButtonStyle and Value (bevel buttons), the round rectangle's colours,
// thickness and corners. A label is its text and a transparent canvas its backdrop: beside those,
// and under a disabled control, what lies under shows and takes the mouse. A bevel button's face
// and a round rectangle's fill are the control, not its background. Stored only: Index,
// TabPanelIndex, AllowAutoDeactivate, AllowFocusRing, AllowSpellChecking, AllowStyledText, Format,
// ValidationMask, DataSource, DataField, DoubleBuffer, the caption and icon placement of bevel
// buttons, BevelStyle, MenuStyle. InitialParent keeps window coordinates.
//
// No Qt type appears here.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "framework/core/class_info.h"
#include "framework/core/object.h"

namespace fw {

class Window;
class Picture;

class Control : public Object {
 public:
  static const ClassInfo& StaticClass();
  const ClassInfo& Class() const override { return StaticClass(); }
  ~Control() override;

  std::string Name() const { return StringProperty("Name"); }
  // The window this control was made for; nil once the window is gone.
  Ref<fw::Window> Window() const;

  struct Impl;
  Impl& impl() const { return *impl_; }

 protected:
  Control();
  void PropertyChanged(std::string_view name, const PropertyValue& value) override;

 private:
  friend class fw::Window;
  std::unique_ptr<Impl> impl_;
};

class RectControl : public Control {
 public:
  static const ClassInfo& StaticClass();
  const ClassInfo& Class() const override { return StaticClass(); }

  // Makes the control's widget (hidden until its list or the program shows it).
  virtual void Constructor();

  void Visible(bool visible);
  bool Visible() const;
  void Enabled(bool enabled);
  bool Enabled() const;
  // Moves the keyboard focus into the control.
  void SetFocus();
  // Whether the control holds its window's keyboard focus (also while another window is in front).
  bool HasFocus() const;
  std::int64_t Left() const { return IntProperty("Left"); }
  std::int64_t Top() const { return IntProperty("Top"); }
  std::int64_t Width() const { return IntProperty("Width"); }
  std::int64_t Height() const { return IntProperty("Height"); }
};

// Shared base of the one-line and multi-line text controls.
class TextEdit : public RectControl {
 public:
  static const ClassInfo& StaticClass();
  const ClassInfo& Class() const override { return StaticClass(); }

  // The text; setting it raises TextChange (where bound). What the program writes is never cut
  // to MaximumCharactersAllowed: that limit holds for what the user types or pastes.
  std::string Text() const;
  void Text(std::string_view text);
  bool ReadOnly() const;
};

class TextField : public TextEdit {
 public:
  static const ClassInfo& StaticClass();
  const ClassInfo& Class() const override { return StaticClass(); }
};

class TextArea : public TextEdit {
 public:
  static const ClassInfo& StaticClass();
  const ClassInfo& Class() const override { return StaticClass(); }
};

class Label : public RectControl {
 public:
  static const ClassInfo& StaticClass();
  const ClassInfo& Class() const override { return StaticClass(); }

  std::string Text() const { return StringProperty("Value"); }
  void Text(std::string_view text) { SetProperty("Value", std::string(text)); }
};

// From the plug-in registration (InitPluginEntrypoints).
class BevelButton : public RectControl {
 public:
  static const ClassInfo& StaticClass();
  const ClassInfo& Class() const override { return StaticClass(); }

  std::string Caption() const { return StringProperty("Caption"); }
  void Caption(std::string_view caption) { SetProperty("Caption", std::string(caption)); }
};

// Shows its backdrop picture, scaled to nothing: drawn at the top left at its own size.
class Canvas : public RectControl {
 public:
  static const ClassInfo& StaticClass();
  const ClassInfo& Class() const override { return StaticClass(); }

  void Backdrop(Ref<Picture> picture);  // nil: no picture
  Ref<Picture> Backdrop() const;

 private:
  Ref<Picture> backdrop_;
};

// A rounded frame drawn with its BorderColor, BorderThickness, FillColor and corner sizes.
class RoundRectangle : public RectControl {
 public:
  static const ClassInfo& StaticClass();
  const ClassInfo& Class() const override { return StaticClass(); }
};

}  // namespace fw
