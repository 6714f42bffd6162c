#include "framework/runtime.h"

#include <QApplication>
#include <QPixmapCache>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <utility>

#include "framework/controls.h"
#include "framework/core/builtin_classes.h"
#include "framework/core/call_log.h"
#include "framework/core/dispatch.h"
#include "framework/core/ui_thread.h"
#include "framework/desktop_identity.h"
#include "framework/dialogs.h"
#include "framework/qt_support.h"
#include "framework/timer.h"
#include "framework/window_impl.h"

namespace fw {
namespace {

// Delivers window-level key and mouse presses first, and is the last guard: nothing thrown in an
// event handler leaves the event loop.
class FrameworkApplication : public QApplication {
 public:
  using QApplication::QApplication;
  bool notify(QObject* receiver, QEvent* event) override {
    try {
      if (DeliverWindowInput(receiver, event)) return true;
      return QApplication::notify(receiver, event);
    } catch (...) {
      // Weighed like a handler's fault once it is reported.
      qt::DispatchScope scope;
      ReportException(std::current_exception());
      return true;
    }
  }
};

struct RuntimeState {
  // Made by RuntimeInit unless one existed; kept until the process ends, since destroying it among
  // the static destructors would run after Qt's own statics are gone.
  QApplication* app = nullptr;
  ExceptionHelper exceptionHelper;
  double release = 0;
  bool pluginsReady = false;
  std::function<void()> lateEntry;
  bool quitRequested = false;
  int quitCode = 0;
  bool unhandled = false;
  bool looping = false;
  // A fault was reported inside a handler; weighed once the outermost handler has returned.
  bool faultInHandler = false;
};

// The exit code of a program that ended for a fault, reported or unhandled.
constexpr int kFaultExitCode = 1;

RuntimeState& State() {
  static RuntimeState state;
  return state;
}

// A fault in program code: standard error, and a message box naming the exception's kind.
void ReportFault(std::string_view kind, std::string_view message) {
  std::string text = std::string(kind) + ": " + std::string(message);
  std::cerr << text << std::endl;
  try {
    MsgBox(text);
  } catch (...) {
    // Off the GUI thread there is no box to show; standard error has it.
    return;
  }
  if (qt::IsDispatching()) State().faultInHandler = true;
}

bool AnyWindowShown() {
  for (const Ref<Window>& window : OpenWindows()) {
    if (window->Visible()) return true;
  }
  return false;
}

// Qt ends a start-up that cannot make its platform with a fatal message, the advice to reinstall
// and an abort. While the application object is made, Qt's messages are held back: the fatal one
// becomes one line saying why and exit code 1; otherwise they are passed on afterwards. Caught
// from Qt rather than by trying the display first: only the platform plugin knows which display,
// of which windowing system, it opens.
struct StartMessages {
  qt::HeldMessages held;
  std::string programName;
};

StartMessages& Start() {
  static StartMessages start;
  return start;
}

void HoldMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  StartMessages& start = Start();
  if (type != QtFatalMsg) {
    start.held.Hold(type, context, text);
    return;
  }
  const std::string prefix = start.programName.empty() ? "" : start.programName + ": ";
  std::fprintf(stderr, "%s%s\n", prefix.c_str(), start.held.Failure(text).c_str());
  std::fflush(stderr);
  // The application object is half made: no static destructor may run after it.
  std::_Exit(1);
}

QApplication* MakeApplication(int& argc, char** argv) {
  StartMessages& start = Start();
  if (argc > 0 && argv[0]) start.programName = std::filesystem::path(argv[0]).filename().string();
  const QtMessageHandler passOn = qInstallMessageHandler(HoldMessage);
  auto* app = new FrameworkApplication(argc, argv);
  qInstallMessageHandler(passOn);
  start.held.PassOn(passOn);
  return app;
}

template <class C>
void InstallFactory(const ClassInfo& cls) {
  classes::SetFactory(cls, [] { return std::make_shared<C>(); });
}

}  // namespace

namespace qt {
bool PluginsReady() {
  return State().pluginsReady;
}

void AfterOutermostDispatch() noexcept {
  RuntimeState& state = State();
  if (!std::exchange(state.faultInHandler, false)) return;
  // A program that a fault left with no window shown would run on unseen: it ends instead. Only
  // now, since a handler may still show the next window after a nested fault. Outside the event
  // loop there is nothing to end, and a program that quits already keeps its code.
  if (!state.looping || state.quitRequested) return;
  Guard([] {
    if (!AnyWindowShown()) Quit(kFaultExitCode);
  });
}
}  // namespace qt

