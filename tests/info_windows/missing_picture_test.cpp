// The About box with neither of its pictures to be found: its canvases stay empty, and it shows
// and hands over as ever. A process of its own, since a picture once found is kept for the run.
#include <QTest>
#include <filesystem>

#include "calculator/control_wnd.h"
#include "info_windows/about_wnd.h"
#include "tests/info_windows/window_fixture.h"
#include "tests/support/temp_folder.h"

namespace {

class AboutBoxWithoutPictures : public WindowTest {
 protected:
  std::filesystem::path PictureFolder() const override {
    static const testing_support::TempFolder empty;
    return empty.Path();
  }
};

TEST_F(AboutBoxWithoutPictures, CanvasesStayEmptyAndTheHandOverWorks) {
  fw::Ref<class quorvan::AboutWnd> box = quorvan::AboutWnd();
  ASSERT_TRUE(box);
  EXPECT_TRUE(box->Visible());
  EXPECT_EQ(fw::Must(box->Canvas1()).Backdrop(), nullptr);
  EXPECT_EQ(fw::Must(box->Canvas2()).Backdrop(), nullptr);
  EXPECT_EQ(fw::Must(box->StaticText21()).Text(), "the Quorvan authors");

  QTest::mousePress(fw::testing::WidgetOf(*box), Qt::LeftButton, {}, QPoint(237, 200));
  EXPECT_FALSE(box->Visible());
  fw::Ref<fw::Window> calculator = fw::GetImplicitWindow("ControlWnd.ControlWnd");
  ASSERT_TRUE(calculator);
  EXPECT_TRUE(calculator->Visible());
}

}  // namespace
