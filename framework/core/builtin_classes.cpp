#include "framework/core/builtin_classes.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <utility>

namespace fw::classes {
namespace {
using enum PropType;

// Member signatures read "%<result>%<parameters>", one letter a type: b Boolean, i Integer,
// s String, o object; "%%" takes and gives nothing.
MemberInfo Hidden(std::string name, std::string signature) {
  return MemberInfo{std::move(name), std::move(signature), {Attribute{"Hidden", ""}}};
}

ClassInfo Make(std::string name, const ClassInfo* base, std::vector<PropertyDecl> properties,
               std::vector<std::string> events = {}, std::vector<MemberInfo> members = {}) {
  ClassInfo cls;
  cls.name = std::move(name);
  cls.base = base;
  cls.properties = std::move(properties);
  cls.events = std::move(events);
  cls.members = std::move(members);
  return cls;
}

// Non-const, so that SetFactory can fill the factory slot; handed out as const everywhere else.
ClassInfo& ControlClass() {
  static ClassInfo cls = Make("Control", nullptr, {{"Name", String}, {"Index", Integer}},
                              {"Close", "CreatePane", "Open"});
  return cls;
}

ClassInfo& RectControlClass() {
  static ClassInfo cls =
      Make("RectControl", &ControlClass(),
           {{"Left", Integer},
            {"Top", Integer},
            {"Width", Integer},
            {"Height", Integer},
            {"LockLeft", Boolean},
            {"LockTop", Boolean},
            {"LockRight", Boolean},
            {"LockBottom", Boolean},
            {"TabIndex", Integer},
            {"TabPanelIndex", Integer},
            {"TabStop", Boolean},
            {"AllowAutoDeactivate", Boolean},
            {"Enabled", Boolean},
            {"Tooltip", String},
            {"Visible", Boolean},
            {"InitialParent", String},
            {"Transparent", Boolean}},
           {"ConstructContextualMenu", "ContextualMenuAction", "DragEnter", "DragExit", "DragOver",
            "DropObject", "KeyDown", "KeyUp", "MouseEnter", "MouseExit", "MouseMove", "MouseWheel"},
           {MemberInfo{"Constructor", "%%", {}}, MemberInfo{"SetFocus", "%%", {}}});
  return cls;
}

ClassInfo& TextEditClass() {
  static ClassInfo cls = Make("TextEdit", &RectControlClass(),
                              {{"BackgroundColor", Color},
                               {"HasBorder", Boolean},
                               {"Format", String},
                               {"TextColor", Color},
                               {"AllowFocusRing", Boolean},
                               {"FontName", String},
                               {"FontSize", Single},
                               {"FontUnit", FontUnit},
                               {"Bold", Boolean},
                               {"Italic", Boolean},
                               {"Underline", Boolean},
                               {"Value", String},
                               {"AllowTabs", Boolean},
                               {"TextAlignment", Enum},
                               {"AllowSpellChecking", Boolean},
                               {"MaximumCharactersAllowed", Integer},
                               {"ValidationMask", String},
                               {"ReadOnly", Boolean},
                               {"DataSource", String},
                               {"DataField", String}});
  return cls;
}

ClassInfo& TextFieldClass() {
  static ClassInfo cls =
      Make("TextField", &TextEditClass(), {{"Password", Boolean}, {"Hint", String}},
           {"EnableMenuItems", "GotFocus", "LostFocus", "MouseDown", "MouseUp", "SelChange",
            "TextChange", "ValidationError"});
  return cls;
}

ClassInfo& TextAreaClass() {
  static ClassInfo cls = Make("TextArea", &TextEditClass(),
                              {{"HideSelection", Boolean},
                               {"LineHeight", Double},
                               {"LineSpacing", Double},
                               {"MultiLine", Boolean},
                               {"HasHorizontalScrollbar", Boolean},
                               {"HasVerticalScrollbar", Boolean},
                               {"AllowStyledText", Boolean}});
  return cls;
}

ClassInfo& LabelClass() {
  static ClassInfo cls = Make("Label", &RectControlClass(),
                              {{"MultiLine", Boolean},
                               {"Selectable", Boolean},
                               {"TextAlignment", Enum},
                               {"TextColor", Color},
                               {"Value", String},
                               {"Bold", Boolean},
                               {"Italic", Boolean},
                               {"FontName", String},
                               {"Underline", Boolean},
                               {"FontSize", Single},
                               {"FontUnit", FontUnit},
                               {"DataSource", String},
                               {"DataField", String}});
  return cls;
}

ClassInfo& BevelButtonClass() {
  static ClassInfo cls =
      Make("BevelButton", &RectControlClass(),
           {{"Caption", String},        {"CaptionAlignment", Enum},
            {"CaptionPosition", Enum},  {"CaptionDelta", Integer},
            {"IconAlignment", Enum},    {"IconDeltaX", Integer},
            {"IconDeltaY", Integer},    {"BevelStyle", Enum},
            {"MenuStyle", Enum},        {"HasBackgroundColor", Boolean},
            {"BackgroundColor", Color}, {"TextColor", Color},
            {"Value", Boolean},         {"ButtonStyle", Enum},
            {"AllowFocus", Boolean},    {"FontName", String},
            {"FontSize", Single},       {"FontUnit", FontUnit},
            {"Bold", Boolean},          {"Italic", Boolean},
            {"Underline", Boolean}},
           {"MouseUp", "MouseDown", "Action", "GotFocus", "LostFocus", "MenuSelected"});
  return cls;
}

ClassInfo& CanvasClass() {
  static ClassInfo cls = Make("Canvas", &RectControlClass(),
                              {{"AllowFocusRing", Boolean},
                               {"AllowFocus", Boolean},
                               {"AllowTabs", Boolean},
                               {"DoubleBuffer", Boolean}});
  return cls;
}

ClassInfo& RoundRectangleClass() {
  static ClassInfo cls = Make("RoundRectangle", &RectControlClass(),
                              {{"BorderColor", Color},
                               {"BorderThickness", Double},
                               {"FillColor", Color},
                               {"CornerHeight", Double},
                               {"CornerWidth", Double}});
  return cls;
}

// Not a control: its only event is its own Action, number 0.
ClassInfo& TimerClass() {
  static ClassInfo cls =
      Make("Timer", nullptr,
           {{"RunMode", Enum}, {"Period", Integer}, {"Enabled", Boolean}, {"Index", Integer}},
           {"Action"}, {MemberInfo{"Constructor", "%%", {}}});
  return cls;
}

ClassInfo& WindowClass() {
  static ClassInfo cls =
      Make("Window", nullptr,
           {{"Width", Integer},
            {"Height", Integer},
            {"MinimumWidth", Integer},
            {"MinimumHeight", Integer},
            {"MaximumWidth", Integer},
            {"MaximumHeight", Integer},
            {"Type", Enum},
            {"Title", String},
            {"HasCloseButton", Boolean},
            {"HasMaximizeButton", Boolean},
            {"HasMinimizeButton", Boolean},
            {"HasFullScreenButton", Boolean},
            {"Resizeable", Boolean},
            {"Composite", Boolean},
            {"MacProcId", Integer},
            {"FullScreen", Boolean},
            {"DefaultLocation", Enum},
            {"Visible", Boolean},
            {"HasBackgroundColor", Boolean},
            {"BackgroundColor", Color},
            {"MenuBarVisible", Boolean},
            {"LiveResize", Boolean}},
           {},
           {MemberInfo{"Constructor", "%%", {}}, MemberInfo{"Show", "%%", {}},
            MemberInfo{"Hide", "%%", {}}, MemberInfo{"Close", "%%", {}},
            MemberInfo{"MenuBar", "%%o", {}}, Hidden("New", "%o%o"), Hidden("AddControl", "%%so"),
            Hidden("ControlByName", "%o%s"), Hidden("AddMenuHandler", "%%so")});
  return cls;
}

ClassInfo& PictureClass() {
  static ClassInfo cls = Make("Picture", nullptr, {});
  return cls;
}

using Accessor = ClassInfo& (*)();
constexpr std::array<Accessor, 12> kAccessors = {
    ControlClass,        RectControlClass, TextEditClass,    TextFieldClass,
    TextAreaClass,       LabelClass,       BevelButtonClass, CanvasClass,
    RoundRectangleClass, TimerClass,       WindowClass,      PictureClass,
};
}  // namespace

const ClassInfo& Control() {
  return ControlClass();
}
const ClassInfo& RectControl() {
  return RectControlClass();
}
const ClassInfo& TextEdit() {
  return TextEditClass();
}
const ClassInfo& TextField() {
  return TextFieldClass();
}
const ClassInfo& TextArea() {
  return TextAreaClass();
}
const ClassInfo& Label() {
  return LabelClass();
}
const ClassInfo& BevelButton() {
  return BevelButtonClass();
}
const ClassInfo& Canvas() {
  return CanvasClass();
}
const ClassInfo& RoundRectangle() {
  return RoundRectangleClass();
}
const ClassInfo& Timer() {
  return TimerClass();
}
const ClassInfo& Window() {
  return WindowClass();
}
const ClassInfo& Picture() {
  return PictureClass();
}

std::span<const ClassInfo* const> All() {
  static const auto all = [] {
    std::array<const ClassInfo*, kAccessors.size()> classes{};
    std::ranges::transform(kAccessors, classes.begin(), [](Accessor get) { return &get(); });
    return classes;
  }();
  return all;
}

void SetFactory(const ClassInfo& builtin, std::function<Ref<Object>()> factory) {
  for (Accessor get : kAccessors) {
    ClassInfo& cls = get();
    if (&cls == &builtin) {
      cls.factory = std::move(factory);
      return;
    }
  }
  throw InvalidArgumentException("Class " + builtin.name + " is not one of the framework's own");
}

}  // namespace fw::classes
