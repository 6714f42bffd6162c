#include "framework/dialogs.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>

#include "framework/core/ui_thread.h"
#include "framework/qt_support.h"
#include "framework/seams_impl.h"
#include "framework/window_impl.h"

namespace fw {

void MsgBox(std::string_view text) {
  CheckGuiThread();
  if (const auto& replacement = seams_detail::MessageBox()) {
    replacement(text);
    return;
  }
  // A text that ends its last line would show an empty line under it.
  QString shown = qt::WithLineFeeds(text);
  while (shown.endsWith(QLatin1Char('\n'))) shown.chop(1);
  // Titled with the application name, which the registered application's product name has set.
  QWidget* owner = MessageOwner();
  QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(), shown, QMessageBox::Ok,
                  owner);
  box.setTextFormat(Qt::PlainText);
  const QPointer<QWidget> working = QApplication::activeWindow();
  box.exec();
  // Answered over a box kept on top, the message gives the keys back to the window the user was
  // working in, not to the box, which a key would hand over.
  if (working && working != owner && working->isVisible()) working->activateWindow();
}

void Beep() {
  CheckGuiThread();
  if (const auto& replacement = seams_detail::Beep()) {
    replacement();
    return;
  }
  QApplication::beep();
}

}  // namespace fw
