#pragma once

// The shape a masked field keeps under its mask, whatever was typed, pasted or written: the
// display exactly as wide as the field, every literal in its place (a date separator, in the
// display and in the text read, is one of the separators it may have been laid out with:
// the setting of the moment), and the field text the display
// with each blank at an editable position read as a space. Shared by the field property
// test, the masked-field fuzz target and the monkey test. Texts are Windows-1252.

#include "fields/MaskPattern.h"

#include <string>
#include <string_view>

namespace zarn::testing {

// The first way in which the display and the text read from it break the shape, in words;
// empty when they keep it.
inline std::string MaskShapeFault(const MaskPattern& mask, std::string_view display,
                                  std::string_view read, std::string_view separators) {
    const auto width = static_cast<std::size_t>(mask.Width());
    if (display.size() != width) {
        return "the display is " + std::to_string(display.size()) + " wide, the field " +
               std::to_string(width);
    }
    if (read.size() != width) {
        return "the text read is " + std::to_string(read.size()) + " wide, the field " +
               std::to_string(width);
    }
    for (int p = 0; p < mask.Width(); ++p) {
        const auto i = static_cast<std::size_t>(p);
        const std::string at = " at position " + std::to_string(p);
        switch (mask.KindAt(p)) {
        case PositionKind::Literal:
            if (display[i] != mask.LiteralAt(p) || read[i] != mask.LiteralAt(p)) {
                return "the literal moved" + at;
            }
            break;
        case PositionKind::DateSeparator:
            if (separators.find(display[i]) == std::string_view::npos ||
                separators.find(read[i]) == std::string_view::npos) {
                return "the date separator moved" + at;
            }
            break;
        case PositionKind::Digit:
        case PositionKind::AnyChar:
            if (read[i] != (display[i] == mask.Blank() ? ' ' : display[i])) {
                return "the text read does not mirror the display" + at;
            }
            break;
        }
    }
    return {};
}

} // namespace zarn::testing
