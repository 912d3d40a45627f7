#include "widgets/MaskedField.h"

#include "fields/MaskModel.h"
#include "widgets/QtText.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMouseEvent>

namespace zarn {
namespace {

// Context menu captions (Windows-1252).
constexpr const char* kCutCaption = "Recor&tar";
constexpr const char* kCopyCaption = "&Copiar";
constexpr const char* kPasteCaption = "C&olar";
constexpr const char* kSelectAllCaption = "Selecionar &tudo";

// Stands for a pasted character that Windows-1252 cannot hold: a control character,
// which no position takes, so it becomes a blank like any other refused character.
constexpr char kUnmappable = '\x1A';

enum class KeyAction {
    PassOn,   // the window's key (Enter, Tab, accelerators...)
    Edit,     // a key of the mask rules
    Type,     // the event's text is typed
    WordMove, // Ctrl+Left/Right: the edit control moves, the field follows
    Copy,
    Cut,
    Paste,
    SelectAll,
};

struct KeyRoute {
    KeyAction Action = KeyAction::PassOn;
    EditKey Key = EditKey::Escape;
};

bool IsPrintable(const QString& text) {
    if (text.isEmpty()) {
        return false;
    }
    for (QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F ||
            (c.unicode() >= 0x80 && c.unicode() < 0xA0)) {
            return false;
        }
    }
    return true;
}

KeyRoute RouteKey(const QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers =
        event->modifiers() & ~(Qt::KeypadModifier | Qt::GroupSwitchModifier);
    const bool ctrl = modifiers.testFlag(Qt::ControlModifier);
    const bool shift = modifiers.testFlag(Qt::ShiftModifier);
    const bool alt = modifiers.testFlag(Qt::AltModifier);
    const bool altGr = ctrl && alt; // AltGr arrives as Ctrl+Alt on some systems
    const int key = event->key();

    if (alt && !ctrl) {
        return {}; // accelerators belong to the window
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Tab ||
        key == Qt::Key_Backtab) {
        return {};
    }
    if (!altGr) {
        if (event->matches(QKeySequence::Copy) || (ctrl && !shift && key == Qt::Key_C) ||
            (ctrl && !shift && key == Qt::Key_Insert)) {
            return {KeyAction::Copy};
        }
        if (event->matches(QKeySequence::Cut) || (ctrl && !shift && key == Qt::Key_X) ||
            (shift && !ctrl && key == Qt::Key_Delete)) {
            return {KeyAction::Cut};
        }
        if (event->matches(QKeySequence::Paste) || (ctrl && !shift && key == Qt::Key_V) ||
            (shift && !ctrl && key == Qt::Key_Insert)) {
            return {KeyAction::Paste};
        }
        if (event->matches(QKeySequence::SelectAll) || (ctrl && !shift && key == Qt::Key_A)) {
            return {KeyAction::SelectAll};
        }
        switch (key) {
        case Qt::Key_Left:
            return ctrl ? KeyRoute{KeyAction::WordMove}
                        : KeyRoute{KeyAction::Edit, shift ? EditKey::ShiftLeft : EditKey::Left};
        case Qt::Key_Right:
            return ctrl ? KeyRoute{KeyAction::WordMove}
                        : KeyRoute{KeyAction::Edit, shift ? EditKey::ShiftRight : EditKey::Right};
        case Qt::Key_Home:
            return {KeyAction::Edit, shift ? EditKey::ShiftHome : EditKey::Home};
        case Qt::Key_End:
            return {KeyAction::Edit, shift ? EditKey::ShiftEnd : EditKey::End};
        case Qt::Key_Up:
            return {KeyAction::Edit, EditKey::Up};
        case Qt::Key_Down:
            return {KeyAction::Edit, EditKey::Down};
        case Qt::Key_Delete:
            return {KeyAction::Edit, EditKey::Delete};
        case Qt::Key_Backspace:
            return {KeyAction::Edit, EditKey::Backspace};
        case Qt::Key_Escape:
            return modifiers == Qt::NoModifier ? KeyRoute{KeyAction::Edit, EditKey::Escape}
                                               : KeyRoute{};
        default:
            break;
        }
    }
    if ((!ctrl || altGr) && IsPrintable(event->text())) {
        return {KeyAction::Type};
    }
    return {};
}

bool IsProgramOrKeyboardFocus(Qt::FocusReason reason) {
    return reason != Qt::MouseFocusReason;
}

// A context menu or a switch to another application takes the focus for a moment; the
// field is not left and entered again.
bool IsPassingFocusChange(Qt::FocusReason reason) {
    return reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason;
}

} // namespace

