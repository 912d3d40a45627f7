#include "fields/MaskPattern.h"

#include "dates/DateSettings.h"

#include <algorithm>

namespace zarn {
namespace {

constexpr char kSectionSeparator = ';';
constexpr char kEscape = '\\';
constexpr char kReverseDirective = '!';
constexpr char kDigitMask = '9';
constexpr char kAnyCharMask = 'c';
constexpr char kDateSeparatorMask = '/';
constexpr char kLiteralsDropped = '0';

// The three sections of a mask string. A ";" separates sections only within the last
// four characters, so the mask proper may hold ";" literals anywhere before them.
struct MaskSections {
    std::string_view Proper;
    std::string_view SaveFlag;
    std::string_view Blank;
};

MaskSections SplitSections(std::string_view m) {
    const std::size_t n = m.size();
    auto isSeparatorAt = [&](std::size_t fromEnd) {
        return n >= fromEnd && m[n - fromEnd] == kSectionSeparator;
    };
    if (isSeparatorAt(4) && isSeparatorAt(2)) { // mask;S;B
        return {m.substr(0, n - 4), m.substr(n - 3, 1), m.substr(n - 1, 1)};
    }
    if (isSeparatorAt(3) && isSeparatorAt(2)) { // mask;;B
        return {m.substr(0, n - 3), {}, m.substr(n - 1, 1)};
    }
    if (isSeparatorAt(3) && isSeparatorAt(1)) { // mask;S;
        return {m.substr(0, n - 3), m.substr(n - 2, 1), {}};
    }
    if (isSeparatorAt(2) && isSeparatorAt(1)) { // mask;;
        return {m.substr(0, n - 2), {}, {}};
    }
    if (isSeparatorAt(2)) { // mask;S
        return {m.substr(0, n - 2), m.substr(n - 1, 1), {}};
    }
    if (isSeparatorAt(1)) { // mask;
        return {m.substr(0, n - 1), {}, {}};
    }
    return {m, {}, {}};
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Control characters are keys, not text: no position takes them.
bool IsControl(char c) {
    const auto code = static_cast<unsigned char>(c);
    return code < 0x20 || code == 0x7F;
}

} // namespace

MaskPattern::MaskPattern(std::string_view maskString)
    : m_maskString(maskString) {
    const MaskSections sections = SplitSections(maskString);
    m_saveLiterals = sections.SaveFlag.empty() || sections.SaveFlag[0] != kLiteralsDropped;
    m_blank = sections.Blank.empty() ? kDefaultBlank : sections.Blank[0];

    const std::string_view proper = sections.Proper;
    for (std::size_t i = 0; i < proper.size(); ++i) {
        const char c = proper[i];
        if (c == kReverseDirective) {
            m_reverse = true;
            continue;
        }
        if (Width() >= kMaxWidth) {
            continue;
        }
        if (c == kEscape) {
            if (i + 1 < proper.size()) {
                ++i;
                m_positions.push_back({PositionKind::Literal, proper[i]});
            }
            continue;
        }
        switch (c) {
        case kDigitMask:
            m_positions.push_back({PositionKind::Digit, ' '});
            break;
        case kAnyCharMask:
            m_positions.push_back({PositionKind::AnyChar, ' '});
            break;
        case kDateSeparatorMask:
            m_positions.push_back({PositionKind::DateSeparator, ' '});
            break;
        default:
            m_positions.push_back({PositionKind::Literal, c});
            break;
        }
    }
}

PositionKind MaskPattern::KindAt(int position) const {
    if (position < 0 || position >= Width()) {
        return PositionKind::Literal;
    }
    return m_positions[static_cast<std::size_t>(position)].Kind;
}

bool MaskPattern::IsEditable(int position) const {
    if (position < 0 || position >= Width()) {
        return false;
    }
    const PositionKind kind = m_positions[static_cast<std::size_t>(position)].Kind;
    return kind == PositionKind::Digit || kind == PositionKind::AnyChar;
}

bool MaskPattern::IsLiteral(int position) const {
    return position >= 0 && position < Width() && !IsEditable(position);
}

bool MaskPattern::Accepts(int position, char c) const {
    if (!IsEditable(position) || IsControl(c)) {
        return false;
    }
    const PositionKind kind = m_positions[static_cast<std::size_t>(position)].Kind;
    return kind == PositionKind::AnyChar || IsDigit(c);
}

char MaskPattern::LiteralAt(int position) const {
    if (!IsLiteral(position)) {
        return ' ';
    }
    const MaskPosition& p = m_positions[static_cast<std::size_t>(position)];
    return p.Kind == PositionKind::DateSeparator ? DateSettings().Separator : p.Character;
}

int MaskPattern::EditableAtOrAfter(int position) const {
    for (int p = std::max(position, 0); p < Width(); ++p) {
        if (IsEditable(p)) {
            return p;
        }
    }
    return Width();
}

int MaskPattern::EditableAfter(int position) const {
    return position >= Width() ? Width() : EditableAtOrAfter(position + 1);
}

int MaskPattern::EditableBefore(int position) const {
    for (int p = std::min(position, Width()) - 1; p >= 0; --p) {
        if (IsEditable(p)) {
            return p;
        }
    }
    return -1;
}

int MaskPattern::LiteralAfter(int position) const {
    for (int p = std::max(position + 1, 0); p < Width(); ++p) {
        if (IsLiteral(p)) {
            return p;
        }
    }
    return -1;
}

std::string MaskPattern::Strip(std::string_view display) const {
    std::string editable;
    const int shown = static_cast<int>(std::min<std::size_t>(display.size(), m_positions.size()));
    for (int p = 0; p < shown; ++p) {
        if (IsEditable(p)) {
            editable.push_back(display[static_cast<std::size_t>(p)]);
        }
    }
    if (m_reverse) {
        editable.erase(0, editable.find_first_not_of(m_blank));
    } else {
        const std::size_t last = editable.find_last_not_of(m_blank);
        editable.erase(last == std::string::npos ? 0 : last + 1);
    }
    if (m_blank != ' ') {
        std::replace(editable.begin(), editable.end(), m_blank, ' ');
    }
    return editable;
}

std::string MaskPattern::LayOut(std::string_view text, char fill) const {
    std::string result(text);
    if (!m_reverse) {
        std::size_t cursor = 0;
        for (int p = 0; p < Width(); ++p) {
            if (IsLiteral(p)) {
                result.insert(cursor, 1, LiteralAt(p));
            } else if (cursor >= result.size()) {
                result.push_back(fill);
            }
            ++cursor;
        }
        return result;
    }
    std::size_t cursor = result.size();
    for (int p = Width() - 1; p >= 0; --p) {
        if (IsLiteral(p)) {
            result.insert(cursor, 1, LiteralAt(p));
        } else if (cursor == 0) {
            result.insert(0, 1, fill);
        } else {
            --cursor;
        }
    }
    return result;
}

std::string MaskPattern::LayOutToWidth(std::string_view text, char fill) const {
    std::string result = LayOut(text, fill);
    const auto width = static_cast<std::size_t>(Width());
    if (result.size() > width) {
        result = m_reverse ? result.substr(result.size() - width) : result.substr(0, width);
    }
    return result;
}

std::string MaskPattern::FitSubField(std::string_view part, std::size_t length) const {
    if (part.size() >= length) {
        return std::string(m_reverse ? part.substr(part.size() - length) : part.substr(0, length));
    }
    const std::string padding(length - part.size(), m_blank);
    return m_reverse ? padding + std::string(part) : std::string(part) + padding;
}

std::string MaskPattern::Fit(std::string_view text) const {
    std::string result(text);
    std::size_t fixed = 0; // characters of the result already in their final places
    for (int p = 0; p < Width(); ++p) {
        if (!IsLiteral(p)) {
            continue;
        }
        const char literal = LiteralAt(p);
        std::size_t found = result.find(literal, fixed);
        if (found == std::string::npos) {
            result.push_back(literal);
            found = result.size() - 1;
        }
        const auto subFieldLength = static_cast<std::size_t>(p) - fixed;
        result =
            result.substr(0, fixed) +
            FitSubField(std::string_view(result).substr(fixed, found - fixed), subFieldLength) +
            result.substr(found);
        fixed = static_cast<std::size_t>(p) + 1;
    }
    const auto width = static_cast<std::size_t>(Width());
    if (result.size() != width) {
        result = result.substr(0, fixed) +
                 FitSubField(std::string_view(result).substr(fixed), width - fixed);
    }
    for (int p = 0; p < Width(); ++p) {
        char& c = result[static_cast<std::size_t>(p)];
        if (IsEditable(p) && c == ' ') {
            c = m_blank;
        }
    }
    return result;
}

std::string MaskPattern::Read(std::string_view display) const {
    return LayOutToWidth(Strip(display), ' ');
}

std::string MaskPattern::EmptyDisplay() const {
    return Fit({});
}

} // namespace zarn
