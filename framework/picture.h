// Pictures, looked up by file name in the program's picture folder: beside the executable in a
// build ("pictures/" next to it), the installed data folder after `cmake --install`
// (<prefix>/share/quorvan/pictures), or the folder a test set with seams::SetPictureFolder.
#pragma once

#include <memory>
#include <string_view>

#include "framework/core/class_info.h"
#include "framework/core/object.h"

namespace fw {

class Picture : public Object {
 public:
  static const ClassInfo& StaticClass();
  const ClassInfo& Class() const override { return StaticClass(); }
  ~Picture() override;

  int Width() const;
  int Height() const;

  struct Impl;
  Impl& impl() const { return *impl_; }
  explicit Picture(std::unique_ptr<Impl> impl);

 private:
  std::unique_ptr<Impl> impl_;
};

// The picture in that file, or nil when it is missing or unreadable; no message either way.
// Records "GetPictureFromResourceManager".
Ref<Picture> RuntimeGetPictureFromResourceManager(std::string_view fileName);

}  // namespace fw
