// Random editing sessions on every mask of the program. Whatever is typed, pressed,
// pasted, selected or written, the field keeps its width, never alters a literal, only
// changes the positions the rules allow, and reads back a text of the width.

#include "dates/DateSettings.h"
#include "fields/MaskModel.h"
#include "support/FieldMasks.h"
#include "support/MaskShape.h"

#include <array>
#include <climits>
#include <gtest/gtest.h>
#include <random>
#include <string>

namespace zarn {
namespace {

using namespace zarn::test;

constexpr int kSessionsPerMask = 600;
constexpr int kStepsPerSession = 60;

class RandomSession {
public:
    explicit RandomSession(std::uint32_t seed)
        : m_random(seed) {}

    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }

    // Mostly characters the masks care about, sometimes any byte at all.
    char Character() {
        static constexpr std::string_view kInteresting = "0123456789/ _+-xX!\\;c9.\xE3\xE7";
        if (Below(4) == 0) {
            return static_cast<char>(Below(256));
        }
        return kInteresting[static_cast<std::size_t>(Below(static_cast<int>(kInteresting.size())))];
    }

    std::string Text() {
        std::string text;
        const int length = Below(14);
        for (int i = 0; i < length; ++i) {
            text.push_back(Character());
        }
        return text;
    }

    int Position(int width) {
        static constexpr std::array<int, 4> kExtremes = {INT_MIN, INT_MAX, -1, -1000};
        return Below(10) == 0 ? kExtremes[static_cast<std::size_t>(Below(4))]
                              : Below(width + 5) - 2;
    }

private:
    std::mt19937 m_random;
};

void CheckInvariants(const MaskedFieldModel& field) {
    ASSERT_EQ(testing::MaskShapeFault(field.Pattern(), field.DisplayText(), field.Text(),
                                      std::string(1, DateSettings().Separator)),
              "");
    ASSERT_GE(field.SelStart(), 0);
    ASSERT_GE(field.SelLength(), 0);
    ASSERT_LE(field.SelStart() + field.SelLength(), field.Width());
    ASSERT_EQ(field.OldValue().size(), field.DisplayText().size());
}

// After an edit the overwrite caret holds: nothing selected only at the end.
void CheckOverwriteCaret(const MaskedFieldModel& field) {
    if (field.SelLength() == 0) {
        ASSERT_EQ(field.SelStart(), field.Width());
    }
}

// Typing and deleting change only editable positions inside the selection, or the one
// position a Backspace steps back to; a deletion only ever writes blanks.
void CheckLocalChange(const MaskedFieldModel& field, const std::string& before, int selStart,
                      int selLength, bool deletion) {
    const std::string& after = field.DisplayText();
    const int reachFrom = deletion ? field.Pattern().EditableBefore(selStart) : selStart;
    const int from = std::min(selStart, std::max(reachFrom, 0));
    const int to = selStart + std::max(selLength, 1);
    for (int p = 0; p < field.Width(); ++p) {
        const auto i = static_cast<std::size_t>(p);
        if (after[i] == before[i]) {
            continue;
        }
        ASSERT_TRUE(p >= from && p < to) << "position " << p << " changed outside the edit";
        if (deletion) {
            ASSERT_EQ(after[i], field.Pattern().Blank());
        }
    }
}

// Counts the typed characters that changed the text, so that the sessions are known to
// edit the fields rather than bounce off them.
void RunSession(const char* mask, RandomSession& random, int& acceptedTyping) {
    MaskedFieldModel field(mask);
    ASSERT_NO_FATAL_FAILURE(CheckInvariants(field));
    static constexpr std::array<EditKey, 13> kKeys = {
        EditKey::Left,      EditKey::Right,    EditKey::ShiftLeft, EditKey::ShiftRight,
        EditKey::ShiftHome, EditKey::ShiftEnd, EditKey::Home,      EditKey::End,
        EditKey::Up,        EditKey::Down,     EditKey::Delete,    EditKey::Backspace,
        EditKey::Escape};
    for (int step = 0; step < kStepsPerSession; ++step) {
        const std::string before = field.DisplayText();
        const int selStart = field.SelStart();
        const int selLength = field.SelLength();
        switch (random.Below(12)) {
        case 0:
        case 1:
        case 2:
        case 3: {
            field.TypeChar(random.Character());
            acceptedTyping += field.DisplayText() != before ? 1 : 0;
            ASSERT_NO_FATAL_FAILURE(CheckLocalChange(field, before, selStart, selLength, false));
            ASSERT_NO_FATAL_FAILURE(CheckOverwriteCaret(field));
            break;
        }
        case 4:
        case 5: {
            const EditKey key = kKeys[static_cast<std::size_t>(random.Below(13))];
            const bool wasModified = field.Modified();
            const std::string oldValue = field.OldValue();
            field.PressKey(key);
            if (key == EditKey::Delete || key == EditKey::Backspace) {
                ASSERT_NO_FATAL_FAILURE(CheckLocalChange(field, before, selStart, selLength, true));
            } else if (key == EditKey::Escape && wasModified && !field.ReadOnly()) {
                ASSERT_EQ(field.DisplayText(), oldValue);
            } else if (key != EditKey::Escape) {
                ASSERT_EQ(field.DisplayText(), before);
            }
            ASSERT_NO_FATAL_FAILURE(CheckOverwriteCaret(field));
            break;
        }
        case 6:
            field.Paste(random.Text());
            ASSERT_NO_FATAL_FAILURE(CheckOverwriteCaret(field));
            break;
        case 7:
            field.Select(random.Position(field.Width()), random.Position(field.Width()));
            if (random.Below(2) == 0) {
                field.RestoreOverwriteCaret();
            }
            break;
        case 8: {
            const std::optional<std::string> copied = field.Copy();
            ASSERT_EQ(copied.has_value(), selLength > 0);
            if (random.Below(2) == 0) {
                ASSERT_EQ(field.Cut(), field.ReadOnly() ? std::nullopt : copied);
                ASSERT_NO_FATAL_FAILURE(CheckLocalChange(field, before, selStart, selLength, true));
            }
            break;
        }
        case 9:
            if (random.Below(2) == 0) {
                field.FocusIn(random.Below(2) == 0);
            } else {
                field.FocusOut();
            }
            ASSERT_NO_FATAL_FAILURE(CheckOverwriteCaret(field));
            break;
        case 10:
            field.SetText(random.Text());
            ASSERT_NO_FATAL_FAILURE(CheckOverwriteCaret(field));
            break;
        default:
            field.SetReadOnly(random.Below(4) == 0);
            break;
        }
        ASSERT_NO_FATAL_FAILURE(CheckInvariants(field));
    }
}

class MaskProperty : public ::testing::TestWithParam<const char*> {};

TEST_P(MaskProperty, RandomEditingKeepsWidthLiteralsAndReads) {
    DateSettings().Separator = '/';
    // Seeded from the mask (FNV-1a) so every run replays the same sessions.
    std::uint32_t seed = 2166136261u;
    for (const char c : std::string_view(GetParam())) {
        seed = (seed ^ static_cast<unsigned char>(c)) * 16777619u;
    }
    RandomSession random(seed);
    int acceptedTyping = 0;
    for (int session = 0; session < kSessionsPerMask; ++session) {
        SCOPED_TRACE("session " + std::to_string(session));
        ASSERT_NO_FATAL_FAILURE(RunSession(GetParam(), random, acceptedTyping));
    }
    EXPECT_GT(acceptedTyping, kSessionsPerMask * kStepsPerSession / 20);
}

TEST_P(MaskProperty, ReadOnlyFieldsNeverChangeUnderTheUser) {
    DateSettings().Separator = '/';
    RandomSession random(20260707u);
    MaskedFieldModel field(GetParam());
    field.SetText(random.Text());
    field.SetReadOnly(true);
    const std::string shown = field.DisplayText();
    for (int step = 0; step < 5000; ++step) {
        switch (random.Below(5)) {
        case 0:
            ASSERT_NE(field.TypeChar(random.Character()), EditResult::Beep);
            break;
        case 1:
            field.PressKey(static_cast<EditKey>(random.Below(13)));
            break;
        case 2:
            field.Paste(random.Text());
            break;
        case 3:
            ASSERT_EQ(field.Cut(), std::nullopt);
            break;
        default:
            field.Select(random.Position(field.Width()), random.Position(field.Width()));
            break;
        }
        ASSERT_EQ(field.DisplayText(), shown);
        ASSERT_FALSE(field.Modified());
    }
}

std::string MaskName(const ::testing::TestParamInfo<const char*>& param) {
    static constexpr const char* kNames[] = {"Years",     "Months", "Fines",
                                             "Operation", "Date",   "Error"};
    return kNames[param.index];
}

INSTANTIATE_TEST_SUITE_P(ProgramMasks, MaskProperty, ::testing::ValuesIn(kProgramMasks), MaskName);

// Any mask string at all, with any bytes: parsing and editing never read out of bounds.
TEST(MaskPropertyAnyMask, ArbitraryMaskStringsAreSafe) {
    RandomSession random(4242u);
    for (int i = 0; i < 3000; ++i) {
        MaskedFieldModel field(random.Text());
        for (int step = 0; step < 20; ++step) {
            switch (random.Below(4)) {
            case 0:
                field.TypeChar(random.Character());
                break;
            case 1:
                field.PressKey(static_cast<EditKey>(random.Below(13)));
                break;
            case 2:
                field.Paste(random.Text());
                break;
            default:
                field.Select(random.Position(field.Width()), random.Position(field.Width()));
                break;
            }
            ASSERT_NO_FATAL_FAILURE(CheckInvariants(field));
        }
        field.SetEditMask(random.Text());
        ASSERT_EQ(static_cast<int>(field.DisplayText().size()), field.Width());
        ASSERT_EQ(static_cast<int>(field.Text().size()), field.Width());
    }
}

} // namespace
} // namespace zarn
