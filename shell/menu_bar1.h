// The one menu bar of the program: File, Edit and a third menu captioned "Window", fifteen items
// in all. The application, the calculator window and the help window all show this same object;
// windows reach its items by name only.
#pragma once

#include "framework/core/menu_item.h"

namespace quorvan {

class MenuBar1 : public fw::MenuBar {
 public:
  static const fw::ClassInfo& StaticClass();
  const fw::ClassInfo& Class() const override { return StaticClass(); }

  // Builds the three menus in order; the inherited item constructor is not run, the new object
  // already is an empty bar.
  void Constructor() override;
  virtual void Untitled0();  // File: Exit, About Quorvan
  virtual void Untitled1();  // Edit: Undo, Cut, Copy, Paste, Delete, Select All
  virtual void Untitled2();  // Window: Control, Info

 private:
  MenuBar1() = default;
};

// The shared bar, built on the first call. A build that fails stores nothing and passes its
// exception on, so the next call builds afresh.
fw::Ref<class MenuBar1> MenuBar1();

}  // namespace quorvan
