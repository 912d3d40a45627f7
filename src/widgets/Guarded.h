#pragma once

// Wraps one of the program's handlers for connecting to a signal or calling from an event:
// an exception that escapes the handler is caught at its edge and reported (start-up shows
// it in the error box), and the program goes on.
//   connect(Button1, &QPushButton::clicked, this, Guarded([this] { Button1Click(); }));

#include "widgets/ErrorReport.h"

#include <exception>
#include <utility>

namespace zarn {

template <typename Handler>
void RunGuarded(Handler& handler) noexcept {
    try {
        handler();
    } catch (const std::exception& error) {
        ReportError(error.what());
    } catch (...) {
        ReportError(kUnknownErrorMessage);
    }
}

template <typename Handler>
auto Guarded(Handler handler) {
    return [handler = std::move(handler)]() mutable { RunGuarded(handler); };
}

} // namespace zarn
