#include "tests/e2e/desktop.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <thread>

namespace e2e {
namespace {

constexpr milliseconds kPollStep{20};

struct Free {
  void operator()(void* p) const { std::free(p); }
};
template <class T>
using Reply = std::unique_ptr<T, Free>;

int RemainingMs(Clock::time_point deadline) {
  const auto left = std::chrono::duration_cast<milliseconds>(deadline - Clock::now()).count();
  return left > 0 ? static_cast<int>(left) : 0;
}

xcb_atom_t Atom(xcb_connection_t* c, const char* name) {
  Reply<xcb_intern_atom_reply_t> r(xcb_intern_atom_reply(
      c, xcb_intern_atom(c, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr));
  return r ? r->atom : xcb_atom_t{XCB_ATOM_NONE};
}

std::optional<std::string> ReadProperty(xcb_connection_t* c, xcb_window_t w, xcb_atom_t property,
                                        xcb_atom_t type) {
  Reply<xcb_get_property_reply_t> r(
      xcb_get_property_reply(c, xcb_get_property(c, 0, w, property, type, 0, 1024), nullptr));
  if (!r || r->type == XCB_ATOM_NONE) return std::nullopt;
  const char* value = static_cast<const char*>(xcb_get_property_value(r.get()));
  return std::string(value, static_cast<size_t>(xcb_get_property_value_length(r.get())));
}

[[noreturn]] void ExecOrDie(const std::vector<std::string>& command) {
  std::vector<char*> argv;
  for (const std::string& a : command) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  execvp(argv[0], argv.data());
  _exit(127);
}

struct Captured {
  int status = 0;
  std::string text;
};

// Runs a command to its end (bounded by kWaitLimit), after `prepare` in the child, and returns its
// wait status and what it wrote to `stream`.
Captured RunCapturing(const std::vector<std::string>& command, int stream,
                      const std::function<void()>& prepare) {
  int out[2];
  if (pipe(out) != 0) throw std::runtime_error("cannot make a pipe");
  const pid_t child = fork();
  if (child == 0) {
    close(out[0]);
    dup2(out[1], stream);
    if (prepare) prepare();
    ExecOrDie(command);
  }
  close(out[1]);
  Captured run;
  const Clock::time_point deadline = Clock::now() + kWaitLimit;
  pollfd fd{out[0], POLLIN, 0};
  char buffer[256];
  while (poll(&fd, 1, RemainingMs(deadline)) > 0) {
    const ssize_t n = read(out[0], buffer, sizeof buffer);
    if (n <= 0) break;
    run.text.append(buffer, static_cast<size_t>(n));
  }
  close(out[0]);
  if (Clock::now() >= deadline) kill(child, SIGKILL);
  waitpid(child, &run.status, 0);
  return run;
}

}  // namespace

Desktop::Desktop() {
  try {
    Start();
  } catch (...) {
    Stop();
    throw;
  }
}

Desktop::~Desktop() {
  Stop();
}

void Desktop::Start() {
  // Xvfb picks a free display itself and writes its number to the descriptor it is given.
  int pipeFds[2];
  if (pipe(pipeFds) != 0) throw std::runtime_error("cannot make a pipe");
  server_ = fork();
  if (server_ == 0) {
    close(pipeFds[0]);
    const int log = open((folder_.Path() / "xvfb.log").c_str(), O_WRONLY | O_CREAT, 0600);
    if (log >= 0) dup2(log, 2);
    ExecOrDie({"Xvfb", "-displayfd", std::to_string(pipeFds[1]), "-screen", "0", "1280x1024x24",
               "-nolisten", "tcp", "-noreset"});
  }
  close(pipeFds[1]);
  std::string number;
  const Clock::time_point deadline = Clock::now() + kWaitLimit;
  pollfd fd{pipeFds[0], POLLIN, 0};
  char ch = 0;
  while (poll(&fd, 1, RemainingMs(deadline)) > 0 && read(pipeFds[0], &ch, 1) == 1 && ch != '\n') {
    number += ch;
  }
  close(pipeFds[0]);
  if (number.empty()) throw std::runtime_error("Xvfb did not start");

  const std::string display = ":" + number;
  setenv("DISPLAY", display.c_str(), 1);
  setenv("XDG_RUNTIME_DIR", folder_.Path().c_str(), 1);
  x_ = xcb_connect(display.c_str(), nullptr);
  if (xcb_connection_has_error(x_)) throw std::runtime_error("cannot connect to " + display);
  root_ = xcb_setup_roots_iterator(xcb_get_setup(x_)).data->root;
}

void Desktop::Stop() {
  if (program_ > 0 && !exitCode_) {
    kill(program_, SIGKILL);
    waitpid(program_, nullptr, 0);
  }
  for (pid_t client : otherClients_) {
    kill(client, SIGKILL);
    waitpid(client, nullptr, 0);
  }
  if (x_ != nullptr) xcb_disconnect(x_);
  for (pid_t process : {windowManager_, server_}) {
    if (process <= 0) continue;
    kill(process, SIGTERM);
    waitpid(process, nullptr, 0);
  }
}

void Desktop::StartWindowManager() {
  windowManager_ = fork();
  if (windowManager_ == 0) {
    // Its own settings and cache folders: the machine's defaults, never a user's, and nothing
    // left in the home folder.
    setenv("XDG_CONFIG_HOME", folder_.Path().c_str(), 1);
    setenv("XDG_CACHE_HOME", folder_.Path().c_str(), 1);
    const int log = open((folder_.Path() / "wm.log").c_str(), O_WRONLY | O_CREAT, 0600);
    if (log >= 0) {
      dup2(log, 1);
      dup2(log, 2);
    }
    ExecOrDie({"openbox", "--sm-disable"});
  }
  if (windowManager_ < 0) throw std::runtime_error("cannot start the window manager");
  const xcb_atom_t check = Atom(x_, "_NET_SUPPORTING_WM_CHECK");
  if (!WaitUntil([&] { return ReadProperty(x_, root_, check, XCB_ATOM_WINDOW).has_value(); })) {
    throw std::runtime_error("the window manager did not start");
  }
}

void Desktop::StartOtherClient(const std::vector<std::string>& command) {
  const pid_t client = fork();
  if (client == 0) ExecOrDie(command);
  if (client < 0) throw std::runtime_error("cannot start " + command[0]);
  otherClients_.push_back(client);
}

void Desktop::Launch(const std::string& program) {
  launched_ = Clock::now();
  program_ = fork();
  if (program_ == 0) {
    // The program chooses its platform as it would on a user's desktop.
    unsetenv("QT_QPA_PLATFORM");
    ExecOrDie({program});
  }
  if (program_ < 0) throw std::runtime_error("cannot start " + program);
}

std::optional<int> Desktop::WaitForExit(milliseconds limit) {
  WaitUntil(
      [this] {
        int status = 0;
        if (!exitCode_ && waitpid(program_, &status, WNOHANG) == program_) {
          exitCode_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        }
        return exitCode_.has_value();
      },
      limit);
  return exitCode_;
}

std::vector<TopWindow> Desktop::Windows() {
  std::vector<TopWindow> found;
  std::vector<xcb_window_t> windows;
  if (windowManager_ > 0) {
    const std::string list =
        ReadProperty(x_, root_, Atom(x_, "_NET_CLIENT_LIST_STACKING"), XCB_ATOM_WINDOW)
            .value_or("");
    windows.resize(list.size() / sizeof(xcb_window_t));
    if (!windows.empty())
      std::memcpy(windows.data(), list.data(), windows.size() * sizeof(xcb_window_t));
  } else {
    windows = RootChildren();
  }
  const xcb_atom_t netName = Atom(x_, "_NET_WM_NAME");
  const xcb_atom_t utf8 = Atom(x_, "UTF8_STRING");
  for (const xcb_window_t w : windows) {
    Reply<xcb_get_window_attributes_reply_t> attributes(
        xcb_get_window_attributes_reply(x_, xcb_get_window_attributes(x_, w), nullptr));
    // Override-redirect windows are menus and tool tips, not the program's windows.
    if (!attributes || attributes->map_state != XCB_MAP_STATE_VIEWABLE ||
        attributes->override_redirect) {
      continue;
    }
    Reply<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(x_, xcb_get_geometry(x_, w), nullptr));
    // A managed window sits in the manager's frame: its place on the screen is asked of X.
    Reply<xcb_translate_coordinates_reply_t> place(xcb_translate_coordinates_reply(
        x_, xcb_translate_coordinates(x_, w, root_, 0, 0), nullptr));
    if (!geometry || !place) continue;
    TopWindow top;
    top.id = w;
    top.x = place->dst_x;
    top.y = place->dst_y;
    top.width = geometry->width;
    top.height = geometry->height;
    top.title = ReadProperty(x_, w, netName, utf8)
                    .value_or(ReadProperty(x_, w, XCB_ATOM_WM_NAME, XCB_ATOM_STRING).value_or(""));
    found.push_back(top);
  }
  return found;
}

std::optional<std::string> Desktop::Property(const TopWindow& window, const std::string& name) {
  return ReadProperty(x_, window.id, Atom(x_, name.c_str()), XCB_GET_PROPERTY_TYPE_ANY);
}

uint32_t Desktop::ActiveWindow() {
  const std::string active =
      ReadProperty(x_, root_, Atom(x_, "_NET_ACTIVE_WINDOW"), XCB_ATOM_WINDOW).value_or("");
  uint32_t id = 0;
  if (active.size() >= sizeof id) std::memcpy(&id, active.data(), sizeof id);
  return id;
}

bool Desktop::WaitUntil(const std::function<bool()>& condition, milliseconds limit) {
  const Clock::time_point deadline = Clock::now() + limit;
  while (!condition()) {
    if (Clock::now() >= deadline) return false;
    std::this_thread::sleep_for(kPollStep);
  }
  return true;
}

std::optional<TopWindow> Desktop::WaitForWindow(const std::function<bool(const TopWindow&)>& match,
                                                milliseconds limit) {
  std::optional<TopWindow> found;
  WaitUntil(
      [&] {
        for (const TopWindow& w : Windows()) {
          if (match(w)) found = w;
        }
        return found.has_value();
      },
      limit);
  return found;
}

bool Desktop::WaitUntilGone(const std::function<bool(const TopWindow&)>& match,
                            milliseconds limit) {
  return WaitUntil(
      [&] {
        for (const TopWindow& w : Windows()) {
          if (match(w)) return false;
        }
        return true;
      },
      limit);
}

void Desktop::Click(const TopWindow& window, int x, int y, int clicks) {
  // No --sync: it waits for a motion that never comes when the pointer is there already. The
  // server takes the move and the clicks in order either way.
  Run({"xdotool", "mousemove", std::to_string(window.x + x), std::to_string(window.y + y), "click",
       "--repeat", std::to_string(clicks), "--delay", "60", "1"});
}

void Desktop::Type(const std::string& text) {
  Run({"xdotool", "type", "--delay", "30", "--", text});
}

void Desktop::Key(const std::string& keys) {
  std::vector<std::string> command = {"xdotool", "key", "--delay", "60", "--"};
  std::istringstream names(keys);
  for (std::string name; names >> name;) command.push_back(name);
  Run(command);
}

void Desktop::Focus(const TopWindow& window) {
  Run({"xdotool", "windowfocus", "--sync", std::to_string(window.id)});
}

std::string Desktop::Selection(const std::string& which) {
  return Run({"xclip", "-o", "-selection", which});
}

void Desktop::Resize(const TopWindow& window, int width, int height) {
  const uint32_t size[] = {static_cast<uint32_t>(width), static_cast<uint32_t>(height)};
  xcb_configure_window(x_, window.id, XCB_CONFIG_WINDOW_WIDTH | XCB_CONFIG_WINDOW_HEIGHT, size);
  xcb_flush(x_);
}

bool Desktop::MenuShown() {
  return std::ranges::any_of(RootChildren(), [this](xcb_window_t w) {
    Reply<xcb_get_window_attributes_reply_t> attributes(
        xcb_get_window_attributes_reply(x_, xcb_get_window_attributes(x_, w), nullptr));
    return attributes && attributes->override_redirect &&
           attributes->map_state == XCB_MAP_STATE_VIEWABLE;
  });
}

std::vector<uint32_t> Desktop::RootChildren() {
  Reply<xcb_query_tree_reply_t> tree(xcb_query_tree_reply(x_, xcb_query_tree(x_, root_), nullptr));
  if (!tree) return {};
  const xcb_window_t* children = xcb_query_tree_children(tree.get());
  return {children, children + xcb_query_tree_children_length(tree.get())};
}

std::optional<Rgb> Desktop::Pixel(const TopWindow& window, int x, int y) {
  Reply<xcb_get_image_reply_t> image(xcb_get_image_reply(
      x_,
      xcb_get_image(x_, XCB_IMAGE_FORMAT_Z_PIXMAP, window.id, static_cast<int16_t>(x),
                    static_cast<int16_t>(y), 1, 1, ~0u),
      nullptr));
  if (!image || xcb_get_image_data_length(image.get()) < 4) return std::nullopt;
  uint32_t p = 0;
  std::memcpy(&p, xcb_get_image_data(image.get()), 4);
  return Rgb{static_cast<int>((p >> 16) & 0xff), static_cast<int>((p >> 8) & 0xff),
             static_cast<int>(p & 0xff)};
}

void Desktop::Close(const TopWindow& window) {
  xcb_client_message_event_t message{};
  message.response_type = XCB_CLIENT_MESSAGE;
  message.format = 32;
  message.window = window.id;
  message.type = Atom(x_, "WM_PROTOCOLS");
  message.data.data32[0] = Atom(x_, "WM_DELETE_WINDOW");
  message.data.data32[1] = XCB_CURRENT_TIME;
  xcb_send_event(x_, 0, window.id, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<char*>(&message));
  xcb_flush(x_);
}

std::string Desktop::Run(const std::vector<std::string>& command) {
  const Captured run = RunCapturing(command, STDOUT_FILENO, {});
  if (WIFEXITED(run.status) && WEXITSTATUS(run.status) == 127) {
    throw std::runtime_error(command[0] + " is not installed");
  }
  return run.text;
}

Ended RunAlone(const std::string& program, const Environment& environment) {
  const Captured run = RunCapturing({program}, STDERR_FILENO, [&] {
    for (const auto& [name, value] : environment) {
      if (value) {
        setenv(name.c_str(), value->c_str(), 1);
      } else {
        unsetenv(name.c_str());
      }
    }
  });
  return {WIFEXITED(run.status) ? WEXITSTATUS(run.status) : 128 + WTERMSIG(run.status), run.text};
}

}  // namespace e2e
