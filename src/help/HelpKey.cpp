#include "help/HelpKey.h"

#include "help/HelpContext.h"
#include "help/HelpRequests.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

namespace zarn {
namespace {

bool IsHelpKey(const QKeyEvent& key) {
    const auto modifiers = key.modifiers() & ~Qt::KeypadModifier;
    return (key.key() == Qt::Key_F1 || key.key() == Qt::Key_Help) && modifiers == Qt::NoModifier;
}

bool IsMenu(const QWidget* widget) {
    return qobject_cast<const QMenu*>(widget) || qobject_cast<const QMenuBar*>(widget);
}

// The menu that shows the item which opens the given menu; null at the top of the chain.
const QMenu* ParentMenu(const QMenu& menu) {
    const QAction* opener = menu.menuAction();
    for (QObject* shownIn : opener->associatedObjects()) {
        if (auto* parent = qobject_cast<const QMenu*>(shownIn); parent && parent != &menu) {
            return parent;
        }
    }
    return nullptr;
}

// Closes every open popup menu, as choosing an item would.
void CloseMenus() {
    while (QWidget* popup = QApplication::activePopupWidget()) {
        if (!popup->close()) {
            break;
        }
    }
}

} // namespace

HelpKey::HelpKey(HelpRequests& help, QObject* parent)
    : QObject(parent)
    , m_help(help) {}

int HelpKey::ControlContext(const QWidget* control) {
    for (const QWidget* w = control; w; w = w->parentWidget()) {
        if (const int context = HelpContextOf(w)) {
            return context;
        }
        if (w->isWindow()) {
            break;
        }
    }
    return 0;
}

int HelpKey::MenuContext(const QWidget* menu) {
    const QAction* item = nullptr;
    if (auto* bar = qobject_cast<const QMenuBar*>(menu)) {
        item = bar->activeAction();
    } else if (auto* popup = qobject_cast<const QMenu*>(menu)) {
        item = popup->activeAction();
    }
    if (const int context = HelpContextOf(item)) {
        return context;
    }
    // Up through the items that open each menu of the chain, and the menus themselves.
    for (auto* m = qobject_cast<const QMenu*>(menu); m; m = ParentMenu(*m)) {
        if (const int context = HelpContextOf(m->menuAction())) {
            return context;
        }
        if (const int context = HelpContextOf(m)) {
            return context;
        }
    }
    return 0;
}

bool HelpKey::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const auto& key = static_cast<const QKeyEvent&>(*event);
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || !IsHelpKey(key)) {
        return false;
    }
    if (key.isAutoRepeat()) {
        return true;
    }
    if (IsMenu(widget)) {
        const int context = MenuContext(widget);
        CloseMenus();
        m_help.ShowContext(context);
    } else if (const int context = ControlContext(widget)) {
        m_help.ShowContext(context);
    }
    return true;
}

} // namespace zarn