MaskedField::MaskedField(QWidget* parent)
    : QLineEdit(parent)
    , m_model(std::make_unique<MaskedFieldModel>()) {
    setAcceptDrops(false); // a drop would bypass the mask rules
    setDragEnabled(false);
    ShowModel();
}

MaskedField::~MaskedField() = default;

void MaskedField::SetEditMask(const std::string& mask) {
    m_model->SetEditMask(mask);
    ShowModel();
}

std::string MaskedField::EditMask() const {
    return m_model->EditMask();
}

std::string MaskedField::Text() const {
    return m_model->Text();
}

void MaskedField::SetText(const std::string& text) {
    m_model->SetText(text);
    ShowModel();
}

void MaskedField::SelectAll() {
    m_model->SelectAll();
    ShowModel();
}

void MaskedField::SetCaretToStart() {
    m_model->SetCaret(0);
    m_model->RestoreOverwriteCaret();
    ShowModel();
}

void MaskedField::SetReadOnly(bool readOnly) {
    m_model->SetReadOnly(readOnly);
    QLineEdit::setReadOnly(readOnly);
}

bool MaskedField::IsReadOnly() const {
    return m_model->ReadOnly();
}

const MaskedFieldModel& MaskedField::Model() const {
    return *m_model;
}

QMenu* MaskedField::CreateContextMenu() {
    auto* menu = new QMenu(this);
    const bool selected = m_model->SelLength() > 0;
    const bool editable = !m_model->ReadOnly();
    const QClipboard* clipboard = QGuiApplication::clipboard();
    const bool clipboardHasText = clipboard != nullptr && !clipboard->text().isEmpty();

    auto addAction = [&](const char* caption, QKeySequence::StandardKey shortcut, bool enabled,
                         void (MaskedField::*command)()) {
        const QString shortcutText = QKeySequence(shortcut)
                                         .toString(QKeySequence::NativeText)
                                         .section(QLatin1Char(';'), 0, 0);
        QAction* action = menu->addAction(ToQString(caption) + QLatin1Char('\t') + shortcutText);
        action->setEnabled(enabled);
        connect(action, &QAction::triggered, this, command);
    };
    addAction(kCutCaption, QKeySequence::Cut, selected && editable, &MaskedField::CutToClipboard);
    addAction(kCopyCaption, QKeySequence::Copy, selected, &MaskedField::CopyToClipboard);
    addAction(kPasteCaption, QKeySequence::Paste, editable && clipboardHasText,
              &MaskedField::PasteFromClipboard);
    menu->addSeparator();
    addAction(kSelectAllCaption, QKeySequence::SelectAll,
              m_model->Width() > 0 && m_model->SelLength() < m_model->Width(),
              &MaskedField::SelectAll);
    return menu;
}

void MaskedField::CopyToClipboard() {
    if (const std::optional<std::string> copied = m_model->Copy()) {
        QGuiApplication::clipboard()->setText(ToQString(*copied));
    }
}

void MaskedField::CutToClipboard() {
    if (const std::optional<std::string> cut = m_model->Cut()) {
        QGuiApplication::clipboard()->setText(ToQString(*cut));
    }
    ShowModel();
}

void MaskedField::PasteFromClipboard() {
    const QString text = QGuiApplication::clipboard()->text();
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (QChar c : text) {
        char byte = kUnmappable;
        ToCp1252Char(c, byte);
        bytes.push_back(byte);
    }
    m_model->Paste(bytes);
    ShowModel();
}

bool MaskedField::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        // Claim the keys the field handles, so that window shortcuts such as a menu's
        // Ctrl+C do not take them away; leave every other key to the window.
        event->setAccepted(WantsKey(static_cast<QKeyEvent*>(event)));
        return true;
    }
    return QLineEdit::event(event);
}

bool MaskedField::WantsKey(const QKeyEvent* event) const {
    const KeyRoute route = RouteKey(event);
    switch (route.Action) {
    case KeyAction::PassOn:
        return false;
    case KeyAction::Edit:
        return route.Key != EditKey::Escape || (m_model->Modified() && !m_model->ReadOnly());
    default:
        return true;
    }
}

