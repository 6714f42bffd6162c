// Controls: events by number with their arguments, the key filter on every way text comes in,
// the character limit, TextChange, button presses and clicks, and the properties that show.
#include <QClipboard>
#include <QDropEvent>
#include <QEnterEvent>
#include <QFontInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QWindow>
#include <type_traits>

#include "framework/picture.h"
#include "tests/framework/gui/gui_fixture.h"

namespace gui_test {
namespace {

class ControlsTest : public GuiTest {
 protected:
  // A window with one bound text field whose KeyDown swallows letters.
  void SetUp() override {
    GuiTest::SetUp();
    window = OpenWindow("Fields.Fields", [](TestWindow& w) {
      auto field = AddControl<fw::TextField>(w, "Field", 10, 10, 120, 22);
      Bind(w, *field, fw::kKeyDownEvent, &TestWindow::KeyDown);
      Bind(w, *field, fw::kTextChangeEvent, &TestWindow::TextChange);
    });
    window->swallow = [](std::string_view key) { return !key.empty() && std::isalpha(key[0]); };
    field = fw::RuntimeCheckCast<fw::TextField>(window->ControlByName("Field"));
    edit = qobject_cast<QLineEdit*>(fw::testing::WidgetOf(*field));
    ASSERT_NE(edit, nullptr);
    field->SetFocus();
    window->log.clear();
  }

  fw::Ref<TestWindow> window;
  fw::Ref<fw::TextField> field;
  QLineEdit* edit = nullptr;
};

TEST_F(ControlsTest, KeysThatTypeReachKeyDownAndTheResultDecides) {
  QTest::keyClicks(edit, "1a2");
  EXPECT_EQ(field->Text(), "12");
  EXPECT_EQ(edit->text(), "12");
  struct Case {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char* reaches;  // the text KeyDown gets, or nullptr
  };
  const Case cases[] = {
      {"Backspace", Qt::Key_Backspace, {}, "\b"},
      {"Tab", Qt::Key_Tab, {}, "\t"},
      {"Return", Qt::Key_Return, {}, "\r"},
      {"Escape", Qt::Key_Escape, {}, "\x1b"},
      {"Space", Qt::Key_Space, {}, " "},
      {"Left", Qt::Key_Left, {}, nullptr},
      {"Home", Qt::Key_Home, {}, nullptr},
      {"End", Qt::Key_End, {}, nullptr},
      {"Delete", Qt::Key_Delete, {}, nullptr},
      {"PageUp", Qt::Key_PageUp, {}, nullptr},
      {"Ctrl+A", Qt::Key_A, Qt::ControlModifier, nullptr},
  };
  for (const Case& c : cases) {
    window->log.clear();
    QTest::keyClick(edit, c.key, c.modifiers);
    std::vector<std::string> expected;
    if (c.reaches) expected.push_back(std::string("Field KeyDown ") + c.reaches);
    std::erase(window->log, "Field TextChange");
    EXPECT_EQ(window->log, expected) << c.name;
  }
}

TEST_F(ControlsTest, ALetThroughKeyEditsAndKeysWithoutCharacterKeepTheirMeaning) {
  QTest::keyClicks(edit, "123");
  QTest::keyClick(edit, Qt::Key_Backspace);
  EXPECT_EQ(field->Text(), "12");
  QTest::keyClick(edit, Qt::Key_Home);
  QTest::keyClick(edit, Qt::Key_Delete);
  EXPECT_EQ(field->Text(), "2");
  window->swallow = [](std::string_view) { return true; };
  QTest::keyClick(edit, Qt::Key_Backspace);
  QTest::keyClick(edit, Qt::Key_End);
  QTest::keyClick(edit, Qt::Key_Backspace);
  EXPECT_EQ(field->Text(), "2");
}

TEST_F(ControlsTest, PastedTextPassesThroughKeyDownCharacterByCharacter) {
  QGuiApplication::clipboard()->setText("1x2\r\n3");
  QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(field->Text(), "123");
  std::erase(window->log, "Field TextChange");
  EXPECT_EQ(window->log,
            (std::vector<std::string>{"Field KeyDown 1", "Field KeyDown x", "Field KeyDown 2",
                                      "Field KeyDown \r", "Field KeyDown 3"}));
}

TEST_F(ControlsTest, DroppedTextPassesThroughKeyDownToo) {
  QMimeData dropped;
  dropped.setText("4y5");
  QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &dropped, Qt::LeftButton, {});
  QApplication::sendEvent(edit, &enter);  // a drop goes to the widget that took the drag
  QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &dropped, Qt::LeftButton, {});
  QApplication::sendEvent(edit, &drop);
  EXPECT_EQ(field->Text(), "45");
  std::erase(window->log, "Field TextChange");
  EXPECT_EQ(window->log,
            (std::vector<std::string>{"Field KeyDown 4", "Field KeyDown y", "Field KeyDown 5"}));
}

