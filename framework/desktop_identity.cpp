#include "framework/desktop_identity.h"

#include <QApplication>
#include <QIcon>
#include <filesystem>
#include <system_error>

#include "framework/qt_support.h"

namespace fw::qt {
namespace {

// The icon in each size found: in the build tree beside the executable, else where the program
// installs it among the desktop's hicolor icons.
QIcon ProgramIcon() {
  for (const std::filesystem::path& theme :
       ProgramFileFolders("icons/hicolor", QUORVAN_ICON_INSTALL_DIR)) {
    QIcon icon;
    // A folder that cannot be read further gives the sizes found before.
    std::error_code error;
    for (std::filesystem::directory_iterator size(theme, error), end; !error && size != end;
         size.increment(error)) {
      const std::filesystem::path file = size->path() / "apps" / QUORVAN_APP_ID ".png";
      std::error_code notThere;
      if (std::filesystem::is_regular_file(file, notThere)) {
        icon.addFile(QString::fromStdString(file.string()));
      }
    }
    if (!icon.isNull()) return icon;
  }
  return {};
}

}  // namespace

void GiveDesktopIdentity(const Application& app) {
  if (!app.PackageInfo().empty()) {
    QCoreApplication::setApplicationName(ToQString(app.PackageInfo()));
  }
  QGuiApplication::setDesktopFileName(QStringLiteral(QUORVAN_APP_ID));
  if (QIcon icon = ProgramIcon(); !icon.isNull()) QApplication::setWindowIcon(icon);
}

}  // namespace fw::qt
