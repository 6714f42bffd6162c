#include "shell/quorvan_app.h"

namespace quorvan {

namespace {
constexpr std::string_view kClassName = "Quorvan";
}  // namespace

const fw::ClassInfo& Quorvan::StaticClass() {
  return fw::RegisteredClass([] {
    fw::ClassInfo made;
    made.name = std::string(kClassName);
    made.base = &fw::Application::StaticClass();
    made.members = {{"IsEventImplemented", "%b%s", {}}, {"Constructor", "%%", {}}};
    made.factory = [] { return fw::Ref<fw::Object>(new Quorvan); };
    return made;
  });
}

bool Quorvan::IsEventImplemented(std::string_view eventName) const {
  return fw::RuntimeIsEventHandled(*this, kClassName, eventName, true);
}

void Quorvan::Constructor() {}

}  // namespace quorvan
