// The program's spine, from the process entry to the exit code:
//
//   ProcessEntry: RuntimeInit, RuntimePerformInitializers, Main, RuntimePerformFinalizers,
//                 RuntimeExit (the exit code)
//   Main:         exception routine, framework release, EarlyStartup, late step handed over,
//                 event loop; what a step throws goes to fw::UnhandledException
//   EarlyStartup: high-resolution support, external classes, plug-ins, InitFileTypes,
//                 NewAppInstance, ApplicationAddMenuHandlers
//   NewAppInstance: the Quorvan object, its version data and MenuBar1, registered
//   LateStartup:  MakeDefaultView, which opens the About box as the first window
#pragma once

namespace quorvan {

int ProcessEntry(int& argc, char** argv);
void Main();
void EarlyStartup();
void NewAppInstance();
void LateStartup();
void MakeDefaultView();
// The program declares no file types and the application registers no menu handler.
void InitFileTypes();
void ApplicationAddMenuHandlers();

}  // namespace quorvan
