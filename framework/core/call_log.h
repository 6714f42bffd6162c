// A seam that lets tests see which framework services ran, and in which order: start-up services,
// control and menu-item lookups, picture lookups. Costs one branch when no recorder is installed.
#pragma once

#include <functional>
#include <string_view>

namespace fw {

using CallRecorder = std::function<void(std::string_view call)>;
// Installs a recorder (an empty function removes it).
void SetCallRecorder(CallRecorder recorder);
// Called by the framework with the service's name, e.g. "RuntimeInit", "ControlByName". The core
// records "Application.SetSupportsHiDPI", "Application.x_SetVersionData", "Application.MenuBar"
// (the setter), "MenuItem.Child" and "MenuItem.Lookup".
void RecordCall(std::string_view call);

}  // namespace fw
