#include "framework/core/dispatch.h"

#include <cstdio>
#include <string>
#include <utility>

#include "framework/core/exceptions.h"

namespace fw {
namespace {
void WriteToStderr(std::string_view kind, std::string_view message) noexcept {
  std::fprintf(stderr, "%.*s: %.*s\n", static_cast<int>(kind.size()), kind.data(),
               static_cast<int>(message.size()), message.data());
}

ExceptionReporter& Reporter() {
  static ExceptionReporter reporter;
  return reporter;
}
}  // namespace

void SetExceptionReporter(ExceptionReporter reporter) {
  Reporter() = std::move(reporter);
}

void ReportException(const std::exception_ptr& error) {
  if (!error) return;
  std::string kind;
  std::string message;
  try {
    std::rethrow_exception(error);
  } catch (const RuntimeException& e) {
    kind = e.Kind();
    message = e.Message();
  } catch (const std::exception& e) {
    kind = "Exception";
    message = e.what();
  } catch (...) {
    kind = "Exception";
    message = "An exception of unknown type";
  }
  if (!Reporter()) {
    WriteToStderr(kind, message);
    return;
  }
  try {
    Reporter()(kind, message);
  } catch (...) {
    // A reporter that fails must not take the guard down with it.
    WriteToStderr(kind, message);
  }
}

}  // namespace fw
