// How long the framework takes to build and show a window of twelve controls from their lists
// (the calculator window's shape), and to find a control by name. Run on Qt's offscreen platform:
//   QT_QPA_PLATFORM=offscreen build/bench/bench/framework/framework_bench
#include <benchmark/benchmark.h>

#include <string>

#include "calculator/control_wnd_lists.h"
#include "framework/controls.h"
#include "framework/core/builtin_classes.h"
#include "framework/core/property_list.h"
#include "framework/runtime.h"
#include "framework/testing.h"
#include "framework/window.h"

namespace {

namespace lists = quorvan::control_wnd_lists;

class BenchWindow : public fw::Window {
 public:
  static const fw::ClassInfo& StaticClass() {
    static const fw::ClassInfo cls = [] {
      fw::ClassInfo c;
      c.name = "BenchWnd.BenchWnd";
      c.base = &fw::classes::Window();
      c.windowEvents[static_cast<int>(fw::WindowEvent::Layout)] = "Layout";
      c.windowEvents[static_cast<int>(fw::WindowEvent::CreateControls)] = "CreateControls";
      c.factory = [] { return std::make_shared<BenchWindow>(); };
      return c;
    }();
    return cls;
  }
  const fw::ClassInfo& Class() const override { return StaticClass(); }

  void Layout() override { fw::SetProperties(*this, lists::kControlWnd); }
  void CreateControls() override {
    Make<fw::RoundRectangle>("RoundRectangle1", lists::kRoundRectangle1);
    Make<fw::TextField>("PostFld", lists::kPostFld);
    Make<fw::TextField>("LikeFld", lists::kLikeFld);
    Make<fw::TextField>("PreFld", lists::kPreFld);
    Make<fw::Label>("PostText", lists::kPostText);
    Make<fw::Label>("LikeText", lists::kLikeText);
    Make<fw::Label>("PreText", lists::kPreText);
    Make<fw::BevelButton>("ClearBtn", lists::kClearBtn);
    Make<fw::BevelButton>("helpBtn", lists::kHelpBtn);
    Make<fw::BevelButton>("computeBtn", lists::kComputeBtn);
    Make<fw::Canvas>("Canvas1", lists::kCanvas1);
    Make<fw::TextArea>("Copyright", lists::kCopyright);
  }

 private:
  template <class C>
  void Make(std::string_view name, std::string_view list) {
    auto control = fw::RuntimeCheckCast<C>(New(C::StaticClass()));
    control->Constructor();
    AddControl(name, control);
    fw::SetProperties(*fw::RuntimeCheckCast<C>(ControlByName(name)), list);
  }
};

void BuildAndShowWindow(benchmark::State& state) {
  for (auto _ : state) {
    auto window =
        fw::RuntimeCheckCast<BenchWindow>(fw::RuntimeNewObject(BenchWindow::StaticClass()));
    window->Constructor();
    benchmark::DoNotOptimize(window->Visible());
    state.PauseTiming();
    fw::testing::CloseAllWindows();
    window.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BuildAndShowWindow)->Unit(benchmark::kMillisecond);

void ControlByName(benchmark::State& state) {
  auto window = fw::RuntimeCheckCast<BenchWindow>(fw::RuntimeNewObject(BenchWindow::StaticClass()));
  window->Constructor();
  for (auto _ : state) {
    benchmark::DoNotOptimize(window->ControlByName("Copyright"));  // the last one registered
  }
  fw::testing::CloseAllWindows();
}
BENCHMARK(ControlByName);

}  // namespace

int main(int argc, char** argv) {
  fw::RuntimeInit(argc, argv);
  fw::InitPluginEntrypoints();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  fw::RuntimePerformFinalizers();
  return 0;
}
