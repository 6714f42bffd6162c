// The event loop and its services: the late start-up entry, Quit, the end of a loop that a fault
// left without a shown window, timers on the virtual and the real clock, message boxes, pictures,
// and UI calls from another thread.
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <thread>

#include "framework/core/application.h"
#include "framework/core/call_log.h"
#include "framework/picture.h"
#include "framework/runtime.h"
#include "tests/framework/gui/gui_fixture.h"
#include "tests/framework/gui/program_icons.h"

namespace gui_test {
namespace {

using namespace std::chrono_literals;

class RuntimeTest : public GuiTest {};

constexpr auto kOnceIn4000 = fw::MakePropertyList<[](auto& p) {
  p.Enum("RunMode", 1);
  p.Int("Period", 4000);
}>();

// A window owning one timer bound to its Tick handler, started by `list`.
fw::Ref<TestWindow> TimerWindow(std::string_view list) {
  return OpenWindow("Timed.Timed", [list](TestWindow& w) {
    auto timer = fw::RuntimeCheckCast<fw::Timer>(w.New(fw::Timer::StaticClass()));
    timer->Constructor();
    w.AddControl("Timer1", timer);
    fw::SetProperties(*timer, list);
    auto self = std::static_pointer_cast<TestWindow>(w.shared_from_this());
    fw::RuntimeAddEventHandler(*timer, fw::kTimerActionEvent,
                               fw::EventStubFor(fw::kTimerActionEvent),
                               fw::RuntimeCreateDelegate(&TestWindow::Tick, self, "( Timer )", 1));
  });
}

TEST_F(RuntimeTest, ASingleShotTimerFiresExactlyOnceAtItsPeriod) {
  auto window = TimerWindow(kOnceIn4000);
  auto timer = fw::RuntimeCheckCast<fw::Timer>(window->ControlByName("Timer1"));
  EXPECT_TRUE(timer->IsRunning());  // started by its list alone, with no Enabled in it
  window->log.clear();
  fw::seams::AdvanceClock(3999ms);
  EXPECT_TRUE(window->log.empty());
  fw::seams::AdvanceClock(1ms);
  EXPECT_EQ(window->log, (std::vector<std::string>{"Tick"}));
  fw::seams::AdvanceClock(60000ms);
  EXPECT_EQ(window->log.size(), 1u);
  EXPECT_FALSE(timer->IsRunning());
}

TEST_F(RuntimeTest, RunModeTwoRepeatsAndZeroStops) {
  constexpr auto kEverySecond = fw::MakePropertyList<[](auto& p) {
    p.Enum("RunMode", 2);
    p.Int("Period", 1000);
  }>();
  auto window = TimerWindow(kEverySecond);
  window->log.clear();
  fw::seams::AdvanceClock(3500ms);
  EXPECT_EQ(window->log.size(), 3u);
  fw::RuntimeCheckCast<fw::Timer>(window->ControlByName("Timer1"))
      ->SetProperty("RunMode", std::int64_t{0});
  fw::seams::AdvanceClock(5000ms);
  EXPECT_EQ(window->log.size(), 3u);
}

TEST_F(RuntimeTest, TheRealTimerFiresOnTheGuiThreadInTheEventLoop) {
  fw::seams::UseVirtualClock(false);
  constexpr auto kSoon = fw::MakePropertyList<[](auto& p) {
    p.Enum("RunMode", 1);
    p.Int("Period", 1);
  }>();
  auto window = TimerWindow(kSoon);
  window->log.clear();
  const auto gui = std::this_thread::get_id();
  std::thread::id firedOn;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (!window->log.empty()) {
      firedOn = std::this_thread::get_id();
      fw::Quit(0);
    }
  });
  poll.start(0);
  fw::RuntimeRun();
  EXPECT_EQ(window->log, (std::vector<std::string>{"Tick"}));
  EXPECT_EQ(firedOn, gui);
}

TEST_F(RuntimeTest, TheLateEntryRunsOnceWhenTheLoopStartsAndQuitEndsTheLoopAfterReturning) {
  int entries = 0;
  bool afterQuit = false;
  fw::RunFrameworkInitialization([&] {
    ++entries;
    fw::Quit(3);
    afterQuit = true;
  });
  EXPECT_EQ(entries, 0);
  fw::RuntimeRun();
  EXPECT_EQ(entries, 1);
  EXPECT_TRUE(afterQuit);
  EXPECT_EQ(fw::RuntimeExit(), 3);

  fw::testing::ResetQuit();
  QTimer::singleShot(0, [] { fw::Quit(0); });
  fw::RuntimeRun();
  EXPECT_EQ(entries, 1);
}

