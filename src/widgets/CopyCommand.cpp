#include "widgets/CopyCommand.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>

namespace zarn {

CopyCommand::CopyCommand(QAction* action, QWidget* window)
    : QObject(action)
    , m_action(action)
    , m_window(window) {
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        WatchField(now);
        Update();
    });
    connect(m_action, &QAction::triggered, this, [this] { Execute(); });
    WatchField(m_window->focusWidget());
    Update();
}

void CopyCommand::WatchField(QWidget* widget) {
    auto* field = qobject_cast<QLineEdit*>(widget);
    if (field && field->window() == m_window) {
        connect(field, &QLineEdit::selectionChanged, this, &CopyCommand::Update,
                Qt::UniqueConnection);
    }
}

QLineEdit* CopyCommand::FocusedField() const {
    // The window's own focus child: it stays put while one of its menus is open.
    return qobject_cast<QLineEdit*>(m_window->focusWidget());
}

void CopyCommand::Update() {
    const QLineEdit* field = FocusedField();
    m_action->setEnabled(field && field->hasSelectedText());
}

void CopyCommand::Execute() {
    Update();
    if (!m_action->isEnabled()) {
        return;
    }
    QApplication::clipboard()->setText(FocusedField()->selectedText());
}

} // namespace zarn
