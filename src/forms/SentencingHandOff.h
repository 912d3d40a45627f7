#pragma once

// What the dosimetria hands to the main window's other tools: a crime's operations to the
// calculation record, as the chain typed in the main window would write them, and the final
// term to "Consequências da pena" with the facts of the case that the dosimetria settles.
// Messages are Windows-1252.

#include "engine/CalcRecord.h"
#include "law/CaseFacts.h"
#include "sentencing/SentencingAnswer.h"
#include "sentencing/SentencingInput.h"

#include <array>
#include <optional>
#include <string>

namespace zarn {

inline constexpr std::string_view kNoOperationsMessage =
    "Este crime n\xE3o tem aumento nem diminui\xE7\xE3o a enviar \xE0 Mem\xF3ria do c\xE1lculo.";
inline constexpr std::string_view kStepDoesNotFitMessage =
    "Um passo deste crime n\xE3o cabe nos campos da janela principal (anos at\xE9 999, "
    "numerador at\xE9 99, denominador at\xE9 999): nada foi enviado \xE0 Mem\xF3ria do c\xE1lculo.";
inline constexpr std::string_view kFinalTermDoesNotFitMessage =
    "A pena final passa de 999 anos e n\xE3o cabe nos campos de Consequ\xEAncias da pena.";

// Appends each operation of the crime (an agravante, atenuante or cause applied) to the
// record from the term the dosimetria applied it to, by the calculator's own Calcula: so a
// limit that held the term between two operations shows as a new "Pena:" line. The
// dias-multa go along only where they follow the phases. Nothing is appended when the crime
// has no operation or when a term or an operation does not fit the main window's fields; the
// message says which. Empty when every operation was appended; the main window's Volta then
// leaves them in the record.
std::string AppendCrimeSteps(const CrimeSentence& crime, bool finesFollowPhases,
                             CalcRecord& record);

// The years, months and days of a term as the term fields take them (a zero part empty);
// none when the years pass the field's three places.
std::optional<std::array<std::string, 3>> FieldTerm(const TermParts& term);

// The facts with those the dosimetria settles for the whole sentence: reincid\xEAncia (an
// agravante of reincid\xEAncia or multirreincid\xEAncia in any crime), maus antecedentes and
// unfavourable judicial circumstances (CP art. 59), the age atenuantes, the sexual violence
// against a woman. Each is set as the dosimetria has it, either way; the others stay.
CaseFacts WithSentencingFacts(CaseFacts facts, const SentencingInput& input);

} // namespace zarn
