#include "framework/core/ui_thread.h"

#include <atomic>
#include <thread>

#include "framework/core/exceptions.h"

namespace fw {
namespace {
std::atomic<std::thread::id> guiThread{};
}  // namespace

void SetGuiThreadToCurrent() {
  guiThread.store(std::this_thread::get_id());
}

void CheckGuiThread() {
  const auto current = std::this_thread::get_id();
  auto expected = std::thread::id{};
  // Nobody named a GUI thread yet: the first thread that asks becomes it.
  if (guiThread.compare_exchange_strong(expected, current)) return;
  if (expected != current) throw ThreadAccessingUIException();
}

}  // namespace fw
