#pragma once

// Whether the desktop has a mail program registered for mailto: addresses. Each
// platform answers in its own file: MailHandlerLinux.cpp, MailHandlerWindows.cpp,
// MailHandlerMacos.cpp; the build picks one.

namespace zarn {

// May take a moment (it can ask a helper program); the about box asks once per process.
bool IsMailHandlerRegistered();

} // namespace zarn
