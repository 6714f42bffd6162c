#include "framework/core/ui_thread.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <exception>
#include <thread>

#include "framework/core/builtin_classes.h"
#include "framework/core/exceptions.h"
#include "framework/core/menu_item.h"
#include "framework/core/property_list.h"
#include "tests/framework/core/probe.h"

namespace fw {
namespace {

// Runs `call` on a new thread and gives back what it threw.
template <class F>
std::exception_ptr OnOtherThread(F call) {
  std::exception_ptr error;
  std::thread([&] {
    try {
      call();
    } catch (...) {
      error = std::current_exception();
    }
  }).join();
  return error;
}

bool IsThreadError(const std::exception_ptr& error) {
  try {
    if (error) std::rethrow_exception(error);
  } catch (const ThreadAccessingUIException&) {
    return true;
  } catch (...) {
  }
  return false;
}

TEST(GuiThread, UserInterfaceCallsFromAnotherThreadRaise) {
  SetGuiThreadToCurrent();
  auto item = std::make_shared<MenuItem>();
  testing_core::Probe timer(classes::Timer());
  EXPECT_TRUE(IsThreadError(OnOtherThread([] { CheckGuiThread(); })));
  EXPECT_TRUE(IsThreadError(OnOtherThread([&] { item->Text("Quit"); })));
  EXPECT_TRUE(
      IsThreadError(OnOtherThread([&] { SetProperties(timer, std::string_view("\0", 1)); })));
  EXPECT_EQ(item->Text(), "");
  EXPECT_NO_THROW(CheckGuiThread());
  EXPECT_NO_THROW(item->Text("Quit"));
}

// In a fresh process, where nothing named the GUI thread yet.
TEST(GuiThreadDeathTest, FirstThreadToAskBecomesTheGuiThread) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        const bool otherAdopted = !OnOtherThread([] { CheckGuiThread(); });
        bool mainRefused = false;
        try {
          CheckGuiThread();
        } catch (const ThreadAccessingUIException&) {
          mainRefused = true;
        }
        std::exit(otherAdopted && mainRefused ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace fw
