#pragma once

// The edit-copy command of a window: it copies the selection of the window's focused text
// field to the clipboard as plain text, and it is enabled only while a text field of the
// window has the focus and a non-empty selection.

#include <QObject>

class QAction;
class QLineEdit;
class QWidget;

namespace zarn {

class CopyCommand : public QObject {
    Q_OBJECT
public:
    // Drives the action for the window's text fields; the command belongs to the action.
    CopyCommand(QAction* action, QWidget* window);

    // The focused text field of the window, or null.
    QLineEdit* FocusedField() const;

    // Copies the focused field's selection; nothing when the command is disabled.
    void Execute();

    // Recomputes the enabled state; also run on every focus and selection change.
    void Update();

private:
    void WatchField(QWidget* widget);

    QAction* m_action;
    QWidget* m_window;
};

} // namespace zarn
