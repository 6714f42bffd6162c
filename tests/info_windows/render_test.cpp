// Renders the help window and the About box offscreen to PNG files in the build folder, so their
// look can be reviewed, and checks the few pixels that show the layout came out and, with each
// control's own font, that every text keeps to its lines and its box.
#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QWidget>
#include <string>
#include <vector>

#include "info_windows/about_wnd.h"
#include "info_windows/help_wnd.h"
#include "tests/info_windows/window_fixture.h"
#include "tests/support/text_fit.h"

namespace {

using Render = WindowTest;

QImage Rendered(fw::Window& window, const std::string& file) {
  QWidget* widget = fw::testing::WidgetOf(window);
  const QImage image = widget->grab().toImage();
  const QString path = QString::fromStdString(std::string(QUORVAN_RENDER_DIR) + "/" + file);
  EXPECT_TRUE(image.save(path)) << file;
  return image;
}

bool IsWhite(const QImage& image, int x, int y) {
  return image.pixelColor(x, y).lightness() > 250;
}

TEST_F(Render, AboutBox) {
  fw::Ref<class quorvan::AboutWnd> box = quorvan::AboutWnd();
  const QImage image = Rendered(*box, "about_wnd.png");
  ASSERT_EQ(image.size(), QSize(473, 303));
  EXPECT_TRUE(IsWhite(image, 5, 5)) << "white background";
  int drawn = 0;  // the banner picture shows inside its canvas
  for (int x = 21; x < 454; x += 4) drawn += IsWhite(image, x, 63) ? 0 : 1;
  EXPECT_GT(drawn, 10);
  // Both labels read in full on one line in their boxes.
  for (const auto& label : {box->StaticText2(), box->StaticText21()}) {
    SCOPED_TRACE(label->Text());
    const QWidget* shown = fw::testing::WidgetOf(fw::Must(label));
    EXPECT_EQ(quorvan::text_fit::LinesPerLine(*shown), std::vector<int>{1});
    EXPECT_TRUE(quorvan::text_fit::FitsItsBox(*shown));
  }
}

TEST_F(Render, HelpWindow) {
  fw::Ref<class quorvan::helpWnd> help = quorvan::helpWnd();
  const QImage image = Rendered(*help, "help_wnd.png");
  EXPECT_FALSE(image.isNull());
  // The bordered text area shows its white face, not the window's grey: in its top left margin.
  const QWidget* shown = fw::testing::WidgetOf(fw::Must(help->EditField1()));
  const QPoint margin = shown->mapTo(shown->window(), QPoint(3, 3));
  EXPECT_EQ(image.pixelColor(margin), QColor(Qt::white));
  // The paragraphs wrap at the window's width, but the separator stands on one line.
  const QStringList lines = quorvan::text_fit::ShownText(*shown).split(QLatin1Char('\n'));
  const qsizetype separator = lines.indexOf(QString(91, QLatin1Char('*')));
  ASSERT_NE(separator, -1);
  EXPECT_EQ(quorvan::text_fit::LinesPerLine(*shown).at(separator), 1);
  EXPECT_TRUE(quorvan::text_fit::FitsItsBox(*shown));
}

}  // namespace
