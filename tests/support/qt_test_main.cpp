// The main of every GUI test: the framework starts as the program starts it (RuntimeInit makes
// the Qt application and makes this the GUI thread; the plug-in controls are made available),
// then the tests run, then the framework lets go of what it still holds.
#include <gtest/gtest.h>

#include "framework/runtime.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  // Listing the tests (CTest's discovery, run without a display) needs no framework.
  if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
  fw::RuntimeInit(argc, argv);
  fw::InitPluginEntrypoints();
  const int result = RUN_ALL_TESTS();
  fw::RuntimePerformFinalizers();
  return result;
}
