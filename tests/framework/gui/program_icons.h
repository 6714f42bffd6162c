// The program's icon as its build lays it out beside the executable: one folder per size in a
// hicolor theme.
#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <initializer_list>

namespace gui_test {

// The icon theme beside the test's executable, with the icon in each of `sizes`; RemoveProgramIcons
// takes it away again.
inline QDir WriteProgramIcons(std::initializer_list<int> sizes) {
  QDir beside(QCoreApplication::applicationDirPath());
  for (int size : sizes) {
    const QString folder = QStringLiteral("icons/hicolor/%1x%1/apps").arg(size);
    EXPECT_TRUE(beside.mkpath(folder));
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::darkBlue);
    EXPECT_TRUE(image.save(beside.filePath(folder + "/" QUORVAN_APP_ID ".png")));
  }
  return QDir(beside.filePath("icons/hicolor"));
}

inline void RemoveProgramIcons() {
  QDir(QCoreApplication::applicationDirPath() + QStringLiteral("/icons")).removeRecursively();
}

}  // namespace gui_test
