#pragma once

// Dialog keys for a top-level window that is not a dialog box:
// - Enter without Shift, Ctrl or Alt presses the push button that has the focus, otherwise
//   the window's default button: the first push button in the window's child order whose
//   Default flag (QPushButton::isDefault) is set. Every other control passes Enter on.
// - Alt and the underlined letter of a push button's caption press that button without
//   moving the focus; the letter alone does too while a push button has the focus. An
//   Alt+letter that neither a button nor the menu takes is dropped, never typed.
// - Space presses the focused push button (the button's own behaviour).
// - Esc presses nothing.
// The keys are taken before any control of the window sees them.

#include <QObject>

class QKeyEvent;
class QPushButton;
class QWidget;

namespace zarn {

class DialogKeys : public QObject {
    Q_OBJECT
public:
    // Installs the keys on a top-level window. The returned object belongs to the window.
    static DialogKeys* Install(QWidget* window);

    QWidget* Window() const { return m_window; }

    // The button that Enter presses when no push button has the focus, or null.
    QPushButton* DefaultButton() const;

    // The enabled, visible push button whose caption underlines the key's letter, or null.
    QPushButton* ButtonForLetter(int key) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit DialogKeys(QWidget* window);

    bool IsInWindow(QObject* object) const;
    QPushButton* FocusedButton() const;
    bool TakesShortcut(const QKeyEvent* key) const;
    bool HandleKeyPress(const QKeyEvent* key);

    QWidget* m_window;
};

} // namespace zarn
