#include "fields/MaskModel.h"

#include "dates/DateSettings.h"
#include "support/FieldMasks.h"

#include <climits>
#include <gtest/gtest.h>
#include <string>
#include <variant>
#include <vector>

namespace zarn {
namespace {

using namespace zarn::test;

// A field as the user meets it: the program wrote `initial`, then the field was entered
// with the keyboard (whole text selected).
MaskedFieldModel EnteredField(const char* mask, const char* initial = "") {
    DateSettings().Separator = '/';
    MaskedFieldModel field(mask);
    field.SetText(initial);
    field.FocusIn(true);
    return field;
}

// Types every character; one letter per character in the result: B beeped, . did not.
std::string TypeAll(MaskedFieldModel& field, const std::string& typed) {
    std::string beeps;
    for (char c : typed) {
        beeps += field.TypeChar(c) == EditResult::Beep ? 'B' : '.';
    }
    return beeps;
}

struct TypingRow {
    const char* mask;
    const char* initial;
    const char* typed;
    const char* beeps;
    const char* display;
    const char* read;
};

TEST(MaskedFieldModelTyping, TypedIntoAFieldEnteredWithTab) {
    const TypingRow rows[] = {
        {kYearsMask, "", "5", ".", "5  ", "5  "},
        {kYearsMask, "", "1234", "....", "123", "123"},
        {kYearsMask, "", "a1", "B.", "1  ", "1  "},
        {kMonthsMask, "", "7", ".", "7 ", "7 "},
        {kFinesMask, "", "10", "..", "10   ", "10   "},
        {kOperationMask, "", "+1/6", "....", "+ 1 /6  ", "+ 1 /6  "},
        {kOperationMask, "", "-1/3", "....", "- 1 /3  ", "- 1 /3  "},
        {kOperationMask, "", "x2", "..", "x 2 /   ", "x 2 /   "},
        {kOperationMask, "", "+ 1/6", ".B...", "+ 1 /6  ", "+ 1 /6  "},
        {kOperationMask, "", "+12/10", "...B..", "+ 12/10 ", "+ 12/10 "},
        {kOperationMask, "", "2/3", "...", "2   /3  ", "2   /3  "},
        {kDateMask, "", "07122026", "........", "07/12/2026", "07/12/2026"},
        {kDateMask, "", "7/12/2026", "....B....", "7_/12/2026", "7 /12/2026"},
        {kDateMask, "", "07/12/2026", ".....B....", "07/__/1220", "07/  /1220"},
        // The first character replaces the whole content, even when it is refused.
        {kYearsMask, "123", "4", ".", "4  ", "4  "},
        {kYearsMask, "123", "a", "B", "   ", "   "},
        {kOperationMask, "+ 1 /6  ", "x2", "..", "x 2 /   ", "x 2 /   "},
        {kDateMask, "07/12/2026", "1", ".", "1_/__/____", "1 /  /    "},
        {kErrorMask, "", "Erro!", ".....", "Erro!   ", "Erro!   "},
        // Windows-1252 letters go into any-character positions only.
        {kOperationMask, "",
         "\xE3"
         "1",
         "..", "\xE3 1 /   ", "\xE3 1 /   "},
        {kYearsMask, "",
         "\xE7"
         "2",
         "B.", "2  ", "2  "},
        // The space fills an any-character position like any other character.
        {kErrorMask, "", " a", "..", " a      ", " a      "},
    };
    for (const TypingRow& row : rows) {
        SCOPED_TRACE(std::string(row.mask) + " typed " + row.typed);
        MaskedFieldModel field = EnteredField(row.mask, row.initial);
        EXPECT_EQ(TypeAll(field, row.typed), row.beeps);
        EXPECT_EQ(field.DisplayText(), row.display);
        EXPECT_EQ(field.Text(), row.read);
        EXPECT_EQ(field.Modified(), field.DisplayText() != field.OldValue());
    }
}

TEST(MaskedFieldModelTyping, ControlCharactersAreKeysNotText) {
    MaskedFieldModel field = EnteredField(kErrorMask, "abc");
    for (char c : std::string("\b\t\n\r\x1B\x7F\x01", 7)) {
        EXPECT_EQ(field.TypeChar(c), EditResult::PassOn) << int(c);
    }
    EXPECT_EQ(field.DisplayText(), "abc     ");
    EXPECT_FALSE(field.Modified());
}

TEST(MaskedFieldModelTyping, TypingOnALiteralRewritesItAndDropsTheCharacter) {
    MaskedFieldModel field = EnteredField(kOperationMask, "+ 1 /6  ");
    field.SetCaret(4); // on the "/"
    field.RestoreOverwriteCaret();
    EXPECT_EQ(field.TypeChar('7'), EditResult::Done);
    EXPECT_EQ(field.DisplayText(), "+ 1 /6  ");
    EXPECT_EQ(field.SelStart(), 5);
    EXPECT_EQ(field.SelLength(), 1);
}

TEST(MaskedFieldModelTyping, TypingOverALiteralLaysOutTheSeparatorOfTheMoment) {
    MaskedFieldModel field = EnteredField(kDateMask, "07/12/2026");
    DateSettings().Separator = '-';
    field.SetCaret(2);
    field.TypeChar('1');
    EXPECT_EQ(field.DisplayText(), "07-12/2026"); // the other separator is not laid out again
    EXPECT_TRUE(field.Modified());
    DateSettings().Separator = '/';
}

using Step = std::variant<char, EditKey>;

struct KeyRow {
    const char* name;
    const char* mask;
    const char* initial;
    int selStart; // -1: the whole text selected, as after Tab
    int selLength;
    std::vector<Step> steps;
    const char* display;
    int endStart;
    int endLength;
    bool modified;
};

TEST(MaskedFieldModelKeys, DeletingAndMovingTheCaret) {
    using K = EditKey;
    const KeyRow rows[] = {
        {"delete under caret", kYearsMask, "123", 0, 0, {K::Delete}, " 23", 0, 1, true},
        {"delete at the end", kYearsMask, "123", 3, 0, {K::Delete}, "123", 3, 0, false},
        {"backspace at the end", kYearsMask, "123", 3, 0, {K::Backspace}, "12 ", 2, 1, true},
        {"backspace on position 0", kYearsMask, "123", 0, 0, {K::Backspace}, "123", 0, 1, false},
        {"backspace skips a literal",
         kOperationMask,
         "+ 12/10 ",
         5,
         0,
         {K::Backspace},
         "+ 1 /10 ",
         3,
         1,
         true},
        {"backspace twice",
         kDateMask,
         "07/12/2026",
         6,
         1,
         {K::Backspace, K::Backspace},
         "07/__/2026",
         3,
         1,
         true},
        {"delete all", kOperationMask, "+ 12/10 ", -1, 0, {K::Delete}, "    /   ", 0, 1, true},
        {"backspace on a selection",
         kOperationMask,
         "+ 12/10 ",
         1,
         4,
         {K::Backspace},
         "+   /10 ",
         2,
         1,
         true},
        {"delete keeps literals",
         kDateMask,
         "07/12/2026",
         1,
         6,
         {K::Delete},
         "0_/__/_026",
         1,
         1,
         true},
        {"delete on a literal",
         kDateMask,
         "07/12/2026",
         2,
         0,
         {K::Delete},
         "07/12/2026",
         2,
         1,
         false},
        {"nothing shifts", kFinesMask, "12345", 1, 0, {K::Delete, K::Delete}, "1 345", 1, 1, true},
        {"left skips a literal", kOperationMask, "", 2, 0, {K::Left}, "    /   ", 0, 1, false},
        {"left on the first", kOperationMask, "", 0, 0, {K::Left}, "    /   ", 0, 1, false},
        {"left from the end", kOperationMask, "", 8, 0, {K::Left}, "    /   ", 7, 1, false},
        {"left from a selection", kDateMask, "", 4, 5, {K::Left}, "__/__/____", 3, 1, false},
        {"right skips a literal", kOperationMask, "", 0, 0, {K::Right}, "    /   ", 2, 1, false},
        {"right to the end", kOperationMask, "", 7, 0, {K::Right}, "    /   ", 8, 0, false},
        {"right at the end", kOperationMask, "", 8, 0, {K::Right}, "    /   ", 8, 0, false},
        {"right from all", kDateMask, "", -1, 0, {K::Right}, "__/__/____", 10, 0, false},
        {"right from the date's day", kDateMask, "", 1, 0, {K::Right}, "__/__/____", 3, 1, false},
        {"home onto position 0", kDateMask, "", 7, 0, {K::Home}, "__/__/____", 0, 1, false},
        {"end", kDateMask, "", 0, 0, {K::End}, "__/__/____", 10, 0, false},
        {"up and down ignored", kYearsMask, "12", 1, 0, {K::Up, K::Down}, "12 ", 1, 1, false},
        {"shift+right grows", kFinesMask, "", 1, 0, {K::ShiftRight}, "     ", 1, 2, false},
        {"shift+right twice",
         kFinesMask,
         "",
         1,
         0,
         {K::ShiftRight, K::ShiftRight},
         "     ",
         1,
         3,
         false},
        {"shift+left grows", kFinesMask, "", 2, 0, {K::ShiftLeft}, "     ", 1, 2, false},
        {"shift+left at 0", kFinesMask, "", 0, 0, {K::ShiftLeft}, "     ", 0, 1, false},
        {"shift+left from the end", kFinesMask, "", 5, 0, {K::ShiftLeft}, "     ", 4, 1, false},
        {"shift+right shrinks", kFinesMask, "", 4, -3, {K::ShiftRight}, "     ", 2, 2, false},
        {"shift+left shrinks all", kFinesMask, "", -1, 0, {K::ShiftLeft}, "     ", 0, 4, false},
        {"shift+home", kFinesMask, "", 2, 0, {K::ShiftHome}, "     ", 0, 3, false},
        {"shift+end", kFinesMask, "", 2, 0, {K::ShiftEnd}, "     ", 2, 3, false},
        {"shift+end from the end", kFinesMask, "", 5, 0, {K::ShiftEnd}, "     ", 5, 0, false},
        {"typing replaces a shift selection",
         kFinesMask,
         "12345",
         1,
         0,
         {K::ShiftRight, K::ShiftRight, '9'},
         "19  5",
         2,
         1,
         true},
    };
    for (const KeyRow& row : rows) {
        SCOPED_TRACE(row.name);
        MaskedFieldModel field = EnteredField(row.mask, row.initial);
        if (row.selStart >= 0) {
            field.Select(row.selStart, row.selLength);
            field.RestoreOverwriteCaret();
        }
        for (const Step& step : row.steps) {
            if (std::holds_alternative<char>(step)) {
                field.TypeChar(std::get<char>(step));
            } else {
                EXPECT_EQ(field.PressKey(std::get<EditKey>(step)), EditResult::Done);
            }
        }
        EXPECT_EQ(field.DisplayText(), row.display);
        EXPECT_EQ(field.SelStart(), row.endStart);
        EXPECT_EQ(field.SelLength(), row.endLength);
        EXPECT_EQ(field.Modified(), row.modified);
    }
}

TEST(MaskedFieldModelKeys, EscapeRestoresTheTextTheFieldWasEnteredWith) {
    MaskedFieldModel field = EnteredField(kOperationMask, "+ 1 /6  ");
    EXPECT_EQ(field.PressKey(EditKey::Escape), EditResult::PassOn); // nothing changed yet
    TypeAll(field, "-1/3");
    EXPECT_TRUE(field.Modified());
    EXPECT_EQ(field.PressKey(EditKey::Escape), EditResult::Done);
    EXPECT_EQ(field.DisplayText(), "+ 1 /6  ");
    EXPECT_FALSE(field.Modified());
    EXPECT_EQ(field.PressKey(EditKey::Escape), EditResult::PassOn);

    // The old value is the text of the last entry, not of creation.
    field.FocusOut();
    field.PressKey(EditKey::Home);
    TypeAll(field, "x");
    field.FocusIn(true);
    TypeAll(field, "-");
    field.PressKey(EditKey::Escape);
    EXPECT_EQ(field.DisplayText(), "x 1 /6  ");
}

TEST(MaskedFieldModelKeys, DeletingAfterEntryIsUndoneByEscape) {
    MaskedFieldModel field = EnteredField(kYearsMask, "123");
    field.PressKey(EditKey::End);
    field.PressKey(EditKey::Backspace);
    field.PressKey(EditKey::Backspace);
    EXPECT_EQ(field.DisplayText(), "1  ");
    EXPECT_EQ(field.PressKey(EditKey::Escape), EditResult::Done);
    EXPECT_EQ(field.DisplayText(), "123");
}

struct PasteRow {
    const char* mask;
    const char* initial;
    int selStart; // -1: the whole text selected
    int selLength;
    std::string pasted;
    const char* display;
    const char* read;
    int caret;
};

TEST(MaskedFieldModelClipboard, Pastes) {
    const PasteRow rows[] = {
        {kOperationMask, "", -1, 0, "+1/6", "+ 1 /6  ", "+ 1 /6  ", 6},
        {kDateMask, "", -1, 0, "07/12/2026", "07/12/2026", "07/12/2026", 10},
        {kFinesMask, "", -1, 0, "1.000", "1 000", "1 000", 5},
        {kYearsMask, "", -1, 0, "12345", "123", "123", 3},
        {kYearsMask, "", -1, 0, "5\r\n6", "5  ", "5  ", 1},
        {kYearsMask, "987", -1, 0, "", "   ", "   ", 0},
        {kOperationMask, "+ 1 /6  ", 2, 1, "7", "+ 7 /6  ", "+ 7 /6  ", 3},
        {kOperationMask, "+ 1 /6  ", 0, 1, "x", "x 1 /6  ", "x 1 /6  ", 2}, // off the literal
        {kDateMask, "07/12/2026", 3, 2, "5", "07/5_/2026", "07/5 /2026", 4},
        {kDateMask, "", -1, 0, "7/12", "7_/12/____", "7 /12/    ", 6},
        {kDateMask, "07/12/2026", 0, 1, "31", "31/12/2026", "31/12/2026", 3},
        {kDateMask, "07/12/2026", 10, 0, "1", "07/12/2026", "07/12/2026", 10},
        {kErrorMask, "", -1, 0, "Erro!", "Erro!   ", "Erro!   ", 5},
        {kErrorMask, "", -1, 0, std::string("a\tb\x1A", 4), "a b     ", "a b     ", 4},
    };
    for (const PasteRow& row : rows) {
        SCOPED_TRACE(std::string(row.mask) + " pasted " + row.pasted);
        MaskedFieldModel field = EnteredField(row.mask, row.initial);
        if (row.selStart >= 0) {
            field.Select(row.selStart, row.selLength);
        }
        EXPECT_EQ(field.Paste(row.pasted), EditResult::Done);
        EXPECT_EQ(field.DisplayText(), row.display);
        EXPECT_EQ(field.Text(), row.read);
        EXPECT_EQ(field.SelStart(), row.caret);
        // A paste sets the whole text: old value and modified flag follow.
        EXPECT_EQ(field.OldValue(), row.display);
        EXPECT_FALSE(field.Modified());
    }
}

TEST(MaskedFieldModelClipboard, CopiesAndCutsWhatIsShown) {
    struct Row {
        const char* mask;
        const char* initial;
        int selStart; // -1: all
        int selLength;
        std::optional<std::string> copied;
        const char* afterCut;
    } rows[] = {
        {kOperationMask, "+ 1 /6  ", -1, 0, "+ 1 /6  ", "    /   "},
        {kDateMask, "07/12/2026", 0, 4, "07/1", "__/_2/2026"},
        {kDateMask, "7/12/2026", 0, 4, "_7/1", "__/_2/2026"},
        {kDateMask, "07/12/2026", 2, 0, "/", "07/12/2026"}, // the overwrite caret's literal
        {kYearsMask, "5", 1, 0, " ", "5  "},
        {kYearsMask, "5", 3, 0, std::nullopt, "5  "}, // nothing selected
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.initial);
        MaskedFieldModel field = EnteredField(row.mask, row.initial);
        if (row.selStart >= 0) {
            field.Select(row.selStart, row.selLength);
            field.RestoreOverwriteCaret();
        }
        EXPECT_EQ(field.Copy(), row.copied);
        EXPECT_EQ(field.Cut(), row.copied);
        EXPECT_EQ(field.DisplayText(), row.afterCut);
    }
}

TEST(MaskedFieldModelClipboard, CutWithNothingSelectedCutsNothingAndRestoresTheCaret) {
    struct Row {
        const char* mask;
        bool readOnly;
        int caret;
    } rows[] = {
        {kDateMask, true, 0},   {kDateMask, false, 0}, {kDateMask, true, 2},
        {kYearsMask, false, 1}, {kYearsMask, true, 2}, {kOperationMask, false, 5},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.mask) + " caret " + std::to_string(row.caret));
        MaskedFieldModel field = EnteredField(row.mask, "12345678");
        const std::string before = field.DisplayText();
        field.SetReadOnly(row.readOnly);
        field.SetCaret(row.caret);
        EXPECT_EQ(field.Cut(), std::nullopt);
        EXPECT_EQ(field.DisplayText(), before);
        EXPECT_EQ(field.SelStart(), row.caret);
        EXPECT_EQ(field.SelLength(), 1);
    }
}

