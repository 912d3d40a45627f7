// The whole-number texts of the engine on their own: blank removal and the strict
// conversions, including texts that the field readers never hand them.

#include "engine/NumberText.h"

#include <cmath>
#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace zarn {
namespace {

TEST(NumberText, ConvertsOnlyASignAndBoundedDigits) {
    struct Row {
        std::string text;
        std::size_t maxDigits;
        std::optional<double> signedValue; // ConvertSignedWhole
        std::optional<double> digitsValue; // ConvertDigits
    } rows[] = {
        {"", 9, std::nullopt, std::nullopt},
        {"0", 9, 0.0, 0.0},
        {"007", 3, 7.0, 7.0},
        {"0007", 3, std::nullopt, std::nullopt},
        {"999999999", 9, 999999999.0, 999999999.0},
        {"1000000000", 9, std::nullopt, std::nullopt},
        {"+5", 9, 5.0, std::nullopt},
        {"-5", 9, -5.0, std::nullopt},
        {"-123", 3, -123.0, std::nullopt},
        {"-1234", 3, std::nullopt, std::nullopt},
        {"+", 9, std::nullopt, std::nullopt},
        {"-", 9, std::nullopt, std::nullopt},
        {"--1", 9, std::nullopt, std::nullopt},
        {"1-", 9, std::nullopt, std::nullopt},
        {" 1", 9, std::nullopt, std::nullopt},
        {"1 ", 9, std::nullopt, std::nullopt},
        {"\xB9", 9, std::nullopt, std::nullopt},
        {"5", 0, std::nullopt, std::nullopt},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE("\"" + row.text + "\" max " + std::to_string(row.maxDigits));
        EXPECT_EQ(ConvertSignedWhole(row.text, row.maxDigits), row.signedValue);
        EXPECT_EQ(ConvertDigits(row.text, row.maxDigits), row.digitsValue);
    }
}

TEST(NumberText, ReadsACountOfDaysWithItsSign) {
    struct Row {
        std::string text;
        long long days;
        DayCountFault fault;
    } rows[] = {
        {"", 0, DayCountFault::None},
        {"   ", 0, DayCountFault::None},
        {"30", 30, DayCountFault::None},
        {" 1 5 ", 15, DayCountFault::None},
        {"-5", -5, DayCountFault::None},
        {"9223372036854775807", 9223372036854775807LL, DayCountFault::None},
        {"9223372036854775808", 0, DayCountFault::TooLarge},
        {"-", 0, DayCountFault::NotWhole},
        {"--5", 0, DayCountFault::NotWhole},
        {"+5", 0, DayCountFault::NotWhole},
        {"1,5", 0, DayCountFault::NotWhole},
        {"5d", 0, DayCountFault::NotWhole},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE("\"" + row.text + "\"");
        const DayCountReading reading = ReadDayCount(row.text);
        EXPECT_EQ(reading.Days, row.days);
        EXPECT_EQ(reading.Fault, row.fault);
    }
}

TEST(NumberText, MinusZeroIsANegativeZero) {
    for (const char* text : {"-0", "-000"}) {
        SCOPED_TRACE(text);
        const std::optional<double> value = ConvertSignedWhole(text);
        ASSERT_TRUE(value.has_value());
        EXPECT_EQ(*value, 0.0);
        EXPECT_TRUE(std::signbit(*value));
    }
    EXPECT_FALSE(std::signbit(*ConvertSignedWhole("+0")));
}

TEST(NumberText, RemovesSpacesOnly) {
    struct Row {
        std::string text;
        std::string cleaned;
    } rows[] = {
        {"", ""},
        {"   ", ""},
        {" 1 2 ", "12"},
        {"\t1\n", "\t1\n"},
        {std::string("1\0 2", 4), std::string("1\0"
                                              "2",
                                              3)},
        {"\xA0"
         "5",
         "\xA0"
         "5"}, // a no-break space is not a blank
    };
    for (const Row& row : rows) {
        EXPECT_EQ(RemoveBlanks(row.text), row.cleaned);
    }
}

} // namespace
} // namespace zarn
