// The calculator window, built for real on Qt's offscreen platform, driven through its bindings,
// its menu and, where typing matters, QTest keystrokes.
#include "calculator/control_wnd.h"

#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>

#include <functional>
#include <string>
#include <vector>

#include "framework/core/builtin_classes.h"
#include "framework/core/call_log.h"
#include "framework/runtime.h"
#include "framework/seams.h"
#include "framework/testing.h"
#include "info_windows/about_wnd.h"
#include "info_windows/help_wnd.h"
#include "shell/menu_bar1.h"
#include "tests/calculator/control_wnd_fixture.h"

namespace quorvan {
namespace {

const std::string kCrLf = "\r\n";
const std::string kPretestMessage = "Please enter the pretest probability." + kCrLf;
const std::string kRatioMessage = "Please enter the Likelihood Ratio." + kCrLf;
const std::string kRangeMessage = "Pretest probability must range from .00001 to .99999";

using ControlWndTest = ControlWndFixture;

TEST_F(ControlWndTest, OpensVisibleOnceWithTwelveControlsAndTheFocusInPreFld) {
  EXPECT_TRUE(window->Visible()) << "its list shows it; nobody called Show";
  EXPECT_EQ(window->StringProperty("Title"), "Quorvan");
  int building = 0;
  fw::SetCallRecorder([&](std::string_view call) {
    building += call == "ControlByName" || call == "MenuItem.Child";
  });
  EXPECT_EQ(ControlWnd(), window);
  fw::SetCallRecorder({});
  EXPECT_EQ(building, 0) << "the second call builds nothing";
  EXPECT_EQ(window->MenuBar(), MenuBar1());
  EXPECT_TRUE(Field("PreFld").HasFocus());

  struct Expected {
    const char* name;
    const fw::ClassInfo& cls;
    bool visible;
  } expected[] = {
      {"RoundRectangle1", fw::classes::RoundRectangle(), true},
      {"PostFld", fw::classes::TextField(), false},
      {"LikeFld", fw::classes::TextField(), true},
      {"PreFld", fw::classes::TextField(), true},
      {"PostText", fw::classes::Label(), false},
      {"LikeText", fw::classes::Label(), true},
      {"PreText", fw::classes::Label(), true},
      {"ClearBtn", fw::classes::BevelButton(), true},
      {"helpBtn", fw::classes::BevelButton(), true},
      {"computeBtn", fw::classes::BevelButton(), true},
      {"Canvas1", fw::classes::Canvas(), true},
      {"Copyright", fw::classes::TextArea(), true},
  };
  std::vector<std::string> names;
  for (const Expected& e : expected) {
    SCOPED_TRACE(e.name);
    names.emplace_back(e.name);
    fw::Ref<fw::RectControl> control =
        fw::RuntimeCheckCast<fw::RectControl>(window->ControlByName(e.name));
    ASSERT_TRUE(control);
    EXPECT_TRUE(control->IsA(e.cls));
    EXPECT_EQ(control->Visible(), e.visible);
  }
  EXPECT_EQ(window->ControlNames(), names);
  EXPECT_TRUE(window->Canvas1()->Backdrop()) << "KTR8 is the banner";
  EXPECT_FALSE(window->Copyright()->Enabled());
  EXPECT_TRUE(window->PostFld()->ReadOnly());
}

TEST_F(ControlWndTest, AnswersWindowEventsFromItsEventTable) {
  for (const char* handled : {"Open", "Close", "Layout", "CreateControls", "AddMenuHandlers"})
    EXPECT_TRUE(window->IsEventImplemented(handled)) << handled;
  for (const char* other : {"Activate", "CancelClose", "KeyDown", "MouseDown", "Paint", "Resized"})
    EXPECT_FALSE(window->IsEventImplemented(other)) << other;
}

struct CalculateCase {
  const char* label;
  const char* pretest;
  const char* ratio;
  std::string message;  // empty: a result is shown
  const char* result;
  const char* focus;
};

// Fresh (result hidden) and after a shown result, each refused press must leave everything but
// the focus as it was.
TEST_F(ControlWndTest, CalculateShowsTheResultOrExactlyOneMessage) {
  const CalculateCase cases[] = {
      {"help text example", ".03", "7.408", "", ".1864", "PreFld"},
      {"ratio one changes nothing", ".5", "1", "", ".5000", "PreFld"},
      {"ratio zero", ".5", "0", "", ".0000", "PreFld"},
      {"written in full, never cut", ".9999", "99999", "", "1.0000", "PreFld"},
      {"both empty", "", "", kPretestMessage, "", "PreFld"},
      {"pretest empty", "", "3", kPretestMessage, "", "PreFld"},
      {"ratio empty", ".5", "", kRatioMessage, "", "LikeFld"},
      {"emptiness before range", "2", "", kRatioMessage, "", "LikeFld"},
      {"above one", "1.5", "3", kRangeMessage, "", "PreFld"},
      {"one itself", "1", "0", kRangeMessage, "", "PreFld"},
      {"one written long", "1.00", "5", kRangeMessage, "", "PreFld"},
      {"zero itself", "0", "3", kRangeMessage, "", "PreFld"},
      {"zero written long", ".000", "3", kRangeMessage, "", "PreFld"},
      {"ratio zero written with a point", ".5", ".0", "", ".0000", "PreFld"},
      {"pretest a lone point", ".", "3", kRangeMessage, "", "PreFld"},
      {"pretest with two points", ".1.5", "3", kRangeMessage, "", "PreFld"},
      {"ratio a lone point", ".5", ".", kRatioMessage, "", "LikeFld"},
      {"ratio two points", ".5", "..", kRatioMessage, "", "LikeFld"},
      {"ratio with two points", ".5", "1.2.3", kRatioMessage, "", "LikeFld"},
      {"pretest refused before the ratio", ".1.5", ".", kRangeMessage, "", "PreFld"},
  };
  for (bool resultOnView : {false, true}) {
    for (const CalculateCase& c : cases) {
      SCOPED_TRACE(std::string(c.label) + (resultOnView ? ", result on view" : ", fresh"));
      Clear();
      if (resultOnView) Calculate(".2", "4");
      Field("PreFld").Text(c.pretest);
      Field("LikeFld").Text(c.ratio);
      Field("PostFld").Text("keep");
      Field(std::string(c.focus) == "PreFld" ? "LikeFld" : "PreFld").SetFocus();
      messages.clear();

      RaiseOn("computeBtn", fw::kBevelButtonActionEvent);

      EXPECT_EQ(Field("PreFld").Text(), c.pretest);
      EXPECT_EQ(Field("LikeFld").Text(), c.ratio);
      EXPECT_TRUE(Field(c.focus).HasFocus());
      if (c.message.empty()) {
        EXPECT_TRUE(messages.empty());
        EXPECT_EQ(Field("PostFld").Text(), c.result);
        EXPECT_TRUE(window->PostFld()->Visible());
        EXPECT_TRUE(window->PostText()->Visible());
      } else {
        EXPECT_EQ(messages, std::vector<std::string>{c.message});
        EXPECT_EQ(Field("PostFld").Text(), "keep");
        EXPECT_EQ(window->PostFld()->Visible(), resultOnView);
        EXPECT_EQ(window->PostText()->Visible(), resultOnView);
      }
    }
  }
}

TEST_F(ControlWndTest, KeyFilterLetsOnlyDigitsPointBackspaceAndTabIntoTheInputs) {
  struct Key {
    const char* text;
    bool swallowed;
  } keys[] = {
      {"0", false}, {"5", false}, {"9", false}, {".", false}, {"\b", false},  {"\t", false},
      {"a", true},  {"e", true},  {"E", true},  {"-", true},  {",", true},    {" ", true},
      {"+", true},  {"/", true},  {":", true},  {"\r", true}, {"\x1b", true}, {"\u00e9", true},
  };
  for (const char* field : {"PreFld", "LikeFld", "PostFld"}) {
    for (const Key& k : keys) {
      SCOPED_TRACE(std::string(field) + " key " + k.text);
      const bool filtered = std::string(field) != "PostFld";
      beeps = 0;
      fw::EventArgs args;
      args.key = k.text;
      EXPECT_EQ(RaiseOn(field, fw::kKeyDownEvent, args), filtered && k.swallowed);
      EXPECT_EQ(beeps, filtered && k.swallowed ? 1 : 0);
    }
  }
}

TEST_F(ControlWndTest, TypingKeepsRefusedKeysOutAndStopsAtFiveCharacters) {
  QWidget* pre = fw::testing::WidgetOf(Field("PreFld"));
  ASSERT_NE(pre, nullptr);
  QTest::keyClicks(pre, "a.0-3e 5,17");
  EXPECT_EQ(Field("PreFld").Text(), ".0351");
  EXPECT_EQ(beeps, 5);

  Clear();
  beeps = 0;
  QTest::keyClicks(fw::testing::WidgetOf(Field("LikeFld")), "1..2");
  EXPECT_EQ(Field("LikeFld").Text(), "1..2") << "the filter does not count points";
  EXPECT_EQ(beeps, 0);
}

TEST_F(ControlWndTest, AnEditOfEitherInputEmptiesTheShownResultButKeepsItOnView) {
  for (const char* input : {"PreFld", "LikeFld"}) {
    SCOPED_TRACE(input);
    Calculate(".5", "1");
    ASSERT_EQ(Field("PostFld").Text(), ".5000");
    QTest::keyClicks(fw::testing::WidgetOf(Field(input)), "1");
    EXPECT_EQ(Field("PostFld").Text(), "");
    EXPECT_TRUE(window->PostFld()->Visible());
    EXPECT_TRUE(window->PostText()->Visible());
  }
}

TEST_F(ControlWndTest, ClearResetsTheFormWithOrWithoutAResultOnView) {
  for (bool resultOnView : {false, true}) {
    SCOPED_TRACE(resultOnView ? "result on view" : "nothing on view");
    Field("PreFld").Text(".5");
    Field("LikeFld").Text("2");
    if (resultOnView) RaiseOn("computeBtn", fw::kBevelButtonActionEvent);
    Field("LikeFld").SetFocus();

    fw::EventArgs press;
    EXPECT_FALSE(RaiseOn("ClearBtn", fw::kBevelButtonMouseDownEvent, press));

    for (const char* field : {"PreFld", "LikeFld", "PostFld"}) EXPECT_EQ(Field(field).Text(), "");
    EXPECT_FALSE(window->PostFld()->Visible());
    EXPECT_FALSE(window->PostText()->Visible());
    EXPECT_TRUE(Field("PreFld").HasFocus());
  }
}

TEST_F(ControlWndTest, HelpButtonAndInfoShowTheOneHelpWindowAlsoWhenItIsHidden) {
  const auto pressHelp = [&] { return RaiseOn("helpBtn", fw::kBevelButtonMouseDownEvent); };
  const auto chooseInfo = [&] { return window->ChooseMenuItem("InfoItem"); };
  // In this order, on one help window.
  const struct {
    const char* step;
    std::function<bool()> request;
    bool result;
    bool hideFirst;
  } steps[] = {
      {"? makes it", pressHelp, false, false},
      {"? on the shown window", pressHelp, false, false},
      {"? on the hidden window", pressHelp, false, true},
      {"Info on the hidden window", chooseInfo, true, true},
      {"Info on the shown window", chooseInfo, true, false},
  };
  fw::Ref<fw::Window> help;
  for (const auto& s : steps) {
    SCOPED_TRACE(s.step);
    if (s.hideFirst) help->Hide();
    EXPECT_EQ(s.request(), s.result);
    fw::Ref<fw::Window> shown = fw::GetImplicitWindow("helpWnd.helpWnd");
    ASSERT_TRUE(shown);
    if (help) {
      EXPECT_EQ(shown, help) << "the same window, not a new one";
    }
    help = shown;
    EXPECT_TRUE(help->Visible());
    int helpWindows = 0;
    for (const auto& open : fw::OpenWindows()) helpWindows += open->IsA(helpWnd::StaticClass());
    EXPECT_EQ(helpWindows, 1);
    EXPECT_TRUE(window->Visible()) << "the calculator stays open behind it";
  }
}

TEST_F(ControlWndTest, AboutShowsTheSameBoxAgain) {
  fw::Ref<class AboutWnd> box = AboutWnd();
  box->Hide();
  EXPECT_TRUE(window->ChooseMenuItem("AboutItem"));
  EXPECT_EQ(AboutWnd(), box);
  EXPECT_TRUE(box->Visible());
}

TEST_F(ControlWndTest, ExitAndClosingTheWindowQuitWithZero) {
  // Without a bar the framework finds no Quit item of its own to act on, so only the window's
  // registration can answer Exit; the help window, which registers none, shows the difference.
  fw::Ref<class helpWnd> help = helpWnd();
  window->MenuBar(nullptr);
  help->MenuBar(nullptr);
  fw::testing::ResetQuit();
  EXPECT_FALSE(help->ChooseMenuItem("FileQuit"));
  EXPECT_FALSE(fw::testing::QuitRequested());
  fw::Quit(5);
  EXPECT_TRUE(window->ChooseMenuItem("FileQuit"));
  EXPECT_TRUE(fw::testing::QuitRequested());
  EXPECT_EQ(fw::testing::QuitCode(), 0);

  fw::testing::ResetQuit();
  fw::Quit(5);
  window->Close();
  EXPECT_TRUE(fw::testing::QuitRequested());
  EXPECT_EQ(fw::testing::QuitCode(), 0) << "closing quits with 0";
  fw::testing::ResetQuit();
}

TEST_F(ControlWndTest, RegistersOnlyItsThreeMenuItems) {
  for (const char* name :
       {"FileMenu", "FileQuit", "AboutItem", "EditMenu", "EditUndo", "UntitledMenu1", "EditCut",
        "EditCopy", "EditPaste", "EditClear", "UntitledMenu0", "EditSelectAll", "InfoMenu",
        "ControlItem", "InfoItem"}) {
    EXPECT_TRUE(window->MenuBar()->Lookup(name)) << name;
  }
  EXPECT_FALSE(window->ChooseMenuItem("ControlItem"));
  EXPECT_TRUE(window->FileQuit()->IsA(fw::QuitMenuItem::StaticClass()));
  EXPECT_TRUE(window->AboutItem()->IsA(fw::PrefsMenuItem::StaticClass()));
  EXPECT_EQ(window->UntitledMenu0()->Text(), "-");
}

}  // namespace
}  // namespace quorvan
