#include "framework/core/dispatch.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "framework/core/call_log.h"
#include "framework/core/exceptions.h"

namespace fw {
namespace {

TEST(Guard, ReportsWhatTheCallThrowsAndReturnsTheFallback) {
  std::string seen;
  SetExceptionReporter([&](std::string_view kind, std::string_view message) {
    seen += std::string(kind) + ": " + std::string(message) + "\n";
  });
  EXPECT_EQ(Guard<int>([]() -> int { throw NilObjectException("Nil field used"); }, -1), -1);
  EXPECT_EQ(Guard<int>([] { return 4; }, -1), 4);
  Guard([] { throw std::logic_error("plain"); });
  Guard([] { throw 42; });
  SetExceptionReporter({});
  EXPECT_EQ(seen,
            "NilObjectException: Nil field used\nException: plain\n"
            "Exception: An exception of unknown type\n");
}

TEST(Guard, DefaultReporterWritesKindAndMessageToStderr) {
  SetExceptionReporter({});
  ::testing::internal::CaptureStderr();
  Guard([] { throw ThreadAccessingUIException("off the GUI thread"); });
  EXPECT_EQ(::testing::internal::GetCapturedStderr(),
            "ThreadAccessingUIException: off the GUI thread\n");
}

TEST(Guard, AFailingReporterFallsBackToStderr) {
  SetExceptionReporter([](std::string_view, std::string_view) { throw std::runtime_error("box"); });
  ::testing::internal::CaptureStderr();
  Guard([] { throw IllegalCastException("bad cast"); });
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "IllegalCastException: bad cast\n");
  SetExceptionReporter({});
}

TEST(CallLog, RecordsInOrderOnlyWhileARecorderIsInstalled) {
  std::string log;
  RecordCall("before");
  SetCallRecorder([&](std::string_view call) { log += std::string(call) + ";"; });
  RecordCall("RuntimeInit");
  RecordCall("RuntimeRun");
  SetCallRecorder({});
  RecordCall("after");
  EXPECT_EQ(log, "RuntimeInit;RuntimeRun;");
}

}  // namespace
}  // namespace fw
