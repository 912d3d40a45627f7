#include "widgets/ErrorReport.h"

#include <cstdio>
#include <string>
#include <utility>

namespace zarn {
namespace {

ErrorReporter& Reporter() {
    static ErrorReporter reporter;
    return reporter;
}

} // namespace

void SetErrorReporter(ErrorReporter reporter) {
    Reporter() = std::move(reporter);
}

void ReportError(std::string_view message) {
    if (const ErrorReporter& reporter = Reporter()) {
        reporter(message);
        return;
    }
    const std::string line = std::string(message) + '\n';
    std::fputs(line.c_str(), stderr);
}

} // namespace zarn
