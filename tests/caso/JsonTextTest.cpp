// The answers' JSON line: the blank after each colon and comma outside strings only, texts
// from the code page in UTF-8, whole numbers without a fraction.

#include "caso/JsonText.h"

#include <gtest/gtest.h>
#include <string>

namespace zarn {
namespace {

TEST(JsonText, OneLineWithBlanksOutsideStrings) {
    JsonValue value = JsonValue::object();
    value["a"] = 1;
    value["texto"] = JsonText("x: \"y\", z\\ m\xEAs");
    value["lista"] = JsonValue::array({1, nullptr, true});
    value["vazio"] = JsonValue::object();
    EXPECT_EQ(WriteJsonLine(value), R"({"a": 1, "texto": "x: \"y\", z\\ m)"
                                    "\xC3\xAA"
                                    R"(s", "lista": [1, null, true], "vazio": {}})");
    // Read back, it is the same value.
    EXPECT_EQ(JsonValue::parse(WriteJsonLine(value)), value);
}

TEST(JsonText, WholeNumbersWithoutAFraction) {
    EXPECT_EQ(WriteJsonLine(JsonNumber(50.0)), "50");
    EXPECT_EQ(WriteJsonLine(JsonNumber(16.67)), "16.67");
    EXPECT_EQ(WriteJsonLine(JsonNumber(12.5)), "12.5");
    EXPECT_EQ(WriteJsonLine(JsonNumber(-3.0)), "-3");
}

} // namespace
} // namespace zarn
