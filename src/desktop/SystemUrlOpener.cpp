#include "desktop/SystemUrlOpener.h"

#include "desktop/MailHandler.h"

#include <QDesktopServices>
#include <QUrl>

namespace zarn {

bool SystemUrlOpener::OpenUrl(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

bool SystemUrlOpener::MailHandlerRegistered() {
    return IsMailHandlerRegistered();
}

} // namespace zarn
