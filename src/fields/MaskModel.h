#pragma once

// The masked entry field without a window: mask, display text, old value, modified and
// read-only flags, selection with its overwrite caret, and every editing rule (typing,
// deleting, navigation keys, Escape, copy, cut and paste). The control feeds it events
// and shows what it holds; tests drive it directly. Texts are Windows-1252.
//
// Positions count display characters from 0; Width() is the end, the place after the
// last position. Whenever nothing is selected and the caret stands before the end, the
// field selects the one character under the caret (the overwrite caret), so that a typed
// character replaces it.

#include "fields/MaskPattern.h"

#include <optional>
#include <string>
#include <string_view>

namespace zarn {

enum class EditKey {
    Left,
    Right,
    ShiftLeft,
    ShiftRight,
    ShiftHome,
    ShiftEnd,
    Home,
    End,
    Up,
    Down,
    Delete,
    Backspace,
    Escape,
};

enum class EditResult {
    Done,   // handled (possibly refused quietly, as on a read-only field)
    Beep,   // refused with the default beep
    PassOn, // not the field's: the window should see the key
};

class MaskedFieldModel {
public:
    MaskedFieldModel() = default;
    explicit MaskedFieldModel(std::string_view mask);

    // Changes the mask, re-fitting the present text: the text is stripped under the old
    // mask and laid out under the new one. The same mask string changes nothing.
    void SetEditMask(std::string_view mask);
    const std::string& EditMask() const { return m_pattern.MaskString(); }
    const MaskPattern& Pattern() const { return m_pattern; }
    int Width() const { return m_pattern.Width(); }

    // The field text: exactly Width() characters, literals in place, a space at every
    // empty editable position.
    std::string Text() const;
    // Lays any text out in the field (literals found or added, sub-fields padded or
    // cut); the empty text empties the field. No class check: letters may land on digits.
    void SetText(std::string_view text);

    const std::string& DisplayText() const { return m_display; }
    // The display text when the field last got the focus or had its whole text set.
    const std::string& OldValue() const { return m_oldValue; }
    // Set when the user changes the text; cleared when the whole text is set.
    bool Modified() const { return m_modified; }
    bool ReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool readOnly) { m_readOnly = readOnly; }
    bool HasFocus() const { return m_hasFocus; }

    int SelStart() const { return m_selStart; }
    int SelLength() const { return m_selEnd - m_selStart; }
    // Where the caret stands: the end of the selection the user is moving, or the start
    // of the overwrite caret's character.
    int Caret() const { return m_caretAtStart ? m_selStart : m_selEnd; }
    // Selects `length` characters from `start`, both clamped into the field. A negative
    // length selects leftwards from `start`. No overwrite caret is added here.
    void Select(int start, int length);
    void SelectAll();
    // An empty selection at `position` (clamped); see RestoreOverwriteCaret.
    void SetCaret(int position);
    // With nothing selected and the caret before the end, selects the character under it.
    void RestoreOverwriteCaret();

    // A typed character. Control characters are keys, not text, and are passed on.
    EditResult TypeChar(char c);
    EditResult PressKey(EditKey key);

    // The selected characters as shown (literals and blanks included); nothing when
    // nothing is selected.
    std::optional<std::string> Copy() const;
    // Copies, then blanks the selection as Delete does; nothing on a read-only field.
    std::optional<std::string> Cut();
    // Enters the text over the selection, one character per position. The text ends at
    // its first line break. Refused quietly on a read-only field.
    EditResult Paste(std::string_view text);

    // Records the old value; keyboard and program focus select the whole text, a mouse
    // click leaves the caret to the click.
    void FocusIn(bool selectAll);
    void FocusOut();

private:
    void SetCaretOffLiteral(int position);
    void MoveCaret(int position);
    void ExtendSelection(int anchor, int active);
    void ExtendFromCaretCell(EditKey key);
    // Blanks every editable position in [from, to); true when something changed.
    bool BlankRange(int from, int to);
    bool BlankSelectionAndMoveToStart();
    bool PutChar(int position, char c);
    void SetWholeText(const std::string& display);
    EditResult DeleteSelectionOrCell();
    EditResult Backspace();
    EditResult Escape();

    MaskPattern m_pattern;
    std::string m_display;
    std::string m_oldValue;
    bool m_modified = false;
    bool m_readOnly = false;
    bool m_hasFocus = false;
    int m_selStart = 0;
    int m_selEnd = 0;
    bool m_caretAtStart = true;
};

} // namespace zarn
