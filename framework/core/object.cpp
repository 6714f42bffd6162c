#include "framework/core/object.h"

#include <algorithm>
#include <utility>

#include "framework/core/class_info.h"
#include "framework/core/delegate.h"
#include "framework/core/exceptions.h"

namespace fw {
namespace {
bool Fits(PropType type, const PropertyValue& value) {
  switch (type) {
    case PropType::Boolean:
      return std::holds_alternative<bool>(value);
    case PropType::Integer:
    case PropType::Enum:
    case PropType::FontUnit:
      return std::holds_alternative<std::int64_t>(value);
    case PropType::Single:
      return std::holds_alternative<float>(value);
    case PropType::Double:
      return std::holds_alternative<double>(value);
    case PropType::Color:
      return std::holds_alternative<Color>(value);
    case PropType::String:
      return std::holds_alternative<std::string>(value);
  }
  return false;
}

// The value held as T, or the fallback when the property is unset or of another type.
template <class T>
T ValueOr(const PropertyValue* value, T fallback) {
  const T* typed = value ? std::get_if<T>(value) : nullptr;
  return typed ? *typed : std::move(fallback);
}
}  // namespace

Object::~Object() = default;

bool Object::IsA(const ClassInfo& cls) const {
  return Class().DerivesFrom(cls);
}

void Object::SetProperty(std::string_view name, PropertyValue value) {
  const PropertyDecl* decl = Class().FindProperty(name);
  if (!decl) {
    throw PropertyListException("Class " + Class().name + " has no property " + std::string(name));
  }
  if (!Fits(decl->type, value)) {
    throw PropertyListException("Property " + decl->name + " of class " + Class().name +
                                " cannot take a value of that type");
  }
  auto stored =
      std::ranges::find(properties_, decl->name, &decltype(properties_)::value_type::first);
  if (stored == properties_.end()) {
    properties_.emplace_back(decl->name, std::move(value));
    stored = properties_.end() - 1;
  } else {
    stored->second = std::move(value);  // a name given twice: the later value wins
  }
  PropertyChanged(decl->name, stored->second);
}

const PropertyValue* Object::Property(std::string_view name) const {
  for (const auto& [stored, value] : properties_) {
    if (NamesMatch(stored, name)) return &value;
  }
  return nullptr;
}

bool Object::BoolProperty(std::string_view name, bool fallback) const {
  return ValueOr<bool>(Property(name), std::move(fallback));
}

std::int64_t Object::IntProperty(std::string_view name, std::int64_t fallback) const {
  return ValueOr<std::int64_t>(Property(name), std::move(fallback));
}

double Object::NumberProperty(std::string_view name, double fallback) const {
  const auto* value = Property(name);
  if (!value) return fallback;
  if (const auto* d = std::get_if<double>(value)) return *d;
  if (const auto* f = std::get_if<float>(value)) return *f;
  return fallback;
}

std::string Object::StringProperty(std::string_view name, std::string fallback) const {
  return ValueOr<std::string>(Property(name), std::move(fallback));
}

Color Object::ColorProperty(std::string_view name, Color fallback) const {
  return ValueOr<Color>(Property(name), std::move(fallback));
}

void Object::AddEventHandler(int eventNumber, EventStub stub, Ref<Delegate> delegate) {
  if (!stub) throw InvalidArgumentException("Event handler without a stub");
  if (!delegate) throw NilObjectException("Event handler without a delegate");
  // One handler per event: binding again replaces the earlier one.
  auto bound = std::ranges::find(bindings_, eventNumber, &Binding::eventNumber);
  if (bound != bindings_.end()) {
    *bound = Binding{eventNumber, stub, std::move(delegate)};
  } else {
    bindings_.push_back(Binding{eventNumber, stub, std::move(delegate)});
  }
}

bool Object::IsEventBound(int eventNumber) const {
  return std::ranges::find(bindings_, eventNumber, &Binding::eventNumber) != bindings_.end();
}

bool Object::RaiseEvent(int eventNumber, const EventArgs& args) {
  auto bound = std::ranges::find(bindings_, eventNumber, &Binding::eventNumber);
  if (bound == bindings_.end()) return false;
  // Copies keep the delegate alive if the handler rebinds the event while it runs.
  const EventStub stub = bound->stub;
  const Ref<Delegate> delegate = bound->delegate;
  return stub(*delegate, *this, args);
}

void Object::PropertyChanged(std::string_view, const PropertyValue&) {}

}  // namespace fw
