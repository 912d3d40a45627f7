#include "engine/NumberText.h"

#include <algorithm>
#include <charconv>

namespace zarn {

namespace {

bool IsDecimalDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

std::string RemoveBlanks(std::string_view text) {
    std::string cleaned;
    cleaned.reserve(text.size());
    std::copy_if(text.begin(), text.end(), std::back_inserter(cleaned),
                 [](char c) { return c != ' '; });
    return cleaned;
}

std::optional<double> ConvertDigits(std::string_view text, std::size_t maxDigits) {
    if (text.empty() || text.size() > maxDigits ||
        !std::all_of(text.begin(), text.end(), IsDecimalDigit)) {
        return std::nullopt;
    }
    // Up to fifteen digits every partial value is a whole number below 2^53, so each step
    // is exact.
    double value = 0;
    for (char c : text) {
        value = value * 10 + (c - '0');
    }
    return value;
}

std::optional<double> ConvertSignedWhole(std::string_view text, std::size_t maxDigits) {
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '+' || negative)) {
        text.remove_prefix(1);
    }
    const std::optional<double> magnitude = ConvertDigits(text, maxDigits);
    if (!magnitude) {
        return std::nullopt;
    }
    return negative ? -*magnitude : *magnitude;
}

DayCountReading ReadDayCount(std::string_view text) {
    const std::string bare = RemoveBlanks(text);
    if (bare.empty()) {
        return {};
    }
    const bool negative = bare.front() == '-';
    const std::string_view digits = std::string_view(bare).substr(negative ? 1 : 0);
    if (digits.empty() || !std::all_of(digits.begin(), digits.end(), IsDecimalDigit)) {
        return {0, DayCountFault::NotWhole};
    }
    long long days = 0;
    if (std::from_chars(digits.data(), digits.data() + digits.size(), days).ec != std::errc{}) {
        return {0, DayCountFault::TooLarge};
    }
    return {negative ? -days : days, DayCountFault::None};
}

} // namespace zarn
