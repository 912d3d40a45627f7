#pragma once

// The desktop services the about box reaches: opening an address with its default
// program, and asking whether a mail program is registered for mailto: addresses.
// The about box talks to them through this seam, so tests can record instead of
// starting a browser or a mail program.

#include <functional>

class QUrl;

namespace zarn {

class UrlOpener {
public:
    // Called, on the program's thread, when a launcher that did start then gives up:
    // nothing behind it could open the address.
    using GaveUp = std::function<void()>;

    virtual ~UrlOpener() = default;
    // Hands the address to the program the desktop registers for it; false when nothing
    // could be started. gaveUp may come later, once, or never.
    virtual bool OpenUrl(const QUrl& url, GaveUp gaveUp) = 0;
    // Whether the desktop names a program for mailto: addresses.
    virtual bool MailHandlerRegistered() = 0;
};

} // namespace zarn
