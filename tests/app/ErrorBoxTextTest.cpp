#include "app/ErrorBox.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zarn {
namespace {

TEST(ErrorBoxTextTest, FullStopFollowsACharacterThatSortsAfterTheStop) {
    struct Row {
        std::string message;
        std::string shown;
    };
    const std::vector<Row> rows = {
        {"Invalid argument to date encode", "Invalid argument to date encode."},
        {"'31/04/2008' is not a valid date", "'31/04/2008' is not a valid date."},
        {"Erro 42", "Erro 42."},
        {"Ends with a stop.", "Ends with a stop."},
        {"Ends with a bracket)", "Ends with a bracket)"},
        {"Ends with a comma,", "Ends with a comma,"},
        {"Ends with a dash-", "Ends with a dash-"},
        {"Ends with a bang!", "Ends with a bang!"},
        {"Ends with a blank ", "Ends with a blank "},
        {"Ends with a slash/", "Ends with a slash/."},
        {"Ends with a colon:", "Ends with a colon:."},
        {"Ends with a question?", "Ends with a question?."},
        {"Acentua\xE7\xE3o", "Acentua\xE7\xE3o."}, // a byte above 0x7F sorts after "."
        {"x", "x."},
        {".", "."},
        {"", ""},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(ErrorBoxText(row.message), row.shown) << '"' << row.message << '"';
    }
}

} // namespace
} // namespace zarn
