// The JSON writer of the --json outputs: each kind of value, escapes, nesting.

#include "cli/Json.h"

#include <gtest/gtest.h>
#include <limits>

namespace zarn {
namespace {

TEST(Json, WritesEachKindOfValue) {
    const struct {
        Json value;
        const char* text;
    } rows[] = {
        {Json::Null(), "null"},
        {Json::Integer(0), "0"},
        {Json::Integer(-288), "-288"},
        {Json::Integer(360000000000LL), "360000000000"},
        {Json::Number(16.0), "16"},
        {Json::Number(12.5), "12.5"},
        {Json::Number(std::numeric_limits<double>::quiet_NaN()), "null"},
        {Json::Number(std::numeric_limits<double>::infinity()), "null"},
        {Json::String(""), "\"\""},
        {Json::String("fechado"), "\"fechado\""},
        {Json::String("a\"b\\c"), "\"a\\\"b\\\\c\""},
        {Json::String("\n\r\t\b\f"), "\"\\n\\r\\t\\b\\f\""},
        {Json::String(std::string_view("\x01\x1A\x1F", 3)), "\"\\u0001\\u001a\\u001f\""},
        // Windows-1252 letters pass as they are: the output turns them into UTF-8.
        {Json::String("deten\xE7\xE3o"), "\"deten\xE7\xE3o\""},
        {Json::List({}), "[]"},
        {Json::List({Json::Integer(1), Json::Null(), Json::String("x")}), "[1, null, \"x\"]"},
        {Json::Object({}), "{}"},
        {Json::Object(
             {{"a", Json::Integer(1)}, {"b\"", Json::List({Json::Object({{"c", Json::Null()}})})}}),
         "{\"a\": 1, \"b\\\"\": [{\"c\": null}]}"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(row.value.Text(), row.text);
    }
}

} // namespace
} // namespace zarn