TEST_F(RuntimeTest, TheExceptionRoutineGivesBackRuntimeExceptionsAndPassesOthersOn) {
  auto nothing = [](void*) {};
  auto nil = [](void*) { throw fw::NilObjectException("gone"); };
  auto other = [](void*) { throw std::logic_error("not ours"); };
  EXPECT_EQ(fw::CallFunctionWithExceptionHandling(nothing, nullptr), nullptr);
  std::exception_ptr caught = fw::CallFunctionWithExceptionHandling(nil, nullptr);
  ASSERT_NE(caught, nullptr);
  EXPECT_THROW(std::rethrow_exception(caught), fw::NilObjectException);
  EXPECT_THROW(fw::CallFunctionWithExceptionHandling(other, nullptr), std::logic_error);
}

TEST_F(RuntimeTest, TheMessageBoxSeamRecordsAndReturns) {
  fw::MsgBox("Please enter the pretest probability.\r\n");
  fw::Beep();
  EXPECT_EQ(messages, (std::vector<std::string>{"Please enter the pretest probability.\r\n"}));
  EXPECT_EQ(beeps, 1);
}

TEST_F(RuntimeTest, TheRealMessageBoxIsModalTitledWithTheProgramNameAndReturnsWhenDismissed) {
  fw::seams::SetMessageBox({});
  const struct {
    const char* name;
    const char* text;
    const char* shown;
  } cases[] = {
      {"one line", "Pretest probability must range from .00001 to .99999",
       "Pretest probability must range from .00001 to .99999"},
      {"a closing line end", "Please enter the pretest probability.\r\n",
       "Please enter the pretest probability."},
      {"line ends inside and at the end", "First\r\nSecond\r\r\n", "First\nSecond"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    QString title, text;
    bool modal = false;
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      modal = box->isModal();
      title = box->windowTitle();
      text = box->text();
      box->accept();
    });
    fw::MsgBox(c.text);
    EXPECT_TRUE(modal);
    EXPECT_EQ(title, QCoreApplication::applicationName());
    EXPECT_EQ(text.toStdString(), c.shown);
  }
}

// A menu handler that runs `body` and counts as handled.
fw::Ref<fw::Delegate> Handler(std::function<void()> body) {
  return std::make_shared<fw::Delegate>(
      [body](fw::Object*, const fw::EventArgs&) {
        body();
        return true;
      },
      "(  ) as Boolean", 0);
}

