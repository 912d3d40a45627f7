#pragma once

// Where an error that escapes one of the program's handlers goes. Start-up points it at the
// application's error box; until then, and in tests that install nothing, the message goes
// to standard error. Windows-1252 texts.

#include <functional>
#include <string_view>

namespace zarn {

using ErrorReporter = std::function<void(std::string_view message)>;

// Replaces the reporter; an empty one restores standard error.
void SetErrorReporter(ErrorReporter reporter);

// Hands the message to the reporter, which returns when the user has seen it.
void ReportError(std::string_view message);

// The message reported for a failure that carries no message of its own.
inline constexpr const char* kUnknownErrorMessage = "Erro inesperado";

} // namespace zarn
