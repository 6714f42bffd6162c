// One timed start: map_timer <peak-memory-file> <program> [args...]
//
// Starts the program under GNU time on the X display in $DISPLAY and prints the milliseconds from
// the start to the first top-level window being mapped. It then lets the program settle, ends it
// with SIGTERM (found through the window's _NET_WM_PID) and leaves GNU time's peak resident set
// size, in KiB, in <peak-memory-file>.
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr auto kMapTimeout = std::chrono::seconds(20);
constexpr auto kSettle = std::chrono::milliseconds(1000);

struct Free {
  void operator()(void* p) const { std::free(p); }
};
template <class T>
using Reply = std::unique_ptr<T, Free>;

xcb_atom_t Atom(xcb_connection_t* c, const char* name) {
  Reply<xcb_intern_atom_reply_t> r(
      xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::strlen(name), name), nullptr));
  return r ? r->atom : xcb_atom_t{XCB_ATOM_NONE};
}

pid_t WindowPid(xcb_connection_t* c, xcb_window_t window) {
  Reply<xcb_get_property_reply_t> r(xcb_get_property_reply(
      c, xcb_get_property(c, 0, window, Atom(c, "_NET_WM_PID"), XCB_ATOM_CARDINAL, 0, 1), nullptr));
  if (!r || xcb_get_property_value_length(r.get()) != 4) return 0;
  return static_cast<pid_t>(*static_cast<uint32_t*>(xcb_get_property_value(r.get())));
}

// Waits for events until `deadline`; returns the first top-level window mapped, or 0.
xcb_window_t WaitForMap(xcb_connection_t* c, xcb_window_t root, Clock::time_point deadline) {
  pollfd fd{xcb_get_file_descriptor(c), POLLIN, 0};
  while (Clock::now() < deadline) {
    while (Reply<xcb_generic_event_t> e{xcb_poll_for_event(c)}) {
      if ((e->response_type & 0x7f) != XCB_MAP_NOTIFY) continue;
      auto* map = reinterpret_cast<xcb_map_notify_event_t*>(e.get());
      if (map->event == root) return map->window;
    }
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    poll(&fd, 1, static_cast<int>(std::max<long>(1, left.count())));
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: map_timer <peak-memory-file> <program> [args...]\n");
    return 2;
  }
  xcb_connection_t* c = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(c)) {
    std::fprintf(stderr, "map_timer: cannot open the display\n");
    return 2;
  }
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
  const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &mask);
  std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));  // round trip

  std::vector<char*> command = {const_cast<char*>("/usr/bin/time"), const_cast<char*>("-f"),
                                const_cast<char*>("%M"), const_cast<char*>("-o"), argv[1]};
  for (int i = 2; i < argc; ++i) command.push_back(argv[i]);
  command.push_back(nullptr);

  const Clock::time_point start = Clock::now();
  const pid_t child = fork();
  if (child == 0) {
    execv(command[0], command.data());
    _exit(127);
  }
  const xcb_window_t window = WaitForMap(c, root, start + kMapTimeout);
  const Clock::time_point mapped = Clock::now();
  if (window == 0) {
    std::fprintf(stderr, "map_timer: no window was mapped\n");
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    return 1;
  }

  // Settle so that the peak includes the first paint, then end the program (not GNU time).
  WaitForMap(c, root, mapped + kSettle);
  const pid_t program = WindowPid(c, window);
  if (program <= 0 || kill(program, SIGTERM) != 0) {
    std::fprintf(stderr, "map_timer: cannot find the program's process\n");
    kill(child, SIGKILL);
  }
  waitpid(child, nullptr, 0);
  xcb_disconnect(c);
  std::printf("%.1f\n", std::chrono::duration<double, std::milli>(mapped - start).count());
  return 0;
}
