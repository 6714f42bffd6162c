// The shared menu bar as data: its menus, entries, captions, shortcuts and item classes.
#include "shell/menu_bar1.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/core/call_log.h"

namespace quorvan {
namespace {

struct Row {
  const char* name;
  const char* caption;
  const char* shortcut;
  const fw::ClassInfo& cls;
};

void ExpectItems(const std::vector<fw::Ref<fw::MenuItem>>& items, const std::vector<Row>& rows) {
  ASSERT_EQ(items.size(), rows.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const fw::MenuItem& item = *items[i];
    SCOPED_TRACE(rows[i].name);
    EXPECT_EQ(item.Name(), rows[i].name);
    EXPECT_EQ(item.Text(), rows[i].caption);
    EXPECT_EQ(item.CommandKey(), rows[i].shortcut);
    EXPECT_TRUE(item.AutoEnable());
    EXPECT_TRUE(item.Visible());
    EXPECT_EQ(&item.Class(), &rows[i].cls);
  }
}

TEST(MenuBar1, HoldsThreeMenusWithTheirEntriesInOrder) {
  fw::Ref<class MenuBar1> bar = MenuBar1();
  ASSERT_TRUE(bar);
  EXPECT_EQ(bar->Class().name, "MenuBar1.MenuBar1");
  const fw::ClassInfo& item = fw::MenuItem::StaticClass();
  ExpectItems(bar->Children(), {{"FileMenu", "&File", "", item},
                                {"EditMenu", "&Edit", "", item},
                                {"InfoMenu", "Window", "", item}});
  ExpectItems(bar->Children()[0]->Children(),
              {{"FileQuit", "E&xit", "", fw::QuitMenuItem::StaticClass()},
               {"AboutItem", "About Quorvan", "", fw::PrefsMenuItem::StaticClass()}});
  ExpectItems(bar->Children()[1]->Children(), {{"EditUndo", "&Undo", "Ctrl+Z", item},
                                               {"UntitledMenu1", "-", "", item},
                                               {"EditCut", "Cu&t", "Ctrl+X", item},
                                               {"EditCopy", "&Copy", "Ctrl+C", item},
                                               {"EditPaste", "&Paste", "Ctrl+V", item},
                                               {"EditClear", "&Delete", "", item},
                                               {"UntitledMenu0", "-", "", item},
                                               {"EditSelectAll", "Select &All", "Ctrl+A", item}});
  ExpectItems(bar->Children()[2]->Children(),
              {{"ControlItem", "Control", "", item}, {"InfoItem", "Info", "", item}});
}

TEST(MenuBar1, IsBuiltOnceAndSharedByEveryCaller) {
  fw::Ref<class MenuBar1> first = MenuBar1();
  int lookups = 0;
  fw::SetCallRecorder([&](std::string_view call) { lookups += call == "MenuItem.Child"; });
  EXPECT_EQ(MenuBar1(), first);
  fw::SetCallRecorder({});
  EXPECT_EQ(lookups, 0) << "a second call must not build again";
}

}  // namespace
}  // namespace quorvan
