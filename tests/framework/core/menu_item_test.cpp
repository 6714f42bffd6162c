#include "framework/core/menu_item.h"

#include <gtest/gtest.h>

#include <string>

#include "framework/core/call_log.h"

namespace fw {
namespace {

Ref<MenuItem> Item(std::string_view name, std::string_view text = "") {
  auto item = std::make_shared<MenuItem>();
  item->Constructor();
  item->Name(name);
  item->Text(text);
  return item;
}

// A bar in the shape of the program's: File, Edit (with a separator), Window.
struct MenuFixture : ::testing::Test {
  void SetUp() override {
    bar->Constructor();
    file->AddMenu(Item("FileQuit", "E&xit"));
    edit->AddMenu(Item("EditUndo", "&Undo"));
    edit->AddMenu(Item("UntitledMenu1", "-"));
    edit->AddMenu(Item("EditCut", "Cu&t"));
    window->AddMenu(Item("InfoItem", "Info"));
    bar->AddMenu(file);
    bar->AddMenu(edit);
    bar->AddMenu(window);
  }
  Ref<MenuItem> bar = std::make_shared<MenuBar>();
  Ref<MenuItem> file = Item("FileMenu", "&File");
  Ref<MenuItem> edit = Item("EditMenu", "&Edit");
  Ref<MenuItem> window = Item("InfoMenu", "Window");
};

TEST_F(MenuFixture, ChildFindsOnlyDirectChildrenLookupSearchesTheTree) {
  EXPECT_EQ(bar->Child("EditMenu"), edit);
  EXPECT_EQ(bar->Child("EditCut"), nullptr);
  EXPECT_EQ(edit->Child("EditCut")->Text(), "Cu&t");
  EXPECT_EQ(bar->Lookup("InfoItem")->Text(), "Info");
  EXPECT_EQ(bar->Lookup("FileMenu"), file);
  EXPECT_EQ(bar->Lookup("NoSuchItem"), nullptr);
  EXPECT_EQ(file->Lookup("FileMenu"), nullptr) << "Lookup searches below the item only";
  EXPECT_TRUE(bar->Lookup("UntitledMenu1")->IsSeparator());
  EXPECT_FALSE(bar->Lookup("EditCut")->IsSeparator());
}

TEST_F(MenuFixture, LookupTakesTheFirstInMenuOrder) {
  file->AddMenu(Item("Twice", "in File"));
  bar->AddMenu(Item("Twice", "in the bar"));
  EXPECT_EQ(bar->Lookup("Twice")->Text(), "in File");
  EXPECT_EQ(bar->Child("Twice")->Text(), "in the bar");
}

TEST_F(MenuFixture, LookupsAreRecorded) {
  std::string log;
  SetCallRecorder([&](std::string_view call) { log += std::string(call) + ";"; });
  bar->Lookup("FileQuit");
  bar->Child("FileMenu");
  SetCallRecorder({});
  EXPECT_EQ(log, "MenuItem.Lookup;MenuItem.Child;");
}

TEST_F(MenuFixture, AChangeBelowBumpsTheBarsRevision) {
  const auto before = bar->Revision();
  bar->Lookup("EditUndo")->Text("&Undo Typing");
  const auto afterText = bar->Revision();
  EXPECT_GT(afterText, before);
  window->AddMenu(Item("ControlItem", "Control"));
  EXPECT_GT(bar->Revision(), afterText);
}

TEST_F(MenuFixture, AnItemBelongsToOneMenuAndNoMenuContainsItself) {
  EXPECT_THROW(window->AddMenu(bar->Lookup("FileQuit")), InvalidArgumentException);
  EXPECT_THROW(edit->AddMenu(bar), InvalidArgumentException);
  EXPECT_THROW(edit->AddMenu(edit), InvalidArgumentException);
  EXPECT_THROW(edit->AddMenu(nullptr), NilObjectException);
  EXPECT_EQ(window->Children().size(), 1u);
}

TEST_F(MenuFixture, AChildOutlivingItsMenuIsSafeToChange) {
  Ref<MenuItem> quit = bar->Lookup("FileQuit");
  bar.reset();
  file.reset();
  quit->Text("Quit");  // must not reach the freed menu
  EXPECT_EQ(quit->Text(), "Quit");
}

TEST(MenuItem, ConstructorMakesAnEmptyItem) {
  auto item = Item("FileQuit", "E&xit");
  item->CommandKey("Ctrl+Q");
  item->Visible(false);
  item->AutoEnable(true);
  item->AddMenu(Item("Sub"));
  item->Constructor();
  EXPECT_EQ(item->Name(), "");
  EXPECT_EQ(item->Text(), "");
  EXPECT_EQ(item->CommandKey(), "");
  EXPECT_TRUE(item->Visible());
  EXPECT_FALSE(item->AutoEnable());
  EXPECT_TRUE(item->Children().empty());
}

TEST(MenuItem, SubclassesAreKnownAsMenuItems) {
  EXPECT_TRUE(QuitMenuItem().IsA(MenuItem::StaticClass()));
  EXPECT_TRUE(PrefsMenuItem().IsA(MenuItem::StaticClass()));
  EXPECT_FALSE(MenuBar().IsA(QuitMenuItem::StaticClass()));
}

}  // namespace
}  // namespace fw
