#include "framework/runtime.h"

#include <QApplication>
#include <QTimer>
#include <iostream>
#include <memory>

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
};

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
  }
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
}  // namespace qt

void RuntimeInit(int& argc, char** argv) {
  RecordCall("RuntimeInit");
  SetGuiThreadToCurrent();
  RuntimeState& state = State();
  if (!QApplication::instance()) state.app = new FrameworkApplication(argc, argv);
  // The program decides when it ends: closing its last window does not quit by itself.
  QApplication::setQuitOnLastWindowClosed(false);
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
  QApplication::exec();
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
  return state.unhandled ? 1 : state.quitCode;
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
