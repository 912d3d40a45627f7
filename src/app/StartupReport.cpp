#include "app/StartupReport.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>
#include <chrono>
#include <cstdio>

namespace zarn {
namespace {

// Removes itself after the first exposure it reports.
class ExposureWatch final : public QObject {
public:
    explicit ExposureWatch(QWindow* window)
        : QObject(window) {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
            const auto now = std::chrono::steady_clock::now().time_since_epoch();
            std::printf("%s%lld\n", kStartupReportPrefix,
                        static_cast<long long>(
                            std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
            std::fflush(stdout);
            watched->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }
};

} // namespace

bool StartupReportWanted() {
    return qEnvironmentVariable(kReportStartupVariable) == QLatin1String("1");
}

void ReportFirstExposure(QWidget* window) {
    if (!window || !StartupReportWanted()) {
        return;
    }
    window->winId(); // the native window, which the first show would create anyway
    if (QWindow* handle = window->windowHandle()) {
        new ExposureWatch(handle);
    }
}

} // namespace zarn
