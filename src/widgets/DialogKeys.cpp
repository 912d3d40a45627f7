#include "widgets/DialogKeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QPushButton>

namespace zarn {
namespace {

Qt::KeyboardModifiers PlainModifiers(const QKeyEvent* key) {
    return key->modifiers() & ~Qt::KeypadModifier;
}

bool IsPlainEnter(const QKeyEvent* key) {
    return (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
           PlainModifiers(key) == Qt::NoModifier;
}

bool IsAltLetter(const QKeyEvent* key) {
    return PlainModifiers(key) == Qt::AltModifier && key->key() >= Qt::Key_A &&
           key->key() <= Qt::Key_Z;
}

bool IsBareLetter(const QKeyEvent* key) {
    const Qt::KeyboardModifiers modifiers = PlainModifiers(key);
    return (modifiers == Qt::NoModifier || modifiers == Qt::ShiftModifier) &&
           key->key() >= Qt::Key_A && key->key() <= Qt::Key_Z;
}

bool CanPress(const QPushButton* button) {
    return button->isEnabled() && button->isVisible();
}

void Press(QPushButton* button) {
    button->click();
}

} // namespace

DialogKeys* DialogKeys::Install(QWidget* window) {
    return new DialogKeys(window);
}

DialogKeys::DialogKeys(QWidget* window)
    : QObject(window)
    , m_window(window) {
    // Taken at the application so that the keys are seen before the focused control.
    qApp->installEventFilter(this);
}

bool DialogKeys::IsInWindow(QObject* object) const {
    return object->isWidgetType() && static_cast<QWidget*>(object)->window() == m_window;
}

QPushButton* DialogKeys::FocusedButton() const {
    auto* button = qobject_cast<QPushButton*>(m_window->focusWidget());
    return button && button->hasFocus() ? button : nullptr;
}

QPushButton* DialogKeys::DefaultButton() const {
    const auto buttons = m_window->findChildren<QPushButton*>();
    for (QPushButton* button : buttons) {
        if (button->window() == m_window && button->isDefault() && CanPress(button)) {
            return button;
        }
    }
    return nullptr;
}

QPushButton* DialogKeys::ButtonForLetter(int key) const {
    const auto buttons = m_window->findChildren<QPushButton*>();
    for (QPushButton* button : buttons) {
        if (button->window() != m_window || !CanPress(button)) {
            continue;
        }
        const QKeySequence mnemonic = QKeySequence::mnemonic(button->text());
        if (!mnemonic.isEmpty() && mnemonic[0].key() == static_cast<Qt::Key>(key)) {
            return button;
        }
    }
    return nullptr;
}

bool DialogKeys::TakesShortcut(const QKeyEvent* key) const {
    if (IsAltLetter(key)) {
        return ButtonForLetter(key->key()) != nullptr;
    }
    return IsBareLetter(key) && FocusedButton() && ButtonForLetter(key->key());
}

bool DialogKeys::HandleKeyPress(const QKeyEvent* key) {
    if (IsPlainEnter(key)) {
        QPushButton* button = FocusedButton();
        if (!button) {
            button = DefaultButton();
        }
        if (button) {
            Press(button);
            return true;
        }
        return false;
    }
    if (TakesShortcut(key)) {
        Press(ButtonForLetter(key->key()));
        return true;
    }
    // An Alt+letter that no shortcut took is a command key, never a typed character.
    return IsAltLetter(key);
}

bool DialogKeys::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if ((type != QEvent::KeyPress && type != QEvent::ShortcutOverride) || !IsInWindow(watched)) {
        return false;
    }
    auto* key = static_cast<QKeyEvent*>(event);
    if (type == QEvent::ShortcutOverride) {
        // Claiming the key keeps the buttons' own mnemonic shortcuts, which would also move
        // the focus, from firing; the key press that follows comes back here.
        if (IsPlainEnter(key) || TakesShortcut(key)) {
            event->accept();
            return true;
        }
        return false;
    }
    return HandleKeyPress(key);
}

} // namespace zarn
