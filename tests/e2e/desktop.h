// A private X desktop for driving the real program from outside, as a user would: its own Xvfb
// on a free display, the program started as a child process, synthetic input through xdotool,
// text read back through the X selections with xclip, and what is on screen read through X
// itself (top-level windows, their titles, properties and geometry, pixels). There is no window
// manager unless a test starts one; closing a window is the WM_DELETE_WINDOW message a window
// manager would send. RunAlone runs the program to its end and keeps what it says: with no desktop
// at all, or on the display of a Desktop that is alive.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/temp_folder.h"

struct xcb_connection_t;

namespace e2e {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// How long any single wait may take before the test fails instead of hanging.
constexpr milliseconds kWaitLimit{20000};

struct TopWindow {
  uint32_t id = 0;
  std::string title;
  int x = 0, y = 0, width = 0, height = 0;
};

struct Rgb {
  int r = 0, g = 0, b = 0;
};

// Environment changes for a program run: a variable without a value is removed.
using Environment = std::vector<std::pair<std::string, std::optional<std::string>>>;

// How a program run to its end ended: its exit code and what it wrote to standard error.
struct Ended {
  int code = 0;
  std::string errors;
};
// Runs `program` with no arguments, in the environment changed as given, to its end (bounded by
// kWaitLimit). While a Desktop is alive, its display is the one in the environment.
Ended RunAlone(const std::string& program, const Environment& environment);

class Desktop {
 public:
  Desktop();
  ~Desktop();
  Desktop(const Desktop&) = delete;
  Desktop& operator=(const Desktop&) = delete;

  // Starts the program with no arguments; `Launched()` is the moment just before it started.
  void Launch(const std::string& program);
  Clock::time_point Launched() const { return launched_; }
  // The program's exit code once it has ended within `limit`, or nothing while it still runs.
  std::optional<int> WaitForExit(milliseconds limit = kWaitLimit);

  // Polls `condition` until it holds (true) or `limit` has passed (false).
  static bool WaitUntil(const std::function<bool()>& condition, milliseconds limit = kWaitLimit);

  // Starts a window manager (openbox, with its default settings) and waits until it manages the
  // display, as on a user's desktop.
  void StartWindowManager();
  // Starts another X client beside the program (e.g. xmessage); it ends with the desktop.
  void StartOtherClient(const std::vector<std::string>& command);

  // The mapped top-level windows, bottom to top; under a window manager, the windows it manages,
  // at their places on the screen.
  std::vector<TopWindow> Windows();
  // A window's property as its bytes, whatever its type; nothing when the window has none.
  std::optional<std::string> Property(const TopWindow& window, const std::string& name);
  // Whether a menu is open: a mapped override-redirect window, which Windows() leaves out.
  bool MenuShown();
  // The window the window manager reports active (0 when none).
  uint32_t ActiveWindow();
  // Polls until a mapped top-level window satisfies `match`; nothing once `limit` has passed.
  std::optional<TopWindow> WaitForWindow(const std::function<bool(const TopWindow&)>& match,
                                         milliseconds limit = kWaitLimit);
  // Polls until no mapped top-level window satisfies `match`.
  bool WaitUntilGone(const std::function<bool(const TopWindow&)>& match,
                     milliseconds limit = kWaitLimit);

  // Input, at window coordinates of `window`.
  void Click(const TopWindow& window, int x, int y, int clicks = 1);
  void Type(const std::string& text);
  void Key(const std::string& keys);  // xdotool key names, e.g. "Return" or "alt+f"
  void Focus(const TopWindow& window);

  // The text of the PRIMARY or CLIPBOARD selection, empty when nobody owns it.
  std::string Selection(const std::string& which);

  // Asks X to give the window that size, as a user dragging its edge would; it keeps its place.
  void Resize(const TopWindow& window, int width, int height);

  // The colour at window coordinates; nothing while the window cannot be read (unmapped).
  std::optional<Rgb> Pixel(const TopWindow& window, int x, int y);
  void Close(const TopWindow& window);

 private:
  void Start();
  void Stop();  // ends the program and the server, whatever state they are in
  std::string Run(const std::vector<std::string>& command);
  // The root window's children, bottom to top.
  std::vector<uint32_t> RootChildren();

  pid_t server_ = -1;
  pid_t windowManager_ = -1;
  pid_t program_ = -1;
  std::vector<pid_t> otherClients_;
  std::optional<int> exitCode_;
  // The session's runtime and settings folder and the servers' logs. It goes with the object, so
  // after Stop has ended everything that writes into it.
  testing_support::TempFolder folder_;
  xcb_connection_t* x_ = nullptr;
  uint32_t root_ = 0;
  Clock::time_point launched_;
};

}  // namespace e2e
