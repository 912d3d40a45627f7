#include "desktop/MailHandler.h"

#include <QProcess>
#include <QString>
#include <QStringList>

// Free desktops record the mail program as the default handler of the
// x-scheme-handler/mailto type; xdg-mime reads that record.

namespace zarn {
namespace {

constexpr int kStartTimeoutMs = 2000;
constexpr int kAnswerTimeoutMs = 5000;

} // namespace

bool IsMailHandlerRegistered() {
    QProcess query;
    query.start(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"),
                                             QStringLiteral("x-scheme-handler/mailto")});
    if (!query.waitForStarted(kStartTimeoutMs)) {
        // No xdg-mime to ask: the desktop cannot say, so the launch itself decides.
        return true;
    }
    if (!query.waitForFinished(kAnswerTimeoutMs)) {
        query.kill();
        query.waitForFinished(kStartTimeoutMs);
        return true;
    }
    if (query.exitStatus() != QProcess::NormalExit || query.exitCode() != 0) {
        return false;
    }
    return !query.readAllStandardOutput().trimmed().isEmpty();
}

} // namespace zarn
