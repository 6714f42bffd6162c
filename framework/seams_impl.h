// Private to the Qt-backed framework: the replacements tests installed (empty: the real thing).
#pragma once

#include <filesystem>
#include <functional>
#include <string_view>

namespace fw::seams_detail {

const std::function<void(std::string_view)>& MessageBox();
const std::function<void()>& Beep();
const std::filesystem::path& PictureFolder();

}  // namespace fw::seams_detail
