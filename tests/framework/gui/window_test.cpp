// Windows: creation events, the single instance, the window list's properties, window-level key
// and mouse events, what a closed window leaves behind, and what happens to a fault in a handler.
#include <QMainWindow>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include "framework/runtime.h"
#include "tests/framework/core/sample_lists.h"
#include "tests/framework/gui/gui_fixture.h"

namespace gui_test {
namespace {

using fw::WindowEvent;

class WindowTest : public GuiTest {};

constexpr auto kBoxList = fw::MakePropertyList<[](auto& p) {
  p.Int("Width", 473);
  p.Int("Height", 303);
  p.Enum("Type", 2);
  p.Str("Title", "");
  p.Bool("HasCloseButton", false);
  p.Bool("Resizeable", false);
  p.Bool("Visible", true);
}>();

fw::Ref<fw::MenuItem> SmallBar() {
  auto bar = std::make_shared<fw::MenuBar>();
  auto file = std::make_shared<fw::MenuItem>();
  file->Name("FileMenu");
  file->Text("&File");
  bar->AddMenu(file);
  auto quit = std::make_shared<fw::QuitMenuItem>();
  quit->Name("FileQuit");
  quit->Text("E&xit");
  file->AddMenu(quit);
  return bar;
}

TEST_F(WindowTest, CreationEventsRunInOrderEachOnlyWhereTheTableNamesIt) {
  auto full = NewWindow(
      WindowClass("Full.Full", {WindowEvent::Open, WindowEvent::Layout,
                                WindowEvent::AddMenuHandlers, WindowEvent::CreateControls}));
  bool fieldBeforeOpen = false;
  full->onCreateControls = [](TestWindow& w) {
    AddControl<fw::TextField>(w, "Field", 0, 0, 50, 20);
  };
  full->onOpen = [&](TestWindow& w) { fieldBeforeOpen = w.ControlByName("Field") != nullptr; };
  full->Constructor();
  EXPECT_EQ(full->log,
            (std::vector<std::string>{"Layout", "CreateControls", "AddMenuHandlers", "Open"}));
  EXPECT_TRUE(fieldBeforeOpen);

  auto partial = NewWindow(WindowClass("Partial.Partial", {WindowEvent::Open}));
  partial->Constructor();
  EXPECT_EQ(partial->log, (std::vector<std::string>{"Open"}));
}

TEST_F(WindowTest, OneInstanceFoundWhileShownOrHiddenAndNoneAfterTheUserClosedIt) {
  const auto& cls = WindowClass("Single.Single", {WindowEvent::Close});
  EXPECT_EQ(fw::GetImplicitWindow("Single.Single"), nullptr);
  auto window = NewWindow(cls);
  window->Constructor();
  window->Show();
  EXPECT_EQ(fw::GetImplicitWindow("Single.Single"), window);
  window->Hide();
  EXPECT_FALSE(window->Visible());
  EXPECT_EQ(fw::GetImplicitWindow("Single.Single"), window);

  window->Show();
  fw::testing::WidgetOf(*window)->close();  // as the user's close button does
  EXPECT_EQ(window->log.back(), "Close");
  EXPECT_FALSE(window->IsOpen());
  EXPECT_EQ(fw::GetImplicitWindow("Single.Single"), nullptr);

  auto next = NewWindow(cls);
  next->Constructor();
  EXPECT_EQ(fw::GetImplicitWindow("Single.Single"), next);
  EXPECT_NE(next, window);
}

TEST_F(WindowTest, AClosedWindowIsGoneWithItsWidgets) {
  for (int cycle = 1; cycle <= 3; ++cycle) {
    auto window = OpenWindow("Closed.Closed", [](TestWindow& w) {
      auto area = AddControl<fw::TextArea>(w, "Text", 0, 0, 200, 100);
      area->SetProperty("HasVerticalScrollbar", true);
      area->SetProperty("TextColor", fw::Color{0, 0, 0x80, 0});
    });
    QPointer<QWidget> widget = fw::testing::WidgetOf(*window);
    widget->grab();  // paints every widget, the style's parts included
    std::weak_ptr<fw::Window> held = window;
    window.reset();
    widget->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(held.expired()) << "cycle " << cycle;
    EXPECT_TRUE(widget.isNull()) << "cycle " << cycle;
  }
}

TEST_F(WindowTest, AWindowWithoutCloseButtonIsNotClosedByThePlatform) {
  auto window = OpenWindow("Unclosable.Unclosable");
  window->SetProperty("HasCloseButton", false);
  fw::testing::WidgetOf(*window)->close();
  EXPECT_TRUE(window->IsOpen());
  EXPECT_EQ(fw::GetImplicitWindow("Unclosable.Unclosable"), window);
  window->Close();
  EXPECT_EQ(fw::GetImplicitWindow("Unclosable.Unclosable"), nullptr);
}

TEST_F(WindowTest, TheWindowListTakesEffectWithTheMenuBarAboveTheClientArea) {
  auto window = NewWindow(WindowClass("Listed.Listed", {WindowEvent::Layout}));
  window->onLayout = [](TestWindow& w) {
    w.MenuBar(SmallBar());
    fw::SetProperties(w, fw::samples::kCalculatorWindowList);
  };
  window->Constructor();
  QWidget* top = fw::testing::WidgetOf(*window);
  QWidget* client = fw::testing::ClientAreaOf(*window);
  ASSERT_TRUE(top && client);
  EXPECT_TRUE(window->Visible());
  EXPECT_EQ(top->windowTitle(), "Quorvan");
  EXPECT_EQ(client->size(), QSize(610, 480));  // 620 asked, 610 the maximum
  EXPECT_EQ(top->minimumWidth(), 610);
  EXPECT_EQ(top->maximumWidth(), 610);
  EXPECT_TRUE(top->windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_TRUE(top->windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(top->windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_FALSE(top->windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_EQ(client->palette().color(QPalette::Window), QColor(255, 255, 255));
  EXPECT_TRUE(client->autoFillBackground());
  QMenuBar* bar = fw::testing::MenuBarOf(*window);
  ASSERT_NE(bar, nullptr);
  EXPECT_TRUE(bar->isVisible());
  EXPECT_GE(client->mapTo(top, QPoint(0, 0)).y(), bar->height());
}

TEST_F(WindowTest, TypeTwoIsAFixedFramelessBoxCentredOnTheScreenAndKeptOnTop) {
  auto window = NewWindow(WindowClass("Box.Box", {WindowEvent::Layout}));
  window->onLayout = [](TestWindow& w) { fw::SetProperties(w, kBoxList); };
  window->Constructor();
  QWidget* top = fw::testing::WidgetOf(*window);
  EXPECT_TRUE(top->windowFlags() & Qt::FramelessWindowHint);
  // Without a frame or close button, a box that another window covered could not be found again:
  // while the program is in front, it stays above the program's other windows.
  ASSERT_TRUE(QTest::qWaitForWindowActive(top));
  ASSERT_EQ(QGuiApplication::applicationState(), Qt::ApplicationActive);
  EXPECT_TRUE(top->windowHandle()->flags() & Qt::WindowStaysOnTopHint);
  EXPECT_EQ(top->size(), QSize(473, 303));
  EXPECT_EQ(top->minimumSize(), top->maximumSize());
  const QPoint screenCentre = QGuiApplication::primaryScreen()->availableGeometry().center();
  EXPECT_LE((top->geometry().center() - screenCentre).manhattanLength(), 2);
}

TEST_F(WindowTest, LockedControlsFollowTheClientAreaWhenTheWindowIsResized) {
  auto window = OpenWindow("Locks.Locks", [](TestWindow& w) {
    auto stretched = AddControl<fw::RoundRectangle>(w, "Stretched", 40, 100, 200, 50);
    for (const char* lock : {"LockLeft", "LockTop", "LockRight", "LockBottom"}) {
      stretched->SetProperty(lock, true);
    }
    auto moved = AddControl<fw::BevelButton>(w, "Moved", 300, 350, 100, 40);
    moved->SetProperty("LockRight", true);
    moved->SetProperty("LockBottom", true);
    AddControl<fw::Label>(w, "Fixed", 10, 10, 50, 20);  // no locks: stays where it is
  });
  QWidget* client = fw::testing::ClientAreaOf(*window);
  const QSize before = client->size();
  fw::testing::WidgetOf(*window)->resize(fw::testing::WidgetOf(*window)->size() + QSize(30, 60));
  QCoreApplication::processEvents();
  ASSERT_EQ(client->size(), before + QSize(30, 60));
  auto geometry = [&](const char* name) {
    return fw::testing::WidgetOf(
               *fw::RuntimeCheckCast<fw::RectControl>(window->ControlByName(name)))
        ->geometry();
  };
  EXPECT_EQ(geometry("Stretched"), QRect(40, 100, 230, 110));
  EXPECT_EQ(geometry("Moved"), QRect(330, 410, 100, 40));
  EXPECT_EQ(geometry("Fixed"), QRect(10, 10, 50, 20));
}

TEST_F(WindowTest, KeyAndMouseDownReachAWindowThatHandlesThemOverItsLabelsAndPictures) {
  auto window = OpenWindow("Input.Input",
                           [](TestWindow& w) {
                             AddControl<fw::Label>(w, "Caption", 10, 20, 100, 20)->Text("text");
                             AddControl<fw::Canvas>(w, "Picture", 10, 50, 100, 40);
                           },
                           {WindowEvent::KeyDown, WindowEvent::MouseDown});
  auto* caption =
      fw::testing::WidgetOf(*fw::RuntimeCheckCast<fw::Label>(window->ControlByName("Caption")));
  auto* picture =
      fw::testing::WidgetOf(*fw::RuntimeCheckCast<fw::Canvas>(window->ControlByName("Picture")));
  window->log.clear();
  QTest::mouseClick(caption, Qt::LeftButton, {}, QPoint(5, 6));
  QTest::mouseClick(picture, Qt::RightButton, {}, QPoint(1, 2));
  QTest::keyClick(fw::testing::WidgetOf(*window), Qt::Key_Q);
  QTest::keyClick(fw::testing::WidgetOf(*window), Qt::Key_Down);
  QTest::keyClick(fw::testing::WidgetOf(*window), Qt::Key_Shift);  // a modifier alone is no key
  EXPECT_EQ(window->log, (std::vector<std::string>{"MouseDown 15,26", "MouseDown 11,52",
                                                   "KeyDown q", "KeyDown \x1f"}));

  auto deaf = OpenWindow("Deaf.Deaf");
  deaf->log.clear();
  QTest::mouseClick(fw::testing::ClientAreaOf(*deaf), Qt::LeftButton);
  QTest::keyClick(fw::testing::WidgetOf(*deaf), Qt::Key_Q);
  EXPECT_TRUE(deaf->log.empty());
}

TEST_F(WindowTest, AThrowingHandlerIsReportedAndTheEventLoopGoesOn) {
  auto window = OpenWindow("Faulty.Faulty", [](TestWindow& w) {
    auto button = AddControl<fw::BevelButton>(w, "Button", 0, 0, 80, 30);
    Bind(w, *button, fw::kBevelButtonActionEvent, &TestWindow::Throw);
  });
  QWidget* button = fw::testing::WidgetOf(
      *fw::RuntimeCheckCast<fw::BevelButton>(window->ControlByName("Button")));
  bool ranAfter = false;
  QTimer::singleShot(0, [&] { QTest::mouseClick(button, Qt::LeftButton); });
  QTimer::singleShot(0, [&] {
    ranAfter = true;
    fw::Quit(0);
  });
  fw::RuntimeRun();
  EXPECT_TRUE(ranAfter);
  EXPECT_EQ(messages, (std::vector<std::string>{"NilObjectException: No such control"}));
}

}  // namespace
}  // namespace gui_test
