#pragma once

// Desktop services that record what the about box asks of them instead of starting a
// browser or a mail program; each answer is set by the test.

#include "desktop/UrlOpener.h"

#include <QStringList>
#include <QUrl>
#include <utility>

namespace zarn::testing {

class RecordingUrlOpener final : public UrlOpener {
public:
    bool OpenUrl(const QUrl& url, GaveUp gaveUp) override {
        Opened << url.toString();
        LastGaveUp = std::move(gaveUp);
        return LaunchSucceeds;
    }
    // The launcher of the last address gives up, as xdg-open does with no program behind it.
    void LauncherGivesUp() {
        if (LastGaveUp) {
            LastGaveUp();
        }
    }
    bool MailHandlerRegistered() override {
        ++MailChecks;
        return MailRegistered;
    }

    QStringList Opened;
    int MailChecks = 0;
    bool LaunchSucceeds = true;
    bool MailRegistered = true;
    GaveUp LastGaveUp;
};

} // namespace zarn::testing
