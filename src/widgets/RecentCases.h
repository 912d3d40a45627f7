#pragma once

// The case files last opened or saved, most recent first, at most kMost, kept in the
// program's settings (QSettings under the application's organisation and name) so that they
// outlive the session; and the filling of the "Casos recentes" menu from them. A file that
// is no longer there is dropped when the list is read.

#include <QString>
#include <QStringList>
#include <functional>

class QMenu;

namespace zarn {

class RecentCases {
public:
    static constexpr int kMost = 8;

    // The menu's caption, with its accelerator.
    static QString MenuTitle();

    // The file was opened or saved: it goes to the top, once.
    void Add(const QString& path);
    // The files that are still there, most recent first; those gone leave the settings.
    QStringList Files();
    void Clear();

    // Replaces the menu's items: one per file ("&1 caso.zarn", the full path as its tip),
    // which calls open with the path, and one that empties the list; a disabled item says
    // so when there is none.
    void FillMenu(QMenu& menu, const std::function<void(const QString&)>& open);
    // Fills the menu now and again each time it is about to show, so it follows the list.
    static void Attach(QMenu& menu, const std::function<void(const QString&)>& open);
};

} // namespace zarn
