// Private to the Qt-backed framework: a picture is a decoded image.
#pragma once

#include <QImage>

#include "framework/picture.h"

namespace fw {

struct Picture::Impl {
  QImage image;
};

}  // namespace fw