void MaskedField::keyPressEvent(QKeyEvent* event) {
    const KeyRoute route = RouteKey(event);
    switch (route.Action) {
    case KeyAction::PassOn:
        event->ignore();
        return;
    case KeyAction::Edit: {
        const EditResult result = m_model->PressKey(route.Key);
        if (result == EditResult::PassOn) {
            event->ignore();
            return;
        }
        ShowModel();
        Report(result == EditResult::Beep);
        break;
    }
    case KeyAction::Type:
        TypeText(event->text());
        break;
    case KeyAction::WordMove:
        QLineEdit::keyPressEvent(event);
        TakeSelectionFromControl();
        break;
    case KeyAction::Copy:
        CopyToClipboard();
        break;
    case KeyAction::Cut:
        CutToClipboard();
        break;
    case KeyAction::Paste:
        PasteFromClipboard();
        break;
    case KeyAction::SelectAll:
        SelectAll();
        break;
    }
    event->accept();
}

void MaskedField::keyReleaseEvent(QKeyEvent* event) {
    QLineEdit::keyReleaseEvent(event);
    m_model->RestoreOverwriteCaret();
    if (hasFocus()) {
        ShowModel();
    }
}

void MaskedField::inputMethodEvent(QInputMethodEvent* event) {
    // Only committed text is typed; a composition in progress is not shown, since it
    // would shift the positions of a fixed-width field.
    if (!event->commitString().isEmpty()) {
        TypeText(event->commitString());
    }
    event->accept();
}

void MaskedField::focusInEvent(QFocusEvent* event) {
    const Qt::FocusReason reason = event->reason();
    QLineEdit::focusInEvent(event);
    if (IsPassingFocusChange(reason) && m_model->HasFocus()) {
        ShowModel();
        return;
    }
    m_model->FocusIn(IsProgramOrKeyboardFocus(reason));
    if (reason != Qt::MouseFocusReason) {
        ShowModel(); // a click places the caret itself when the button goes down
    }
}

void MaskedField::focusOutEvent(QFocusEvent* event) {
    const Qt::FocusReason reason = event->reason();
    QLineEdit::focusOutEvent(event);
    if (IsPassingFocusChange(reason)) {
        return;
    }
    m_model->FocusOut();
    ShowCaretWithoutSelection();
}

void MaskedField::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton) {
        event->accept(); // no pasting of the selection buffer past the mask rules
        return;
    }
    QLineEdit::mousePressEvent(event);
    TakeSelectionFromControl();
}

void MaskedField::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton) {
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
    TakeSelectionFromControl();
    if (event->button() == Qt::LeftButton) {
        emit Clicked();
    }
    m_model->RestoreOverwriteCaret();
    ShowModel();
}

void MaskedField::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = CreateContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
    event->accept();
}

void MaskedField::TypeText(const QString& text) {
    bool beeped = false;
    for (QChar c : text) {
        char byte = 0;
        if (!ToCp1252Char(c, byte)) {
            beeped = beeped || !m_model->ReadOnly();
            continue;
        }
        beeped = m_model->TypeChar(byte) == EditResult::Beep || beeped;
    }
    ShowModel();
    Report(beeped);
}

void MaskedField::ShowModel() {
    const int width = m_model->Width();
    if (maxLength() != width) {
        setMaxLength(width);
    }
    const QString shown = ToQString(m_model->DisplayText());
    if (QLineEdit::text() != shown) {
        QLineEdit::setText(shown);
    }
    const int start = m_model->SelStart();
    const int length = m_model->SelLength();
    if (length == 0) {
        setCursorPosition(start);
    } else if (m_model->Caret() == start) {
        setSelection(start + length, -length);
    } else {
        setSelection(start, length);
    }
}

void MaskedField::ShowCaretWithoutSelection() {
    const QString shown = ToQString(m_model->DisplayText());
    if (QLineEdit::text() != shown) {
        QLineEdit::setText(shown);
    }
    deselect();
    setCursorPosition(m_model->SelStart());
}

void MaskedField::TakeSelectionFromControl() {
    const int start = selectionStart();
    if (start < 0) {
        m_model->SetCaret(cursorPosition());
        return;
    }
    const int length = selectionLength();
    if (cursorPosition() == start) {
        m_model->Select(start + length, -length);
    } else {
        m_model->Select(start, length);
    }
}

void MaskedField::Report(bool beeped) {
    if (beeped) {
        QApplication::beep();
        emit Beeped();
    }
}

} // namespace zarn
