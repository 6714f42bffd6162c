// Delegates: a handler method bound to its target object, made with RuntimeCreateDelegate and
// handed to RuntimeAddEventHandler (control events), Window::AddMenuHandler (menu items) or the
// start-up services. The target is held weakly: a delegate never calls into a window that is gone.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>

#include "framework/core/class_info.h"
#include "framework/core/object.h"

namespace fw {

class Delegate : public Object {
 public:
  static const ClassInfo& StaticClass();
  const ClassInfo& Class() const override { return StaticClass(); }

  // The invoker maps (sender, event arguments) to the handler's parameters and returns its
  // Boolean result unchanged (false for a handler without result).
  using Invoker = std::function<bool(Object* sender, const EventArgs& args)>;
  Delegate(Invoker invoker, std::string signature, int flag);

  const std::string& Signature() const { return signature_; }
  int Flag() const { return flag_; }
  // Calls the handler; false without a call when its target no longer exists.
  bool Invoke(Object* sender, const EventArgs& args = {}) const;
  // The entry handed to a start-up service: a callable that stays valid after the delegate is
  // released (it shares the invoker).
  std::function<void()> Entry() const;

 private:
  std::shared_ptr<const Invoker> invoker_;
  std::string signature_;
  int flag_;
};

namespace detail {
// Turns one event's arguments into the handler's parameters. Supported shapes:
//   ()                      menu handlers, start-up entries
//   (C&)                    TextChange, Action, MouseEnter/Exit, Timer.Action
//   (C&, std::string_view)  KeyDown
//   (C&, int64, int64)      MouseDown
template <class Param>
Param& Sender(Object* sender) {
  using C = std::remove_cvref_t<Param>;
  auto* typed = dynamic_cast<C*>(sender);
  if (!typed) throw NilObjectException("Event raised without a sender of the handler's class");
  return *typed;
}

template <class R, class F>
bool ResultOf(F&& call) {
  if constexpr (std::is_void_v<R>) {
    call();
    return false;
  } else {
    return static_cast<bool>(call());
  }
}

template <class W, class R, class... P>
Delegate::Invoker MakeInvoker(R (W::*handler)(P...), std::weak_ptr<W> target) {
  return [handler, target]([[maybe_unused]] Object* sender,
                           [[maybe_unused]] const EventArgs& args) -> bool {
    auto self = target.lock();
    if (!self) return false;
    W& w = *self;
    constexpr std::size_t n = sizeof...(P);
    if constexpr (n == 0) {
      return ResultOf<R>([&] { return (w.*handler)(); });
    } else {
      using Tuple = std::tuple<P...>;
      using P0 = std::tuple_element_t<0, Tuple>;
      if constexpr (n == 1) {
        return ResultOf<R>([&] { return (w.*handler)(Sender<P0>(sender)); });
      } else if constexpr (n == 2) {
        return ResultOf<R>([&] { return (w.*handler)(Sender<P0>(sender), args.key); });
      } else {
        static_assert(n == 3, "unsupported handler signature");
        return ResultOf<R>([&] { return (w.*handler)(Sender<P0>(sender), args.x, args.y); });
      }
    }
  };
}
}  // namespace detail

// A delegate over a handler method of `target`. The invoker for the handler's signature is made
// from the method's type, so it can never disagree with the handler.
template <class W, class R, class... P>
Ref<Delegate> RuntimeCreateDelegate(R (W::*handler)(P...), const Ref<W>& target,
                                    std::string signature, int flag) {
  return std::make_shared<Delegate>(detail::MakeInvoker(handler, std::weak_ptr<W>(target)),
                                    std::move(signature), flag);
}

// A delegate over a plain function without target (start-up entries).
Ref<Delegate> RuntimeCreateDelegate(void (*function)(), std::string signature, int flag);

// The framework's stub for a control event number: calls the delegate with the sender and the
// event's arguments and hands its Boolean result back unchanged.
EventStub EventStubFor(int eventNumber);

// Binds a control event, by number, to a delegate. Throws InvalidArgumentException for a number
// outside the control class's event list.
void RuntimeAddEventHandler(Object& control, int eventNumber, EventStub stub,
                            Ref<Delegate> delegate);

}  // namespace fw
