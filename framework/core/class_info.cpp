#include "framework/core/class_info.h"

#include <algorithm>
#include <map>
#include <mutex>

#include "framework/core/application.h"
#include "framework/core/builtin_classes.h"
#include "framework/core/delegate.h"
#include "framework/core/menu_item.h"

namespace fw {
namespace {
constexpr std::array<std::string_view, kWindowEventCount> kWindowEventNames = {
    "Activate",
    "AddMenuHandlers",
    "CancelClose",
    "Close",
    "ConstructContextualMenu",
    "ContentsChanged",
    "ContextualMenuAction",
    "CreateControls",
    "Deactivate",
    "DragEnter",
    "DragExit",
    "DragOver",
    "DropObject",
    "EnableMenuItems",
    "KeyDown",
    "KeyUp",
    "Layout",
    "Maximize",
    "Minimize",
    "MouseDown",
    "MouseDrag",
    "MouseEnter",
    "MouseExit",
    "MouseMove",
    "MouseUp",
    "MouseWheel",
    "Moved",
    "Open",
    "Paint",
    "Resized",
    "Resizing",
    "Restore",
    "ScaleFactorChanged",
    "SetupBindings",
};

char Lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// The framework's own classes are known from the start; program classes register themselves.
struct Registry {
  Registry() {
    for (const ClassInfo* cls : classes::All()) Add(*cls);
    Add(MenuItem::StaticClass());
    Add(MenuBar::StaticClass());
    Add(QuitMenuItem::StaticClass());
    Add(PrefsMenuItem::StaticClass());
    Add(Application::StaticClass());
    Add(Delegate::StaticClass());
  }
  void Add(const ClassInfo& cls) { classes.emplace(cls.name, &cls); }

  std::mutex mutex;
  std::map<std::string, const ClassInfo*, std::less<>> classes;
};

Registry& TheRegistry() {
  static Registry registry;
  return registry;
}
}  // namespace

bool NamesMatch(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) { return Lower(x) == Lower(y); });
}

std::string_view WindowEventName(WindowEvent event) {
  const auto index = static_cast<std::size_t>(event);
  return index < kWindowEventNames.size() ? kWindowEventNames[index] : std::string_view{};
}

bool ClassInfo::DerivesFrom(const ClassInfo& other) const {
  for (const ClassInfo* cls = this; cls; cls = cls->base) {
    if (cls == &other) return true;
  }
  return false;
}

const PropertyDecl* ClassInfo::FindProperty(std::string_view propertyName) const {
  for (const ClassInfo* cls = this; cls; cls = cls->base) {
    for (const PropertyDecl& decl : cls->properties) {
      if (NamesMatch(decl.name, propertyName)) return &decl;
    }
  }
  return nullptr;
}

int ClassInfo::EventNumber(std::string_view eventName) const {
  std::vector<const ClassInfo*> chain;
  for (const ClassInfo* cls = this; cls; cls = cls->base) chain.push_back(cls);
  int number = 0;
  // Counted from the root: the bases' events come first.
  for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
    for (const std::string& event : (*it)->events) {
      if (event == eventName) return number;
      ++number;
    }
  }
  return -1;
}

bool ClassInfo::HandlesWindowEvent(std::string_view eventName) const {
  const auto found = std::ranges::find(kWindowEventNames, eventName);
  if (found == kWindowEventNames.end()) return false;
  const auto index = static_cast<std::size_t>(found - kWindowEventNames.begin());
  for (const ClassInfo* cls = this; cls; cls = cls->base) {
    if (!cls->windowEvents[index].empty()) return true;
  }
  return false;
}

std::vector<MemberInfo> ClassInfo::AllMembers() const {
  std::vector<MemberInfo> all = base ? base->AllMembers() : std::vector<MemberInfo>{};
  all.insert(all.end(), members.begin(), members.end());
  return all;
}

void RegisterClass(const ClassInfo& cls) {
  Registry& registry = TheRegistry();
  std::lock_guard lock(registry.mutex);
  auto [it, added] = registry.classes.emplace(cls.name, &cls);
  if (!added && it->second != &cls) {
    throw InvalidArgumentException("A different class is already registered as " + cls.name);
  }
}

const ClassInfo* FindClass(std::string_view name) {
  Registry& registry = TheRegistry();
  std::lock_guard lock(registry.mutex);
  auto it = registry.classes.find(name);
  return it == registry.classes.end() ? nullptr : it->second;
}

bool RuntimeIsEventHandled(const Object& object, std::string_view className,
                           std::string_view eventName, bool implemented) {
  const ClassInfo* cls = FindClass(className);
  if (!cls) throw InvalidArgumentException("No class is registered as " + std::string(className));
  if (!object.IsA(*cls)) {
    throw InvalidArgumentException("Object of class " + object.Class().name +
                                   " asked about the events of " + cls->name);
  }
  return implemented && cls->HandlesWindowEvent(eventName);
}

Ref<Object> RuntimeNewObject(const ClassInfo& cls) {
  if (!cls.factory) throw InvalidArgumentException("Class " + cls.name + " cannot be created");
  Ref<Object> object = cls.factory();
  if (!object) throw NilObjectException("The factory of class " + cls.name + " made nothing");
  return object;
}

}  // namespace fw
