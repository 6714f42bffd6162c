#include "shell/pictures.h"

#include <string_view>

namespace quorvan {

namespace {

// A cache starts empty as a static; a nil result is not kept, so a missing file is asked for again.
fw::Ref<fw::Picture> Cached(fw::Ref<fw::Picture>& cache, std::string_view fileName) {
  if (!cache) cache = fw::RuntimeGetPictureFromResourceManager(fileName);
  return cache;
}

fw::Ref<fw::Picture> linesSmall;
fw::Ref<fw::Picture> ktr6;
fw::Ref<fw::Picture> ktr8;

}  // namespace

fw::Ref<fw::Picture> LinesSmall() {
  return Cached(linesSmall, "LinesSmall.png");
}
fw::Ref<fw::Picture> KTR6() {
  return Cached(ktr6, "KTR6.png");
}
fw::Ref<fw::Picture> KTR8() {
  return Cached(ktr8, "KTR8.png");
}

}  // namespace quorvan
