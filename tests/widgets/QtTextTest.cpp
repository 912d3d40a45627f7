// The crossing between Windows-1252 texts and QString, checked against code points
// given independently of the code.

#include "widgets/QtText.h"

#include <gtest/gtest.h>
#include <string>

namespace zarn {
namespace {

struct CrossingRow {
    std::string cp1252;
    char16_t codePoint;
};

TEST(QtText, DecodesAndEncodesPortugueseAndSymbols) {
    const CrossingRow rows[] = {
        {"\xE3", u'\u00E3'}, // a with tilde
        {"\xE7", u'\u00E7'}, // c with cedilla
        {"\xEA", u'\u00EA'}, // e with circumflex (m\xEAs)
        {"\xC3", u'\u00C3'}, // capital A with tilde
        {"\x80", u'\u20AC'}, // euro sign
        {"\x93", u'\u201C'}, // left double quotation mark
        {"\x96", u'\u2013'}, // en dash
        {"\x9F", u'\u0178'}, // capital Y with diaeresis
        {"\x8D", u'\u008D'}, // undefined in the code page: the C1 control of its value
        {"a", u'a'},
    };
    for (const CrossingRow& row : rows) {
        SCOPED_TRACE(static_cast<int>(static_cast<unsigned char>(row.cp1252[0])));
        const QString decoded = ToQString(row.cp1252);
        ASSERT_EQ(decoded.size(), 1);
        EXPECT_EQ(decoded[0].unicode(), row.codePoint);
        EXPECT_EQ(ToCp1252(decoded), row.cp1252);
    }
}

TEST(QtText, UnmappableCharactersBecomeQuestionMarks) {
    const struct {
        const char16_t* text;
        std::string cp1252;
    } rows[] = {
        {u"\u0101", "?"}, // a with macron: not in the code page
        {u"m\u00EAs \u4E2D", "m\xEAs ?"},
        {u"\u20AC 5", "\x80 5"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ToCp1252(QString::fromUtf16(row.text)), row.cp1252);
    }
    char byte = 'x';
    EXPECT_FALSE(ToCp1252Char(QChar(u'\u0101'), byte));
    EXPECT_TRUE(ToCp1252Char(QChar(u'\u00E3'), byte));
    EXPECT_EQ(byte, '\xE3');
}

TEST(QtText, EveryByteSurvivesTheRoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all.push_back(static_cast<char>(b));
    }
    EXPECT_EQ(ToCp1252(ToQString(all)), all);
}

} // namespace
} // namespace zarn
