#include "desktop/UrlLaunch.h"

#include <QDesktopServices>
#include <QElapsedTimer>
#include <QProcess>
#include <QUrl>

// The free desktops open an address through xdg-open. Qt starts it and reports success as
// soon as it runs, so a desktop without any browser or mail program fails in silence;
// here the launcher is watched, and an exit with a failure code soon after the start
// means nothing could open the address.

namespace zarn {
namespace {

const QString kLauncher = QStringLiteral("xdg-open");
constexpr int kStartTimeoutMs = 2000;
// A launcher still running this long after its start has started a program (it waits for
// it on some desktops); its exit code then tells of that program, not of the launch.
constexpr qint64 kVerdictMs = 10000;

} // namespace

bool LaunchUrl(const QUrl& url, QObject* owner, UrlOpener::GaveUp gaveUp) {
    auto* launcher = new QProcess(owner);
    launcher->setProgram(kLauncher);
    launcher->setArguments({url.toString(QUrl::FullyEncoded)});
    // The program it starts may outlive this one: it must not write into our pipes.
    launcher->setStandardInputFile(QProcess::nullDevice());
    launcher->setStandardOutputFile(QProcess::nullDevice());
    launcher->setStandardErrorFile(QProcess::nullDevice());
    launcher->start();
    if (!launcher->waitForStarted(kStartTimeoutMs)) {
        delete launcher;
        return QDesktopServices::openUrl(url); // Qt's own search for a browser
    }
    QElapsedTimer sinceStart;
    sinceStart.start();
    QObject::connect(launcher, &QProcess::finished, owner,
                     [launcher, sinceStart, gaveUp](int code, QProcess::ExitStatus status) {
                         const bool failed = status != QProcess::NormalExit || code != 0;
                         if (failed && sinceStart.elapsed() < kVerdictMs && gaveUp) {
                             gaveUp();
                         }
                         launcher->deleteLater();
                     });
    return true;
}

} // namespace zarn
