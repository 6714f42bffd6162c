// Renders the calculator window offscreen into the build folder, for a person to look at.
#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>
#include <QWidget>

#include <filesystem>

#include "tests/calculator/control_wnd_fixture.h"

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

}  // namespace
}  // namespace quorvan
