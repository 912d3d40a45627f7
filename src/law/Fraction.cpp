#include "law/Fraction.h"

namespace zarn {

namespace {

constexpr long long kTenthsOfPercent = 1000;
constexpr long long kTenthsPerUnit = 10;

} // namespace

long long ShareOf(long long amount, Fraction share) {
    // Split first so that amount x numerator never leaves 64 bits for any term the
    // analyses accept.
    const long long whole = amount / share.Denominator;
    const long long rest = amount % share.Denominator;
    return whole * share.Numerator + rest * share.Numerator / share.Denominator;
}

std::string FractionText(Fraction share) {
    return std::to_string(share.Numerator) + "/" + std::to_string(share.Denominator);
}

std::string PercentText(Fraction share, char decimalMark) {
    const long long tenths = share.Numerator * kTenthsOfPercent / share.Denominator;
    std::string text = std::to_string(tenths / kTenthsPerUnit);
    if (tenths % kTenthsPerUnit != 0) {
        text += decimalMark;
        text += std::to_string(tenths % kTenthsPerUnit);
    }
    return text;
}

} // namespace zarn
