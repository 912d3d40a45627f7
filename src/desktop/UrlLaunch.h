#pragma once

// Opening an address with the program the desktop registers for it, one file per kind of
// desktop: UrlLaunchXdg.cpp on the free desktops, UrlLaunchDesktopServices.cpp elsewhere.

#include "desktop/UrlOpener.h"

class QObject;
class QUrl;

namespace zarn {

// False when no launcher could be started. A launcher that starts and soon gives up (no
// browser or mail program behind it) calls gaveUp; owner keeps the watch over it.
bool LaunchUrl(const QUrl& url, QObject* owner, UrlOpener::GaveUp gaveUp);

} // namespace zarn
