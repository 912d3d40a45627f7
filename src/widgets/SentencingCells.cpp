#include "widgets/SentencingCells.h"

#include "sentencing/InputCheck.h"
#include "sentencing/SentencingTexts.h"
#include "widgets/QtText.h"

#include <charconv>

namespace zarn {
namespace {

constexpr long long kProbeRangeDays = 360;
constexpr char kFractionBar = '/';
// More digits than any field or fraction holds: read as a refusal, never as an overflow.
constexpr std::size_t kLongestNumber = 12;

std::optional<long long> WholeNumber(std::string_view digits) {
    if (digits.empty() || digits.size() > kLongestNumber) {
        return std::nullopt;
    }
    long long value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc() || end != digits.data() + digits.size()) {
        return std::nullopt;
    }
    return value;
}

std::string WithoutBlanks(const QString& text) {
    std::string kept;
    for (const QChar c : text) {
        if (!c.isSpace()) {
            char byte = 0;
            kept += ToCp1252Char(c, byte) ? byte : '?';
        }
    }
    return kept;
}

} // namespace

CellFraction ReadCellFraction(const QString& text) {
    const std::string kept = WithoutBlanks(text);
    const std::size_t bar = kept.find(kFractionBar);
    if (bar == std::string::npos) {
        return {false, {}, std::string(kUnreadableFractionMessage)};
    }
    const std::optional<long long> numerator = WholeNumber(std::string_view(kept).substr(0, bar));
    const std::optional<long long> denominator =
        WholeNumber(std::string_view(kept).substr(bar + 1));
    if (!numerator || !denominator) {
        return {false, {}, std::string(kUnreadableFractionMessage)};
    }
    return {true, {*numerator, *denominator}, {}};
}

QString CellFractionText(Fraction fraction) {
    return fraction.Numerator == 0 ? QString() : ToQString(FractionText(fraction));
}

CellNumber ReadCellNumber(const std::string& fieldText) {
    std::string digits;
    for (const char c : fieldText) {
        if (c != ' ') {
            digits += c;
        }
    }
    if (digits.empty()) {
        return {false, 0, std::string(kMissingNumberMessage)};
    }
    const std::optional<long long> value = WholeNumber(digits);
    if (!value) {
        return {false, 0, std::string(kMissingNumberMessage)};
    }
    return {true, *value, {}};
}

CrimeInput ProbeCrime(const CrimeInput& facts) {
    CrimeInput probe;
    probe.MinimoDias = kProbeRangeDays;
    probe.MaximoDias = kProbeRangeDays;
    probe.Multa = false;
    probe.ViolenciaSexualMulher = facts.ViolenciaSexualMulher;
    return probe;
}

std::string SentencingItemFault(const CrimeInput& crime, std::string_view itemPlace) {
    SentencingInput input;
    input.Crimes.push_back(crime);
    const std::string fault = FirstInputFault(input);
    const std::string place = std::string(kDosimetriaPath) + "." + std::string(kCrimesKey) +
                              "[0]." + std::string(itemPlace) + std::string(kPathSeparator);
    if (fault.compare(0, place.size(), place) != 0) {
        return {};
    }
    return fault.substr(place.size());
}

} // namespace zarn
