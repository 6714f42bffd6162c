// A build of the shared bar that fails part-way. Its own program, so that no earlier build in
// the same process has stored a bar already.
#include <gtest/gtest.h>

#include "framework/core/call_log.h"
#include "framework/core/exceptions.h"
#include "shell/menu_bar1.h"

namespace quorvan {
namespace {

TEST(MenuBar1Failure, StoresNothingAndTheNextCallBuildsAFreshBar) {
  // The Edit menu's first entry fails to find its menu: File is built, Edit half-built.
  int lookups = 0;
  fw::SetCallRecorder([&](std::string_view call) {
    if (call == "MenuItem.Child" && ++lookups == 3) throw fw::NilObjectException("injected");
  });
  EXPECT_THROW(MenuBar1(), fw::NilObjectException);

  lookups = 0;
  fw::SetCallRecorder([&](std::string_view call) { lookups += call == "MenuItem.Child"; });
  fw::Ref<class MenuBar1> bar = MenuBar1();
  ASSERT_TRUE(bar);
  EXPECT_EQ(lookups, 12) << "every entry looks up its menu again, from the first";
  ASSERT_EQ(bar->Children().size(), 3u);
  EXPECT_EQ(bar->Children()[0]->Children().size(), 2u);
  EXPECT_EQ(bar->Children()[1]->Children().size(), 8u);
  EXPECT_EQ(bar->Children()[2]->Children().size(), 2u);

  lookups = 0;
  EXPECT_EQ(MenuBar1(), bar);
  EXPECT_EQ(lookups, 0);
  fw::SetCallRecorder({});
}

}  // namespace
}  // namespace quorvan
