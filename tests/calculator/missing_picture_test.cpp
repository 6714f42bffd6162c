// The calculator window without its banner file. Its own program, so that no earlier test has
// cached the picture already.
#include <gtest/gtest.h>

#include "calculator/control_wnd.h"
#include "framework/seams.h"
#include "framework/testing.h"
#include "tests/support/temp_folder.h"

namespace quorvan {
namespace {

TEST(MissingPicture, WindowIsBuiltInFullWithABareBanner) {
  const testing_support::TempFolder empty;
  fw::seams::SetPictureFolder(empty.Path());
  int messages = 0;
  fw::seams::SetMessageBox([&](std::string_view) { ++messages; });

  fw::Ref<class ControlWnd> window = ControlWnd();
  ASSERT_TRUE(window);
  EXPECT_EQ(window->ControlNames().size(), 12u);
  ASSERT_TRUE(window->Canvas1());
  EXPECT_FALSE(window->Canvas1()->Backdrop());
  EXPECT_TRUE(window->Canvas1()->Visible());
  EXPECT_EQ(messages, 0);

  window.reset();
  fw::testing::CloseAllWindows();
  fw::seams::SetMessageBox({});
  fw::seams::SetPictureFolder({});
}

}  // namespace
}  // namespace quorvan
