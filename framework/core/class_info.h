// The class registry: every class, the framework's and the program's, is known by its framework
// name ("Window", "ControlWnd.ControlWnd", "MenuBar1.MenuBar1") with its member list, its declared
// properties (whose types drive property lists), its control events (numbered through the class
// hierarchy) and, for window classes, the table of the 34 window events.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/core/exceptions.h"
#include "framework/core/object.h"

namespace fw {

// Whether two names are equal without regard to (ASCII) letter case, as property names match.
bool NamesMatch(std::string_view a, std::string_view b);

// Declared type of a property; gives the width of its value in a property list.
enum class PropType : std::uint8_t {
  Boolean,   // 1 byte
  Integer,   // 8 bytes, signed
  Enum,      // 8 bytes, signed
  FontUnit,  // 1 byte, unsigned
  Single,    // 4 bytes, IEEE binary32
  Double,    // 8 bytes, IEEE binary64
  Color,     // 4 bytes
  String,    // 4-byte count, then UTF-8 bytes
};

struct PropertyDecl {
  std::string name;
  PropType type;
};

struct Attribute {
  std::string name;
  std::string value;
};

// One entry of a class's member list (introspection data), e.g. {"IsEventImplemented", "%b%s"}.
struct MemberInfo {
  std::string name;
  std::string signature;
  std::vector<Attribute> attributes;
};

// The framework's window events, by number.
enum class WindowEvent : int {
  Activate = 0,
  AddMenuHandlers,
  CancelClose,
  Close,
  ConstructContextualMenu,
  ContentsChanged,
  ContextualMenuAction,
  CreateControls,
  Deactivate,
  DragEnter,
  DragExit,
  DragOver,
  DropObject,
  EnableMenuItems,
  KeyDown,
  KeyUp,
  Layout,
  Maximize,
  Minimize,
  MouseDown,
  MouseDrag,
  MouseEnter,
  MouseExit,
  MouseMove,
  MouseUp,
  MouseWheel,
  Moved,
  Open,
  Paint,
  Resized,
  Resizing,
  Restore,
  ScaleFactorChanged,
  SetupBindings,
};
inline constexpr int kWindowEventCount = 34;
std::string_view WindowEventName(WindowEvent event);

// Event table of a window class: for each window event the name of the class's handler, or empty.
using WindowEventTable = std::array<std::string, kWindowEventCount>;

class ClassInfo {
 public:
  std::string name;
  const ClassInfo* base = nullptr;
  std::vector<MemberInfo> members;       // own members, in order
  std::vector<PropertyDecl> properties;  // own declared properties
  std::vector<std::string> events;       // own control events; numbering continues the base's
  WindowEventTable windowEvents{};       // window classes only
  std::function<Ref<Object>()> factory;  // a new, unconstructed object; empty for abstract classes

  bool DerivesFrom(const ClassInfo& other) const;  // true for the class itself too
  // The declared property of that name here or in a base, matched without regard to case.
  const PropertyDecl* FindProperty(std::string_view propertyName) const;
  // Number of a control event, counting the bases' events first; -1 when there is none.
  int EventNumber(std::string_view eventName) const;
  // Whether the class's window event table, or a base's, names a handler for the event (by name).
  bool HandlesWindowEvent(std::string_view eventName) const;
  // Members of the bases first, then this class's own.
  std::vector<MemberInfo> AllMembers() const;
};

// Registers a class under its name; `cls` must live as long as the program (a function-local
// static). A second, different class under a name already taken raises InvalidArgumentException.
void RegisterClass(const ClassInfo& cls);
// A class made by `make` (a lambda of its own for each class) and registered the first time it is
// asked for; the body of a StaticClass().
template <class Make>
const ClassInfo& RegisteredClass(Make make) {
  static const ClassInfo cls = make();
  static const bool registered = (RegisterClass(cls), true);
  (void)registered;
  return cls;
}

// The registered class of that name, or nullptr.
const ClassInfo* FindClass(std::string_view name);

// Whether the class named `className` handles the window event `eventName`; `object` must be an
// instance of that class (InvalidArgumentException otherwise, and for a name nobody registered).
// `implemented` is what the program passes (always true) and is returned combined with the table's
// answer.
bool RuntimeIsEventHandled(const Object& object, std::string_view className,
                           std::string_view eventName, bool implemented);

// A new, unconstructed object of the class, through its factory; throws InvalidArgumentException
// for a class without one.
Ref<Object> RuntimeNewObject(const ClassInfo& cls);

// The object typed as T. A nil object passes through as nil, so that a missing member surfaces as
// NilObjectException where it is used; an object of another class raises IllegalCastException.
template <class T>
Ref<T> RuntimeCheckCast(const Ref<Object>& object) {
  if (!object) return nullptr;
  auto typed = std::dynamic_pointer_cast<T>(object);
  if (!typed || !object->IsA(T::StaticClass())) {
    throw IllegalCastException("Cannot cast an object of class " + object->Class().name + " to " +
                               T::StaticClass().name);
  }
  return typed;
}

// Dereferences a reference the program is about to use; nil raises NilObjectException.
template <class T>
T& Must(const Ref<T>& ref, std::string_view what = "object") {
  if (!ref) throw NilObjectException("Nil " + std::string(what) + " used");
  return *ref;
}

}  // namespace fw
