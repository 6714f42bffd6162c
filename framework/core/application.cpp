#include "framework/core/application.h"

#include <atomic>
#include <utility>

#include "framework/core/call_log.h"
#include "framework/core/ui_thread.h"

namespace fw {
namespace {
MemberInfo Own(std::string name, std::string signature) {
  return MemberInfo{std::move(name), std::move(signature), {}};
}
MemberInfo Hidden(std::string name, std::string signature) {
  return MemberInfo{std::move(name), std::move(signature), {Attribute{"Hidden", ""}}};
}

std::atomic<bool> supportsHiDPI{false};

Ref<Application>& RegisteredApp() {
  static Ref<Application> app;
  return app;
}
}  // namespace

const ClassInfo& Application::StaticClass() {
  static const ClassInfo cls = [] {
    ClassInfo c;
    c.name = "Application";
    // The application's virtual operations, in slot order.
    c.members = {Own("AddTrayItem", "%b%o"),
                 Own("DoEvents", "%%i"),
                 Own("HideTooltip", "%%"),
                 Own("NewDocument", "%%"),
                 Own("OpenDocument", "%%o"),
                 Own("RefreshMenuBar", "%%"),
                 Own("RemoveTrayItem", "%%o"),
                 Own("ShowTooltip", "%%sii"),
                 Own("SleepCurrentThread", "%%i"),
                 Own("Window", "%o%i"),
                 Own("WindowCount", "%i%"),
                 Own("YieldToNextThread", "%%"),
                 Hidden("AddMenuHandler", "%%so"),
                 Hidden("AddPollableObject", "%%o"),
                 Hidden("DependencyList", "%o%"),
                 Hidden("DoSingleEvent", "%%"),
                 Hidden("RemovePollableObject", "%%o"),
                 Hidden("x_SetVersionData", "%%iiiiisss")};
    c.factory = [] { return std::make_shared<Application>(); };
    return c;
  }();
  return cls;
}

void Application::SetSupportsHiDPI(bool supported) {
  RecordCall("Application.SetSupportsHiDPI");
  supportsHiDPI.store(supported);
}

bool Application::SupportsHiDPI() {
  return supportsHiDPI.load();
}

void Application::x_SetVersionData(std::int64_t major, std::int64_t minor, std::int64_t bug,
                                   std::int64_t nonRelease, std::int64_t stageCode,
                                   std::string longVersion, std::string shortVersion,
                                   std::string packageInfo) {
  RecordCall("Application.x_SetVersionData");
  // The version properties are read-only: a second call would change them behind the reader.
  if (versionSet_) throw RuntimeException("The version data was given already");
  versionSet_ = true;
  major_ = major;
  minor_ = minor;
  bug_ = bug;
  nonRelease_ = nonRelease;
  stageCode_ = stageCode;
  longVersion_ = std::move(longVersion);
  shortVersion_ = std::move(shortVersion);
  packageInfo_ = std::move(packageInfo);
}

void Application::MenuBar(Ref<MenuItem> bar) {
  RecordCall("Application.MenuBar");
  CheckGuiThread();
  menuBar_ = std::move(bar);
}

bool Application::IsEventImplemented(std::string_view eventName) const {
  return RuntimeIsEventHandled(*this, Class().name, eventName, true);
}

void SetApp(Ref<Application> app) {
  RegisteredApp() = std::move(app);
}

Ref<Application> App() {
  return RegisteredApp();
}

}  // namespace fw
