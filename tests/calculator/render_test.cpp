// Renders the calculator window offscreen into the build folder, for a person to look at, and
// checks with each control's own font that every text keeps to its lines and its box.
#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>
#include <QRect>
#include <QWidget>

#include <filesystem>
#include <string_view>
#include <vector>

#include "tests/calculator/control_wnd_fixture.h"
#include "tests/support/text_fit.h"

namespace quorvan {
namespace {

using RenderTest = ControlWndFixture;

TEST_F(RenderTest, WritesTheCalculatorWindowWithAResultToPng) {
  Calculate(".03", "7.408");
  QWidget* widget = fw::testing::WidgetOf(*window);
  ASSERT_NE(widget, nullptr);
  const QImage image = widget->grab().toImage();
  EXPECT_GE(image.width(), 610);
  EXPECT_GE(image.height(), 480);
  const std::filesystem::path file = std::filesystem::path(QUORVAN_REVIEW_DIR) / "control_wnd.png";
  std::filesystem::create_directories(file.parent_path());
  EXPECT_TRUE(image.save(QString::fromStdString(file.string()), "PNG"));
}

// The inputs are transparent by their lists but bordered: on the frame's pale fill they show white,
// as text boxes do.
TEST_F(RenderTest, TheInputFieldsShowAWhiteFace) {
  const QImage client = fw::testing::ClientAreaOf(*window)->grab().toImage();
  for (const char* name : {"PreFld", "LikeFld"}) {
    SCOPED_TRACE(name);
    const QRect field = fw::testing::WidgetOf(Field(name))->geometry();
    // Left of the centred caret, inside the border.
    EXPECT_EQ(client.pixelColor(field.left() + 10, field.center().y()), QColor(Qt::white));
  }
}

TEST_F(RenderTest, EveryTextKeepsToItsLinesAndItsBox) {
  Calculate(".03", "7.408");
  struct Case {
    std::string_view control;
    int lines;
  };
  const Case cases[] = {
      {"PreText", 2}, {"LikeText", 2}, {"PostText", 2}, {"PreFld", 1},     {"LikeFld", 1},
      {"PostFld", 1}, {"ClearBtn", 1}, {"helpBtn", 1},  {"computeBtn", 1}, {"Copyright", 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.control);
    const QWidget* shown = fw::testing::WidgetOf(
        fw::Must(fw::RuntimeCheckCast<fw::RectControl>(window->ControlByName(c.control))));
    ASSERT_NE(shown, nullptr);
    EXPECT_FALSE(text_fit::ShownText(*shown).isEmpty());
    EXPECT_EQ(text_fit::LinesPerLine(*shown), std::vector<int>(c.lines, 1)) << "wraps";
    EXPECT_TRUE(text_fit::FitsItsBox(*shown)) << "clipped";
  }
}

}  // namespace
}  // namespace quorvan
