// Menus: the window's own Qt menu bar drawn from the MenuItem tree, routing by item name to the
// handler that window registered, and the built-in Quit and Edit items.
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTextEdit>

#include "tests/framework/gui/gui_fixture.h"

namespace gui_test {
namespace {

using fw::WindowEvent;

fw::Ref<fw::MenuItem> Item(fw::Ref<fw::MenuItem> item, const char* name, const char* text,
                           const char* key = "") {
  item->Name(name);
  item->Text(text);
  item->CommandKey(key);
  return item;
}

fw::Ref<fw::MenuItem> Bar() {
  auto bar = std::make_shared<fw::MenuBar>();
  auto file = Item(std::make_shared<fw::MenuItem>(), "FileMenu", "&File");
  bar->AddMenu(file);
  file->AddMenu(Item(std::make_shared<fw::QuitMenuItem>(), "FileQuit", "E&xit"));
  file->AddMenu(Item(std::make_shared<fw::PrefsMenuItem>(), "AboutItem", "About"));
  auto edit = Item(std::make_shared<fw::MenuItem>(), "EditMenu", "&Edit");
  bar->AddMenu(edit);
  edit->AddMenu(Item(std::make_shared<fw::MenuItem>(), "EditUndo", "&Undo", "Ctrl+Z"));
  edit->AddMenu(Item(std::make_shared<fw::MenuItem>(), "UntitledMenu1", "-"));
  edit->AddMenu(Item(std::make_shared<fw::MenuItem>(), "EditCut", "Cu&t", "Ctrl+X"));
  edit->AddMenu(Item(std::make_shared<fw::MenuItem>(), "EditCopy", "&Copy", "Ctrl+C"));
  edit->AddMenu(Item(std::make_shared<fw::MenuItem>(), "EditPaste", "&Paste", "Ctrl+V"));
  edit->AddMenu(Item(std::make_shared<fw::MenuItem>(), "EditClear", "&Delete"));
  edit->AddMenu(Item(std::make_shared<fw::MenuItem>(), "EditSelectAll", "Select &All", "Ctrl+A"));
  auto info = Item(std::make_shared<fw::MenuItem>(), "InfoMenu", "Window");
  bar->AddMenu(info);
  info->AddMenu(Item(std::make_shared<fw::MenuItem>(), "ControlItem", "Control"));
  info->AddMenu(Item(std::make_shared<fw::MenuItem>(), "InfoItem", "Info", "Ctrl+I"));
  return bar;
}

class MenuTest : public GuiTest {
 protected:
  // Two windows sharing one bar: "Calc" handles InfoItem, "Help" handles ControlItem.
  void SetUp() override {
    GuiTest::SetUp();
    bar = Bar();
    calc = Open("Calc.Calc", "InfoItem");
    help = Open("Help.Help", "ControlItem");
  }

  fw::Ref<TestWindow> Open(const std::string& cls, const char* handled) {
    auto window = NewWindow(WindowClass(
        cls, {WindowEvent::Layout, WindowEvent::CreateControls, WindowEvent::AddMenuHandlers}));
    window->onLayout = [this](TestWindow& w) { w.MenuBar(bar); };
    window->onCreateControls = [](TestWindow& w) {
      AddControl<fw::TextField>(w, "Field", 10, 10, 200, 22);
      AddControl<fw::TextArea>(w, "Area", 10, 40, 200, 60);
    };
    window->onAddMenuHandlers = [handled](fw::Window& receiver) {
      auto& self = dynamic_cast<TestWindow&>(receiver);
      auto target = std::static_pointer_cast<TestWindow>(self.shared_from_this());
      receiver.AddMenuHandler(
          handled, fw::RuntimeCreateDelegate(&TestWindow::MenuA, target, "(  ) as Boolean", 0));
    };
    window->Constructor();
    window->Show();
    return window;
  }

