#include "framework/qt_support.h"

#include <QApplication>
#include <QStringList>
#include <cstdlib>
#include <system_error>

namespace fw::qt {
namespace {
int dispatchDepth = 0;

struct Platform {
  const char* name;
  const char* variable;  // the one that names its display
};

// The platform whose plugin could not connect to a display, read from what the X11 or the
// Wayland plugin said; none when the message is not such a failure.
std::optional<Platform> FailedPlatform(const QString& text) {
  if (text.startsWith(QLatin1String("could not connect to display"))) {
    return Platform{"X", "DISPLAY"};
  }
  if (text.startsWith(QLatin1String("Failed to create wl_display"))) {
    return Platform{"Wayland", "WAYLAND_DISPLAY"};
  }
  return std::nullopt;
}

bool IsSet(const char* variable) {
  const char* value = std::getenv(variable);
  return value && *value;
}

std::string DisplayProblem(const Platform& failed) {
  if (IsSet(failed.variable)) {
    return std::string("cannot open display ") + std::getenv(failed.variable);
  }
  if (!IsSet("DISPLAY") && !IsSet("WAYLAND_DISPLAY")) {
    return "no display is set (DISPLAY and WAYLAND_DISPLAY are empty)";
  }
  // The other platform's display is set: only this platform has none.
  return std::string("no ") + failed.name + " display is set (" + failed.variable + " is empty)";
}
}  // namespace

void HeldMessages::Hold(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  const std::lock_guard lock(mutex_);
  messages_.push_back(
      {type, context.category ? std::optional<std::string>(context.category) : std::nullopt, text});
}

void HeldMessages::PassOn(QtMessageHandler handler) {
  std::vector<Message> messages;
  {
    const std::lock_guard lock(mutex_);
    messages.swap(messages_);
  }
  for (const Message& message : messages) {
    handler(message.type,
            QMessageLogContext(nullptr, 0, nullptr,
                               message.category ? message.category->c_str() : nullptr),
            message.text);
  }
}

std::string HeldMessages::Failure(const QString& fatal) {
  const std::lock_guard lock(mutex_);
  QStringList displays;
  QStringList reasons;
  for (const Message& message : messages_) {
    // With a list of platforms to try, each one that could not connect names its own display.
    if (const std::optional<Platform> failed = FailedPlatform(message.text)) {
      const QString problem = ToQString(DisplayProblem(*failed));
      if (!displays.contains(problem)) displays.append(problem);
    } else if (message.category && message.category->starts_with("qt.qpa.")) {
      reasons.append(message.text.simplified());
    }
  }
  if (!displays.isEmpty()) return ToStd(displays.join(QLatin1String("; ")));
  // Below its first line Qt lists the plugins it has: left out, to keep to one line.
  if (reasons.isEmpty()) reasons.append(fatal.section(QLatin1Char('\n'), 0, 0).simplified());
  return ToStd(reasons.join(QLatin1String("; ")));
}

std::vector<std::filesystem::path> ProgramFileFolders(std::string_view inBuild,
                                                      std::string_view installed) {
  std::filesystem::path exe;
  if (QCoreApplication::instance()) {
    exe = QCoreApplication::applicationDirPath().toStdString();
  } else {
    std::error_code error;
    exe = std::filesystem::read_symlink("/proc/self/exe", error).parent_path();
  }
  return {exe / inBuild, exe / ".." / installed};
}

QString WithLineFeeds(std::string_view text) {
  QString result = ToQString(text);
  result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  result.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return result;
}

Qt::Alignment HorizontalAlignment(std::int64_t alignment) {
  switch (alignment) {
    case 2:
      return Qt::AlignHCenter;
    case 3:
      return Qt::AlignRight;
    default:
      return Qt::AlignLeft;
  }
}

bool IsFontProperty(std::string_view name) {
  return name == "FontName" || name == "FontSize" || name == "FontUnit" || name == "Bold" ||
         name == "Italic" || name == "Underline";
}

QFont FontOf(const Object& object) {
  // Arial's widths in a free face, so that texts lay out alike whatever face a desktop prefers.
  const QString systemFamily = QStringLiteral("Liberation Sans");
  QFont font = QApplication::font();
  const std::string name = object.StringProperty("FontName", "System");
  if (name.empty() || name == "System" || name == "SmallSystem") {
    font.setFamilies({systemFamily});
  } else {
    // A face that is not installed falls back to the system face.
    font.setFamilies({ToQString(name), systemFamily});
  }
  const double size = object.NumberProperty("FontSize", 0);
  if (size > 0) {
    // Font units: 0 (the default) and 1 are pixels, as the lists were laid out with one point to
    // the pixel (a 14-point two-line caption fills 36 pixels); 2 points, 3 inches, 4 millimetres.
    switch (object.IntProperty("FontUnit", 0)) {
      case 2:
        font.setPointSizeF(size);
        break;
      case 3:
        font.setPointSizeF(size * 72.0);
        break;
      case 4:
        font.setPointSizeF(size * 72.0 / 25.4);
        break;
      default:
        font.setPixelSize(std::max(1, static_cast<int>(size + 0.5)));
        break;
    }
  } else if (name == "SmallSystem") {
    font.setPointSizeF(font.pointSizeF() * 0.85);
  }
  font.setBold(object.BoolProperty("Bold"));
  font.setItalic(object.BoolProperty("Italic"));
  font.setUnderline(object.BoolProperty("Underline"));
  return font;
}

std::optional<QString> TypedText(const QKeyEvent& event) {
  const QString text = event.text();
  if (text.isEmpty()) return std::nullopt;
  const QChar first = text[0];
  // Qt's text widgets insert a key's text unless Ctrl or Ctrl+Shift alone is held: Meta, Alt and
  // Ctrl+Alt (AltGr on Windows) still type. Format characters type even with Ctrl+Shift.
  if (first.category() == QChar::Other_Format) return text;
  const Qt::KeyboardModifiers modifiers = event.modifiers();
  if (modifiers == Qt::ControlModifier || modifiers == (Qt::ControlModifier | Qt::ShiftModifier))
    return std::nullopt;
  if (first.isPrint() || first.category() == QChar::Other_PrivateUse) return text;
  if (first.isHighSurrogate() && text.size() > 1 && text[1].isLowSurrogate()) return text;
  return std::nullopt;
}

std::optional<QString> CharacterOf(const QKeyEvent& event) {
  switch (event.key()) {
    case Qt::Key_Backspace:
      return QStringLiteral("\b");
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return QStringLiteral("\t");
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return QStringLiteral("\r");
    case Qt::Key_Escape:
      return QString(QChar(27));
    default:
      return TypedText(event);
  }
}

bool IsDispatching() {
  return dispatchDepth > 0;
}
DispatchScope::DispatchScope() {
  ++dispatchDepth;
}
DispatchScope::~DispatchScope() {
  if (--dispatchDepth == 0) AfterOutermostDispatch();
}

void DeleteWidget(QWidget* widget) {
  if (!widget) return;
  widget->hide();
  if (IsDispatching()) {
    widget->deleteLater();
  } else {
    delete widget;
  }
}

}  // namespace fw::qt
