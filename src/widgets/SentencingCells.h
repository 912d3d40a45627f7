#pragma once

// The values of the dosimetria's cells and fields, read as the user types them: a fraction
// "N/D", a whole number of dias-multa, a text the program can keep; and the library's own
// verdict on one item of a crime (a fraction of an atenuante that takes the whole term, an
// age atenuante the crime bars), asked of it before the item is taken, so that a window
// refuses what the dosimetria would refuse, with its words. Messages are Windows-1252.

#include "law/Fraction.h"
#include "sentencing/SentencingInput.h"

#include <QString>
#include <string>
#include <string_view>

namespace zarn {

inline constexpr std::string_view kUnreadableFractionMessage =
    "Digite a fra\xE7\xE3o como numerador/denominador, por exemplo 1/6.";
inline constexpr std::string_view kMissingNumberMessage = "Informe o n\xFAmero.";

struct CellFraction {
    bool Ok = false;
    Fraction Value{};
    std::string Message; // when not Ok
};

// "1/6", blanks anywhere allowed. Only the form is read here: zero parts and the length of
// the numbers are the library's to judge (SentencingItemFault).
CellFraction ReadCellFraction(const QString& text);
// "1/6"; the empty text for a fraction not given (a zero numerator).
QString CellFractionText(Fraction fraction);

struct CellNumber {
    bool Ok = false;
    long long Value = 0;
    std::string Message;
};

// A masked field's digits as a whole number; blanks around them dropped, nothing typed
// refused.
CellNumber ReadCellNumber(const std::string& fieldText);

// The dosimetria's message for one item of a crime: the item is laid alone into a crime
// that is sound in every other respect, and the library's check is read at the item's place
// ("agravantes[0].fracao", "circunstancias.motivos.fracao"). Empty when the library takes
// it. `crime` gives the facts the item depends on (the sexual violence against a woman).
std::string SentencingItemFault(const CrimeInput& crime, std::string_view itemPlace);

// A crime sound in every respect but the items a check lays into it.
CrimeInput ProbeCrime(const CrimeInput& facts);

} // namespace zarn
