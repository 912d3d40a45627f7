#include "sentencing/FractionArithmetic.h"

#include <limits>
#include <numeric>

namespace zarn {

namespace {

// The extremes of 64 bits are refused: their magnitude has no 64-bit value.
std::optional<Fraction> Reduced(long long numerator, long long denominator) {
    constexpr long long kLowest = std::numeric_limits<long long>::min();
    if (denominator == 0 || numerator == kLowest || denominator == kLowest) {
        return std::nullopt;
    }
    const long long divisor = std::gcd(numerator, denominator);
    Fraction reduced{numerator / divisor, denominator / divisor};
    if (reduced.Denominator < 0) {
        reduced = {-reduced.Numerator, -reduced.Denominator};
    }
    return reduced;
}

std::optional<long long> Product(long long first, long long second) {
    long long product = 0;
    if (__builtin_mul_overflow(first, second, &product)) {
        return std::nullopt;
    }
    return product;
}

// first + sign x second, in lowest terms.
std::optional<Fraction> Combine(Fraction first, Fraction second, long long sign) {
    const std::optional<long long> left = Product(first.Numerator, second.Denominator);
    const std::optional<long long> signedNumerator = Product(second.Numerator, sign);
    const std::optional<long long> right =
        signedNumerator ? Product(*signedNumerator, first.Denominator) : std::nullopt;
    const std::optional<long long> denominator = Product(first.Denominator, second.Denominator);
    long long numerator = 0;
    if (!left || !right || !denominator || __builtin_add_overflow(*left, *right, &numerator)) {
        return std::nullopt;
    }
    return Reduced(numerator, *denominator);
}

} // namespace

std::optional<Fraction> AddFractions(Fraction first, Fraction second) {
    return Combine(first, second, 1);
}

std::optional<Fraction> SubtractFractions(Fraction from, Fraction taken) {
    return Combine(from, taken, -1);
}

bool IsLess(Fraction first, Fraction second) {
    const std::optional<long long> left = Product(first.Numerator, second.Denominator);
    const std::optional<long long> right = Product(second.Numerator, first.Denominator);
    if (left && right) {
        return *left < *right;
    }
    return static_cast<long double>(first.Numerator) / static_cast<long double>(first.Denominator) <
           static_cast<long double>(second.Numerator) /
               static_cast<long double>(second.Denominator);
}

Fraction Magnitude(Fraction fraction) {
    return {fraction.Numerator < 0 ? -fraction.Numerator : fraction.Numerator,
            fraction.Denominator};
}

} // namespace zarn
