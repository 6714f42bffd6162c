#include "framework/picture.h"

#include <QImageReader>
#include <system_error>

#include "framework/core/builtin_classes.h"
#include "framework/core/call_log.h"
#include "framework/core/ui_thread.h"
#include "framework/picture_impl.h"
#include "framework/qt_support.h"
#include "framework/seams_impl.h"

namespace fw {
namespace {

std::vector<std::filesystem::path> Folders() {
  if (const auto& folder = seams_detail::PictureFolder(); !folder.empty()) return {folder};
  return qt::ProgramFileFolders("pictures", QUORVAN_PICTURE_INSTALL_DIR);
}

// A bare file name: the lookup never leaves the picture folders.
bool IsBareName(std::string_view fileName) {
  return !fileName.empty() && fileName.find('/') == std::string_view::npos &&
         fileName.find('\\') == std::string_view::npos && fileName != "." && fileName != "..";
}

}  // namespace

const ClassInfo& Picture::StaticClass() {
  return classes::Picture();
}

Picture::Picture(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
Picture::~Picture() = default;

int Picture::Width() const {
  return impl_->image.width();
}
int Picture::Height() const {
  return impl_->image.height();
}

Ref<Picture> RuntimeGetPictureFromResourceManager(std::string_view fileName) {
  RecordCall("GetPictureFromResourceManager");
  CheckGuiThread();
  if (!IsBareName(fileName)) return nullptr;
  for (const std::filesystem::path& folder : Folders()) {
    const std::filesystem::path file = folder / std::string(fileName);
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) continue;
    QImageReader reader(QString::fromStdString(file.string()));
    QImage image = reader.read();
    if (image.isNull()) continue;
    auto impl = std::make_unique<Picture::Impl>();
    impl->image = std::move(image);
    return std::make_shared<Picture>(std::move(impl));
  }
  return nullptr;
}

}  // namespace fw
