#include "framework/core/class_info.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "framework/core/application.h"
#include "framework/core/builtin_classes.h"
#include "tests/framework/core/probe.h"

namespace fw {
namespace {

// The names that property lists carry, by receiving class, in stored order, with their types.
const std::map<std::string, PropType>& DeclaredTypes() {
  using enum PropType;
  static const std::map<std::string, PropType> types = [] {
    std::map<std::string, PropType> t;
    for (const char* n : {"AllowAutoDeactivate",
                          "AllowFocus",
                          "AllowFocusRing",
                          "AllowSpellChecking",
                          "AllowStyledText",
                          "AllowTabs",
                          "Bold",
                          "Composite",
                          "DoubleBuffer",
                          "Enabled",
                          "FullScreen",
                          "HasBackgroundColor",
                          "HasBorder",
                          "HasCloseButton",
                          "HasFullScreenButton",
                          "HasHorizontalScrollbar",
                          "HasMaximizeButton",
                          "HasMinimizeButton",
                          "HasVerticalScrollbar",
                          "HideSelection",
                          "Italic",
                          "LiveResize",
                          "LockBottom",
                          "LockLeft",
                          "LockRight",
                          "LockTop",
                          "MenuBarVisible",
                          "Multiline",
                          "Password",
                          "ReadOnly",
                          "Resizeable",
                          "Selectable",
                          "TabStop",
                          "Transparent",
                          "Underline",
                          "Visible"})
      t[n] = Boolean;
    for (const char* n :
         {"CaptionDelta", "Height", "IconDeltaX", "IconDeltaY", "Index", "Left", "MacProcID",
          "MaximumCharactersAllowed", "MaximumHeight", "MaximumWidth", "MinimumHeight",
          "MinimumWidth", "Period", "TabIndex", "TabPanelIndex", "Top", "Width"})
      t[n] = Integer;
    for (const char* n :
         {"BevelStyle", "ButtonStyle", "CaptionAlignment", "CaptionPosition", "DefaultLocation",
          "IconAlignment", "MenuStyle", "RunMode", "TextAlignment", "Type"})
      t[n] = Enum;
    t["FontUnit"] = FontUnit;
    t["FontSize"] = Single;
    for (const char* n :
         {"BorderThickness", "CornerHeight", "CornerWidth", "LineHeight", "LineSpacing"})
      t[n] = Double;
    for (const char* n : {"BackgroundColor", "BorderColor", "FillColor", "TextColor"}) t[n] = Color;
    for (const char* n : {"Caption", "DataField", "DataSource", "FontName", "Format", "Hint",
                          "InitialParent", "Name", "Title", "Tooltip", "ValidationMask", "Value"})
      t[n] = String;
    return t;
  }();
  return types;
}

TEST(BuiltinClasses, DeclareEveryListedNameWithItsType) {
  const std::vector<std::string> rect = {"Name",         "Index",
                                         "Left",         "Top",
                                         "Width",        "Height",
                                         "LockLeft",     "LockTop",
                                         "LockRight",    "LockBottom",
                                         "TabIndex",     "TabPanelIndex",
                                         "TabStop",      "AllowAutoDeactivate",
                                         "Enabled",      "Tooltip",
                                         "Visible",      "Transparent",
                                         "InitialParent"};
  struct Case {
    const ClassInfo& cls;
    std::vector<std::string> own;
  };
  const Case cases[] = {
      {classes::Window(),
       {"Width",
        "Height",
        "MinimumWidth",
        "MinimumHeight",
        "MaximumWidth",
        "MaximumHeight",
        "Type",
        "Title",
        "HasCloseButton",
        "HasMaximizeButton",
        "HasMinimizeButton",
        "HasFullScreenButton",
        "Resizeable",
        "Composite",
        "MacProcID",
        "FullScreen",
        "DefaultLocation",
        "Visible",
        "HasBackgroundColor",
        "BackgroundColor",
        "MenuBarVisible",
        "LiveResize"}},
      {classes::RoundRectangle(),
       {"BorderColor", "BorderThickness", "FillColor", "CornerHeight", "CornerWidth"}},
      {classes::TextField(),
       {"BackgroundColor",
        "HasBorder",
        "Format",
        "Password",
        "TextColor",
        "AllowFocusRing",
        "FontName",
        "FontSize",
        "FontUnit",
        "Bold",
        "Italic",
        "Underline",
        "Hint",
        "Value",
        "AllowTabs",
        "TextAlignment",
        "AllowSpellChecking",
        "MaximumCharactersAllowed",
        "ValidationMask",
        "ReadOnly",
        "DataSource",
        "DataField"}},
      {classes::Label(),
       {"Multiline", "Selectable", "TextAlignment", "TextColor", "Value", "Bold", "Italic",
        "FontName", "Underline", "FontSize", "FontUnit", "DataSource", "DataField"}},
      {classes::BevelButton(), {"Caption",         "CaptionAlignment",
                                "CaptionPosition", "CaptionDelta",
                                "IconAlignment",   "IconDeltaX",
                                "IconDeltaY",      "BevelStyle",
                                "MenuStyle",       "HasBackgroundColor",
                                "BackgroundColor", "TextColor",
                                "ButtonStyle",     "AllowFocus",
                                "FontName",        "FontSize",
                                "FontUnit",        "Bold",
                                "Italic",          "Underline"}},
      {classes::Canvas(), {"AllowFocusRing", "AllowFocus", "AllowTabs", "DoubleBuffer"}},
      {classes::TextArea(),
       {"BackgroundColor",
        "HasBorder",
        "Format",
        "HideSelection",
        "LineHeight",
        "LineSpacing",
        "Multiline",
        "HasHorizontalScrollbar",
        "HasVerticalScrollbar",
        "AllowStyledText",
        "TextColor",
        "AllowFocusRing",
        "Bold",
        "Italic",
        "FontName",
        "FontSize",
        "FontUnit",
        "Underline",
        "Value",
        "AllowTabs",
        "TextAlignment",
        "AllowSpellChecking",
        "MaximumCharactersAllowed",
        "ValidationMask",
        "ReadOnly",
        "DataSource",
        "DataField"}},
      {classes::Timer(), {"RunMode", "Period"}},
  };
  for (const auto& c : cases) {
    std::vector<std::string> names = c.own;
    if (c.cls.DerivesFrom(classes::RectControl()))
      names.insert(names.end(), rect.begin(), rect.end());
    for (const auto& name : names) {
      const PropertyDecl* decl = c.cls.FindProperty(name);
      ASSERT_NE(decl, nullptr) << c.cls.name << "." << name;
      EXPECT_EQ(decl->type, DeclaredTypes().at(name)) << c.cls.name << "." << name;
    }
  }
  EXPECT_EQ(classes::BevelButton().FindProperty("Value")->type, PropType::Boolean);
  EXPECT_EQ(DeclaredTypes().size(), 86u);
}

TEST(BuiltinClasses, NumberEventsWithTheBasesFirst) {
  struct Case {
    const ClassInfo& cls;
    const char* event;
    int number;
  };
  const Case cases[] = {
      {classes::TextField(), "Close", 0},
      {classes::TextField(), "KeyDown", kKeyDownEvent},
      {classes::Canvas(), "MouseEnter", kMouseEnterEvent},
      {classes::Canvas(), "MouseExit", kMouseExitEvent},
      {classes::TextField(), "EnableMenuItems", 15},
      {classes::TextField(), "TextChange", kTextChangeEvent},
      {classes::TextField(), "ValidationError", 22},
      {classes::BevelButton(), "MouseUp", 15},
      {classes::BevelButton(), "MouseDown", kBevelButtonMouseDownEvent},
      {classes::BevelButton(), "Action", kBevelButtonActionEvent},
      {classes::BevelButton(), "MenuSelected", 20},
      {classes::Timer(), "Action", kTimerActionEvent},
      {classes::BevelButton(), "TextChange", -1},
      {classes::Timer(), "Close", -1},
  };
  for (const auto& c : cases)
    EXPECT_EQ(c.cls.EventNumber(c.event), c.number) << c.cls.name << "." << c.event;
}

// Two program classes in the shape the program gives them.
struct Shape : Object {
  static const ClassInfo& StaticClass() {
    static const ClassInfo cls = [] {
      ClassInfo c;
      c.name = "Shape.Shape";
      c.base = &classes::Window();
      c.members = {MemberInfo{"Layout", "%%", {}},
                   MemberInfo{"CreateControls0", "%%", {{"Hidden", ""}}}};
      c.windowEvents[static_cast<int>(WindowEvent::Layout)] = "Layout";
      c.windowEvents[static_cast<int>(WindowEvent::Open)] = "Event_Open";
      c.factory = [] { return std::make_shared<Shape>(); };
      return c;
    }();
    return cls;
  }
  const ClassInfo& Class() const override { return StaticClass(); }
};

struct Circle : Shape {
  static const ClassInfo& StaticClass() {
    static const ClassInfo cls = [] {
      ClassInfo c;
      c.name = "Circle.Circle";
      c.base = &Shape::StaticClass();
      return c;
    }();
    return cls;
  }
  const ClassInfo& Class() const override { return StaticClass(); }
};

TEST(Registry, KnowsBuiltinsAndRegisteredClassesByName) {
  EXPECT_EQ(FindClass("Window"), &classes::Window());
  EXPECT_EQ(FindClass("BevelButton"), &classes::BevelButton());
  EXPECT_EQ(FindClass("Application"), &Application::StaticClass());
  EXPECT_EQ(FindClass("Shape.Shape"), nullptr);
  RegisterClass(Shape::StaticClass());
  RegisterClass(Shape::StaticClass());  // the same class again is no conflict
  EXPECT_EQ(FindClass("Shape.Shape"), &Shape::StaticClass());

  static const ClassInfo impostor = [] {
    ClassInfo c;
    c.name = "Shape.Shape";
    return c;
  }();
  EXPECT_THROW(RegisterClass(impostor), InvalidArgumentException);
  EXPECT_EQ(FindClass("Shape.Shape"), &Shape::StaticClass());
}

TEST(Registry, AnswersIsEventHandledFromTheEventTable) {
  RegisterClass(Shape::StaticClass());
  RegisterClass(Circle::StaticClass());
  Shape shape;
  Circle circle;
  EXPECT_TRUE(RuntimeIsEventHandled(shape, "Shape.Shape", "Layout", true));
  EXPECT_TRUE(RuntimeIsEventHandled(shape, "Shape.Shape", "Open", true));
  EXPECT_FALSE(RuntimeIsEventHandled(shape, "Shape.Shape", "Paint", true));
  EXPECT_FALSE(RuntimeIsEventHandled(shape, "Shape.Shape", "NoSuchEvent", true));
  EXPECT_FALSE(RuntimeIsEventHandled(shape, "Shape.Shape", "Layout", false));
  EXPECT_TRUE(RuntimeIsEventHandled(circle, "Circle.Circle", "Open", true)) << "inherited entry";
  EXPECT_THROW(RuntimeIsEventHandled(shape, "Nowhere.Nowhere", "Open", true),
               InvalidArgumentException);
  EXPECT_THROW(RuntimeIsEventHandled(shape, "Circle.Circle", "Open", true),
               InvalidArgumentException);
}

TEST(Registry, MembersListTheBasesFirst) {
  const auto members = Circle::StaticClass().AllMembers();
  const auto windowCount = classes::Window().AllMembers().size();
  ASSERT_EQ(members.size(), windowCount + 2);
  EXPECT_EQ(members[windowCount].name, "Layout");
  ASSERT_EQ(members[windowCount + 1].attributes.size(), 1u);
  EXPECT_EQ(members[windowCount + 1].attributes[0].name, "Hidden");
}

TEST(RuntimeCheckCast, PassesNilAndRefusesAnotherClass) {
  EXPECT_EQ(RuntimeCheckCast<Shape>(nullptr), nullptr);
  Ref<Object> circle = std::make_shared<Circle>();
  EXPECT_EQ(RuntimeCheckCast<Shape>(circle), circle);
  EXPECT_EQ(RuntimeCheckCast<Circle>(circle), circle);
  Ref<Object> shape = std::make_shared<Shape>();
  EXPECT_THROW(RuntimeCheckCast<Circle>(shape), IllegalCastException);
  Ref<Object> probe = std::make_shared<testing_core::Probe>(classes::Label());
  EXPECT_THROW(RuntimeCheckCast<Shape>(probe), IllegalCastException);
  EXPECT_THROW(Must(Ref<Shape>(), "window"), NilObjectException);
}

TEST(RuntimeNewObject, UsesTheFactoryAndRefusesClassesWithout) {
  EXPECT_NE(std::dynamic_pointer_cast<Shape>(RuntimeNewObject(Shape::StaticClass())), nullptr);
  EXPECT_THROW(RuntimeNewObject(Circle::StaticClass()), InvalidArgumentException);

  EXPECT_THROW(RuntimeNewObject(classes::Label()), InvalidArgumentException);
  classes::SetFactory(classes::Label(),
                      [] { return std::make_shared<testing_core::Probe>(classes::Label()); });
  EXPECT_TRUE(RuntimeNewObject(classes::Label())->IsA(classes::RectControl()));
  classes::SetFactory(classes::Label(), {});
  EXPECT_THROW(RuntimeNewObject(classes::Label()), InvalidArgumentException);
  EXPECT_THROW(classes::SetFactory(Shape::StaticClass(), {}), InvalidArgumentException);
}

TEST(Application, VersionDataIsGivenOnceAndEventsComeFromTheTable) {
  auto app = std::static_pointer_cast<Application>(RuntimeNewObject(Application::StaticClass()));
  app->x_SetVersionData(2, 0, 0, 0, 3, "notice", "2.0", "Quorvan");
  EXPECT_EQ(app->MajorVersion(), 2);
  EXPECT_EQ(app->StageCode(), 3);
  EXPECT_EQ(app->ShortVersion(), "2.0");
  EXPECT_EQ(app->PackageInfo(), "Quorvan");
  EXPECT_THROW(app->x_SetVersionData(3, 0, 0, 0, 3, "", "", ""), RuntimeException);
  EXPECT_EQ(app->MajorVersion(), 2);
  EXPECT_FALSE(app->IsEventImplemented("Open"));
  EXPECT_EQ(App(), nullptr);
  SetApp(app);
  EXPECT_EQ(App(), app);
  SetApp(nullptr);
}

}  // namespace
}  // namespace fw
