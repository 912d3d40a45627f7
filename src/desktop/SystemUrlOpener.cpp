#include "desktop/SystemUrlOpener.h"

#include "desktop/MailHandler.h"
#include "desktop/UrlLaunch.h"

#include <QUrl>
#include <utility>

namespace zarn {

bool SystemUrlOpener::OpenUrl(const QUrl& url, GaveUp gaveUp) {
    return LaunchUrl(url, &m_launches, std::move(gaveUp));
}

bool SystemUrlOpener::MailHandlerRegistered() {
    return IsMailHandlerRegistered();
}

} // namespace zarn
