#include "framework/core/delegate.h"

#include <gtest/gtest.h>

#include <string>

#include "framework/core/builtin_classes.h"
#include "tests/framework/core/probe.h"

namespace fw {
namespace {

using testing_core::Probe;

// A control of a builtin class and a window-like target with handlers of each supported shape.
struct Button : Probe {
  Button() : Probe(classes::BevelButton()) {}
};

struct Target : Object {
  static const ClassInfo& StaticClass() {
    static const ClassInfo cls = [] {
      ClassInfo c;
      c.name = "Target.Target";
      return c;
    }();
    return cls;
  }
  const ClassInfo& Class() const override { return StaticClass(); }

  bool Swallow(Button&, std::string_view key) {
    keys += key;
    return key == "x";
  }
  bool Press(Button&, std::int64_t x, std::int64_t y) {
    lastX = x;
    lastY = y;
    return false;
  }
  void Action(Button& sender) { actionSender = &sender; }
  bool MenuChosen() {
    ++menuCalls;
    return true;
  }

  std::string keys;
  std::int64_t lastX = 0, lastY = 0;
  Button* actionSender = nullptr;
  int menuCalls = 0;
};

TEST(Delegate, BooleanResultReachesTheFrameworkUnchanged) {
  auto target = std::make_shared<Target>();
  Button button;
  RuntimeAddEventHandler(
      button, kKeyDownEvent, EventStubFor(kKeyDownEvent),
      RuntimeCreateDelegate(&Target::Swallow, target, "( BevelButton, String ) as Boolean", 1));
  EXPECT_TRUE(button.RaiseEvent(kKeyDownEvent, EventArgs{.key = "x", .x = 0, .y = 0}));
  EXPECT_FALSE(button.RaiseEvent(kKeyDownEvent, EventArgs{.key = "y", .x = 0, .y = 0}));
  EXPECT_EQ(target->keys, "xy");
}

TEST(Delegate, HandlersGetTheSenderAndTheEventsArguments) {
  auto target = std::make_shared<Target>();
  Button button;
  RuntimeAddEventHandler(button, kBevelButtonMouseDownEvent,
                         EventStubFor(kBevelButtonMouseDownEvent),
                         RuntimeCreateDelegate(&Target::Press, target,
                                               "( BevelButton, Integer, Integer ) as Boolean", 1));
  RuntimeAddEventHandler(button, kBevelButtonActionEvent, EventStubFor(kBevelButtonActionEvent),
                         RuntimeCreateDelegate(&Target::Action, target, "( BevelButton )", 1));
  EXPECT_FALSE(
      button.RaiseEvent(kBevelButtonMouseDownEvent, EventArgs{.key = "", .x = 5, .y = -7}));
  EXPECT_EQ(target->lastX, 5);
  EXPECT_EQ(target->lastY, -7);
  EXPECT_FALSE(button.RaiseEvent(kBevelButtonActionEvent))
      << "a handler without result gives false";
  EXPECT_EQ(target->actionSender, &button);
  EXPECT_FALSE(button.RaiseEvent(kTextChangeEvent)) << "nothing bound";
}

TEST(Delegate, NeverCallsIntoATargetThatIsGone) {
  auto target = std::make_shared<Target>();
  Button button;
  auto menu = RuntimeCreateDelegate(&Target::MenuChosen, target, "(  ) as Boolean", 0);
  RuntimeAddEventHandler(button, kBevelButtonActionEvent, EventStubFor(kBevelButtonActionEvent),
                         RuntimeCreateDelegate(&Target::Action, target, "( BevelButton )", 1));
  auto entry = menu->Entry();
  EXPECT_TRUE(menu->Invoke(nullptr));
  EXPECT_EQ(target->menuCalls, 1);

  std::weak_ptr<Target> watch = target;
  target.reset();
  ASSERT_TRUE(watch.expired()) << "the delegates must not keep their target alive";
  EXPECT_FALSE(menu->Invoke(nullptr));
  EXPECT_FALSE(button.RaiseEvent(kBevelButtonActionEvent));
  entry();  // would touch freed memory under the sanitizers if it called through
}

int calls = 0;
void CountCall() {
  ++calls;
}

TEST(Delegate, EntryOutlivesTheDelegate) {
  calls = 0;
  auto delegate = RuntimeCreateDelegate(&CountCall, "(  )", 0);
  EXPECT_EQ(delegate->Signature(), "(  )");
  EXPECT_EQ(delegate->Flag(), 0);
  auto entry = delegate->Entry();
  delegate.reset();
  entry();
  EXPECT_EQ(calls, 1);
  EXPECT_THROW(RuntimeCreateDelegate(static_cast<void (*)()>(nullptr), "", 0), NilObjectException);
}

TEST(Delegate, BindingChecksTheEventNumberAgainstTheClass) {
  auto target = std::make_shared<Target>();
  auto action = RuntimeCreateDelegate(&Target::Action, target, "( BevelButton )", 1);
  Button button;
  Probe timer(classes::Timer());
  const EventStub stub = EventStubFor(0);
  EXPECT_NO_THROW(RuntimeAddEventHandler(button, 20, stub, action));
  EXPECT_THROW(RuntimeAddEventHandler(button, 21, stub, action), InvalidArgumentException);
  EXPECT_THROW(RuntimeAddEventHandler(button, -1, stub, action), InvalidArgumentException);
  EXPECT_NO_THROW(RuntimeAddEventHandler(timer, kTimerActionEvent, stub, action));
  EXPECT_THROW(RuntimeAddEventHandler(timer, 1, stub, action), InvalidArgumentException);
  EXPECT_THROW(RuntimeAddEventHandler(button, 17, stub, nullptr), NilObjectException);
  EXPECT_THROW(RuntimeAddEventHandler(button, 17, nullptr, action), InvalidArgumentException);
  EXPECT_THROW(EventStubFor(-1), InvalidArgumentException);
}

TEST(Delegate, ASenderOfAnotherClassRaisesInsteadOfCalling) {
  auto target = std::make_shared<Target>();
  Probe field(classes::TextField());
  RuntimeAddEventHandler(field, kTextChangeEvent, EventStubFor(kTextChangeEvent),
                         RuntimeCreateDelegate(&Target::Action, target, "( BevelButton )", 1));
  EXPECT_THROW(field.RaiseEvent(kTextChangeEvent), NilObjectException);
  EXPECT_EQ(target->actionSender, nullptr);
}

}  // namespace
}  // namespace fw
