#include "framework/seams.h"

#include <algorithm>
#include <vector>

#include "framework/core/ui_thread.h"
#include "framework/seams_impl.h"
#include "framework/timer_impl.h"

namespace fw {
namespace {

struct Seams {
  std::function<void(std::string_view)> messageBox;
  std::function<void()> beep;
  std::filesystem::path pictureFolder;
  bool virtualClock = false;
  std::int64_t now = 0;
  std::uint64_t starts = 0;
  std::vector<Timer::Impl*> timers;
};

Seams& State() {
  static Seams seams;
  return seams;
}

}  // namespace

namespace seams {

void SetMessageBox(std::function<void(std::string_view text)> messageBox) {
  State().messageBox = std::move(messageBox);
}
void SetBeep(std::function<void()> beep) {
  State().beep = std::move(beep);
}
void UseVirtualClock(bool enabled) {
  State().virtualClock = enabled;
}

void AdvanceClock(std::chrono::milliseconds by) {
  CheckGuiThread();
  Seams& s = State();
  const std::int64_t target = s.now + std::max<std::int64_t>(0, by.count());
  for (;;) {
    auto next = std::ranges::min_element(s.timers, [](const Timer::Impl* a, const Timer::Impl* b) {
      return a->due != b->due ? a->due < b->due : a->started < b->started;
    });
    if (next == s.timers.end() || (*next)->due > target) break;
    s.now = std::max(s.now, (*next)->due);
    (*next)->Fire();
  }
  s.now = target;
}

void SetPictureFolder(std::filesystem::path folder) {
  State().pictureFolder = std::move(folder);
}

}  // namespace seams

namespace seams_detail {
const std::function<void(std::string_view)>& MessageBox() {
  return State().messageBox;
}
const std::function<void()>& Beep() {
  return State().beep;
}
const std::filesystem::path& PictureFolder() {
  return State().pictureFolder;
}
}  // namespace seams_detail

namespace virtual_clock {
bool Enabled() {
  return State().virtualClock;
}
std::int64_t Now() {
  return State().now;
}
std::uint64_t NextStart() {
  return ++State().starts;
}
void Add(Timer::Impl& timer) {
  State().timers.push_back(&timer);
}
void Remove(Timer::Impl& timer) {
  std::erase(State().timers, &timer);
}
}  // namespace virtual_clock

}  // namespace fw
