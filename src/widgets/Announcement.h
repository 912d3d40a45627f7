#pragma once

// Telling screen readers about a text that a field now shows while the keyboard is
// elsewhere (the result field after Calcula): a value-change event on the field, which
// the platform's accessibility bridge turns into an announcement.

#include <QAccessible>

class QString;
class QWidget;

namespace zarn {

void AnnounceText(QWidget* field, const QString& text);

// The platform's bridge takes events only while a screen reader listens, and the
// offscreen platform has none; tests watch the announcements here instead. Null stops.
void SetAnnouncementWatcher(QAccessible::UpdateHandler watcher);

} // namespace zarn
