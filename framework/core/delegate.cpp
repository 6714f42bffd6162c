#include "framework/core/delegate.h"

#include <utility>

#include "framework/core/ui_thread.h"

namespace fw {
namespace {
int EventCount(const ClassInfo& cls) {
  int count = 0;
  for (const ClassInfo* c = &cls; c; c = c->base) count += static_cast<int>(c->events.size());
  return count;
}

bool CallDelegate(const Delegate& delegate, Object& sender, const EventArgs& args) {
  return delegate.Invoke(&sender, args);
}
}  // namespace

const ClassInfo& Delegate::StaticClass() {
  static const ClassInfo cls = [] {
    ClassInfo c;
    c.name = "Delegate";
    c.members = {MemberInfo{"Invoke", "%b%oo", {}}};
    return c;
  }();
  return cls;
}

Delegate::Delegate(Invoker invoker, std::string signature, int flag)
    : invoker_(std::make_shared<const Invoker>(std::move(invoker))),
      signature_(std::move(signature)),
      flag_(flag) {
  if (!*invoker_) throw InvalidArgumentException("Delegate without an invoker");
}

bool Delegate::Invoke(Object* sender, const EventArgs& args) const {
  return (*invoker_)(sender, args);
}

std::function<void()> Delegate::Entry() const {
  return [invoker = invoker_] { (*invoker)(nullptr, EventArgs{}); };
}

Ref<Delegate> RuntimeCreateDelegate(void (*function)(), std::string signature, int flag) {
  if (!function) throw NilObjectException("Delegate over a nil function");
  return std::make_shared<Delegate>(
      [function](Object*, const EventArgs&) {
        function();
        return false;
      },
      std::move(signature), flag);
}

// Every event has the same shape on this side: the invoker knows its handler's parameters.
EventStub EventStubFor(int eventNumber) {
  if (eventNumber < 0) {
    throw InvalidArgumentException("No event has the number " + std::to_string(eventNumber));
  }
  return &CallDelegate;
}

void RuntimeAddEventHandler(Object& control, int eventNumber, EventStub stub,
                            Ref<Delegate> delegate) {
  CheckGuiThread();
  const ClassInfo& cls = control.Class();
  if (eventNumber < 0 || eventNumber >= EventCount(cls)) {
    throw InvalidArgumentException("Class " + cls.name + " has no event number " +
                                   std::to_string(eventNumber));
  }
  control.AddEventHandler(eventNumber, stub, std::move(delegate));
}

}  // namespace fw
