// The help window on the real framework: one instance, its look, its text and its way back.
#include "info_windows/help_wnd.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>

#include "calculator/control_wnd.h"
#include "framework/core/builtin_classes.h"
#include "info_windows/help_text.h"
#include "tests/info_windows/window_fixture.h"

namespace {

using quorvan::ControlWnd;
using quorvan::helpWnd;
using HelpWindow = WindowTest;

QString ShownText(const fw::RectControl& control) {
  return fw::testing::WidgetOf(control)->property("plainText").toString();
}

TEST_F(HelpWindow, EveryRequestGivesTheOneWindowTitledInfoFixedAt550By480) {
  fw::Ref<class helpWnd> first = helpWnd();
  ASSERT_TRUE(first);
  EXPECT_TRUE(first->Visible()) << "a new help window shows itself";
  fw::Ref<class ControlWnd> calculator = ControlWnd();
  ASSERT_TRUE(calculator->ChooseMenuItem("InfoItem"));
  ASSERT_TRUE(calculator->ChooseMenuItem("InfoItem"));
  EXPECT_EQ(helpWnd(), first);
  EXPECT_EQ(CountOf(quorvan::helpWnd::StaticClass()), 1);

  QWidget* widget = fw::testing::WidgetOf(*first);
  EXPECT_EQ(widget->windowTitle(), "Info");
  EXPECT_EQ(fw::testing::ClientAreaOf(*first)->size(), QSize(550, 480));
  EXPECT_EQ(widget->minimumSize(), widget->maximumSize()) << "the size is fixed";
  EXPECT_NE(fw::testing::MenuBarOf(*first), nullptr);
}

TEST_F(HelpWindow, TextAreaHoldsTheEighteenLinesOfTheHelpText) {
  fw::Ref<class helpWnd> help = helpWnd();
  const auto& area = fw::Must(help->EditField1());
  EXPECT_EQ(area.Text(), quorvan::kHelpText);
  EXPECT_EQ(help->ControlNames(), std::vector<std::string>{"EditField1"});
  const QStringList shown = ShownText(area).split('\n');
  ASSERT_EQ(shown.size(), 18);
  EXPECT_EQ(shown[0], "Quorvan");
  EXPECT_EQ(shown[11], QString(91, '*'));
  EXPECT_FALSE(ShownText(area).contains('\r'));
}

TEST_F(HelpWindow, ControlItemShowsTheCalculatorAndLeavesTheHelpWindowOpen) {
  fw::Ref<class helpWnd> help = helpWnd();
  EXPECT_EQ(fw::GetImplicitWindow("ControlWnd.ControlWnd"), nullptr);
  EXPECT_TRUE(help->ChooseMenuItem("ControlItem"));
  fw::Ref<fw::Window> calculator = fw::GetImplicitWindow("ControlWnd.ControlWnd");
  ASSERT_TRUE(calculator);
  EXPECT_TRUE(calculator->Visible());
  EXPECT_TRUE(help->IsOpen());
  EXPECT_TRUE(help->Visible());

  calculator->Hide();
  EXPECT_TRUE(help->ControlItem_Action());
  EXPECT_TRUE(calculator->Visible()) << "the same calculator window is shown again";
  EXPECT_EQ(CountOf(quorvan::ControlWnd::StaticClass()), 1);
}

TEST_F(HelpWindow, ItemsItDoesNotHandleOpenNothingOfItsOwn) {
  fw::Ref<class helpWnd> help = helpWnd();
  for (const char* item : {"InfoItem", "AboutItem"}) {
    SCOPED_TRACE(item);
    help->ChooseMenuItem(item);
    EXPECT_EQ(CountOf(quorvan::helpWnd::StaticClass()), 1);
    EXPECT_EQ(fw::GetImplicitWindow("AboutWnd.AboutWnd"), nullptr);
    EXPECT_EQ(fw::GetImplicitWindow("ControlWnd.ControlWnd"), nullptr);
  }
}

// Of the program's menus, each window enables only what would act there.
TEST_F(HelpWindow, EachWindowEnablesOnlyTheMenuItemsThatWouldActInIt) {
  fw::Ref<class ControlWnd> calculator = ControlWnd();
  fw::Ref<class helpWnd> help = helpWnd();
  const struct {
    const char* item;
    bool inCalculator, inHelp;
  } items[] = {
      {"FileQuit", true, true},
      {"AboutItem", true, false},
      {"InfoItem", true, false},
      {"ControlItem", false, true},
  };
  for (const auto& row : items) {
    SCOPED_TRACE(row.item);
    EXPECT_EQ(fw::testing::ShownEnabled(*calculator, row.item), row.inCalculator);
    EXPECT_EQ(fw::testing::ShownEnabled(*help, row.item), row.inHelp);
  }

  // The read-only result, selected: it can be copied and nothing else.
  fw::Must(calculator->PreFld()).Text(".03");
  fw::Must(calculator->LikeFld()).Text("7.408");
  fw::Must(calculator->computeBtn()).RaiseEvent(fw::kBevelButtonActionEvent);
  fw::TextField& result = fw::Must(calculator->PostFld());
  result.SetFocus();
  QMetaObject::invokeMethod(fw::testing::WidgetOf(result), "selectAll");
  QGuiApplication::clipboard()->setText(".5");
  const struct {
    const char* item;
    bool enabled;
  } onResult[] = {{"EditCopy", true},   {"EditCut", true},        {"EditPaste", false},
                  {"EditClear", false}, {"EditSelectAll", false}, {"EditUndo", false}};
  for (const auto& row : onResult) {
    EXPECT_EQ(fw::testing::ShownEnabled(*calculator, row.item), row.enabled) << row.item;
  }

  // An input takes a paste only when there is text to paste.
  fw::Must(calculator->PreFld()).SetFocus();
  EXPECT_TRUE(fw::testing::ShownEnabled(*calculator, "EditPaste"));
  QGuiApplication::clipboard()->clear();
  EXPECT_FALSE(fw::testing::ShownEnabled(*calculator, "EditPaste"));
}

TEST_F(HelpWindow, UserEditsStayWhileItIsOpenAndANewWindowStartsFromTheStoredText) {
  fw::Ref<class helpWnd> help = helpWnd();
  fw::Must(help->EditField1()).Text("typed by the user");
  EXPECT_EQ(helpWnd(), help);
  EXPECT_EQ(fw::Must(help->EditField1()).Text(), "typed by the user");

  help->Close();
  fw::Ref<class helpWnd> fresh = helpWnd();
  ASSERT_TRUE(fresh);
  EXPECT_NE(fresh, help);
  EXPECT_TRUE(fresh->Visible());
  EXPECT_EQ(fw::Must(fresh->EditField1()).Text(), quorvan::kHelpText);
  EXPECT_EQ(CountOf(quorvan::helpWnd::StaticClass()), 1);
}

TEST_F(HelpWindow, MenuItemAccessorsFindTheItemsOfTheirNames) {
  fw::Ref<class helpWnd> help = helpWnd();
  using Accessor = std::function<fw::Ref<fw::MenuItem>(const class quorvan::helpWnd&)>;
  const std::pair<const char*, Accessor> accessors[] = {
      {"InfoMenu", &quorvan::helpWnd::InfoMenu},
      {"InfoItem", &quorvan::helpWnd::InfoItem},
      {"ControlItem", &quorvan::helpWnd::ControlItem},
      {"EditMenu", &quorvan::helpWnd::EditMenu},
      {"EditSelectAll", &quorvan::helpWnd::EditSelectAll},
      {"UntitledMenu0", &quorvan::helpWnd::UntitledMenu0},
      {"EditClear", &quorvan::helpWnd::EditClear},
      {"EditPaste", &quorvan::helpWnd::EditPaste},
      {"EditCopy", &quorvan::helpWnd::EditCopy},
      {"EditCut", &quorvan::helpWnd::EditCut},
      {"UntitledMenu1", &quorvan::helpWnd::UntitledMenu1},
      {"EditUndo", &quorvan::helpWnd::EditUndo},
      {"FileMenu", &quorvan::helpWnd::FileMenu},
      {"AboutItem", &quorvan::helpWnd::AboutItem},
      {"FileQuit", &quorvan::helpWnd::FileQuit},
  };
  for (const auto& [name, accessor] : accessors) {
    fw::Ref<fw::MenuItem> item = accessor(*help);
    ASSERT_TRUE(item) << name;
    EXPECT_EQ(item->Name(), name);
  }
}

}  // namespace
