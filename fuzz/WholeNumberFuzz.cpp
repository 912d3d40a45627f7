// ReadWholeNumber on an arbitrary text, compared with an independent reading built on
// std::from_chars: leading spaces, then a sign and decimal digits, or a hexadecimal
// prefix ("$", "x", "X", "0x", "0X") and hexadecimal digits, or decimal digits; the
// reading fails at the first character that is no digit of the base, with the magnitude
// read so far, and fails on a value beyond the signed 32-bit range, keeping the largest
// magnitude that still fit.

#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "dates/EndDate.h"

#include <charconv>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

namespace zarn::fuzz {
namespace {

constexpr std::int64_t kLargest = std::numeric_limits<std::int32_t>::max();

bool IsDigitOf(char c, int base) {
    if (c >= '0' && c <= '9') {
        return true;
    }
    return base == 16 && ((c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'));
}

std::uint64_t ValueOf(std::string_view digits, int base) {
    std::uint64_t value = 0;
    const auto [end, error] =
        std::from_chars(digits.data(), digits.data() + digits.size(), value, base);
    Require(error == std::errc{} && end == digits.data() + digits.size(),
            "the oracle reads a short run of digits whole");
    return value;
}

WholeNumberReading Expected(std::string_view text) {
    text.remove_prefix(std::min(text.find_first_not_of(' '), text.size()));
    bool negative = false;
    int base = 10;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    } else if (text.starts_with("0x") || text.starts_with("0X")) {
        base = 16;
        text.remove_prefix(2);
    } else if (!text.empty() &&
               (text.front() == '$' || text.front() == 'x' || text.front() == 'X')) {
        base = 16;
        text.remove_prefix(1);
    }
    std::size_t run = 0;
    while (run < text.size() && IsDigitOf(text[run], base)) {
        ++run;
    }
    if (run == 0) {
        return {0, true};
    }
    // Leading zeros add nothing; of the rest, the longest start that fits is the value.
    std::string_view digits = text.substr(0, run);
    const std::size_t zeros = std::min(digits.find_first_not_of('0'), digits.size());
    const std::string_view significant = digits.substr(zeros);
    const std::int64_t limit = negative ? kLargest + 1 : kLargest;
    std::size_t taken = 0;
    std::int64_t magnitude = 0;
    while (taken < significant.size() && taken < 12) {
        const auto next =
            static_cast<std::int64_t>(ValueOf(significant.substr(0, taken + 1), base));
        if (next > limit) {
            break;
        }
        magnitude = next;
        ++taken;
    }
    const bool complete = taken == significant.size() && run == text.size();
    if (!complete) {
        return {static_cast<std::int32_t>(std::min(magnitude, kLargest)), true};
    }
    return {static_cast<std::int32_t>(negative ? -magnitude : magnitude), false};
}

} // namespace
} // namespace zarn::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zarn;
    using namespace zarn::fuzz;
    FuzzInput input(data, size);
    const std::string text = input.TakeRest();
    const WholeNumberReading reading = ReadWholeNumber(text);
    const WholeNumberReading expected = Expected(text);
    Require(reading.Value == expected.Value, "the value of the reading");
    Require(reading.Failed == expected.Failed, "the failure flag of the reading");
    return 0;
}
