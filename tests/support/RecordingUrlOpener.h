#pragma once

// Desktop services that record what the about box asks of them instead of starting a
// browser or a mail program; each answer is set by the test.

#include "desktop/UrlOpener.h"

#include <QStringList>
#include <QUrl>

namespace zarn::testing {

class RecordingUrlOpener final : public UrlOpener {
public:
    bool OpenUrl(const QUrl& url) override {
        Opened << url.toString();
        return LaunchSucceeds;
    }
    bool MailHandlerRegistered() override {
        ++MailChecks;
        return MailRegistered;
    }

    QStringList Opened;
    int MailChecks = 0;
    bool LaunchSucceeds = true;
    bool MailRegistered = true;
};

} // namespace zarn::testing
