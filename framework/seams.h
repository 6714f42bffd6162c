// Seams that tests replace to stay deterministic: the message box, the beep, the timer's clock and
// the picture folder. Each has a real path that is used when no replacement is installed.
#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <string_view>

namespace fw::seams {

// Replaces MsgBox: the function gets the text and returns at once. Empty restores the real box.
void SetMessageBox(std::function<void(std::string_view text)> messageBox);
// Replaces Beep. Empty restores the real beep.
void SetBeep(std::function<void()> beep);

// Switches timers to a virtual clock that only AdvanceClock moves (true), or back to real time.
// Timers started afterwards use the chosen clock.
void UseVirtualClock(bool enabled);
// Moves the virtual clock on; timers due on the way fire, in order, on this (the GUI) thread.
void AdvanceClock(std::chrono::milliseconds by);

// Makes RuntimeGetPictureFromResourceManager look in `folder`; empty restores the default search.
void SetPictureFolder(std::filesystem::path folder);

}  // namespace fw::seams
