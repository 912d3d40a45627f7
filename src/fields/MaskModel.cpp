#include "fields/MaskModel.h"

#include <algorithm>

namespace zarn {
namespace {

int ClampPosition(long long position, int width) {
    return static_cast<int>(std::clamp<long long>(position, 0, width));
}

// A pasted text ends at its first line break: a field holds one line.
std::string_view FirstLine(std::string_view text) {
    return text.substr(0, text.find_first_of("\r\n"));
}

} // namespace

MaskedFieldModel::MaskedFieldModel(std::string_view mask)
    : m_pattern(mask)
    , m_display(m_pattern.EmptyDisplay())
    , m_oldValue(m_display) {
    SetCaretOffLiteral(0);
    RestoreOverwriteCaret();
}

void MaskedFieldModel::SetEditMask(std::string_view mask) {
    if (mask == m_pattern.MaskString()) {
        return;
    }
    const int caretBefore = m_selStart;
    const std::string stripped = m_pattern.Strip(m_display);
    m_pattern = MaskPattern(mask);
    SetWholeText(m_pattern.LayOutToWidth(stripped, m_pattern.Blank()));
    SetCaret(m_hasFocus ? caretBefore : 0);
    RestoreOverwriteCaret();
}

std::string MaskedFieldModel::Text() const {
    return m_pattern.Read(m_display);
}

void MaskedFieldModel::SetText(std::string_view text) {
    const std::string fitted = m_pattern.Fit(text);
    if (fitted != m_display) {
        SetWholeText(fitted);
        SetCaretOffLiteral(0);
    }
    RestoreOverwriteCaret();
}

void MaskedFieldModel::Select(int start, int length) {
    const int width = Width();
    const int from = ClampPosition(start, width);
    const int to = ClampPosition(static_cast<long long>(start) + length, width);
    m_selStart = std::min(from, to);
    m_selEnd = std::max(from, to);
    m_caretAtStart = to <= from;
}

void MaskedFieldModel::SelectAll() {
    m_selStart = 0;
    m_selEnd = Width();
    m_caretAtStart = false;
    RestoreOverwriteCaret();
}

void MaskedFieldModel::SetCaret(int position) {
    Select(position, 0);
}

void MaskedFieldModel::RestoreOverwriteCaret() {
    if (m_selStart == m_selEnd && m_selStart < Width()) {
        m_selEnd = m_selStart + 1;
        m_caretAtStart = true;
    }
}

EditResult MaskedFieldModel::TypeChar(char c) {
    RestoreOverwriteCaret();
    if (static_cast<unsigned char>(c) < 0x20 || c == '\x7F') {
        return EditResult::PassOn;
    }
    if (m_readOnly) {
        return EditResult::Done;
    }
    bool changed = false;
    if (SelLength() > 1) {
        changed = BlankSelectionAndMoveToStart();
    }
    EditResult result = EditResult::Done;
    const int i = m_selStart;
    if (i >= Width()) {
        // No position left: the character is ignored.
    } else if (m_pattern.IsLiteral(i)) {
        changed = PutChar(i, m_pattern.LiteralAt(i)) || changed;
        MoveCaret(m_pattern.EditableAfter(i));
    } else if (m_pattern.Accepts(i, c)) {
        changed = PutChar(i, c) || changed;
        MoveCaret(m_pattern.EditableAfter(i));
    } else {
        // Typing the next literal's character jumps past that literal.
        const int literal = m_pattern.LiteralAfter(i);
        if (literal >= 0 && m_display[static_cast<std::size_t>(literal)] == c) {
            MoveCaret(literal + 1);
        } else {
            result = EditResult::Beep;
        }
    }
    m_modified = m_modified || changed;
    RestoreOverwriteCaret();
    return result;
}

EditResult MaskedFieldModel::PressKey(EditKey key) {
    EditResult result = EditResult::Done;
    switch (key) {
    case EditKey::Left: {
        int target = m_pattern.EditableBefore(m_selStart);
        if (target < 0) {
            const int first = m_pattern.EditableAtOrAfter(0);
            target = first < Width() ? first : 0;
        }
        MoveCaret(target);
        break;
    }
    case EditKey::Right:
        MoveCaret(m_pattern.EditableAfter(SelLength() > 1 ? m_selEnd - 1 : m_selStart));
        break;
    case EditKey::ShiftLeft:
    case EditKey::ShiftRight:
    case EditKey::ShiftHome:
    case EditKey::ShiftEnd:
        ExtendFromCaretCell(key);
        break;
    case EditKey::Home:
        MoveCaret(0);
        break;
    case EditKey::End:
        MoveCaret(Width());
        break;
    case EditKey::Up:
    case EditKey::Down:
        break;
    case EditKey::Delete:
        result = DeleteSelectionOrCell();
        break;
    case EditKey::Backspace:
        result = Backspace();
        break;
    case EditKey::Escape:
        result = Escape();
        break;
    }
    RestoreOverwriteCaret();
    return result;
}

std::optional<std::string> MaskedFieldModel::Copy() const {
    if (SelLength() == 0) {
        return std::nullopt;
    }
    return m_display.substr(static_cast<std::size_t>(m_selStart),
                            static_cast<std::size_t>(SelLength()));
}

std::optional<std::string> MaskedFieldModel::Cut() {
    std::optional<std::string> copied;
    if (!m_readOnly) {
        copied = Copy();
        if (copied) {
            DeleteSelectionOrCell();
        }
    }
    // Refused or not, the key ends with the overwrite caret, as every other key does.
    RestoreOverwriteCaret();
    return copied;
}

EditResult MaskedFieldModel::Paste(std::string_view text) {
    RestoreOverwriteCaret();
    if (m_readOnly) {
        return EditResult::Done;
    }
    const std::string_view line = FirstLine(text);
    std::string display = m_display;
    for (int p = m_selStart; p < m_selEnd; ++p) {
        if (m_pattern.IsEditable(p)) {
            display[static_cast<std::size_t>(p)] = m_pattern.Blank();
        }
    }
    int position = m_selStart;
    std::size_t next = 0;
    while (position < Width() && next < line.size()) {
        char& shown = display[static_cast<std::size_t>(position)];
        if (m_pattern.IsLiteral(position)) {
            // A pasted character equal to the literal is the literal itself; any other
            // one is tried at the next position.
            if (shown == line[next]) {
                ++next;
            }
        } else {
            shown = m_pattern.Accepts(position, line[next]) ? line[next] : m_pattern.Blank();
            ++next;
        }
        ++position;
    }
    SetWholeText(display);
    SetCaretOffLiteral(position);
    RestoreOverwriteCaret();
    return EditResult::Done;
}

void MaskedFieldModel::FocusIn(bool selectAll) {
    m_hasFocus = true;
    m_oldValue = m_display;
    if (selectAll) {
        SelectAll();
    }
    RestoreOverwriteCaret();
}

void MaskedFieldModel::FocusOut() {
    m_hasFocus = false;
    RestoreOverwriteCaret();
}

void MaskedFieldModel::SetCaretOffLiteral(int position) {
    const int p = ClampPosition(position, Width());
    MoveCaret(m_pattern.IsLiteral(p) ? m_pattern.EditableAfter(p) : p);
}

void MaskedFieldModel::MoveCaret(int position) {
    SetCaret(position);
}

void MaskedFieldModel::ExtendSelection(int anchor, int active) {
    const int width = Width();
    anchor = ClampPosition(anchor, width);
    active = ClampPosition(active, width);
    m_selStart = std::min(anchor, active);
    m_selEnd = std::max(anchor, active);
    m_caretAtStart = active < anchor;
}

void MaskedFieldModel::ExtendFromCaretCell(EditKey key) {
    const int width = Width();
    if (SelLength() <= 1) {
        // The character under the overwrite caret counts as selected: extending keeps it
        // and grows the selection in the direction of the key.
        const int cellStart = m_selStart;
        const int cellEnd = std::min(m_selStart + 1, width);
        switch (key) {
        case EditKey::ShiftLeft:
            ExtendSelection(cellEnd, cellStart - 1);
            break;
        case EditKey::ShiftRight:
            ExtendSelection(cellStart, cellEnd + 1);
            break;
        case EditKey::ShiftHome:
            ExtendSelection(cellEnd, 0);
            break;
        default:
            ExtendSelection(cellStart, width);
            break;
        }
        return;
    }
    const int anchor = m_caretAtStart ? m_selEnd : m_selStart;
    const int active = Caret();
    switch (key) {
    case EditKey::ShiftLeft:
        ExtendSelection(anchor, active - 1);
        break;
    case EditKey::ShiftRight:
        ExtendSelection(anchor, active + 1);
        break;
    case EditKey::ShiftHome:
        ExtendSelection(anchor, 0);
        break;
    default:
        ExtendSelection(anchor, width);
        break;
    }
}

bool MaskedFieldModel::BlankRange(int from, int to) {
    bool changed = false;
    for (int p = std::max(from, 0); p < std::min(to, Width()); ++p) {
        if (m_pattern.IsEditable(p)) {
            changed = PutChar(p, m_pattern.Blank()) || changed;
        }
    }
    return changed;
}

bool MaskedFieldModel::BlankSelectionAndMoveToStart() {
    const bool changed = BlankRange(m_selStart, m_selEnd);
    MoveCaret(m_pattern.EditableAtOrAfter(m_selStart));
    return changed;
}

bool MaskedFieldModel::PutChar(int position, char c) {
    char& shown = m_display[static_cast<std::size_t>(position)];
    if (shown == c) {
        return false;
    }
    shown = c;
    return true;
}

void MaskedFieldModel::SetWholeText(const std::string& display) {
    m_display = display;
    m_oldValue = display;
    m_modified = false;
}

EditResult MaskedFieldModel::DeleteSelectionOrCell() {
    if (m_readOnly) {
        return EditResult::Done;
    }
    bool changed = false;
    if (SelLength() > 1) {
        changed = BlankSelectionAndMoveToStart();
    } else if (SelLength() == 1) {
        changed = BlankRange(m_selStart, m_selEnd);
    }
    m_modified = m_modified || changed;
    return EditResult::Done;
}

EditResult MaskedFieldModel::Backspace() {
    if (m_readOnly) {
        return EditResult::Done;
    }
    if (SelLength() > 1) {
        return DeleteSelectionOrCell();
    }
    const int previous = m_pattern.EditableBefore(m_selStart);
    if (previous >= 0) {
        m_modified = BlankRange(previous, previous + 1) || m_modified;
        MoveCaret(previous);
    }
    return EditResult::Done;
}

EditResult MaskedFieldModel::Escape() {
    if (!m_modified || m_readOnly) {
        return EditResult::PassOn;
    }
    m_display = m_oldValue.size() == m_display.size() ? m_oldValue : m_pattern.Fit(m_oldValue);
    m_modified = false;
    return EditResult::Done;
}

} // namespace zarn
