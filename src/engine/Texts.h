#pragma once

// The engine's own words: the input error messages and the unit words of the result
// sentence, in Windows-1252.

#include <string_view>

namespace zarn {

inline constexpr std::string_view kMonthsTooLargeMessage =
    "O n\xFAmero m\xE1ximo de meses \xE9 11.";
inline constexpr std::string_view kDaysTooLargeMessage = "O n\xFAmero m\xE1ximo de dias \xE9 29.";
inline constexpr std::string_view kFinesBelowMinimumMessage =
    "Ser\xE1 de 10 o m\xEDnimo de dias-multa.";
inline constexpr std::string_view kFinesAboveMaximumMessage =
    "O m\xE1ximo de dias-multa \xE9 66.666 (Lei 11.343/06).";
inline constexpr std::string_view kInvalidOperationMessage = "Opera\xE7\xE3o inv\xE1lida!";
// A number field holding something other than a whole number (only a program write can
// put such a text there).
inline constexpr std::string_view kInvalidNumberMessage = "N\xFAmero inv\xE1lido!";
// Continua refuses a result that does not fit the term fields: the command line's words,
// and the main window's, short enough to show whole in its result field at every density.
inline constexpr std::string_view kResultsDoNotFitMessage =
    "O resultado n\xE3o cabe nos campos; comece um novo c\xE1lculo.";
inline constexpr std::string_view kResultsDoNotFitFieldMessage =
    "O resultado n\xE3o cabe nos campos; recomece.";

// A unit word in its two forms: the singular for a part of 1 or less, the plural above.
struct UnitWord {
    std::string_view Singular;
    std::string_view Plural;
};

inline constexpr UnitWord kYearWord{" ano", " anos"};
inline constexpr UnitWord kMonthWord{" m\xEAs", " meses"};
inline constexpr UnitWord kDayWord{" dia", " dias"};
inline constexpr UnitWord kFineWord{" dia-multa", " dias-multa"};

// Joiners of the sentence.
inline constexpr std::string_view kAfterYears = ", ";
inline constexpr std::string_view kBeforeDays = " e ";
inline constexpr std::string_view kBeforeFines = ", e ";

// The calculation record: a line giving the term a chain starts from, and the words of a
// step's operation before its fraction or multiplier.
inline constexpr std::string_view kTermLinePrefix = "Pena: ";
inline constexpr std::string_view kStepSeparator = ": ";
inline constexpr std::string_view kIncreaseWords = "aumento de ";
inline constexpr std::string_view kReductionWords = "diminui\xE7\xE3o de ";
inline constexpr std::string_view kMultiplyWords = "multiplica\xE7\xE3o por ";

// Joiners of a list of term parts: "a, b e c".
inline constexpr std::string_view kListSeparator = ", ";
inline constexpr std::string_view kListLastSeparator = " e ";

// The answer of the applied fraction: the line shown when no usual operation gives the
// resulting term, the one shown for a starting term of zero, the variation line's prefix
// and the variation of a starting term of zero.
inline constexpr std::string_view kNoFractionLine =
    "Nenhuma fra\xE7\xE3o usual leva a esse resultado.";
inline constexpr std::string_view kZeroStartLine =
    "Com pena inicial zero, toda fra\xE7\xE3o d\xE1 zero: nenhuma pode ser apontada.";
inline constexpr std::string_view kVariationPrefix = "Varia\xE7\xE3o: ";
inline constexpr std::string_view kNoVariationText = "sem varia\xE7\xE3o calcul\xE1vel";

} // namespace zarn
