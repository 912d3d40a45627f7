#include "engine/Operation.h"

#include "engine/NumberText.h"

#include <optional>
#include <string>

namespace zarn {

namespace {

// The operation field holds at most three digits on either side of its "/" (a digit
// typed in the sign position joins the numerator's two).
constexpr std::size_t kMaxFractionDigits = 3;

enum class SignKind { Increase, Multiply, Reduce, FirstDigit, Invalid };

SignKind ClassifySign(char sign) {
    switch (sign) {
    case ' ':
    case '+':
    case '=':
        return SignKind::Increase;
    case '*':
    case 'X':
    case 'x':
        return SignKind::Multiply;
    case '-':
    case '_':
        return SignKind::Reduce;
    default:
        return sign >= '1' && sign <= '9' ? SignKind::FirstDigit : SignKind::Invalid;
    }
}

// Sets the flags from the first character and drops it when it is a sign.
void ReadSign(CalcState& state) {
    std::string& text = state.OperationText;
    const SignKind kind = text.empty() ? SignKind::Invalid : ClassifySign(text.front());
    state.Increase = kind == SignKind::Increase || kind == SignKind::FirstDigit;
    state.Multiply = kind == SignKind::Multiply;
    state.InvalidOperation = kind == SignKind::Invalid;
    if (kind == SignKind::Increase || kind == SignKind::Multiply || kind == SignKind::Reduce) {
        text.erase(0, 1);
    }
}

// Splits at the first "/": the numerator before it, the denominator after it. Without a
// "/" the whole text is the denominator.
void SplitFraction(CalcState& state) {
    const std::string& text = state.OperationText;
    const std::size_t slash = text.find('/');
    if (slash == std::string::npos) {
        state.NumeratorText.clear();
        state.DenominatorText = text;
        return;
    }
    state.NumeratorText = text.substr(0, slash);
    state.DenominatorText = text.substr(slash + 1);
}

// An empty denominator text converts to 0; one that is not made of digits is rejected.
std::optional<double> ConvertDenominator(const std::string& text) {
    if (text.empty()) {
        return 0.0;
    }
    return ConvertDigits(text, kMaxFractionDigits);
}

void ReadNumerator(CalcState& state) {
    const std::string& text = state.NumeratorText;
    // The test is on the text: "00" passes and converts to 0, "0" is rejected.
    if (text.empty() || text == "0") {
        state.InvalidOperation = true;
        return;
    }
    if (const auto value = ConvertDigits(text, kMaxFractionDigits)) {
        state.Numerator = *value;
    } else {
        state.InvalidOperation = true;
    }
}

// Multiplying by N/D is applying the fraction |N - D| / D to the whole: an increase when
// N >= D, a reduction otherwise. So "x 2 /3  " leaves two thirds of the whole and
// "x 3 /2  " one and a half times it.
void ApplyMultiplyFraction(CalcState& state) {
    const double numerator = state.Numerator;
    const double denominator = state.Denominator;
    state.Increase = numerator >= denominator;
    state.Numerator = state.Increase ? numerator - denominator : denominator - numerator;
}

void ReadDenominator(CalcState& state) {
    const std::string& text = state.DenominatorText;
    // Multiplying by a whole number N is increasing by (N - 1)/1.
    if (state.Multiply && IsWholeMultiplier(text)) {
        state.Increase = true;
        state.Numerator -= 1;
        state.Denominator = 1;
        return;
    }
    const std::optional<double> value = ConvertDenominator(text);
    if (!value || *value == 0) {
        state.InvalidOperation = true;
        return;
    }
    state.Denominator = *value;
    if (state.Multiply) {
        ApplyMultiplyFraction(state);
    }
}

} // namespace

bool IsWholeMultiplier(std::string_view denominatorText) {
    return denominatorText.empty() || denominatorText == "0";
}

void ParseOperation(CalcState& state) {
    ReadSign(state);
    state.OperationText = RemoveBlanks(state.OperationText);
    SplitFraction(state);
    ReadNumerator(state);
    ReadDenominator(state);
}

} // namespace zarn
