#pragma once

// The error box: shown for an error that escapes one of the program's handlers. Caption the
// application title, the error icon, one OK button; the program then goes on.

#include <string>
#include <string_view>

class QWidget;

namespace zarn {

// The box's text: the message, with a full stop appended when its last character sorts
// after "." (a message ending in a letter or digit gets one; one ending in "." or ")"
// does not). Windows-1252 texts.
std::string ErrorBoxText(std::string_view message);

// Shows the box modally over the active window and returns when it is closed.
void ShowErrorBox(std::string_view message);

// Makes the box the place where errors escaping the handlers are shown.
void InstallErrorBox();

} // namespace zarn
