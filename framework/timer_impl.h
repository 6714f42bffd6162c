// Private to the Qt-backed framework: a timer's running state, on Qt's clock or the virtual one.
#pragma once

#include <QTimer>
#include <cstdint>
#include <memory>

#include "framework/timer.h"

namespace fw {

struct Timer::Impl {
  explicit Impl(Timer& owner) : owner(owner) {}
  Timer& owner;
  std::unique_ptr<QTimer> real;
  bool running = false;
  bool onVirtualClock = false;
  std::int64_t due = 0;       // virtual milliseconds
  std::uint64_t started = 0;  // start order, for timers due at the same moment
  std::int64_t period = 0;

  void Fire();
};

namespace virtual_clock {
bool Enabled();
std::int64_t Now();
std::uint64_t NextStart();
void Add(Timer::Impl& timer);
void Remove(Timer::Impl& timer);
}  // namespace virtual_clock

}  // namespace fw
