// The three pictures, each loaded by file name on first use and kept once found. A missing file
// yields nil without a message and is looked up again on the next call.
#pragma once

#include "framework/picture.h"

namespace quorvan {

fw::Ref<fw::Picture> LinesSmall();  // "LinesSmall.png": the About box's side picture
fw::Ref<fw::Picture> KTR6();        // "KTR6.png": the About box's banner
fw::Ref<fw::Picture> KTR8();        // "KTR8.png": the calculator window's banner

}  // namespace quorvan