TEST(MaskedFieldModelReadOnly, RefusesEveryChangeWithoutABeep) {
    MaskedFieldModel field = EnteredField(kDateMask, "07/12/2026");
    field.SetReadOnly(true);
    EXPECT_EQ(TypeAll(field, "1x/"), "...");
    EXPECT_EQ(field.PressKey(EditKey::Delete), EditResult::Done);
    EXPECT_EQ(field.PressKey(EditKey::Backspace), EditResult::Done);
    EXPECT_EQ(field.Paste("01/01/2000"), EditResult::Done);
    EXPECT_EQ(field.Cut(), std::nullopt);
    EXPECT_EQ(field.PressKey(EditKey::Escape), EditResult::PassOn);
    EXPECT_EQ(field.DisplayText(), "07/12/2026");
    EXPECT_FALSE(field.Modified());
    // Selecting and copying still work.
    field.PressKey(EditKey::Home);
    field.PressKey(EditKey::ShiftEnd);
    EXPECT_EQ(field.Copy(), "07/12/2026");
    // The program still writes into it.
    field.SetText("31/12/2008");
    EXPECT_EQ(field.Text(), "31/12/2008");
}

TEST(MaskedFieldModelState, WritingSetsTheOldValueAndClearsTheModifiedFlag) {
    MaskedFieldModel field = EnteredField(kYearsMask, "");
    TypeAll(field, "12");
    ASSERT_TRUE(field.Modified());
    field.SetText("12"); // same text: nothing happens, the flag stays
    EXPECT_TRUE(field.Modified());
    EXPECT_EQ(field.OldValue(), "   ");
    field.SetText("7");
    EXPECT_FALSE(field.Modified());
    EXPECT_EQ(field.OldValue(), "7  ");
    EXPECT_EQ(field.SelStart(), 0);
    EXPECT_EQ(field.SelLength(), 1);
}