void RuntimeInit(int& argc, char** argv) {
  RecordCall("RuntimeInit");
  SetGuiThreadToCurrent();
  RuntimeState& state = State();
  if (!QApplication::instance()) state.app = MakeApplication(argc, argv);
  // The program decides when it ends: closing its last window does not quit by itself.
  QApplication::setQuitOnLastWindowClosed(false);
  // Qt's style caches what it draws under the palette's identity, and every widget below a coloured
  // control gets an identity of its own: what a closed window left there never serves again, and
  // Qt keeps the keys even of entries it drops. So nothing is cached; drawing anew costs little.
  QPixmapCache::setCacheLimit(0);
  SetExceptionReporter(ReportFault);
  InstallFactory<TextField>(classes::TextField());
  InstallFactory<TextArea>(classes::TextArea());
  InstallFactory<Label>(classes::Label());
  InstallFactory<Canvas>(classes::Canvas());
  InstallFactory<RoundRectangle>(classes::RoundRectangle());
  InstallFactory<Timer>(classes::Timer());
}

void RuntimePerformInitializers() {
  RecordCall("RuntimePerformInitializers");
}

void RuntimeSetExceptionHelper(ExceptionHelper helper) {
  RecordCall("RuntimeSetExceptionHelper");
  State().exceptionHelper = std::move(helper);
}

std::exception_ptr CallFunctionWithExceptionHandling(void (*function)(void*), void* argument) {
  try {
    function(argument);
  } catch (const RuntimeException&) {
    return std::current_exception();
  }
  return nullptr;
}

void DeclareFrameworkRelease(double release) {
  RecordCall("DeclareFrameworkRelease");
  State().release = release;
}

double DeclaredFrameworkRelease() {
  return State().release;
}

void RuntimeInitExternalClasses() {
  RecordCall("RuntimeInitExternalClasses");
}

void InitPluginEntrypoints() {
  RecordCall("InitPluginEntrypoints");
  State().pluginsReady = true;
  InstallFactory<BevelButton>(classes::BevelButton());
}

void RuntimeRegisterAppObject(Ref<Application> app) {
  RecordCall("RuntimeRegisterAppObject");
  if (app && QCoreApplication::instance()) qt::GiveDesktopIdentity(*app);
  SetApp(std::move(app));
}

void RunFrameworkInitialization(std::function<void()> entry) {
  RecordCall("RunFrameworkInitialization");
  State().lateEntry = std::move(entry);
}

void RuntimeRun() {
  RecordCall("RuntimeRun");
  CheckGuiThread();
  RuntimeState& state = State();
  if (!QApplication::instance()) throw RuntimeException("RuntimeRun before RuntimeInit");
  if (state.quitRequested) return;
  if (state.lateEntry) {
    QTimer::singleShot(0, [] {
      std::function<void()> entry = std::move(State().lateEntry);
      State().lateEntry = nullptr;
      if (entry) qt::Dispatch(entry);
    });
  }
  state.looping = true;
  QApplication::exec();
  state.looping = false;
}

void Quit(int code) {
  RecordCall("Quit");
  RuntimeState& state = State();
  state.quitRequested = true;
  state.quitCode = code;
  QCoreApplication::exit(code);
}

void UnhandledException(const std::exception_ptr& error) {
  RecordCall("UnhandledException");
  State().unhandled = true;
  if (error) ReportException(error);
}

void RuntimePerformFinalizers() {
  RecordCall("RuntimePerformFinalizers");
  testing_detail::DropAllWindows();
  if (QCoreApplication::instance())
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

int RuntimeExit() {
  RecordCall("RuntimeExit");
  const RuntimeState& state = State();
  return state.unhandled ? kFaultExitCode : state.quitCode;
}

namespace testing_detail {
bool QuitRequested() {
  return State().quitRequested;
}
int QuitCode() {
  return State().quitCode;
}
void ResetQuit() {
  State().quitRequested = false;
  State().quitCode = 0;
}
}  // namespace testing_detail

}  // namespace fw
