// The GUI thread: the thread that called RuntimeInit (or, where nothing did, the first thread that
// made a user-interface call). User-interface operations check it.
#pragma once

namespace fw {

void SetGuiThreadToCurrent();
// Throws ThreadAccessingUIException when called off the GUI thread.
void CheckGuiThread();

}  // namespace fw