TEST(MaskedFieldModelState, FocusSelectsAllOrLeavesTheCaretToTheClick) {
    MaskedFieldModel field(kOperationMask);
    field.SetText("+ 1 /6  ");
    field.FocusIn(true);
    EXPECT_EQ(field.SelStart(), 0);
    EXPECT_EQ(field.SelLength(), 8);
    field.FocusOut();
    field.SetCaret(5);
    field.FocusIn(false);
    EXPECT_EQ(field.SelStart(), 5);
    EXPECT_EQ(field.SelLength(), 1);
    field.SetCaret(8);
    field.FocusOut();
    EXPECT_EQ(field.SelLength(), 0);
}

TEST(MaskedFieldModelState, SelectionValuesAreClamped) {
    struct Row {
        int start;
        int length;
        int selStart;
        int selLength;
    } rows[] = {
        {-5, 100, 0, 10},
        {100, -3, 10, 0},
        {INT_MAX, INT_MAX, 10, 0},
        {INT_MIN, INT_MIN, 0, 0},
        {INT_MIN, INT_MAX, 0, 0},
        {4, -2, 2, 2},
        {3, 0, 3, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.start) + "," + std::to_string(row.length));
        MaskedFieldModel field(kDateMask);
        field.Select(row.start, row.length);
        EXPECT_EQ(field.SelStart(), row.selStart);
        EXPECT_EQ(field.SelLength(), row.selLength);
    }
}

