// The one error path for faults in program code: every entry from the framework into a handler
// goes through Guard, which catches what the handler throws and reports it, so that no exception
// crosses the event loop.
#pragma once

#include <exception>
#include <functional>
#include <string_view>

namespace fw {

// Reports a caught exception. The default writes "<Kind>: <message>" to standard error and never
// throws; the windowed framework adds a message box. An exception that is no RuntimeException is
// of kind "Exception". A reporter that throws is bypassed and the default writes the report.
// An empty function restores the default.
using ExceptionReporter = std::function<void(std::string_view kind, std::string_view message)>;
void SetExceptionReporter(ExceptionReporter reporter);
// Reports the exception held by `error` through the installed reporter.
void ReportException(const std::exception_ptr& error);

// Runs `call`; an exception it throws is reported and `fallback` returned instead.
template <class R, class F>
R Guard(F&& call, R fallback) noexcept {
  try {
    return call();
  } catch (...) {
    ReportException(std::current_exception());
    return fallback;
  }
}

template <class F>
void Guard(F&& call) noexcept {
  try {
    call();
  } catch (...) {
    ReportException(std::current_exception());
  }
}

}  // namespace fw