TEST_F(ControlsTest, TheCharacterLimitHoldsForTypingAndPastingButNotForTheProgram) {
  field->SetProperty("MaximumCharactersAllowed", std::int64_t{5});
  QTest::keyClicks(edit, "1234567");
  EXPECT_EQ(field->Text(), "12345");
  field->Text("");
  QGuiApplication::clipboard()->setText("98765432");
  QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(field->Text(), "98765");
  edit->selectAll();
  QTest::keyClicks(edit, "4");  // replacing the selection makes room
  EXPECT_EQ(field->Text(), "4");
  field->Text("0.123456789");
  EXPECT_EQ(field->Text(), "0.123456789");
}

// Whatever modifiers are held, a key that types goes through KeyDown and the limit, or types
// nothing; shortcuts that type nothing keep their meaning.
TEST_F(ControlsTest, ModifiedKeysThatTypePassTheFilterAndTheLimit) {
  auto area = AddControl<fw::TextArea>(*window, "Area", 0, 100, 300, 100);
  Bind(*window, *area, fw::kKeyDownEvent, &TestWindow::AreaKeyDown);
  area->SetProperty("AllowTabs", true);
  // Digits and Tab pass, as in the calculator's fields.
  window->swallow = [](std::string_view key) {
    return key != "\t" && (key.empty() || !std::isdigit(key[0]));
  };
  struct Key {
    const char* name;
    Qt::Key key;
    const char16_t* text;
    Qt::KeyboardModifiers modifiers;
    const char* before;
    const char* after;
  };
  const Key keys[] = {
      {"Meta+minus", Qt::Key_Minus, u"-", Qt::MetaModifier, "1234", "1234"},
      {"Ctrl+Alt+minus, AltGr on Windows", Qt::Key_Minus, u"-",
       Qt::ControlModifier | Qt::AltModifier, "1234", "1234"},
      {"AltGr+minus", Qt::Key_Minus, u"-", Qt::GroupSwitchModifier, "1234", "1234"},
      {"Alt+minus", Qt::Key_Minus, u"-", Qt::AltModifier, "1234", "1234"},
      {"Shift+underscore", Qt::Key_Underscore, u"_", Qt::ShiftModifier, "1234", "1234"},
      {"Meta+Ctrl+minus", Qt::Key_Minus, u"-", Qt::MetaModifier | Qt::ControlModifier, "1234",
       "1234"},
      {"Ctrl+Shift+zero-width non-joiner", Qt::Key_unknown, u"\u200C",
       Qt::ControlModifier | Qt::ShiftModifier, "1234", "1234"},
      {"private-use character", Qt::Key_unknown, u"\uE000", Qt::NoModifier, "1234", "1234"},
      {"Meta+5", Qt::Key_5, u"5", Qt::MetaModifier, "1234", "12345"},
      {"Meta+6 at the limit", Qt::Key_6, u"6", Qt::MetaModifier, "12345", "12345"},
      {"Ctrl+Alt+6 at the limit", Qt::Key_6, u"6", Qt::ControlModifier | Qt::AltModifier, "12345",
       "12345"},
      {"AltGr+6 at the limit", Qt::Key_6, u"6", Qt::GroupSwitchModifier, "12345", "12345"},
      {"Shift+6 at the limit", Qt::Key_6, u"6", Qt::ShiftModifier, "12345", "12345"},
      {"Tab at the limit", Qt::Key_Tab, u"\t", Qt::NoModifier, "12345", "12345"},
  };
  const std::pair<fw::TextEdit*, const char*> controls[] = {{field.get(), "Field"},
                                                            {area.get(), "Area"}};
  for (const auto& [control, name] : controls) {
    QWidget* widget = fw::testing::WidgetOf(*control);
    control->SetProperty("MaximumCharactersAllowed", std::int64_t{5});
    for (const Key& k : keys) {
      SCOPED_TRACE(std::string(name) + " " + k.name);
      control->SetFocus();
      control->Text(k.before);
      QTest::keyClick(widget, Qt::Key_End);
      window->log.clear();
      const QString text = QString::fromUtf16(k.text);
      QTest::sendKeyEvent(QTest::Click, widget, k.key, text, k.modifiers);
      std::erase(window->log, std::string(name) + " TextChange");
      EXPECT_EQ(window->log,
                (std::vector<std::string>{std::string(name) + " KeyDown " + text.toStdString()}));
      EXPECT_EQ(control->Text(), k.after);
    }
    window->log.clear();
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(widget, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(widget, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "12345") << name;
    EXPECT_EQ(control->Text(), "12345") << name;
    EXPECT_TRUE(window->log.empty()) << name;
  }
}

TEST_F(ControlsTest, TextChangeFollowsEveryChangeByTheUserOrTheProgram) {
  QTest::keyClicks(edit, "12");
  field->Text("7");
  field->Text("7");  // no change, no event
  field->Text("");
  EXPECT_EQ(std::ranges::count(window->log, "Field TextChange"), 4);
  EXPECT_EQ(field->StringProperty("Value"), "");
}

TEST_F(ControlsTest, ReadOnlyFieldsTakeNoTypingAndDisabledOnesNoInput) {
  field->Text("5");
  field->SetProperty("ReadOnly", true);
  QTest::keyClicks(edit, "9");
  EXPECT_EQ(field->Text(), "5");
  EXPECT_TRUE(field->ReadOnly());
  field->Enabled(false);
  EXPECT_FALSE(edit->isEnabled());
}

TEST_F(ControlsTest, ButtonsRaiseMouseDownOnThePressAndActionOnACompletedClick) {
  auto button = AddControl<fw::BevelButton>(*window, "Button", 10, 50, 100, 40);
  Bind(*window, *button, fw::kBevelButtonMouseDownEvent, &TestWindow::MouseDown);
  Bind(*window, *button, fw::kBevelButtonActionEvent, &TestWindow::Action);
  QWidget* widget = fw::testing::WidgetOf(*button);
  window->log.clear();
  QTest::mousePress(widget, Qt::LeftButton, {}, QPoint(7, 9));
  EXPECT_EQ(window->log, (std::vector<std::string>{"Button MouseDown 7,9"}));
  QTest::mouseRelease(widget, Qt::LeftButton, {}, QPoint(7, 9));
  EXPECT_EQ(window->log.back(), "Button Action");
  window->log.clear();
  QTest::mousePress(widget, Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseRelease(widget, Qt::LeftButton, {}, QPoint(500, 500));  // released outside
  EXPECT_EQ(window->log, (std::vector<std::string>{"Button MouseDown 5,5"}));
}

TEST_F(ControlsTest, MouseEnterAndExitReachTheirHandlers) {
  auto canvas = AddControl<fw::Canvas>(*window, "Banner", 10, 100, 100, 40);
  Bind(*window, *canvas, fw::kMouseEnterEvent, &TestWindow::Enter);
  Bind(*window, *canvas, fw::kMouseExitEvent, &TestWindow::Exit);
  QWidget* widget = fw::testing::WidgetOf(*canvas);
  window->log.clear();
  QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
  QApplication::sendEvent(widget, &enter);
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(widget, &leave);
  EXPECT_EQ(window->log, (std::vector<std::string>{"Banner MouseEnter", "Banner MouseExit"}));
}

TEST_F(ControlsTest, TextAreasAndLabelsShowCrLfAsOneLineBreak) {
  auto area = AddControl<fw::TextArea>(*window, "Area", 0, 100, 300, 100);
  area->Text("first\r\nsecond\r\n\r\nfourth");
  auto* box = qobject_cast<QTextEdit*>(fw::testing::WidgetOf(*area));
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->toPlainText(), "first\nsecond\n\nfourth");
  EXPECT_EQ(box->document()->blockCount(), 4);
  EXPECT_EQ(area->Text(), "first\r\nsecond\r\n\r\nfourth");

  auto label = AddControl<fw::Label>(*window, "Caption", 0, 210, 100, 36);
  label->SetProperty("MultiLine", true);
  label->Text("Pretest\r\nProbability");
  auto* shown = qobject_cast<QLabel*>(fw::testing::WidgetOf(*label));
  EXPECT_EQ(shown->text(), "Pretest\nProbability");
}

TEST_F(ControlsTest, PastingIntoATextAreaPassesThroughItsKeyDown) {
  auto area = AddControl<fw::TextArea>(*window, "Area", 0, 100, 300, 100);
  Bind(*window, *area, fw::kKeyDownEvent, &TestWindow::AreaKeyDown);
  area->SetFocus();
  window->log.clear();
  QGuiApplication::clipboard()->setText("a1\r\nb2");
  window->swallow = [](std::string_view key) { return key == "1" || key == "2"; };
  window->ChooseMenuItem("EditPaste");
  EXPECT_EQ(area->Text(), "a\r\nb");
  EXPECT_EQ(window->log.size(), 5u);
}

TEST_F(ControlsTest, LooksFollowTheProperties) {
  auto button = AddControl<fw::BevelButton>(*window, "Button", 40, 420, 100, 40);
  button->SetProperty("Caption", std::string("Calculate"));
  button->SetProperty("HasBackgroundColor", true);
  button->SetProperty("BackgroundColor", fw::Color{0xB3, 0xB3, 0xB3, 0});
  button->SetProperty("TextColor", fw::Color{0x02, 0x00, 0x80, 0});
  button->SetProperty("AllowFocus", false);
  button->SetProperty("FontName", std::string("System"));
  button->SetProperty("FontSize", 32.0f);
  button->SetProperty("Bold", true);
  auto* push = qobject_cast<QPushButton*>(fw::testing::WidgetOf(*button));
  EXPECT_EQ(push->text(), "Calculate");
  EXPECT_EQ(push->geometry(), QRect(40, 420, 100, 40));
  EXPECT_EQ(push->palette().color(QPalette::Button), QColor(0xB3, 0xB3, 0xB3));
  EXPECT_EQ(push->palette().color(QPalette::ButtonText), QColor(0x02, 0x00, 0x80));
  EXPECT_EQ(push->focusPolicy(), Qt::NoFocus);
  EXPECT_EQ(QFontInfo(push->font()).family(), "Liberation Sans");
  EXPECT_EQ(push->font().pixelSize(), 32);
  EXPECT_TRUE(push->font().bold());
  button->Visible(false);
  EXPECT_TRUE(push->isHidden());

  // Stacking follows creation order: the later control lies above where they overlap.
  auto below = AddControl<fw::Canvas>(*window, "Below", 200, 200, 100, 100);
  auto above = AddControl<fw::TextArea>(*window, "Above", 200, 280, 100, 17);
  QWidget* client = fw::testing::ClientAreaOf(*window);
  QWidget* top = client->childAt(250, 290);
  EXPECT_TRUE(top == fw::testing::WidgetOf(*above) ||
              fw::testing::WidgetOf(*above)->isAncestorOf(top));
}

TEST_F(ControlsTest, FacesResolveToAnInstalledFamilyWhateverTheDesktopPrefers) {
  const QFont desktop = QApplication::font();
  QApplication::setFont(QFont(QStringLiteral("DejaVu Serif")));
  auto label = AddControl<fw::Label>(*window, "Label", 10, 40, 120, 20);
  const std::pair<const char*, const char*> cases[] = {
      {"System", "Liberation Sans"},
      {"", "Liberation Sans"},
      {"No Such Face", "Liberation Sans"},
      {"DejaVu Sans Mono", "DejaVu Sans Mono"},
  };
  for (const auto& [face, family] : cases) {
    label->SetProperty("FontName", std::string(face));
    EXPECT_EQ(QFontInfo(fw::testing::WidgetOf(*label)->font()).family(), family) << face;
  }
  QApplication::setFont(desktop);
}

TEST_F(ControlsTest, TabGoesThroughTheTabStopsInTabIndexOrder) {
  auto window = OpenWindow("Tabs.Tabs", [](TestWindow& w) {
    const std::pair<const char*, std::int64_t> fields[] = {{"Post", 3}, {"Like", 1}, {"Pre", 0}};
    for (const auto& [name, index] : fields) {
      AddControl<fw::TextField>(w, name, 0, 0, 50, 20)->SetProperty("TabIndex", index);
    }
    auto caption = AddControl<fw::TextField>(w, "Skipped", 0, 0, 50, 20);
    caption->SetProperty("TabIndex", std::int64_t{2});
    caption->SetProperty("TabStop", false);
  });
  auto widget = [&](const char* name) {
    return fw::testing::WidgetOf(
        *fw::RuntimeCheckCast<fw::RectControl>(window->ControlByName(name)));
  };
  auto next = [](QWidget* from) {
    QWidget* w = from->nextInFocusChain();
    while (!(w->focusPolicy() & Qt::TabFocus)) w = w->nextInFocusChain();
    return w;
  };
  EXPECT_EQ(next(widget("Pre")), widget("Like"));
  EXPECT_EQ(next(widget("Like")), widget("Post"));
  EXPECT_EQ(widget("Skipped")->focusPolicy(), Qt::ClickFocus);
}

TEST_F(ControlsTest, ARoundRectangleIsPaintedWithItsColours) {
  auto frame = AddControl<fw::RoundRectangle>(*window, "Frame", 0, 0, 100, 60);
  frame->SetProperty("BorderColor", fw::Color{0x00, 0x00, 0x99, 0});
  frame->SetProperty("BorderThickness", 4.0);
  frame->SetProperty("FillColor", fw::Color{0xEA, 0xFF, 0xFF, 0});
  frame->SetProperty("CornerWidth", 16.0);
  frame->SetProperty("CornerHeight", 16.0);
  QImage image = fw::testing::WidgetOf(*frame)->grab().toImage();
  EXPECT_EQ(image.pixelColor(50, 30), QColor(0xEA, 0xFF, 0xFF));
  EXPECT_EQ(image.pixelColor(50, 1), QColor(0x00, 0x00, 0x99));
  // The very corner lies outside the rounding: neither frame nor fill.
  EXPECT_NE(image.pixelColor(0, 0), QColor(0xEA, 0xFF, 0xFF));
  EXPECT_NE(image.pixelColor(0, 0), QColor(0x00, 0x00, 0x99));
}

// Makes the picture look-up find a picture of one colour and that size under `name` in `folder`.
void ServePicture(const QTemporaryDir& folder, const char* name, int size, Qt::GlobalColor colour) {
  QImage picture(size, size, QImage::Format_RGB32);
  picture.fill(colour);
  ASSERT_TRUE(picture.save(folder.filePath(name)));
  fw::seams::SetPictureFolder(folder.path().toStdString());
}

TEST_F(ControlsTest, ACanvasDrawsItsBackdropAtTheTopLeft) {
  QTemporaryDir folder;
  ServePicture(folder, "red.png", 10, Qt::red);
  auto canvas = AddControl<fw::Canvas>(*window, "Banner", 0, 0, 40, 40);
  canvas->Backdrop(fw::RuntimeGetPictureFromResourceManager("red.png"));
  fw::seams::SetPictureFolder({});
  ASSERT_NE(canvas->Backdrop(), nullptr);
  QImage image = fw::testing::WidgetOf(*canvas)->grab().toImage();
  EXPECT_EQ(image.pixelColor(5, 5), QColor(Qt::red));
  EXPECT_NE(image.pixelColor(20, 20), QColor(Qt::red));
}

// The upper control of the layers below, over the button, with what its kind shows: a text
// control its own background, a label its text, a canvas a 40 by 40 picture at its top left.
template <class C>
void AddOver(TestWindow& w) {
  auto over = AddControl<C>(w, "Over", 10, 50, 120, 60);
  if constexpr (std::is_base_of_v<fw::TextEdit, C>) {
    over->SetProperty("BackgroundColor", fw::Color{0x00, 0xC0, 0x00, 0});
  } else if constexpr (std::is_same_v<C, fw::Label>) {
    over->Text("Caption");
  } else if constexpr (std::is_same_v<C, fw::Canvas>) {
    over->Backdrop(fw::RuntimeGetPictureFromResourceManager("blue.png"));
  }
}

// A text control without a border, such as a credit line.
template <class C>
void AddBorderless(TestWindow& w) {
  AddOver<C>(w);
  w.ControlByName("Over")->SetProperty("HasBorder", false);
}

// Each kind of control laid over a button made before it, as the locks lay a stretched control
// over others: where the upper one shows nothing of its own (a bordered text control's face is
// its own), the button shows; the click goes to the upper one only where it is enabled and is
// there to be clicked.
TEST_F(ControlsTest, WhatAControlLeavesUncoveredShowsAndTakesTheClicks) {
  QTemporaryDir folder;
  ServePicture(folder, "blue.png", 40, Qt::blue);
  struct Seen {
    bool showsUnder;
    bool takesClick;
  };
  const struct {
    const char* kind;
    void (*add)(TestWindow&);
    QPoint probe;  // in the upper control
    Seen transparent, opaque;
  } cases[] = {
      {"text field with a border", &AddOver<fw::TextField>, {60, 30}, {false, true}, {false, true}},
      {"text field without", &AddBorderless<fw::TextField>, {60, 30}, {true, true}, {false, true}},
      {"text area with a border", &AddOver<fw::TextArea>, {60, 30}, {false, true}, {false, true}},
      {"text area without", &AddBorderless<fw::TextArea>, {60, 30}, {true, true}, {false, true}},
      {"label, below its text", &AddOver<fw::Label>, {60, 45}, {true, false}, {true, false}},
      {"bevel button", &AddOver<fw::BevelButton>, {60, 30}, {false, true}, {false, true}},
      {"canvas, beside its picture", &AddOver<fw::Canvas>, {80, 30}, {true, false}, {false, true}},
      {"canvas, on its picture", &AddOver<fw::Canvas>, {20, 20}, {false, true}, {false, true}},
      {"round rectangle", &AddOver<fw::RoundRectangle>, {60, 30}, {false, true}, {false, true}},
  };
  // The button's face is red, shaded by the style.
  const auto isUnder = [](QColor c) { return c.red() - c.green() > 80 && c.red() - c.blue() > 80; };
  for (const auto& c : cases) {
    for (const bool transparent : {true, false}) {
      for (const bool enabled : {true, false}) {
        SCOPED_TRACE(std::string(c.kind) + (transparent ? ", transparent" : ", opaque") +
                     (enabled ? "" : ", disabled"));
        auto w = OpenWindow("Layers.Layers", [&](TestWindow& w) {
          auto under = AddControl<fw::BevelButton>(w, "Under", 10, 50, 120, 60);
          under->SetProperty("HasBackgroundColor", true);
          under->SetProperty("BackgroundColor", fw::Color{0xFF, 0x00, 0x00, 0});
          Bind(w, *under, fw::kBevelButtonActionEvent, &TestWindow::Action);
          c.add(w);
          auto over = fw::RuntimeCheckCast<fw::RectControl>(w.ControlByName("Over"));
          over->SetProperty("Transparent", transparent);
          over->Enabled(enabled);
        });
        const Seen& expected = transparent ? c.transparent : c.opaque;
        QWidget* client = fw::testing::ClientAreaOf(*w);
        const QPoint at = QPoint(10, 50) + c.probe;
        const QColor shown = client->grab().toImage().pixelColor(at);
        EXPECT_EQ(isUnder(shown), expected.showsUnder) << qPrintable(shown.name());
        w->log.clear();
        QTest::mouseClick(client->window()->windowHandle(), Qt::LeftButton, {},
                          client->mapTo(client->window(), at));
        const bool reachedUnder = std::ranges::count(w->log, "Under Action") == 1;
        EXPECT_EQ(reachedUnder, !(enabled && expected.takesClick));
        fw::testing::CloseAllWindows();
      }
    }
  }
  fw::seams::SetPictureFolder({});
}

}  // namespace
}  // namespace gui_test
