#include "fields/MaskPattern.h"

#include "dates/DateSettings.h"
#include "support/FieldMasks.h"

#include <gtest/gtest.h>
#include <string>

namespace zarn {
namespace {

using namespace zarn::test;

// One character per position: 9 digit, c any character, / date separator, and a plain
// literal written as itself in brackets.
std::string DescribePositions(const MaskPattern& pattern) {
    std::string shape;
    for (int p = 0; p < pattern.Width(); ++p) {
        switch (pattern.KindAt(p)) {
        case PositionKind::Digit:
            shape += '9';
            break;
        case PositionKind::AnyChar:
            shape += 'c';
            break;
        case PositionKind::DateSeparator:
            shape += '/';
            break;
        case PositionKind::Literal:
            shape += std::string("[") + pattern.LiteralAt(p) + "]";
            break;
        }
    }
    return shape;
}

class DateSeparatorGuard {
public:
    explicit DateSeparatorGuard(char separator)
        : m_saved(DateSettings()) {
        DateSettings().Separator = separator;
    }
    ~DateSeparatorGuard() { DateSettings() = m_saved; }
    DateSeparatorGuard(const DateSeparatorGuard&) = delete;
    DateSeparatorGuard& operator=(const DateSeparatorGuard&) = delete;

private:
    DateSettingsRecord m_saved;
};

struct ParseRow {
    const char* mask;
    std::string shape;
    int width;
    char blank;
    bool reverse;
};

TEST(MaskPattern, ParsesMaskStrings) {
    const DateSeparatorGuard slash('/');
    const ParseRow rows[] = {
        {kYearsMask, "999", 3, ' ', false},
        {kMonthsMask, "99", 2, ' ', false},
        {kFinesMask, "99999", 5, ' ', false},
        {kOperationMask, "c[ ]99[/]999", 8, ' ', false},
        {kDateMask, "99/99/9999", 10, '_', true},
        {kErrorMask, "cccccccc", 8, ' ', false},
        {"99", "99", 2, '_', false},             // no sections: blank "_"
        {"99;1", "99", 2, '_', false},           // no blank section
        {"99;1;", "99", 2, '_', false},          // empty blank section
        {"9;9;1; ", "9[;]9", 3, ' ', false},     // ";" before the last four is a literal
        {"ab9!", "[a][b]9", 3, '_', true},       // "!" anywhere, no position
        {"0L#C", "[0][L][#][C]", 4, '_', false}, // other characters are literals
        {"9\\", "9", 1, '_', false},             // a lone trailing escape is dropped
        {"\\9\\c\\\\\\/", "[9][c][\\][/]", 4, '_', false},
        {"", "", 0, '_', false},
        {";;;;", "", 0, ';', false},
    };
    for (const ParseRow& row : rows) {
        SCOPED_TRACE(row.mask);
        const MaskPattern pattern(row.mask);
        EXPECT_EQ(DescribePositions(pattern), row.shape);
        EXPECT_EQ(pattern.Width(), row.width);
        EXPECT_EQ(pattern.Blank(), row.blank);
        EXPECT_EQ(pattern.Reverse(), row.reverse);
        EXPECT_EQ(pattern.MaskString(), row.mask);
    }
}

TEST(MaskPattern, PositionKindsAcceptTheirCharacters) {
    const MaskPattern operation(kOperationMask);
    struct Row {
        int position;
        char c;
        bool accepted;
    } rows[] = {
        {0, '+', true},  {0, '7', true},  {0, ' ', true},   {0, '\xE3', true}, {0, '\n', false},
        {1, ' ', false}, {2, '5', true},  {2, 'a', false},  {2, ' ', false},   {4, '/', false},
        {7, '9', true},  {8, '9', false}, {-1, '9', false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.position);
        EXPECT_EQ(operation.Accepts(row.position, row.c), row.accepted) << row.c;
    }
}

TEST(MaskPattern, PositionQueriesInsideAndOutsideTheField) {
    const DateSeparatorGuard dash('-');
    const MaskPattern operation(kOperationMask);
    const MaskPattern date(kDateMask);
    struct Row {
        const MaskPattern& pattern;
        int position;
        bool editable;
        bool literal;
        char shown; // what the position shows when laid out; a blank for editable ones
    } rows[] = {
        {operation, 0, true, false, ' '},  {operation, 1, false, true, ' '},
        {operation, 4, false, true, '/'},  {operation, 7, true, false, ' '},
        {operation, 8, false, false, ' '}, {operation, -1, false, false, ' '},
        {date, 2, false, true, '-'},       {date, 5, false, true, '-'},
        {date, 9, true, false, ' '},       {date, 10, false, false, ' '},
        {date, -100, false, false, ' '},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.pattern.MaskString() + " @" + std::to_string(row.position));
        EXPECT_EQ(row.pattern.IsEditable(row.position), row.editable);
        EXPECT_EQ(row.pattern.IsLiteral(row.position), row.literal);
        EXPECT_EQ(row.pattern.LiteralAt(row.position), row.shown);
        if (!row.editable) {
            // Nothing can be typed where there is no editable position.
            EXPECT_FALSE(row.pattern.Accepts(row.position, '5'));
            EXPECT_FALSE(row.pattern.Accepts(row.position, row.shown));
        }
        if (!row.editable && !row.literal) {
            EXPECT_EQ(row.pattern.KindAt(row.position), PositionKind::Literal);
        }
    }
}

TEST(MaskPattern, NoFieldIsWiderThanALineEditHolds) {
    struct Row {
        std::string mask;
        int width;
        bool reverse;
    } rows[] = {
        {std::string(MaskPattern::kMaxWidth, '9'), MaskPattern::kMaxWidth, false},
        {std::string(MaskPattern::kMaxWidth + 5, 'c'), MaskPattern::kMaxWidth, false},
        // The direction directive still counts after the last position that fits.
        {std::string(MaskPattern::kMaxWidth + 1, '9') + "!", MaskPattern::kMaxWidth, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.mask.size());
        const MaskPattern pattern(row.mask);
        EXPECT_EQ(pattern.Width(), row.width);
        EXPECT_EQ(pattern.Reverse(), row.reverse);
        EXPECT_EQ(pattern.EmptyDisplay().size(), static_cast<std::size_t>(row.width));
    }
}

TEST(MaskPattern, DateSeparatorFollowsTheSettingOfTheMoment) {
    const MaskPattern date(kDateMask);
    const MaskPattern operation(kOperationMask);
    const DateSeparatorGuard dot('.');
    EXPECT_EQ(date.EmptyDisplay(), "__.__.____");
    EXPECT_EQ(date.Read("__.__.____"), "  .  .    ");
    EXPECT_EQ(date.Fit("07.12.2026"), "07.12.2026");
    // The escaped "/" of the operation mask is a plain literal.
    EXPECT_EQ(operation.EmptyDisplay(), "    /   ");
}

struct LayOutRow {
    const char* mask;
    const char* text;
    char fill;
    const char* laidOut;
};

TEST(MaskPattern, LaysTextOut) {
    const DateSeparatorGuard slash('/');
    const LayOutRow rows[] = {
        {kDateMask, "Erro!", '_', "__/_E/rro!"},
        {kDateMask, "07122026", ' ', "07/12/2026"},
        {kDateMask, "7", ' ', "  /  /   7"},
        {kDateMask, "", '_', "__/__/____"},
        {kDateMask, "abcdefghijk", '_', "abcde/fg/hijk"}, // beyond the positions: not cut
        {kErrorMask, "06122027", ' ', "06122027"},
        {kOperationMask, "+1", ' ', "+ 1 /   "},
        {kOperationMask, "+1234567", ' ', "+ 12/34567"},
        {kYearsMask, "", '#', "###"},
    };
    for (const LayOutRow& row : rows) {
        SCOPED_TRACE(std::string(row.mask) + " <- " + row.text);
        EXPECT_EQ(MaskPattern(row.mask).LayOut(row.text, row.fill), row.laidOut);
    }
}

struct StripRow {
    const char* mask;
    const char* display;
    const char* stripped;
};

TEST(MaskPattern, StripsDisplayTexts) {
    const StripRow rows[] = {
        {kDateMask, "__/__/____", ""},
        {kDateMask, "_7/12/2026", "7122026"},
        {kDateMask, "07/__/1220", "07  1220"},
        {kDateMask, "__/_E/rro!", "Erro!"},
        {kErrorMask, "Erro!   ", "Erro!"},
        {kOperationMask, "+ 1 /6  ", "+1 6"},
        {kYearsMask, " 5 ", " 5"},
    };
    for (const StripRow& row : rows) {
        SCOPED_TRACE(row.display);
        EXPECT_EQ(MaskPattern(row.mask).Strip(row.display), row.stripped);
    }
}

struct WriteRow {
    const char* mask;
    std::string written;
    const char* display;
    const char* read;
};

TEST(MaskPattern, FitsWrittenTextsAndReadsThemBack) {
    const DateSeparatorGuard slash('/');
    const WriteRow rows[] = {
        {kYearsMask, "", "   ", "   "},
        {kYearsMask, "5", "5  ", "5  "},
        {kYearsMask, "8991", "899", "899"},
        {kYearsMask, "ab", "ab ", "ab "},
        {kFinesMask, "66666", "66666", "66666"},
        {kOperationMask, "", "    /   ", "    /   "},
        {kOperationMask, "+ 1 /6  ", "+ 1 /6  ", "+ 1 /6  "},
        {kOperationMask, "x2", "x   /   ", "x   /   "},
        {kOperationMask, "- 12/100", "- 12/100", "- 12/100"},
        {kDateMask, "07/12/2026", "07/12/2026", "07/12/2026"},
        {kDateMask, "", "__/__/____", "  /  /    "},
        {kDateMask, "7/12/2026", "_7/12/2026", " 7/12/2026"},
        {kDateMask, "07122026", "26/__/____", "26/  /    "},
        {kDateMask, "2007/1/20265", "07/_1/0265", "07/ 1/0265"},
        {kDateMask, "1/1/10000", "_1/_1/0000", " 1/ 1/0000"},
        {kErrorMask, "Erro!", "Erro!   ", "Erro!   "},
        {kErrorMask, "", "        ", "        "},
    };
    for (const WriteRow& row : rows) {
        SCOPED_TRACE(std::string(row.mask) + " <- " + row.written);
        const MaskPattern pattern(row.mask);
        const std::string display = pattern.Fit(row.written);
        EXPECT_EQ(display, row.display);
        EXPECT_EQ(pattern.Read(display), row.read);
    }
}

} // namespace
} // namespace zarn