struct MaskChangeRow {
    const char* from;
    const char* written;
    const char* to;
    const char* laidOut;
    const char* read;
};

TEST(MaskedFieldModelState, ChangingTheMaskRefitsTheText) {
    const MaskChangeRow rows[] = {
        {kErrorMask, "Erro!", kDateMask, "__/_E/rro!", "  / E/rro!"},
        {kDateMask, "06/12/2027", kErrorMask, "06122027", "06122027"},
        {kDateMask, "", kErrorMask, "        ", "        "},
        {kErrorMask, "", kDateMask, "__/__/____", "  /  /    "},
        {kDateMask, "07/__/1220", kErrorMask, "07  1220", "07  1220"},
        {kYearsMask, "12", kMonthsMask, "12", "12"},
        {kFinesMask, "12345", kMonthsMask, "12", "12"},
        {kDateMask, "07/12/2026", "!9999;1;_", "2026", "2026"},
        {kDateMask, "07/12/2026", kDateMask, "07/12/2026", "07/12/2026"},
    };
    for (const MaskChangeRow& row : rows) {
        SCOPED_TRACE(std::string(row.from) + " -> " + row.to + " with " + row.written);
        MaskedFieldModel field(row.from);
        field.SetText(row.written);
        field.SetEditMask(row.to);
        EXPECT_EQ(field.EditMask(), row.to);
        EXPECT_EQ(field.DisplayText(), row.laidOut);
        EXPECT_EQ(field.Text(), row.read);
        EXPECT_EQ(static_cast<int>(field.DisplayText().size()), field.Width());
        EXPECT_EQ(field.OldValue(), row.laidOut);
    }
}

