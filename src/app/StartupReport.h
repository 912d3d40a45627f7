#pragma once

// Start-up timing for the benchmarks, never shown to users: when the environment variable
// ZARN_REPORT_STARTUP is "1", the first exposure of a window on screen is written to
// standard output as one line "startup-exposed-ns <n>", n being the steady clock's
// nanoseconds (CLOCK_MONOTONIC on Linux, the clock the launching driver reads).

class QWidget;

namespace zarn {

inline constexpr const char* kReportStartupVariable = "ZARN_REPORT_STARTUP";
inline constexpr const char* kStartupReportPrefix = "startup-exposed-ns ";

// Whether the environment asks for the report.
bool StartupReportWanted();

// Watches the top-level window for its first exposure when the report is wanted; does
// nothing otherwise. Call it before the window is first shown.
void ReportFirstExposure(QWidget* window);

} // namespace zarn
