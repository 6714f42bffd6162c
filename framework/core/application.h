// The application object: one per run, registered with the framework at start-up, holding the
// program's version data and the application's menu bar.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "framework/core/class_info.h"
#include "framework/core/menu_item.h"
#include "framework/core/object.h"

namespace fw {

class Application : public Object {
 public:
  static const ClassInfo& StaticClass();
  const ClassInfo& Class() const override { return StaticClass(); }

  // Declares whether the program supports high-resolution displays; must come before the
  // application's windows.
  static void SetSupportsHiDPI(bool supported);
  static bool SupportsHiDPI();

  // Gives the version data, once (a second call raises RuntimeException); the values are readable
  // through the properties below.
  void x_SetVersionData(std::int64_t major, std::int64_t minor, std::int64_t bug,
                        std::int64_t nonRelease, std::int64_t stageCode, std::string longVersion,
                        std::string shortVersion, std::string packageInfo);
  std::int64_t MajorVersion() const { return major_; }
  std::int64_t MinorVersion() const { return minor_; }
  std::int64_t BugVersion() const { return bug_; }
  std::int64_t NonReleaseVersion() const { return nonRelease_; }
  std::int64_t StageCode() const { return stageCode_; }
  const std::string& LongVersion() const { return longVersion_; }
  const std::string& ShortVersion() const { return shortVersion_; }
  const std::string& PackageInfo() const { return packageInfo_; }

  void MenuBar(Ref<MenuItem> bar);
  Ref<MenuItem> MenuBar() const { return menuBar_; }

  // Asks the framework whether the class handles an application event.
  virtual bool IsEventImplemented(std::string_view eventName) const;

 private:
  bool versionSet_ = false;
  std::int64_t major_ = 0, minor_ = 0, bug_ = 0, nonRelease_ = 0, stageCode_ = 0;
  std::string longVersion_, shortVersion_, packageInfo_;
  Ref<MenuItem> menuBar_;
};

// The registered application object, or nil before RuntimeRegisterAppObject, which sets it here.
Ref<Application> App();
void SetApp(Ref<Application> app);

}  // namespace fw
