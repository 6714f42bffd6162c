// Start-up and shutdown services, in the order a program calls them:
//
//   RuntimeInit, RuntimePerformInitializers, RuntimeSetExceptionHelper, DeclareFrameworkRelease,
//   Application::SetSupportsHiDPI, RuntimeInitExternalClasses, InitPluginEntrypoints, (the
//   application object is made and given its version data and menu bar), RuntimeRegisterAppObject,
//   RunFrameworkInitialization, RuntimeRun ... Quit ... RuntimePerformFinalizers, RuntimeExit.
//
// Each records its name through RecordCall (call_log.h) so that tests can see the order.
#pragma once

#include <exception>
#include <functional>

#include "framework/core/application.h"
#include "framework/core/delegate.h"
#include "framework/core/exceptions.h"

namespace fw {

// Starts the framework on this thread (the GUI thread from now on): creates the Qt application
// object unless one exists. `argc`/`argv` are the process's, passed on unchanged. Without a
// display to open, it writes one line naming the display to standard error and ends the process
// with exit code 1.
void RuntimeInit(int& argc, char** argv);
void RuntimePerformInitializers();

// The program's exception-handling routine: calls `function(argument)` and gives back the
// RuntimeException it raised, or nullptr; exceptions of other kinds pass on.
using ExceptionHelper = std::function<std::exception_ptr(void (*function)(void*), void* argument)>;
void RuntimeSetExceptionHelper(ExceptionHelper helper);
// The framework routine that a program hands to RuntimeSetExceptionHelper.
std::exception_ptr CallFunctionWithExceptionHandling(void (*function)(void*), void* argument);

// Declares the framework release the program was built for (kept, not otherwise used).
void DeclareFrameworkRelease(double release);
double DeclaredFrameworkRelease();

void RuntimeInitExternalClasses();
// Makes the plug-in controls (BevelButton) available; before it, creating one raises.
void InitPluginEntrypoints();
void RuntimeRegisterAppObject(Ref<Application> app);

// Calls `entry` back exactly once, when the framework is ready: at the start of RuntimeRun.
// What `entry` throws is reported (dispatch.h), like a handler's fault (see RuntimeRun).
void RunFrameworkInitialization(std::function<void()> entry);

// Runs the event loop until Quit. A fault reported in a handler ends the loop (Quit with 1) when,
// once the outermost handler has returned, no open window is shown: nobody could use the program.
void RuntimeRun();
// Asks the event loop to end with `code`; returns at once, the loop ends afterwards.
void Quit(int code = 0);
// The last resort for an exception that escaped a start-up step or the event loop: reports it.
void UnhandledException(const std::exception_ptr& error);

// Lets go of every window the framework still holds.
void RuntimePerformFinalizers();
// The process exit code: the code given to Quit (0 when the loop ended without one); 1 after an
// unhandled exception or a fault that left no window shown.
int RuntimeExit();

}  // namespace fw
