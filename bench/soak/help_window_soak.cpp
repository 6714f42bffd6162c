// Memory soak: opens the help window with a click on the calculator's "?" button, closes it as the
// platform's close button does, and repeats, all inside the running event loop, so that widgets
// deleted later are deleted between cycles as in the program. After a warm-up it prints what the
// process kept per cycle:
//   build/bench/bench/help_window_soak [cycles] [warm-up cycles]     (default 500 and 50)
// Two measures: the heap in use (mallinfo2), which counts every byte still allocated and so shows
// a leak without page rounding; and the resident set (/proc/self/statm), which is what a user
// sees grow. The exit code is 1 when the heap grew by more than 0.5 KiB a cycle.
#include <malloc.h>
#include <unistd.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>

#include "calculator/control_wnd.h"
#include "framework/runtime.h"
#include "framework/testing.h"
#include "info_windows/help_wnd.h"

namespace {

constexpr double kLimitKiB = 0.5;

double HeapKiB() {
  return static_cast<double>(mallinfo2().uordblks) / 1024.0;
}

double ResidentKiB() {
  long size = 0;
  long resident = 0;
  std::ifstream("/proc/self/statm") >> size >> resident;
  return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / 1024.0;
}

// A left click on the widget's centre, delivered as the platform delivers one.
void Click(QWidget& widget) {
  const QPointF at(widget.width() / 2.0, widget.height() / 2.0);
  const QPointF global = widget.mapToGlobal(at);
  for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
    QMouseEvent event(type, at, global, Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
  }
}

}  // namespace

int main(int argc, char** argv) {
  const int cycles = argc > 1 ? std::atoi(argv[1]) : 500;
  const int warmUp = argc > 2 ? std::atoi(argv[2]) : 50;
  if (cycles <= 0 || warmUp < 0) {
    std::fprintf(stderr, "usage: help_window_soak [cycles] [warm-up cycles]\n");
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  fw::RuntimeInit(argc, argv);
  fw::InitPluginEntrypoints();

  fw::Ref<class quorvan::ControlWnd> calculator = quorvan::ControlWnd();
  calculator->Show();
  QWidget* helpButton = fw::testing::WidgetOf(*calculator->helpBtn());

  int done = 0;
  double heapStart = 0;
  double residentStart = 0;
  bool failed = false;
  // One step per turn of the event loop: open, then close; each open (and the final count) comes
  // after the loop has deleted what the close before it let go.
  std::function<void()> close;
  std::function<void()> open = [&] {
    if (done == warmUp) {
      heapStart = HeapKiB();
      residentStart = ResidentKiB();
    }
    if (done == warmUp + cycles) {
      const double heap = (HeapKiB() - heapStart) / cycles;
      const double resident = (ResidentKiB() - residentStart) / cycles;
      std::printf(
          "%d cycles after %d warm-up: heap in use %+.3f KiB/cycle, resident %+.3f KiB/cycle\n",
          cycles, warmUp, heap, resident);
      failed = heap > kLimitKiB;
      QApplication::quit();
      return;
    }
    Click(*helpButton);
    QTimer::singleShot(0, close);
  };
  close = [&] {
    // Holds no reference while closing, so the window goes as the user's close lets it go.
    QWindow* help = fw::testing::WidgetOf(*quorvan::helpWnd())->windowHandle();
    help->close();
    ++done;
    QTimer::singleShot(0, open);
  };
  QTimer::singleShot(0, open);
  QApplication::exec();
  fw::RuntimePerformFinalizers();
  return failed ? 1 : 0;
}
