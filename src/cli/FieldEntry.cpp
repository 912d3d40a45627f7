#include "cli/FieldEntry.h"

#include "cli/Command.h"
#include "fields/MaskModel.h"

#include <algorithm>

namespace zarn {
namespace {

// Longer arguments are refused before any is entered: no field has this many positions.
constexpr std::size_t kLongestArgument = 64;

constexpr std::string_view kTooLong = ": o texto n\xE3o cabe no campo, que tem ";
constexpr std::string_view kPositions = " posi\xE7\xF5"
                                        "es.";
constexpr std::string_view kRefusedCharacter = ": o campo n\xE3o aceita o caractere \"";
constexpr std::string_view kRefusedControl = ": o campo n\xE3o aceita caracteres de controle.";
constexpr std::string_view kRefusedUnknown =
    ": o texto tem um caractere que o programa n\xE3o conhece.";

FieldEntry Refused(std::string_view name, std::string_view reason, std::string_view detail = {}) {
    FieldEntry entry;
    entry.Refusal = std::string(name) + std::string(reason) + std::string(detail);
    return entry;
}

FieldEntry RefusedTooLong(std::string_view name, std::size_t positions) {
    return Refused(name, kTooLong, std::to_string(positions) + std::string(kPositions));
}

FieldEntry RefusedCharacter(std::string_view name, char c) {
    return Refused(name, kRefusedCharacter, std::string(1, c) + "\".");
}

FieldEntry Accepted(std::string text) {
    return FieldEntry{true, std::move(text), {}};
}

bool IsControl(char c) {
    const auto code = static_cast<unsigned char>(c);
    return code < 0x20 || code == 0x7F;
}

// Refusals that need no field: control characters, characters the code page lacks, and
// texts longer than any field.
std::optional<FieldEntry> RefuseOutright(std::string_view name, std::string_view argument,
                                         std::size_t positions) {
    if (std::find(argument.begin(), argument.end(), kUnknownCharacter) != argument.end()) {
        return Refused(name, kRefusedUnknown);
    }
    if (std::any_of(argument.begin(), argument.end(), IsControl)) {
        return Refused(name, kRefusedControl);
    }
    if (argument.size() > std::max(positions, kLongestArgument)) {
        return RefusedTooLong(name, positions);
    }
    return std::nullopt;
}

MaskedFieldModel EmptySelectedField(std::string_view mask) {
    MaskedFieldModel field(mask);
    field.SetText({});
    field.FocusIn(true);
    return field;
}

bool AtEnd(const MaskedFieldModel& field) {
    return field.SelLength() == 0 && field.SelStart() >= field.Width();
}

// The literal the caret has just skipped: typing it again is the user's habit, not a fault.
bool JustPassedLiteral(const MaskedFieldModel& field, char c) {
    const int before = field.Caret() - 1;
    return before >= 0 && field.Pattern().IsLiteral(before) &&
           field.Pattern().LiteralAt(before) == c;
}

bool IsMaskLiteral(const MaskPattern& pattern, char c) {
    for (int p = 0; p < pattern.Width(); ++p) {
        if (pattern.IsLiteral(p) && pattern.LiteralAt(p) == c) {
            return true;
        }
    }
    return false;
}

// The characters the field holds at its editable positions, blanks left out.
std::string KeptCharacters(const MaskedFieldModel& field) {
    std::string kept;
    const std::string text = field.Text();
    for (int p = 0; p < field.Width(); ++p) {
        const char c = text[static_cast<std::size_t>(p)];
        if (field.Pattern().IsEditable(p) && c != ' ') {
            kept.push_back(c);
        }
    }
    return kept;
}

} // namespace

FieldEntry TypeIntoField(std::string_view name, std::string_view mask, std::string_view argument) {
    MaskedFieldModel field = EmptySelectedField(mask);
    const auto positions = static_cast<std::size_t>(field.Width());
    if (std::optional<FieldEntry> refused = RefuseOutright(name, argument, positions)) {
        return *refused;
    }
    for (const char c : argument) {
        if (c == ' ') {
            field.TypeChar(c);
            continue;
        }
        if (AtEnd(field)) {
            return RefusedTooLong(name, positions);
        }
        if (field.TypeChar(c) == EditResult::Beep && !JustPassedLiteral(field, c)) {
            return RefusedCharacter(name, c);
        }
    }
    return Accepted(field.Text());
}

FieldEntry PasteIntoField(std::string_view name, std::string_view mask, std::string_view argument) {
    MaskedFieldModel field = EmptySelectedField(mask);
    const auto positions = static_cast<std::size_t>(field.Width());
    if (std::optional<FieldEntry> refused = RefuseOutright(name, argument, positions)) {
        return *refused;
    }
    std::string wanted;
    for (const char c : argument) {
        const bool digit = c >= '0' && c <= '9';
        if (!digit && c != ' ' && !IsMaskLiteral(field.Pattern(), c)) {
            return RefusedCharacter(name, c);
        }
        if (digit) {
            wanted.push_back(c);
        }
    }
    field.Paste(argument);
    if (KeptCharacters(field) != wanted) {
        return RefusedTooLong(name, positions);
    }
    return Accepted(field.Text());
}

std::string WriteIntoField(std::string_view mask, std::string_view text) {
    MaskedFieldModel field(mask);
    field.SetText(text);
    return field.Text();
}

FieldEntry EnterPlainField(std::string_view name, std::size_t limit, std::string_view argument) {
    if (std::optional<FieldEntry> refused = RefuseOutright(name, argument, limit)) {
        return *refused;
    }
    if (argument.size() > limit) {
        return RefusedTooLong(name, limit);
    }
    return Accepted(std::string(argument));
}

} // namespace zarn
