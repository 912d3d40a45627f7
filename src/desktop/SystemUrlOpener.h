#pragma once

// The desktop's own services behind UrlOpener: QDesktopServices opens addresses, and
// the platform's registration of a mail program answers the mail question.

#include "desktop/UrlOpener.h"

namespace zarn {

class SystemUrlOpener final : public UrlOpener {
public:
    bool OpenUrl(const QUrl& url) override;
    bool MailHandlerRegistered() override;
};

} // namespace zarn
