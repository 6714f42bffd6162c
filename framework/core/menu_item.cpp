#include "framework/core/menu_item.h"

#include <utility>

#include "framework/core/call_log.h"
#include "framework/core/ui_thread.h"

namespace fw {
namespace {
ClassInfo MenuClass(std::string name, const ClassInfo* base, std::function<Ref<Object>()> factory) {
  ClassInfo c;
  c.name = std::move(name);
  c.base = base;
  c.factory = std::move(factory);
  return c;
}

// Depth first, children in order: the first item of that name in menu order wins.
Ref<MenuItem> FindBelow(const MenuItem& menu, std::string_view name) {
  for (const auto& child : menu.Children()) {
    if (child->Name() == name) return child;
    if (auto found = FindBelow(*child, name)) return found;
  }
  return nullptr;
}
}  // namespace

const ClassInfo& MenuItem::StaticClass() {
  static const ClassInfo cls = [] {
    ClassInfo c = MenuClass("MenuItem", nullptr, [] { return std::make_shared<MenuItem>(); });
    c.members = {MemberInfo{"Constructor", "%%", {}}, MemberInfo{"AddMenu", "%%o", {}},
                 MemberInfo{"Child", "%o%s", {}},
                 MemberInfo{"Lookup", "%o%s", {Attribute{"Hidden", ""}}}};
    return c;
  }();
  return cls;
}

const ClassInfo& MenuBar::StaticClass() {
  static const ClassInfo cls =
      MenuClass("MenuBar", &MenuItem::StaticClass(), [] { return std::make_shared<MenuBar>(); });
  return cls;
}

const ClassInfo& QuitMenuItem::StaticClass() {
  static const ClassInfo cls = MenuClass("QuitMenuItem", &MenuItem::StaticClass(),
                                         [] { return std::make_shared<QuitMenuItem>(); });
  return cls;
}

const ClassInfo& PrefsMenuItem::StaticClass() {
  static const ClassInfo cls = MenuClass("PrefsMenuItem", &MenuItem::StaticClass(),
                                         [] { return std::make_shared<PrefsMenuItem>(); });
  return cls;
}

MenuItem::~MenuItem() {
  // Someone may still hold a child; it must not reach back into this item.
  for (const auto& child : children_) child->parent_ = nullptr;
}

void MenuItem::Constructor() {
  CheckGuiThread();
  for (const auto& child : children_) child->parent_ = nullptr;
  children_.clear();
  name_.clear();
  text_.clear();
  commandKey_.clear();
  autoEnable_ = false;
  visible_ = true;
  Touch();
}

void MenuItem::Name(std::string_view name) {
  CheckGuiThread();
  name_ = name;
  Touch();
}

void MenuItem::AutoEnable(bool value) {
  CheckGuiThread();
  autoEnable_ = value;
  Touch();
}

void MenuItem::Text(std::string_view text) {
  CheckGuiThread();
  text_ = text;
  Touch();
}

void MenuItem::Visible(bool value) {
  CheckGuiThread();
  visible_ = value;
  Touch();
}

void MenuItem::CommandKey(std::string_view key) {
  CheckGuiThread();
  commandKey_ = key;
  Touch();
}

void MenuItem::AddMenu(Ref<MenuItem> item) {
  CheckGuiThread();
  if (!item) throw NilObjectException("Nil menu item added to a menu");
  if (item->parent_) throw InvalidArgumentException("Menu item " + item->name_ + " is in a menu");
  for (const MenuItem* up = this; up; up = up->parent_) {
    if (up == item.get()) throw InvalidArgumentException("A menu cannot contain itself");
  }
  item->parent_ = this;
  children_.push_back(std::move(item));
  Touch();
}

Ref<MenuItem> MenuItem::Child(std::string_view name) const {
  RecordCall("MenuItem.Child");
  CheckGuiThread();
  for (const auto& child : children_) {
    if (child->name_ == name) return child;
  }
  return nullptr;
}

Ref<MenuItem> MenuItem::Lookup(std::string_view name) const {
  RecordCall("MenuItem.Lookup");
  CheckGuiThread();
  return FindBelow(*this, name);
}

std::uint64_t MenuItem::Revision() const {
  return revision_;
}

void MenuItem::Touch() {
  for (MenuItem* item = this; item; item = item->parent_) ++item->revision_;
}

}  // namespace fw
