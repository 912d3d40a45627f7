#include "desktop/UrlLaunch.h"

#include <QDesktopServices>
#include <QUrl>

// Windows and macOS answer at once whether the address could be handed on.

namespace zarn {

bool LaunchUrl(const QUrl& url, QObject* /*owner*/, UrlOpener::GaveUp /*gaveUp*/) {
    return QDesktopServices::openUrl(url);
}

} // namespace zarn
