#pragma once

// An edit mask taken apart: its character positions with their kinds, the width, the
// blank character, the save-literals flag and the reverse flag, and the conversions that
// depend only on the mask: stripping a display text, laying a text out, fitting a written
// text into the positions and reading a display text back. Texts are Windows-1252.

#include <string>
#include <string_view>
#include <vector>

namespace zarn {

enum class PositionKind {
    Digit,         // "9": an optional digit
    AnyChar,       // "c": an optional character of any kind
    Literal,       // a plain literal, shown as itself
    DateSeparator, // "/": shows the date separator of the moment it is laid out
};

struct MaskPosition {
    PositionKind Kind = PositionKind::Literal;
    char Character = ' '; // the literal's character (plain literals only)
};

class MaskPattern {
public:
    // The blank character of a mask string that has no blank-character section.
    static constexpr char kDefaultBlank = '_';
    // No field grows wider than a line edit can hold; positions beyond are dropped.
    static constexpr int kMaxWidth = 32767;

    MaskPattern() = default;
    // Parses any mask string; never fails. The empty string gives a field of width 0.
    explicit MaskPattern(std::string_view maskString);

    const std::string& MaskString() const { return m_maskString; }
    int Width() const { return static_cast<int>(m_positions.size()); }
    char Blank() const { return m_blank; }
    bool SaveLiterals() const { return m_saveLiterals; }
    bool Reverse() const { return m_reverse; }

    // The kind of a position; Literal for positions outside the field.
    PositionKind KindAt(int position) const;
    // Position queries; positions outside 0..Width()-1 are neither editable nor literal.
    bool IsEditable(int position) const;
    bool IsLiteral(int position) const;
    // Whether the editable position takes the character when typed or pasted.
    bool Accepts(int position, char c) const;
    // The character a literal position shows when laid out now (the current date
    // separator for "/"); a blank for positions that are not literals.
    char LiteralAt(int position) const;

    // The first editable position at or after `position`, or Width() when none.
    int EditableAtOrAfter(int position) const;
    // The first editable position after `position`, or Width() when none.
    int EditableAfter(int position) const;
    // The last editable position before `position`, or -1 when none.
    int EditableBefore(int position) const;
    // The first literal position after `position`, or -1 when none.
    int LiteralAfter(int position) const;

    // The editable characters of a display text, blanks trimmed at the start (reverse) or
    // end, remaining blanks turned into spaces.
    std::string Strip(std::string_view display) const;
    // Walks the positions placing literals and filling missing characters with `fill`.
    // Characters beyond the editable positions are kept, so the result may exceed Width().
    std::string LayOut(std::string_view text, char fill) const;
    // LayOut cut to Width(): the first characters, or the last ones for a reverse mask.
    std::string LayOutToWidth(std::string_view text, char fill) const;
    // Fits any written text into the positions: literals found or appended, every
    // sub-field padded or cut, spaces at editable positions turned into the blank.
    std::string Fit(std::string_view text) const;
    // The field text of a display text: literals in place, a space at every empty
    // editable position, exactly Width() characters.
    std::string Read(std::string_view display) const;
    // The display text of an empty field.
    std::string EmptyDisplay() const;

private:
    std::string FitSubField(std::string_view part, std::size_t length) const;

    std::string m_maskString;
    std::vector<MaskPosition> m_positions;
    char m_blank = kDefaultBlank;
    bool m_saveLiterals = true;
    bool m_reverse = false;
};

} // namespace zarn
