#include "shell/startup.h"

#ifdef _WIN32
#include <windows.h>

// The entry of a GUI-subsystem program. Qt takes the command line from Windows itself, so the
// framework is given no arguments.
int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  int argc = 0;
  char* argv[] = {nullptr};
  return quorvan::ProcessEntry(argc, argv);
}
#else
int main(int argc, char** argv) {
  return quorvan::ProcessEntry(argc, argv);
}
#endif
