#pragma once

// The desktop's own services behind UrlOpener: the desktop's launcher opens addresses
// (watched, where it can fail after it started), and the platform's registration of a mail
// program answers the mail question.

#include "desktop/UrlOpener.h"

#include <QObject>

namespace zarn {

class SystemUrlOpener final : public UrlOpener {
public:
    bool OpenUrl(const QUrl& url, GaveUp gaveUp) override;
    bool MailHandlerRegistered() override;

private:
    QObject m_launches; // the watched launchers, which go with the opener
};

} // namespace zarn
