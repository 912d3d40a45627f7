#include "engine/NumberText.h"

#include <algorithm>

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

} // namespace zarn
