#include "framework/core/call_log.h"

#include <atomic>
#include <utility>

namespace fw {
namespace {
CallRecorder& Recorder() {
  static CallRecorder recorder;
  return recorder;
}
// Read without touching the function, so that RecordCall costs one load when nothing listens.
std::atomic<bool> installed{false};
}  // namespace

void SetCallRecorder(CallRecorder recorder) {
  installed.store(false, std::memory_order_relaxed);
  Recorder() = std::move(recorder);
  installed.store(static_cast<bool>(Recorder()), std::memory_order_release);
}

void RecordCall(std::string_view call) {
  if (!installed.load(std::memory_order_acquire)) return;
  Recorder()(call);
}

}  // namespace fw
