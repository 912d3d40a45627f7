#include "widgets/Announcement.h"

#include <QString>
#include <QWidget>

namespace zarn {
namespace {

QAccessible::UpdateHandler g_watcher = nullptr;

} // namespace

void AnnounceText(QWidget* field, const QString& text) {
    QAccessibleValueChangeEvent announcement(field, text);
    if (g_watcher) {
        g_watcher(&announcement);
    }
    QAccessible::updateAccessibility(&announcement);
}

void SetAnnouncementWatcher(QAccessible::UpdateHandler watcher) {
    g_watcher = watcher;
}

} // namespace zarn
