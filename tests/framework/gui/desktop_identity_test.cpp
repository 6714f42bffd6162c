// The program's icon when the icon folder fails while it is read: a disk or network share that
// fails midway makes readdir fail, here for the icon theme folder only, once its first size folder
// has been read.
#include <dirent.h>
#include <dlfcn.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <cerrno>
#include <string>

#include "framework/core/application.h"
#include "framework/runtime.h"
#include "tests/framework/gui/gui_fixture.h"
#include "tests/framework/gui/program_icons.h"

namespace {

std::string failingFolder;
bool failed = false;

std::string FolderOf(DIR* dir) {
  char path[4096];
  const std::string link = "/proc/self/fd/" + std::to_string(dirfd(dir));
  const ssize_t length = readlink(link.c_str(), path, sizeof path);
  return length > 0 ? std::string(path, static_cast<size_t>(length)) : std::string();
}

}  // namespace

// Taken by the standard library's directory iterator in place of the C library's.
extern "C" dirent* readdir(DIR* dir) {
  static auto* const real = reinterpret_cast<dirent* (*)(DIR*)>(dlsym(RTLD_NEXT, "readdir"));
  static bool gaveOne = false;
  if (failingFolder.empty() || FolderOf(dir) != failingFolder) return real(dir);
  if (gaveOne) {
    failed = true;
    errno = EIO;
    return nullptr;
  }
  dirent* entry = real(dir);
  if (entry && entry->d_name[0] != '.') gaveOne = true;
  return entry;
}

namespace gui_test {
namespace {

class DesktopIdentityTest : public GuiTest {};

TEST_F(DesktopIdentityTest, AnIconFolderThatFailsWhileReadGivesTheSizesFoundBefore) {
  const QDir icons = WriteProgramIcons({16, 32});
  auto app =
      fw::RuntimeCheckCast<fw::Application>(fw::RuntimeNewObject(fw::Application::StaticClass()));
  failingFolder = icons.canonicalPath().toStdString();
  EXPECT_NO_THROW(fw::RuntimeRegisterAppObject(app));
  failingFolder.clear();
  RemoveProgramIcons();
  fw::SetApp(nullptr);

  EXPECT_TRUE(failed);
  EXPECT_EQ(QApplication::windowIcon().availableSizes().size(), 1);
}

}  // namespace
}  // namespace gui_test
