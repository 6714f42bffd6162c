// Private to the Qt-backed framework: conversions between framework and Qt values, and the one
// way into program code from a Qt event (Dispatch), which guards the call and keeps widgets that
// the handler drops alive until the event is over.
#pragma once

#include <QColor>
#include <QFont>
#include <QKeyEvent>
#include <QString>
#include <QWidget>
#include <QtGlobal>
#include <cstdint>
#include <filesystem>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/core/dispatch.h"
#include "framework/core/object.h"

namespace fw::qt {

inline QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
inline std::string ToStd(const QString& text) {
  return text.toUtf8().toStdString();
}

// Stored colours are red, green, blue, then transparency (0 opaque).
inline QColor ToQColor(Color c) {
  return QColor(c.red, c.green, c.blue, 255 - c.transparency);
}

// CR LF and lone CR become the line feed that Qt's text widgets break lines at.
QString WithLineFeeds(std::string_view text);

// Text alignments: 0 the default (left), 1 left, 2 centre, 3 right.
Qt::Alignment HorizontalAlignment(std::int64_t alignment);

// FontName, FontSize, FontUnit, Bold, Italic or Underline.
bool IsFontProperty(std::string_view name);
// The font an object's FontName, FontSize, FontUnit, Bold, Italic and Underline describe;
// "System" (or no name) is Liberation Sans, the same on every desktop, as is any face that is not
// installed; a size of 0 is the platform's default size; sizes in the default unit count one to
// the pixel.
QFont FontOf(const Object& object);

// The text a key press types, decided as Qt's text widgets decide it; nothing for shortcuts with
// Ctrl alone and for keys whose text is a control code (Backspace, Tab, Return, Delete, Escape).
std::optional<QString> TypedText(const QKeyEvent& event);

// The character a key press gives KeyDown: "\b" for Backspace, "\t" for Tab, "\r" for Return and
// Enter, the code 27 for Escape, otherwise the text it types. Keys that type nothing give nothing.
std::optional<QString> CharacterOf(const QKeyEvent& event);

// Where the program's files of one kind lie, in the order to search: `inBuild` beside the built
// executable, then `installed` below the prefix of an installed one.
std::vector<std::filesystem::path> ProgramFileFolders(std::string_view inBuild,
                                                      std::string_view installed);

// Qt's messages while the application object is made: held back, to be passed on once it is
// made, or read for the reason should Qt end the start-up with a fatal message.
class HeldMessages {
 public:
  void Hold(QtMsgType type, const QMessageLogContext& context, const QString& text);
  // Passes the held messages on to `handler` in their order, each in its own category or in none,
  // and forgets them.
  void PassOn(QtMessageHandler handler);
  // Why the start-up failed, in one line, given Qt's fatal message: for each platform plugin that
  // could not connect to a display, that its own display cannot be opened or is not set;
  // otherwise what the platform plugins and their loader said, else the fatal message's first line.
  std::string Failure(const QString& fatal);

 private:
  struct Message {
    QtMsgType type;
    std::optional<std::string> category;
    QString text;
  };
  std::mutex mutex_;
  std::vector<Message> messages_;
};

// Whether InitPluginEntrypoints has made the plug-in controls available.
bool PluginsReady();

// True while program code runs from a Qt event.
bool IsDispatching();
// Called once the outermost dispatch is over and no handler is on the stack any more. Defined by
// the runtime, which ends a program that a fault left without a shown window.
void AfterOutermostDispatch() noexcept;

class DispatchScope {
 public:
  DispatchScope();
  ~DispatchScope();
  DispatchScope(const DispatchScope&) = delete;
  DispatchScope& operator=(const DispatchScope&) = delete;
};

// Calls program code from a Qt event: what it throws is reported, `fallback` returned.
template <class R, class F>
R Dispatch(F&& call, R fallback) {
  DispatchScope scope;
  return Guard<R>(std::forward<F>(call), fallback);
}
template <class F>
void Dispatch(F&& call) {
  DispatchScope scope;
  Guard(std::forward<F>(call));
}

// Deletes a widget now, or once the event being dispatched is over (a handler may drop the
// window whose widget is delivering the event).
void DeleteWidget(QWidget* widget);

}  // namespace fw::qt
