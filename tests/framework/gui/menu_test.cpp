// Menus: the window's own Qt menu bar drawn from the MenuItem tree, routing by item name to the
// handler that window registered, the built-in Quit and Edit items, and which items are enabled.
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTextCursor>
#include <QTextEdit>
#include <array>
#include <cstdint>
#include <initializer_list>
#include <map>
#include <string>

#include "tests/framework/gui/gui_fixture.h"

namespace gui_test {
namespace {

using fw::WindowEvent;

fw::Ref<fw::MenuItem> Item(fw::Ref<fw::MenuItem> item, const char* name, const char* text,
                           const char* key = "") {
  item->Name(name);
  item->AutoEnable(true);
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
  // Two windows sharing one bar: "Calc" handles InfoItem and AboutItem, "Help" handles
  // ControlItem.
  void SetUp() override {
    GuiTest::SetUp();
    bar = Bar();
    calc = Open("Calc.Calc", {"InfoItem", "AboutItem"});
    help = Open("Help.Help", {"ControlItem"});
  }

  fw::Ref<TestWindow> Open(const std::string& cls, std::initializer_list<const char*> handled) {
    auto window = NewWindow(WindowClass(
        cls, {WindowEvent::Layout, WindowEvent::CreateControls, WindowEvent::AddMenuHandlers}));
    window->onLayout = [this](TestWindow& w) { w.MenuBar(bar); };
    window->onCreateControls = [](TestWindow& w) {
      AddControl<fw::TextField>(w, "Field", 10, 10, 200, 22);
      AddControl<fw::TextArea>(w, "Area", 10, 40, 200, 60);
    };
    window->onAddMenuHandlers = [handled = std::vector(handled)](fw::Window& receiver) {
      auto& self = dynamic_cast<TestWindow&>(receiver);
      auto target = std::static_pointer_cast<TestWindow>(self.shared_from_this());
      for (const char* item : handled) {
        receiver.AddMenuHandler(
            item, fw::RuntimeCreateDelegate(&TestWindow::MenuA, target, "(  ) as Boolean", 0));
      }
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

// Exit everywhere; About and the Window items only where the window handles them; an item the
// framework does not manage stays as it is.
TEST_F(MenuTest, AnItemShowsEnabledWhereChoosingItInThatWindowWouldAct) {
  struct Row {
    const char* item;
    bool inCalc, inHelp;
  };
  const Row rows[] = {
      {"FileQuit", true, true},
      {"AboutItem", true, false},
      {"InfoItem", true, false},
      {"ControlItem", false, true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.item);
    EXPECT_EQ(fw::testing::ShownEnabled(*calc, row.item), row.inCalc);
    EXPECT_EQ(fw::testing::ShownEnabled(*help, row.item), row.inHelp);
  }
  bar->Lookup("ControlItem")->AutoEnable(false);
  EXPECT_TRUE(fw::testing::ShownEnabled(*calc, "ControlItem"));
}

void Select(QWidget* widget, int from, int length) {
  if (auto* line = qobject_cast<QLineEdit*>(widget)) {
    line->setSelection(from, length);
    return;
  }
  auto* box = qobject_cast<QTextEdit*>(widget);
  QTextCursor cursor = box->textCursor();
  cursor.setPosition(from);
  cursor.setPosition(from + length, QTextCursor::KeepAnchor);
  box->setTextCursor(cursor);
}

// What an Edit command can change: the text, the selection and the clipboard.
QString EditState(const fw::TextEdit& control) {
  QWidget* widget = fw::testing::WidgetOf(control);
  QString selection;
  if (auto* line = qobject_cast<QLineEdit*>(widget)) {
    selection = QString::number(line->selectionStart()) + line->selectedText();
  } else {
    const QTextCursor cursor = qobject_cast<QTextEdit*>(widget)->textCursor();
    selection = QString::number(cursor.selectionStart()) + cursor.selectedText();
  }
  return QString::fromStdString(control.Text()) + "|" + selection + "|" +
         QGuiApplication::clipboard()->text();
}

// Each Edit item shows enabled exactly when choosing it changes the text, the selection or the
// clipboard, in a line and in a text area, editable or read-only, with room left or at its limit.
TEST_F(MenuTest, AnEditItemShowsEnabledExactlyWhenChoosingItWouldChangeSomething) {
  QApplication::setActiveWindow(fw::testing::WidgetOf(*calc));
  static constexpr const char* kItems[] = {"EditUndo",  "EditCut",   "EditCopy",
                                           "EditPaste", "EditClear", "EditSelectAll"};
  struct State {
    const char* name;
    const char* control;
    const char* typed;  // by the user, which Undo can take back; the program's text it cannot
    const char* text;   // then written by the program, where given
    int selectFrom, selectLength;  // -1: everything
    bool readOnly;
    const char* clipboard;
    std::array<bool, 6> enabled;  // in the order of kItems
    std::int64_t limit = 0;       // MaximumCharactersAllowed; 0: none
  };
  const State states[] = {
      {"empty field, empty clipboard", "Field", "", "", 0, 0, false, "", {}},
      {"typed, nothing selected",
       "Field",
       "12",
       nullptr,
       0,
       0,
       false,
       "9",
       {true, false, false, true, false, true}},
      {"part selected",
       "Field",
       "",
       "123",
       0,
       2,
       false,
       "9",
       {false, true, true, true, true, true}},
      {"all selected, empty clipboard",
       "Field",
       "",
       "123",
       -1,
       0,
       false,
       "",
       {false, true, true, false, true, false}},
      {"read-only result, typed before, all selected",
       "Field",
       "12",
       nullptr,
       -1,
       0,
       true,
       "9",
       {false, true, true, false, false, false}},
      {"read-only, nothing selected",
       "Field",
       "",
       "123",
       0,
       0,
       true,
       "9",
       {false, false, false, false, false, true}},
      {"area, typed, part selected",
       "Area",
       "ab\rc",
       nullptr,
       1,
       2,
       false,
       "9",
       {true, true, true, true, true, true}},
      {"at its limit, nothing selected",
       "Field",
       "",
       "12345",
       0,
       0,
       false,
       "9",
       {false, false, false, false, false, true},
       5},
      {"at its limit, part selected",
       "Field",
       "",
       "12345",
       0,
       2,
       false,
       "9",
       {false, true, true, true, true, true},
       5},
      {"empty area", "Area", "", "", 0, 0, false, "9", {false, false, false, true, false, false}},
      {"area at its limit",
       "Area",
       "",
       "ab",
       2,
       0,
       false,
       "9",
       {false, false, false, false, false, true},
       2},
      {"read-only area, part selected",
       "Area",
       "",
       "ab",
       0,
       1,
       true,
       "9",
       {false, true, true, false, false, true}},
  };
  for (const State& state : states) {
    auto control = fw::RuntimeCheckCast<fw::TextEdit>(calc->ControlByName(state.control));
    QWidget* widget = fw::testing::WidgetOf(*control);
    for (std::size_t i = 0; i < std::size(kItems); ++i) {
      SCOPED_TRACE(std::string(state.name) + " " + kItems[i]);
      control->SetProperty("ReadOnly", false);
      control->SetProperty("MaximumCharactersAllowed", state.limit);
      control->Text("-");  // what the program writes leaves nothing to undo
      control->Text("");
      control->SetFocus();
      QTest::keyClicks(widget, state.typed);
      if (state.text) control->Text(state.text);
      if (state.selectFrom < 0) {
        QMetaObject::invokeMethod(widget, "selectAll");
      } else {
        Select(widget, state.selectFrom, state.selectLength);
      }
      control->SetProperty("ReadOnly", state.readOnly);
      QGuiApplication::clipboard()->setText(state.clipboard);
      const QString before = EditState(*control);
      EXPECT_EQ(fw::testing::ShownEnabled(*calc, kItems[i]), state.enabled[i]);
      calc->ChooseMenuItem(kItems[i]);
      EXPECT_EQ(EditState(*control) != before, state.enabled[i]) << before.toStdString();
    }
  }
}

TEST_F(MenuTest, EditItemsAreDisabledWhereNoTextControlHasTheFocus) {
  QApplication::setActiveWindow(fw::testing::WidgetOf(*calc));
  auto field = fw::RuntimeCheckCast<fw::TextField>(calc->ControlByName("Field"));
  field->SetFocus();
  QTest::keyClicks(fw::testing::WidgetOf(*field), "12");
  QGuiApplication::clipboard()->setText("9");
  EXPECT_TRUE(fw::testing::ShownEnabled(*calc, "EditUndo"));
  fw::testing::WidgetOf(*field)->clearFocus();
  for (const char* item : {"EditUndo", "EditPaste", "EditSelectAll"}) {
    EXPECT_FALSE(fw::testing::ShownEnabled(*calc, item)) << item;
  }
}

// A disabled item's shortcut does nothing in Qt; once the state changed, the keys act although
// the menu was last opened while they would not have. The items get keys that the text controls
// do not take themselves (they take Ctrl+Z, X, C, V and A), so only the items can act on them.
TEST_F(MenuTest, ShortcutsActAsSoonAsTheirItemWouldWithoutTheMenuOpened) {
  QApplication::setActiveWindow(fw::testing::WidgetOf(*calc));
  const std::map<std::string, Qt::Key> keys = {{"EditUndo", Qt::Key_F2},
                                               {"EditCut", Qt::Key_F3},
                                               {"EditCopy", Qt::Key_F4},
                                               {"EditPaste", Qt::Key_F5},
                                               {"EditSelectAll", Qt::Key_F6}};
  for (const auto& [item, key] : keys) {
    bar->Lookup(item)->CommandKey(QKeySequence(key).toString().toStdString());
  }
  for (const char* name : {"Field", "Area"}) {
    SCOPED_TRACE(name);
    auto edit = fw::RuntimeCheckCast<fw::TextEdit>(calc->ControlByName(name));
    QWidget* widget = fw::testing::WidgetOf(*edit);
    const auto press = [&](const char* item) { QTest::keyClick(widget, keys.at(item)); };
    edit->SetProperty("ReadOnly", false);
    edit->Text("");
    edit->SetFocus();
    QGuiApplication::clipboard()->clear();
    for (const auto& [item, key] : keys)
      ASSERT_FALSE(fw::testing::ShownEnabled(*calc, item)) << item;
    QTest::keyClicks(widget, "12");
    press("EditUndo");
    EXPECT_EQ(edit->Text(), "");
    QTest::keyClicks(widget, "34");
    press("EditSelectAll");
    press("EditCopy");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "34");
    press("EditCut");
    EXPECT_EQ(edit->Text(), "");
    press("EditPaste");
    press("EditPaste");
    EXPECT_EQ(edit->Text(), "3434");

    // A read-only result: copied once selected.
    QGuiApplication::clipboard()->clear();
    edit->SetProperty("ReadOnly", true);
    edit->Text("0.1818");
    ASSERT_FALSE(fw::testing::ShownEnabled(*calc, "EditCopy"));
    press("EditSelectAll");
    press("EditCopy");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "0.1818");
  }
}

// Decided at the press, not when the menu was last opened: a key that the text control does not
// know itself shows it.
TEST_F(MenuTest, AShortcutActsByTheStateAtThePressOfItsKey) {
  QApplication::setActiveWindow(fw::testing::WidgetOf(*calc));
  bar->Lookup("EditClear")->CommandKey("Ctrl+D");
  auto field = fw::RuntimeCheckCast<fw::TextField>(calc->ControlByName("Field"));
  auto* edit = qobject_cast<QLineEdit*>(fw::testing::WidgetOf(*field));
  field->Text("123");
  field->SetFocus();
  ASSERT_FALSE(fw::testing::ShownEnabled(*calc, "EditClear"));
  edit->setSelection(1, 2);
  QTest::keyClick(edit, Qt::Key_D, Qt::ControlModifier);
  EXPECT_EQ(field->Text(), "1");
}

}  // namespace
}  // namespace gui_test
