#include "shell/menu_bar1.h"

#include <optional>
#include <string_view>

#include "framework/core/exceptions.h"
#include "framework/core/property_list.h"

namespace quorvan {

namespace {

fw::Ref<class MenuBar1> _implicitInstance;

// One item by the fixed steps: made, constructed, then Name, AutoEnable, Text, Visible and, where
// given, CommandKey (separators get none).
template <class Item>
fw::Ref<fw::MenuItem> NewItem(std::string_view name, std::string_view caption,
                              std::optional<std::string_view> shortcut) {
  fw::Ref<fw::MenuItem> item =
      fw::RuntimeCheckCast<fw::MenuItem>(fw::RuntimeNewObject(Item::StaticClass()));
  fw::Must(item).Constructor();
  item->Name(name);
  item->AutoEnable(true);
  item->Text(caption);
  item->Visible(true);
  if (shortcut) item->CommandKey(*shortcut);
  return item;
}

void AddTopMenu(fw::MenuItem& bar, std::string_view name, std::string_view caption) {
  bar.AddMenu(NewItem<fw::MenuItem>(name, caption, ""));
}

// Appends the entry to the bar's menu `parentName`, looked up afresh for each entry.
void AddEntry(fw::MenuItem& bar, std::string_view parentName, fw::Ref<fw::MenuItem> entry) {
  fw::Ref<fw::MenuItem> parent = bar.Child(parentName);
  if (!parent) throw fw::NilObjectException("No menu named " + std::string(parentName));
  parent->AddMenu(std::move(entry));
}

void AddSeparator(fw::MenuItem& bar, std::string_view parentName, std::string_view name) {
  AddEntry(bar, parentName, NewItem<fw::MenuItem>(name, "-", std::nullopt));
}

}  // namespace

const fw::ClassInfo& MenuBar1::StaticClass() {
  return fw::RegisteredClass([] {
    fw::ClassInfo made;
    made.name = "MenuBar1.MenuBar1";
    made.base = &fw::MenuBar::StaticClass();
    made.members = {{"Constructor", "%%", {}},
                    {"Untitled0", "%%", {}},
                    {"Untitled1", "%%", {}},
                    {"Untitled2", "%%", {}}};
    made.factory = [] { return fw::Ref<fw::Object>(new class MenuBar1); };
    return made;
  });
}

void MenuBar1::Constructor() {
  Untitled0();
  Untitled1();
  Untitled2();
}

void MenuBar1::Untitled0() {
  AddTopMenu(*this, "FileMenu", "&File");
  AddEntry(*this, "FileMenu", NewItem<fw::QuitMenuItem>("FileQuit", "E&xit", ""));
  AddEntry(*this, "FileMenu", NewItem<fw::PrefsMenuItem>("AboutItem", "About Quorvan", ""));
}

void MenuBar1::Untitled1() {
  AddTopMenu(*this, "EditMenu", "&Edit");
  AddEntry(*this, "EditMenu", NewItem<fw::MenuItem>("EditUndo", "&Undo", "Ctrl+Z"));
  AddSeparator(*this, "EditMenu", "UntitledMenu1");
  AddEntry(*this, "EditMenu", NewItem<fw::MenuItem>("EditCut", "Cu&t", "Ctrl+X"));
  AddEntry(*this, "EditMenu", NewItem<fw::MenuItem>("EditCopy", "&Copy", "Ctrl+C"));
  AddEntry(*this, "EditMenu", NewItem<fw::MenuItem>("EditPaste", "&Paste", "Ctrl+V"));
  AddEntry(*this, "EditMenu", NewItem<fw::MenuItem>("EditClear", "&Delete", ""));
  AddSeparator(*this, "EditMenu", "UntitledMenu0");
  AddEntry(*this, "EditMenu", NewItem<fw::MenuItem>("EditSelectAll", "Select &All", "Ctrl+A"));
}

void MenuBar1::Untitled2() {
  AddTopMenu(*this, "InfoMenu", "Window");
  AddEntry(*this, "InfoMenu", NewItem<fw::MenuItem>("ControlItem", "Control", ""));
  AddEntry(*this, "InfoMenu", NewItem<fw::MenuItem>("InfoItem", "Info", ""));
}

fw::Ref<class MenuBar1> MenuBar1() {
  if (_implicitInstance) return _implicitInstance;
  fw::Ref<class MenuBar1> bar =
      fw::RuntimeCheckCast<class MenuBar1>(fw::RuntimeNewObject(MenuBar1::StaticClass()));
  fw::Must(bar).Constructor();
  _implicitInstance = bar;
  return bar;
}

void MenuBarWindow::SetMenuBarAndProperties(std::string_view list) {
  MenuBar(MenuBar1());
  fw::SetProperties(*this, list);
}

std::vector<fw::MemberInfo> MenuBarWindowMembers(std::vector<fw::MemberInfo> before,
                                                 const std::vector<fw::MemberInfo>& after) {
  const std::vector<fw::MemberInfo> items = {
      {"InfoMenu", "%o<MenuItem>%", {}},      {"InfoItem", "%o<MenuItem>%", {}},
      {"ControlItem", "%o<MenuItem>%", {}},   {"EditMenu", "%o<MenuItem>%", {}},
      {"EditSelectAll", "%o<MenuItem>%", {}}, {"UntitledMenu0", "%o<MenuItem>%", {}},
      {"EditClear", "%o<MenuItem>%", {}},     {"EditPaste", "%o<MenuItem>%", {}},
      {"EditCopy", "%o<MenuItem>%", {}},      {"EditCut", "%o<MenuItem>%", {}},
      {"UntitledMenu1", "%o<MenuItem>%", {}}, {"EditUndo", "%o<MenuItem>%", {}},
      {"FileMenu", "%o<MenuItem>%", {}},      {"AboutItem", "%o<PrefsMenuItem>%", {}},
      {"FileQuit", "%o<QuitMenuItem>%", {}},
  };
  before.insert(before.end(), items.begin(), items.end());
  before.insert(before.end(), after.begin(), after.end());
  return before;
}

}  // namespace quorvan
