// Modal messages and the alert sound; both go through seams (seams.h) that tests can replace.
#pragma once

#include <string_view>

namespace fw {

// Shows the text in a modal message box titled with the program's name; returns when dismissed.
// Line ends at the end of the text are not shown.
void MsgBox(std::string_view text);
// The system's alert sound.
void Beep();

}  // namespace fw
