// Every framework object: reference counted (std::shared_ptr), knows its class, keeps the values of
// its properties, and carries the event bindings that the program made on it.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace fw {

template <class T>
using Ref = std::shared_ptr<T>;

class ClassInfo;
class Delegate;

// A colour as stored in property lists: red, green, blue, then transparency (0 is opaque).
struct Color {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  std::uint8_t transparency = 0;
  friend bool operator==(const Color&, const Color&) = default;
};

// A property's value. Enumerations (8-byte and 1-byte) are held as integers.
using PropertyValue = std::variant<bool, std::int64_t, float, double, Color, std::string>;

// Arguments of a control event, handed by the framework to the event's stub.
struct EventArgs {
  std::string key;     // KeyDown: the key's text
  std::int64_t x = 0;  // MouseDown: position in the control
  std::int64_t y = 0;
};

// Calls a bound delegate for one event; the framework hands it the sender and the arguments.
using EventStub = bool (*)(const Delegate& delegate, class Object& sender, const EventArgs& args);

class Object : public std::enable_shared_from_this<Object> {
 public:
  Object() = default;
  Object(const Object&) = delete;
  Object& operator=(const Object&) = delete;
  virtual ~Object();

  // The class as the framework knows it (name, members, events, declared properties).
  virtual const ClassInfo& Class() const = 0;
  // True when this object's class is `cls` or derives from it.
  bool IsA(const ClassInfo& cls) const;

  // Sets a declared property (name matched without regard to case; throws PropertyListException
  // for a name the class does not declare or a value of the wrong type) and lets the object apply
  // it.
  void SetProperty(std::string_view name, PropertyValue value);
  // The stored value of a property, or nothing when it was never set.
  const PropertyValue* Property(std::string_view name) const;
  // Typed reads with a fallback for an unset property.
  bool BoolProperty(std::string_view name, bool fallback = false) const;
  std::int64_t IntProperty(std::string_view name, std::int64_t fallback = 0) const;
  double NumberProperty(std::string_view name, double fallback = 0) const;  // single or double
  std::string StringProperty(std::string_view name, std::string fallback = {}) const;
  Color ColorProperty(std::string_view name, Color fallback = {}) const;

  // Event bindings (RuntimeAddEventHandler stores here; controls raise through RaiseEvent). One
  // delegate per event number: binding the number again replaces the earlier delegate.
  void AddEventHandler(int eventNumber, EventStub stub, Ref<Delegate> delegate);
  bool IsEventBound(int eventNumber) const;
  // Calls the delegate bound for the event, through its stub; false when none is bound.
  // Exceptions from the handler pass on: the caller (the framework's dispatch) guards.
  bool RaiseEvent(int eventNumber, const EventArgs& args = {});

 protected:
  // Called after a property's value was stored, with the declared (canonical) name.
  virtual void PropertyChanged(std::string_view name, const PropertyValue& value);

 private:
  struct Binding {
    int eventNumber;
    EventStub stub;
    Ref<Delegate> delegate;
  };
  std::vector<std::pair<std::string, PropertyValue>> properties_;
  std::vector<Binding> bindings_;
};

}  // namespace fw
