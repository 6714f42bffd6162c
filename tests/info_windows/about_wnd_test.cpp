// The About box on the real framework: what it shows, its three ways of handing over to the
// calculator window, and its one timer, which nothing stops or re-arms.
#include "info_windows/about_wnd.h"

#include <QPoint>
#include <QTest>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <functional>

#include "calculator/control_wnd.h"
#include "framework/picture.h"
#include "info_windows/help_wnd.h"
#include "tests/info_windows/window_fixture.h"

namespace {

using namespace std::chrono_literals;
using quorvan::AboutWnd;
using quorvan::ControlWnd;
using AboutBox = WindowTest;

fw::Ref<fw::Window> Calculator() {
  return fw::GetImplicitWindow("ControlWnd.ControlWnd");
}

// A press as the user makes it: on whatever widget lies under the point.
void PressAt(fw::Window& box, QPoint at) {
  QWidget* window = fw::testing::ClientAreaOf(box);
  QWidget* under = window->childAt(at);
  QWidget* target = under ? under : window;
  QTest::mousePress(target, Qt::LeftButton, {}, target->mapFrom(window, at));
}

TEST_F(AboutBox, OpensFirstWithBothPicturesAndBothLabels) {
  fw::Ref<class AboutWnd> box = AboutWnd();
  ASSERT_TRUE(box);
  EXPECT_TRUE(box->Visible());
  EXPECT_EQ(Calculator(), nullptr) << "the calculator window waits for the hand-over";
  EXPECT_EQ(box->ControlNames(), (std::vector<std::string>{"StaticText2", "Canvas1", "Canvas2",
                                                           "StaticText21", "Timer1"}));

  fw::Ref<fw::Picture> banner = fw::Must(box->Canvas1()).Backdrop();
  fw::Ref<fw::Picture> side = fw::Must(box->Canvas2()).Backdrop();
  ASSERT_TRUE(banner);
  ASSERT_TRUE(side);
  EXPECT_EQ(std::pair(banner->Width(), banner->Height()), std::pair(433, 67));
  EXPECT_EQ(std::pair(side->Width(), side->Height()), std::pair(101, 101));
  EXPECT_EQ(fw::Must(box->StaticText2()).Text(), "\u00A9 2019-2026");
  EXPECT_EQ(fw::Must(box->StaticText21()).Text(), "the Quorvan authors");
  EXPECT_TRUE(fw::Must(box->StaticText2()).Visible());
  EXPECT_TRUE(fw::Must(box->StaticText21()).Visible());
  const auto* timer = dynamic_cast<const fw::PaneChild*>(box->Timer1().get());
  ASSERT_NE(timer, nullptr);
  EXPECT_EQ(timer->Window(), box) << "the timer belongs to the box";

  EXPECT_EQ(fw::testing::WidgetOf(*box)->windowTitle(), QCoreApplication::applicationName());
  EXPECT_EQ(fw::testing::ClientAreaOf(*box)->size(), QSize(473, 303));
  EXPECT_EQ(fw::testing::MenuBarOf(*box), nullptr);
}

TEST_F(AboutBox, TimerHandsOverAt4000MsExactlyOnceAndIsNeverReArmed) {
  fw::Ref<class AboutWnd> box = AboutWnd();
  fw::seams::AdvanceClock(3999ms);
  EXPECT_TRUE(box->Visible());
  EXPECT_EQ(Calculator(), nullptr);

  fw::seams::AdvanceClock(1ms);
  EXPECT_FALSE(box->Visible());
  ASSERT_TRUE(Calculator()) << "created by the hand-over";
  EXPECT_TRUE(Calculator()->Visible());

  // Shown again after the firing, the box stays until the user dismisses it.
  ASSERT_TRUE(fw::Must(ControlWnd()).ChooseMenuItem("AboutItem"));
  EXPECT_TRUE(box->Visible());
  fw::seams::AdvanceClock(60000ms);
  EXPECT_TRUE(box->Visible());
  EXPECT_EQ(AboutWnd(), box);
  EXPECT_EQ(CountOf(quorvan::AboutWnd::StaticClass()), 1);
}

struct InputCase {
  const char* name;
  std::function<void(fw::Window& box)> input;
};

const InputCase kInputs[] = {
    {"press at the top left corner",
     [](fw::Window& b) {
       PressAt(b, {0, 0});
     }},
    {"press on the banner",
     [](fw::Window& b) {
       PressAt(b, {100, 60});
     }},
    {"press on the rights notice",
     [](fw::Window& b) {
       PressAt(b, {237, 142});
     }},
    {"press on the side picture",
     [](fw::Window& b) {
       PressAt(b, {237, 200});
     }},
    {"press on the author's name",
     [](fw::Window& b) {
       PressAt(b, {238, 265});
     }},
    {"press at the bottom right corner",
     [](fw::Window& b) {
       PressAt(b, {472, 302});
     }},
    {"right-button press",
     [](fw::Window& b) {
       QTest::mousePress(fw::testing::WidgetOf(b), Qt::RightButton, {}, QPoint(30, 280));
     }},
    {"letter key", [](fw::Window& b) { QTest::keyClick(fw::testing::WidgetOf(b), Qt::Key_Q); }},
    {"digit key", [](fw::Window& b) { QTest::keyClick(fw::testing::WidgetOf(b), Qt::Key_7); }},
    {"space", [](fw::Window& b) { QTest::keyClick(fw::testing::WidgetOf(b), Qt::Key_Space); }},
    {"Return", [](fw::Window& b) { QTest::keyClick(fw::testing::WidgetOf(b), Qt::Key_Return); }},
    {"Escape", [](fw::Window& b) { QTest::keyClick(fw::testing::WidgetOf(b), Qt::Key_Escape); }},
    {"Tab", [](fw::Window& b) { QTest::keyClick(fw::testing::WidgetOf(b), Qt::Key_Tab); }},
};

TEST_F(AboutBox, AnyPressOrKeyHandsOverAtOnce) {
  for (const auto& row : kInputs) {
    SCOPED_TRACE(row.name);
    fw::testing::CloseAllWindows();
    fw::Ref<class AboutWnd> box = AboutWnd();
    ASSERT_TRUE(box->Visible());
    row.input(*box);
    EXPECT_FALSE(box->Visible());
    ASSERT_TRUE(Calculator());
    EXPECT_TRUE(Calculator()->Visible());
  }
}

TEST_F(AboutBox, HandlersReturnFalseWhateverTheirArguments) {
  fw::Ref<class AboutWnd> box = AboutWnd();
  EXPECT_FALSE(box->Event_MouseDown(0, 0));
  EXPECT_FALSE(box->Event_MouseDown(-5, 100000));
  EXPECT_FALSE(box->Event_KeyDown("a"));
  EXPECT_FALSE(box->Event_KeyDown(""));
  EXPECT_FALSE(box->Visible());
  EXPECT_EQ(CountOf(quorvan::ControlWnd::StaticClass()), 1);
}

TEST_F(AboutBox, DismissedEarlyTheLaterFiringHidesItAgainAndShowsTheSameCalculator) {
  fw::Ref<class AboutWnd> box = AboutWnd();
  fw::seams::AdvanceClock(1000ms);
  QTest::keyClick(fw::testing::WidgetOf(*box), Qt::Key_A);
  fw::Ref<fw::Window> calculator = Calculator();
  ASSERT_TRUE(calculator);
  calculator->Hide();  // so that the firing's show can be seen

  fw::seams::AdvanceClock(3000ms);
  EXPECT_FALSE(box->Visible());
  EXPECT_EQ(Calculator(), calculator);
  EXPECT_TRUE(calculator->Visible());
  EXPECT_EQ(CountOf(quorvan::ControlWnd::StaticClass()), 1);
  EXPECT_EQ(CountOf(quorvan::AboutWnd::StaticClass()), 1);
}

TEST_F(AboutBox, ShownAgainBeforeTheTimerFiredItIsHiddenByTheFiring) {
  fw::Ref<class AboutWnd> box = AboutWnd();
  PressAt(*box, {10, 10});
  fw::seams::AdvanceClock(2000ms);
  ASSERT_TRUE(fw::Must(ControlWnd()).ChooseMenuItem("AboutItem"));
  EXPECT_TRUE(box->Visible());
  EXPECT_EQ(AboutWnd(), box);

  fw::seams::AdvanceClock(2000ms);
  EXPECT_FALSE(box->Visible());
  EXPECT_TRUE(Calculator()->Visible());
  EXPECT_EQ(CountOf(quorvan::AboutWnd::StaticClass()), 1);
}

// The box has no close button; were the platform to close it (Alt+F4), it would take its timer
// along and the calculator window would never appear.
TEST_F(AboutBox, ThePlatformCannotCloseItAndTheTimerStillHandsOver) {
  {
    fw::Ref<class AboutWnd> box = AboutWnd();
    EXPECT_FALSE(fw::testing::WidgetOf(*box)->close());
    EXPECT_TRUE(box->IsOpen());
    EXPECT_TRUE(box->Visible());
  }
  fw::seams::AdvanceClock(4000ms);
  ASSERT_TRUE(Calculator());
  EXPECT_TRUE(Calculator()->Visible());
}

TEST_F(AboutBox, EachWindowClassAnswersForExactlyItsWindowEvents) {
  struct Row {
    fw::Ref<fw::Window> window;
    std::vector<fw::WindowEvent> handled;
  };
  const Row rows[] = {
      {quorvan::helpWnd(),
       {fw::WindowEvent::AddMenuHandlers, fw::WindowEvent::CreateControls,
        fw::WindowEvent::Layout}},
      {AboutWnd(),
       {fw::WindowEvent::CreateControls, fw::WindowEvent::KeyDown, fw::WindowEvent::Layout,
        fw::WindowEvent::MouseDown}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.window->Class().name);
    for (int n = 0; n < fw::kWindowEventCount; ++n) {
      const auto event = static_cast<fw::WindowEvent>(n);
      const bool expected =
          std::find(row.handled.begin(), row.handled.end(), event) != row.handled.end();
      EXPECT_EQ(row.window->IsEventImplemented(fw::WindowEventName(event)), expected)
          << fw::WindowEventName(event);
    }
  }
}

}  // namespace