TEST(MaskedFieldModelState, TheEndDateFieldAlternatesBetweenItsMasks) {
    MaskedFieldModel field(kDateMask);
    field.SetReadOnly(true);
    field.SetText("");
    field.SetEditMask(kErrorMask);
    field.SetText("Erro!");
    EXPECT_EQ(field.Text(), "Erro!   ");
    field.SetEditMask(kDateMask);
    field.SetText("27/02/2009");
    EXPECT_EQ(field.DisplayText(), "27/02/2009");
    field.SetEditMask(kErrorMask);
    field.SetText("Erro!");
    EXPECT_EQ(field.DisplayText(), "Erro!   ");
}

TEST(MaskedFieldModelState, AFocusedFieldKeepsItsCaretAcrossAMaskChange) {
    MaskedFieldModel field = EnteredField(kDateMask, "07/12/2026");
    field.SetCaret(4);
    field.SetEditMask(kErrorMask);
    EXPECT_EQ(field.SelStart(), 4);
    field.FocusOut();
    field.SetEditMask(kDateMask);
    EXPECT_EQ(field.SelStart(), 0);
}

TEST(MaskedFieldModelState, AFieldWithoutAMaskHoldsNothing) {
    MaskedFieldModel field;
    EXPECT_EQ(field.Width(), 0);
    field.SetText("abc");
    EXPECT_EQ(field.Text(), "");
    EXPECT_EQ(field.TypeChar('1'), EditResult::Done);
    EXPECT_EQ(field.Paste("12"), EditResult::Done);
    EXPECT_EQ(field.PressKey(EditKey::Backspace), EditResult::Done);
    EXPECT_EQ(field.DisplayText(), "");
    EXPECT_EQ(field.Copy(), std::nullopt);
}

} // namespace
} // namespace zarn