TEST_F(RuntimeTest, AFaultEndsTheLoopWithCodeOneOnlyWhenItLeavesNoWindowShown) {
  // The front window's handler hides it, meets a fault in a nested handler, then may show the
  // back window: the program decides once the outermost handler has returned.
  const struct {
    const char* name;
    bool backShown;
    bool showBackAfter;
    bool inLoop;
    int exitCode;
  } cases[] = {
      {"another window stays shown", true, false, true, 0},
      {"no window is left shown", false, false, true, 1},
      {"the handler shows a window after the fault", false, true, true, 0},
      {"outside the event loop", false, false, false, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    fw::testing::CloseAllWindows();
    fw::testing::ResetQuit();
    messages.clear();
    auto back = OpenWindow("Back.Back");
    if (!c.backShown) back->Hide();
    auto front = OpenWindow("Front.Front");
    front->AddMenuHandler("Faulty",
                          Handler([] { throw fw::NilObjectException("No such control"); }));
    front->AddMenuHandler("HandOver", Handler([&] {
                            front->Hide();
                            front->ChooseMenuItem("Faulty");
                            if (c.showBackAfter) back->Show();
                          }));
    if (c.inLoop) {
      QTimer::singleShot(0, [&] {
        front->ChooseMenuItem("HandOver");
        // Decided by the time the outermost handler has returned; else this ends the test's loop.
        if (!fw::testing::QuitRequested()) fw::Quit(0);
      });
      fw::RuntimeRun();
    } else {
      front->ChooseMenuItem("HandOver");
    }
    EXPECT_EQ(fw::RuntimeExit(), c.exitCode);
    EXPECT_EQ(messages, std::vector<std::string>{"NilObjectException: No such control"});
  }
}

TEST_F(RuntimeTest, UiCallsFromAnotherThreadRaise) {
  auto window = OpenWindow("Threaded.Threaded", [](TestWindow& w) {
    AddControl<fw::TextField>(w, "Field", 0, 0, 50, 20);
  });
  auto field = fw::RuntimeCheckCast<fw::TextField>(window->ControlByName("Field"));
  const std::pair<const char*, std::function<void()>> calls[] = {
      {"MsgBox", [] { fw::MsgBox("x"); }},
      {"Beep", [] { fw::Beep(); }},
      {"Show", [&] { window->Show(); }},
      {"Text", [&] { field->Text("1"); }},
      {"SetFocus", [&] { field->SetFocus(); }},
      {"GetImplicitWindow", [] { fw::GetImplicitWindow("Threaded.Threaded"); }},
  };
  for (const auto& [name, call] : calls) {
    bool raised = false;
    std::thread([&] {
      try {
        call();
      } catch (const fw::ThreadAccessingUIException&) {
        raised = true;
      }
    }).join();
    EXPECT_TRUE(raised) << name;
  }
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(field->Text(), "");
}

TEST_F(RuntimeTest, PicturesAreFoundByFileNameOrNotAtAllWithoutAMessage) {
  QTemporaryDir folder;
  QImage image(7, 5, QImage::Format_ARGB32);
  image.fill(Qt::blue);
  ASSERT_TRUE(image.save(folder.filePath("KTR8.png")));
  QFile broken(folder.filePath("Broken.png"));
  ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
  broken.write("not a picture");
  broken.close();
  fw::seams::SetPictureFolder(folder.path().toStdString());
  auto found = fw::RuntimeGetPictureFromResourceManager("KTR8.png");
  ASSERT_NE(found, nullptr);
  EXPECT_EQ(found->Width(), 7);
  EXPECT_EQ(found->Height(), 5);
  for (const char* name : {"Missing.png", "Broken.png", "../KTR8.png", ""}) {
    EXPECT_EQ(fw::RuntimeGetPictureFromResourceManager(name), nullptr) << name;
  }
  fw::seams::SetPictureFolder({});
  EXPECT_TRUE(messages.empty());
}

TEST_F(RuntimeTest, WithoutASeamPicturesComeFromBesideTheExecutable) {
  QDir beside(QCoreApplication::applicationDirPath());
  ASSERT_TRUE(beside.mkpath("pictures"));
  const QString file = beside.filePath("pictures/BesideTest.png");
  QImage image(3, 3, QImage::Format_RGB32);
  image.fill(Qt::green);
  ASSERT_TRUE(image.save(file));
  std::vector<std::string> calls;
  fw::SetCallRecorder([&](std::string_view call) { calls.emplace_back(call); });
  auto picture = fw::RuntimeGetPictureFromResourceManager("BesideTest.png");
  fw::SetCallRecorder({});
  QFile::remove(file);
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(picture->Width(), 3);
  EXPECT_EQ(calls, (std::vector<std::string>{"GetPictureFromResourceManager"}));
}

TEST_F(RuntimeTest, TheRegisteredApplicationGivesWindowsItsProductNameDesktopEntryAndIcon) {
  WriteProgramIcons({16, 32});
  const QString nameBefore = QCoreApplication::applicationName();
  auto app =
      fw::RuntimeCheckCast<fw::Application>(fw::RuntimeNewObject(fw::Application::StaticClass()));
  app->x_SetVersionData(1, 2, 3, 4, 3, "notice", "1.2", "Sample Product");
  fw::RuntimeRegisterAppObject(app);
  RemoveProgramIcons();
  auto window = OpenWindow("Untitled.Untitled");
  window->SetProperty("Title", std::string());

  EXPECT_EQ(QCoreApplication::applicationName(), "Sample Product");
  EXPECT_EQ(fw::testing::WidgetOf(*window)->windowTitle(), "Sample Product");
  EXPECT_EQ(QGuiApplication::desktopFileName(), QUORVAN_APP_ID);
  QList<QSize> sizes = fw::testing::WidgetOf(*window)->windowIcon().availableSizes();
  std::ranges::sort(sizes, {}, &QSize::width);
  EXPECT_EQ(sizes, (QList<QSize>{{16, 16}, {32, 32}}));
  fw::SetApp(nullptr);
  QCoreApplication::setApplicationName(nameBefore);
}

}  // namespace
}  // namespace gui_test
