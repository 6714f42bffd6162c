#include "shell/startup.h"

#include <exception>

#include "framework/core/application.h"
#include "framework/core/delegate.h"
#include "framework/runtime.h"
#include "info_windows/about_wnd.h"
#include "shell/menu_bar1.h"
#include "shell/quorvan_app.h"

namespace quorvan {

namespace {
constexpr double kFrameworkRelease = 2019.031;
}  // namespace

int ProcessEntry(int& argc, char** argv) {
  fw::RuntimeInit(argc, argv);
  fw::RuntimePerformInitializers();
  Main();
  fw::RuntimePerformFinalizers();
  return fw::RuntimeExit();
}

void Main() {
  try {
    // Handed over as the routine itself: a delegate offers only entries without arguments.
    fw::RuntimeSetExceptionHelper(&fw::CallFunctionWithExceptionHandling);
    fw::DeclareFrameworkRelease(kFrameworkRelease);
    EarlyStartup();
    {
      fw::Ref<fw::Delegate> late = fw::RuntimeCreateDelegate(&LateStartup, "(  )", 0);
      fw::RunFrameworkInitialization(late->Entry());
    }
    fw::RuntimeRun();
  } catch (...) {
    fw::UnhandledException(std::current_exception());
  }
}

void EarlyStartup() {
  fw::Application::SetSupportsHiDPI(true);
  fw::RuntimeInitExternalClasses();
  fw::InitPluginEntrypoints();
  InitFileTypes();
  NewAppInstance();
  ApplicationAddMenuHandlers();
}

void InitFileTypes() {}

void ApplicationAddMenuHandlers() {}

void NewAppInstance() {
  fw::Ref<Quorvan> app =
      fw::RuntimeCheckCast<Quorvan>(fw::RuntimeNewObject(Quorvan::StaticClass()));
  fw::Must(app).Constructor();
  app->x_SetVersionData(2, 0, 0, 0, 3, "\u00A9 2019-2026 the Quorvan authors", "2.0", "Quorvan");
  app->MenuBar(MenuBar1());
  fw::RuntimeRegisterAppObject(std::move(app));
}

void LateStartup() {
  MakeDefaultView();
}

void MakeDefaultView() {
  AboutWnd();
}

}  // namespace quorvan
