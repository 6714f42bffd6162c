#include "framework/timer.h"

#include <algorithm>

#include "framework/core/builtin_classes.h"
#include "framework/core/ui_thread.h"
#include "framework/qt_support.h"
#include "framework/timer_impl.h"

namespace fw {
namespace {
// The period of a timer whose list gives none.
constexpr std::int64_t kDefaultPeriod = 1000;
}  // namespace

void Timer::Impl::Fire() {
  qt::DispatchScope scope;
  Ref<Object> keep = owner.weak_from_this().lock();
  if (owner.RunMode() == 1) {
    running = false;
    virtual_clock::Remove(*this);
  } else if (onVirtualClock) {
    due += std::max<std::int64_t>(period, 1);
  }
  qt::Dispatch([&] { owner.RaiseEvent(kTimerActionEvent); });
}

const ClassInfo& Timer::StaticClass() {
  return classes::Timer();
}

Timer::Timer() : impl_(std::make_unique<Impl>(*this)) {}

Timer::~Timer() {
  virtual_clock::Remove(*impl_);
}

bool Timer::IsRunning() const {
  return impl_->running;
}

void Timer::PropertyChanged(std::string_view name, const PropertyValue&) {
  if (name == "RunMode" || name == "Period" || name == "Enabled") Restart();
}

void Timer::Restart() {
  CheckGuiThread();
  Impl& t = *impl_;
  virtual_clock::Remove(t);
  if (t.real) t.real->stop();
  t.running = false;
  const std::int64_t mode = RunMode();
  if ((mode != 1 && mode != 2) || !BoolProperty("Enabled", true)) return;
  t.period = std::max<std::int64_t>(0, IntProperty("Period", kDefaultPeriod));
  t.running = true;
  t.onVirtualClock = virtual_clock::Enabled();
  if (t.onVirtualClock) {
    t.due = virtual_clock::Now() + t.period;
    t.started = virtual_clock::NextStart();
    virtual_clock::Add(t);
    return;
  }
  if (!t.real) {
    t.real = std::make_unique<QTimer>();
    t.real->setTimerType(Qt::PreciseTimer);
    QObject::connect(t.real.get(), &QTimer::timeout, [&t] { t.Fire(); });
  }
  t.real->setSingleShot(mode == 1);
  t.real->start(static_cast<int>(std::min<std::int64_t>(t.period, INT32_MAX)));
}

}  // namespace fw
