// Menus as data: a tree of named items under a menu bar. Windows render the tree (framework/
// window.h) and route a chosen item by its name to the handler the window registered for it.
// Every operation runs on the GUI thread only.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "framework/core/class_info.h"
#include "framework/core/object.h"

namespace fw {

class MenuItem : public Object {
 public:
  static const ClassInfo& StaticClass();
  const ClassInfo& Class() const override { return StaticClass(); }

  MenuItem() = default;
  ~MenuItem() override;
  // Makes the item usable and empty (no name, no caption, no children).
  virtual void Constructor();

  void Name(std::string_view name);
  const std::string& Name() const { return name_; }
  void AutoEnable(bool value);
  bool AutoEnable() const { return autoEnable_; }
  // "&" marks the mnemonic; "-" makes the item a separator.
  void Text(std::string_view text);
  const std::string& Text() const { return text_; }
  void Visible(bool value);
  bool Visible() const { return visible_; }
  // A shortcut such as "Ctrl+Z"; the empty text gives none.
  void CommandKey(std::string_view key);
  const std::string& CommandKey() const { return commandKey_; }
  bool IsSeparator() const { return text_ == "-"; }

  // Appends `item` as this item's last child. An item belongs to one menu: adding one that is in a
  // menu already, or an item to itself or its own submenu, raises InvalidArgumentException.
  void AddMenu(Ref<MenuItem> item);
  // The direct child of that name, or nil; records "MenuItem.Child".
  Ref<MenuItem> Child(std::string_view name) const;
  // The item of that name anywhere below this one (depth first), or nil; records "MenuItem.Lookup".
  Ref<MenuItem> Lookup(std::string_view name) const;
  const std::vector<Ref<MenuItem>>& Children() const { return children_; }
  // Bumped on every change anywhere below, so a window knows when to render the bar again.
  std::uint64_t Revision() const;

 private:
  void Touch();
  std::string name_;
  bool autoEnable_ = false;
  std::string text_;
  bool visible_ = true;
  std::string commandKey_;
  std::vector<Ref<MenuItem>> children_;
  MenuItem* parent_ = nullptr;
  std::uint64_t revision_ = 0;
};

class MenuBar : public MenuItem {
 public:
  static const ClassInfo& StaticClass();
  const ClassInfo& Class() const override { return StaticClass(); }
};

// The item that quits: chosen where no window handler took it, it quits the program.
class QuitMenuItem : public MenuItem {
 public:
  static const ClassInfo& StaticClass();
  const ClassInfo& Class() const override { return StaticClass(); }
};

// The preferences/about item; without a window handler it does nothing.
class PrefsMenuItem : public MenuItem {
 public:
  static const ClassInfo& StaticClass();
  const ClassInfo& Class() const override { return StaticClass(); }
};

}  // namespace fw
