// Qt's messages while the application object is made: passed on as Qt would print them, or, when
// Qt ends the start-up, read for one line that says why. The texts are those Qt 6 prints.
#include <gtest/gtest.h>

#include <QString>
#include <cstdlib>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "framework/qt_support.h"

namespace gui_test {
namespace {

struct Said {
  QtMsgType type;
  const char* category;  // none for Qt's own warnings that carry no category
  const char* text;
};

const char kNoPluginStarts[] =
    "This application failed to start because no Qt platform plugin could be initialized. "
    "Reinstalling the application may fix this problem.\n\n"
    "Available platform plugins are: minimal, offscreen, xcb.\n";
const Said kRuntimeFolder{QtWarningMsg, "default",
                          "QStandardPaths: XDG_RUNTIME_DIR not set, defaulting to '/tmp/runtime'"};
const Said kFoundNotLoaded{QtInfoMsg, "qt.qpa.plugin",
                           "Could not load the Qt platform plugin \"xcb\" in \"\" even though it "
                           "was found."};
// What the X11 plugin says when it cannot connect to :99 or to an unnamed display, and what the
// Wayland plugin says when it cannot connect to any.
const Said kNoX99{QtWarningMsg, "qt.qpa.xcb", "could not connect to display :99"};
const Said kNoXUnnamed{QtWarningMsg, "qt.qpa.xcb", "could not connect to display "};
const Said kNoWayland{QtCriticalMsg, nullptr,
                      "Failed to create wl_display (No such file or directory)"};

void HoldAll(fw::qt::HeldMessages& held, const std::vector<Said>& said) {
  for (const Said& s : said) {
    held.Hold(s.type, QMessageLogContext(nullptr, 0, nullptr, s.category), s.text);
  }
}

std::vector<std::string> printed;
void Print(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  printed.push_back(qFormatLogMessage(type, context, text).toStdString());
}

TEST(HeldMessages, ArePassedOnInOrderEachInItsOwnCategoryOrInNone) {
  fw::qt::HeldMessages held;
  HoldAll(held, {{QtCriticalMsg, nullptr, "QThread::start: Thread creation error"},
                 kRuntimeFolder,
                 kFoundNotLoaded});
  printed.clear();
  held.PassOn(Print);
  EXPECT_EQ(printed, (std::vector<std::string>{
                         "QThread::start: Thread creation error",
                         kRuntimeFolder.text,
                         std::string("qt.qpa.plugin: ") + kFoundNotLoaded.text,
                     }));
  held.PassOn(Print);
  EXPECT_EQ(printed.size(), 3u);
}

// Sets the display variables for one case and puts them back afterwards.
class Displays {
 public:
  Displays(std::optional<std::string> x11, std::optional<std::string> wayland) {
    Set("DISPLAY", x11);
    Set("WAYLAND_DISPLAY", wayland);
  }
  ~Displays() {
    for (const auto& [name, value] : saved_) Restore(name, value);
  }

 private:
  void Set(const char* name, const std::optional<std::string>& value) {
    const char* before = std::getenv(name);
    saved_.emplace_back(name, before ? std::optional<std::string>(before) : std::nullopt);
    Restore(name, value);
  }
  static void Restore(const char* name, const std::optional<std::string>& value) {
    if (value) {
      setenv(name, value->c_str(), 1);
    } else {
      unsetenv(name);
    }
  }
  std::vector<std::pair<const char*, std::optional<std::string>>> saved_;
};

TEST(HeldMessages, AFailedStartIsNamedInOneLineWithItsRealCause) {
  const struct {
    const char* name;
    std::vector<Said> said;
    const char* fatal;
    std::optional<std::string> x11, wayland;
    std::string line;
  } cases[] = {
      {"an unknown platform on a working display",
       {kRuntimeFolder,
        {QtWarningMsg, "qt.qpa.plugin",
         "Could not find the Qt platform plugin \"nonsense\" in \"\""}},
       kNoPluginStarts,
       ":5",
       std::nullopt,
       "Could not find the Qt platform plugin \"nonsense\" in \"\""},
      {"a plugin that cannot be loaded",
       {kFoundNotLoaded},
       kNoPluginStarts,
       ":5",
       std::nullopt,
       kFoundNotLoaded.text},
      {"two platforms tried",
       {{QtWarningMsg, "qt.qpa.plugin", "Could not find the Qt platform plugin \"a\" in \"\""},
        kFoundNotLoaded},
       kNoPluginStarts,
       ":5",
       std::nullopt,
       std::string("Could not find the Qt platform plugin \"a\" in \"\"; ") + kFoundNotLoaded.text},
      {"an X display nobody serves",
       {kNoX99, kFoundNotLoaded},
       kNoPluginStarts,
       ":99",
       std::nullopt,
       "cannot open display :99"},
      {"a Wayland display nobody serves",
       {kNoWayland},
       kNoPluginStarts,
       std::nullopt,
       "wayland-3",
       "cannot open display wayland-3"},
      {"an X display nobody serves while a Wayland one is set",
       {kNoX99, kFoundNotLoaded},
       kNoPluginStarts,
       ":99",
       "wayland-3",
       "cannot open display :99"},
      {"a Wayland display nobody serves while an X one is set",
       {kNoWayland},
       kNoPluginStarts,
       ":99",
       "wayland-3",
       "cannot open display wayland-3"},
      {"Wayland then X tried, neither served",
       {kNoWayland, kNoX99, kFoundNotLoaded},
       kNoPluginStarts,
       ":99",
       "wayland-3",
       "cannot open display wayland-3; cannot open display :99"},
      {"X tried with only a Wayland display set",
       {kNoXUnnamed, kFoundNotLoaded},
       kNoPluginStarts,
       std::nullopt,
       "wayland-3",
       "no X display is set (DISPLAY is empty)"},
      {"Wayland tried with only an X display set",
       {kNoWayland},
       kNoPluginStarts,
       ":99",
       "",
       "no Wayland display is set (WAYLAND_DISPLAY is empty)"},
      {"no display set",
       {kNoXUnnamed, kFoundNotLoaded},
       kNoPluginStarts,
       std::nullopt,
       "",
       "no display is set (DISPLAY and WAYLAND_DISPLAY are empty)"},
      {"Wayland then X tried with no display set",
       {kNoWayland, kNoXUnnamed, kFoundNotLoaded},
       kNoPluginStarts,
       "",
       std::nullopt,
       "no display is set (DISPLAY and WAYLAND_DISPLAY are empty)"},
      {"a fatal error not of the platform",
       {kRuntimeFolder},
       "Something   else\nfailed",
       ":5",
       std::nullopt,
       "Something else"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const Displays displays(c.x11, c.wayland);
    fw::qt::HeldMessages held;
    HoldAll(held, c.said);
    EXPECT_EQ(held.Failure(c.fatal), c.line);
  }
}

}  // namespace
}  // namespace gui_test
