#include "info_windows/wrapper_timer1.h"

namespace quorvan {

// Member signatures: "%" result "%" parameters; i8 Integer, o<C> object.
const fw::ClassInfo& _wrapper_Timer1::StaticClass() {
  return fw::RegisteredClass([] {
    fw::ClassInfo made;
    // Named within the box's module, as the window classes are.
    made.name = "AboutWnd._wrapper_Timer1";
    made.base = &fw::Timer::StaticClass();
    made.members = {
        {"Index", "%i8%", {}},         {"ownerWindow", "%o<WeakRef>%", {{"Hidden", ""}}},
        {"Constructor", "%%", {}},     {"_SetWindow", "%%o<Window>", {}},
        {"Window", "%o<Window>%", {}}, {"_Index", "%i8%", {}},
        {"_SetIndex", "%%i8", {}},
    };
    made.factory = [] { return fw::Ref<fw::Object>(new _wrapper_Timer1); };
    return made;
  });
}

}  // namespace quorvan