  fw::Ref<fw::MenuItem> bar;
  fw::Ref<TestWindow> calc, help;
};

TEST_F(MenuTest, EachWindowShowsTheTreeAsItsOwnMenuBar) {
  QMenuBar* calcBar = fw::testing::MenuBarOf(*calc);
  QMenuBar* helpBar = fw::testing::MenuBarOf(*help);
  ASSERT_TRUE(calcBar && helpBar);
  EXPECT_NE(calcBar, helpBar);
  QStringList menus;
  for (QAction* action : calcBar->actions()) menus << action->text();
  EXPECT_EQ(menus, (QStringList{"&File", "&Edit", "Window"}));
  auto* edit = calcBar->findChild<QMenu*>("EditMenu");
  ASSERT_NE(edit, nullptr);
  QStringList entries;
  for (QAction* action : edit->actions()) entries << (action->isSeparator() ? "-" : action->text());
  EXPECT_EQ(entries,
            (QStringList{"&Undo", "-", "Cu&t", "&Copy", "&Paste", "&Delete", "Select &All"}));
  auto* copy = calcBar->findChild<QAction*>("EditCopy");
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->shortcut(), QKeySequence("Ctrl+C"));
  EXPECT_TRUE(calcBar->findChild<QAction*>("EditClear")->shortcut().isEmpty());
}

TEST_F(MenuTest, AChoiceReachesTheHandlerOfTheWindowItIsMadeIn) {
  calc->log.clear();
  help->log.clear();
  fw::testing::MenuBarOf(*calc)->findChild<QAction*>("InfoItem")->trigger();
  EXPECT_EQ(calc->log, (std::vector<std::string>{"MenuA"}));
  EXPECT_TRUE(help->log.empty());
  EXPECT_FALSE(calc->ChooseMenuItem("ControlItem"));  // registered only in the help window
  EXPECT_TRUE(help->ChooseMenuItem("ControlItem"));
  EXPECT_FALSE(help->ChooseMenuItem("InfoItem"));
  EXPECT_FALSE(help->ChooseMenuItem("AboutItem"));  // without a handler it does nothing
  EXPECT_EQ(help->log, (std::vector<std::string>{"MenuA"}));
  EXPECT_EQ(calc->log, (std::vector<std::string>{"MenuA"}));
}

TEST_F(MenuTest, ACommandKeyIsAShortcutOfTheWindowItIsPressedIn) {
  QWidget* top = fw::testing::WidgetOf(*calc);
  QApplication::setActiveWindow(top);
  calc->log.clear();
  help->log.clear();
  QTest::keyClick(top, Qt::Key_I, Qt::ControlModifier);
  EXPECT_EQ(calc->log, (std::vector<std::string>{"MenuA"}));
  EXPECT_TRUE(help->log.empty());
}

TEST_F(MenuTest, QuitItemQuitsWhereNoHandlerTakesIt) {
  EXPECT_TRUE(help->ChooseMenuItem("FileQuit"));
  EXPECT_TRUE(fw::testing::QuitRequested());
  EXPECT_EQ(fw::testing::QuitCode(), 0);

  fw::testing::ResetQuit();
  auto target = std::static_pointer_cast<TestWindow>(calc->shared_from_this());
  calc->AddMenuHandler("FileQuit",
                       fw::RuntimeCreateDelegate(&TestWindow::MenuB, target, "(  ) as Boolean", 0));
  EXPECT_TRUE(calc->ChooseMenuItem("FileQuit"));
  EXPECT_EQ(calc->log.back(), "MenuB");
  EXPECT_FALSE(fw::testing::QuitRequested());
}

TEST_F(MenuTest, EditItemsActOnTheFocusedTextControl) {
  auto field = fw::RuntimeCheckCast<fw::TextField>(calc->ControlByName("Field"));
  auto* edit = qobject_cast<QLineEdit*>(fw::testing::WidgetOf(*field));
  field->SetFocus();
  QTest::keyClicks(edit, "hello");
  EXPECT_TRUE(calc->ChooseMenuItem("EditSelectAll"));
  EXPECT_EQ(edit->selectedText(), "hello");
  EXPECT_TRUE(calc->ChooseMenuItem("EditCopy"));
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "hello");
  EXPECT_TRUE(calc->ChooseMenuItem("EditClear"));
  EXPECT_EQ(field->Text(), "");
  EXPECT_TRUE(calc->ChooseMenuItem("EditPaste"));
  EXPECT_TRUE(calc->ChooseMenuItem("EditPaste"));
  EXPECT_EQ(field->Text(), "hellohello");
  edit->setSelection(0, 5);
  EXPECT_TRUE(calc->ChooseMenuItem("EditCut"));
  EXPECT_EQ(field->Text(), "hello");
  EXPECT_TRUE(calc->ChooseMenuItem("EditUndo"));
  EXPECT_EQ(field->Text(), "hellohello");
}

// In read-only text, Cut by the menu or a key only copies; Undo, Paste and Delete change nothing.
TEST_F(MenuTest, ReadOnlyTextStaysAsItIsWhateverEditCommandReachesIt) {
  QApplication::setActiveWindow(fw::testing::WidgetOf(*calc));
  struct Command {
    const char* name;
    const char* item;  // chosen from the menu, or else the key is pressed
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    bool copies;
  };
  const Command commands[] = {
      {"Edit > Cut", "EditCut", {}, {}, true},
      {"Ctrl+X", nullptr, Qt::Key_X, Qt::ControlModifier, true},
      {"Shift+Delete", nullptr, Qt::Key_Delete, Qt::ShiftModifier, true},
      {"Edit > Undo", "EditUndo", {}, {}, false},
      {"Ctrl+Z", nullptr, Qt::Key_Z, Qt::ControlModifier, false},
      {"Edit > Paste", "EditPaste", {}, {}, false},
      {"Ctrl+V", nullptr, Qt::Key_V, Qt::ControlModifier, false},
      {"Shift+Insert", nullptr, Qt::Key_Insert, Qt::ShiftModifier, false},
      {"Edit > Delete", "EditClear", {}, {}, false},
      {"Delete", nullptr, Qt::Key_Delete, {}, false},
      {"Backspace", nullptr, Qt::Key_Backspace, {}, false},
  };
  for (const char* name : {"Field", "Area"}) {
    auto control = fw::RuntimeCheckCast<fw::TextEdit>(calc->ControlByName(name));
    QWidget* widget = fw::testing::WidgetOf(*control);
    for (const Command& c : commands) {
      SCOPED_TRACE(std::string(name) + " " + c.name);
      // Typed, so that Undo has something to take back.
      control->SetProperty("ReadOnly", false);
      control->Text("");
      control->SetFocus();
      QTest::keyClicks(widget, "12");
      control->SetProperty("ReadOnly", true);
      calc->ChooseMenuItem("EditSelectAll");
      QGuiApplication::clipboard()->setText("3");
      if (c.item) {
        EXPECT_TRUE(calc->ChooseMenuItem(c.item));
      } else {
        QTest::keyClick(widget, c.key, c.modifiers);
      }
      EXPECT_EQ(control->Text(), "12");
      EXPECT_EQ(QGuiApplication::clipboard()->text(), c.copies ? "12" : "3");
    }
  }
}

}  // namespace
}  // namespace gui_test
