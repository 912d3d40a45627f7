// The masked-field model under one of the program's six masks, with a date separator
// fixed for the run, driven by an arbitrary sequence of user and program operations:
// typing, keys, paste, cut, copy, selecting, setting the text, changing the mask, focus
// and the read-only flag. After every operation the field must keep its width, its
// literals in their places, a field text that mirrors the display, and a selection inside
// the field; editing must only ever put a blank or a character the position accepts.

#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "dates/DateSettings.h"
#include "fields/MaskModel.h"
#include "fields/ProgramMasks.h"
#include "support/MaskShape.h"

#include <array>
#include <cstdint>
#include <string>

namespace zarn::fuzz {
namespace {

// The masks of the program: years, months and days, day-fines, operation, date, and the
// end-date field's error mask.
constexpr const auto& kMasks = kProgramMasks;

// Date separators that regional settings use, then any byte.
constexpr std::array<char, 4> kCommonSeparators = {'/', '-', '.', ' '};

enum class Operation {
    Type,
    Key,
    Paste,
    Cut,
    Copy,
    Select,
    SetCaret,
    SelectAll,
    SetText,
    SetMask,
    FocusIn,
    FocusOut,
    ReadOnly,
    Count,
};

constexpr int kEditKeyCount = static_cast<int>(EditKey::Escape) + 1;

char TakeSeparator(FuzzInput& input) {
    const std::uint8_t byte = input.TakeByte();
    return byte < kCommonSeparators.size() ? kCommonSeparators[byte] : static_cast<char>(byte);
}

void CheckShape(const MaskedFieldModel& field) {
    Require(testing::MaskShapeFault(field.Pattern(), field.DisplayText(), field.Text(),
                                    std::string(1, DateSettings().Separator))
                .empty(),
            "the field keeps the shape of its mask");
    Require(field.SelStart() >= 0 && field.SelLength() >= 0 &&
                field.SelStart() + field.SelLength() <= field.Width(),
            "the selection lies inside the field");
    Require(field.Caret() >= 0 && field.Caret() <= field.Width(), "the caret lies in the field");
}

// After a user's action (and any write), an empty selection only at the end.
void CheckOverwriteCaret(const MaskedFieldModel& field) {
    Require(field.SelLength() > 0 || field.SelStart() == field.Width(),
            "the overwrite caret covers a character");
}

// Editing changes editable positions only, each to a blank or a character it accepts.
void CheckEdit(const MaskedFieldModel& field, const std::string& before) {
    const MaskPattern& mask = field.Pattern();
    const std::string& after = field.DisplayText();
    for (int p = 0; p < field.Width(); ++p) {
        const auto i = static_cast<std::size_t>(p);
        if (after[i] == before[i]) {
            continue;
        }
        Require(mask.IsEditable(p), "editing leaves literals alone");
        Require(after[i] == mask.Blank() || mask.Accepts(p, after[i]),
                "editing puts a blank or an accepted character");
    }
}

void CheckSelectionCopy(const MaskedFieldModel& field) {
    const std::optional<std::string> copied = field.Copy();
    if (field.SelLength() == 0) {
        Require(!copied.has_value(), "nothing to copy without a selection");
        return;
    }
    Require(copied.has_value() &&
                *copied == field.DisplayText().substr(static_cast<std::size_t>(field.SelStart()),
                                                      static_cast<std::size_t>(field.SelLength())),
            "copy gives the selected characters as shown");
}

// Applies one operation and checks what it promises beyond the invariants.
void Apply(MaskedFieldModel& field, FuzzInput& input) {
    const auto operation =
        static_cast<Operation>(input.TakeIndex(static_cast<int>(Operation::Count)));
    const std::string before = field.DisplayText();
    const int widthBefore = field.Width();
    const bool readOnly = field.ReadOnly();
    const bool modifiedBefore = field.Modified();
    switch (operation) {
    case Operation::Type:
        field.TypeChar(static_cast<char>(input.TakeByte()));
        CheckEdit(field, before);
        CheckOverwriteCaret(field);
        break;
    case Operation::Key: {
        const auto key = static_cast<EditKey>(input.TakeIndex(kEditKeyCount));
        const std::string oldValue = field.OldValue();
        field.PressKey(key);
        if (key == EditKey::Escape && modifiedBefore && !readOnly) {
            Require(field.DisplayText() == oldValue && !field.Modified(),
                    "Escape brings back the old value");
        } else {
            CheckEdit(field, before);
        }
        CheckOverwriteCaret(field);
        break;
    }
    case Operation::Paste:
        field.Paste(input.TakeText());
        CheckEdit(field, before);
        CheckOverwriteCaret(field);
        if (!readOnly) {
            Require(!field.Modified(), "a paste sets the whole text");
        }
        break;
    case Operation::Cut: {
        const std::optional<std::string> selected = field.Copy();
        const std::optional<std::string> cut = field.Cut();
        Require(readOnly ? !cut.has_value() : cut == selected, "cut gives what copy gives");
        CheckEdit(field, before);
        CheckOverwriteCaret(field);
        break;
    }
    case Operation::Copy:
        CheckSelectionCopy(field);
        break;
    case Operation::Select: {
        const int start = input.TakeSignedByte();
        field.Select(start, input.TakeSignedByte());
        break;
    }
    case Operation::SetCaret:
        field.SetCaret(input.TakeSignedByte());
        break;
    case Operation::SelectAll:
        field.SelectAll();
        CheckOverwriteCaret(field);
        break;
    case Operation::SetText:
        field.SetText(input.TakeText());
        Require(!field.Modified() || field.DisplayText() == before,
                "writing the text clears the modified flag");
        CheckOverwriteCaret(field);
        break;
    case Operation::SetMask: {
        const std::string mask = kMasks[static_cast<std::size_t>(input.TakeIndex(kMasks.size()))];
        // The same mask again changes nothing at all.
        const bool changes = mask != field.EditMask();
        field.SetEditMask(mask);
        if (changes) {
            Require(!field.Modified() && field.OldValue() == field.DisplayText(),
                    "a new mask sets the whole text");
            CheckOverwriteCaret(field);
        } else {
            Require(field.DisplayText() == before, "the same mask keeps the text");
        }
        break;
    }
    case Operation::FocusIn:
        field.FocusIn(input.TakeByte() % 2 == 0);
        Require(field.OldValue() == field.DisplayText(), "focus records the old value");
        CheckOverwriteCaret(field);
        break;
    case Operation::FocusOut:
        field.FocusOut();
        CheckOverwriteCaret(field);
        break;
    case Operation::ReadOnly:
        field.SetReadOnly(!field.ReadOnly());
        break;
    case Operation::Count:
        break;
    }
    if (operation != Operation::SetMask && operation != Operation::SetText) {
        Require(field.Width() == widthBefore, "only a new mask changes the width");
    }
    if (readOnly && operation != Operation::SetMask && operation != Operation::SetText) {
        Require(field.DisplayText() == before, "a read-only field refuses every edit");
    }
    CheckShape(field);
    CheckSelectionCopy(field);
}

} // namespace
} // namespace zarn::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zarn;
    using namespace zarn::fuzz;
    FuzzInput input(data, size);
    DateSettings().Separator = TakeSeparator(input);
    MaskedFieldModel field(kMasks[static_cast<std::size_t>(input.TakeIndex(kMasks.size()))]);
    CheckShape(field);
    CheckOverwriteCaret(field);
    while (!input.Empty()) {
        Apply(field, input);
    }
    return 0;
}
