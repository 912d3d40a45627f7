#pragma once

// The main window's five fields as zarn-calc fills them from its arguments: ANOS, MESES,
// DIAS and MULTA, then OPERACAO, each typed into its empty field; and the term fields as
// Continua writes a result into them. Texts are Windows-1252.

#include "cli/FieldEntry.h"
#include "engine/CalcFlow.h"

#include <array>
#include <span>
#include <string>

namespace zarn {

// The field texts in the order of the calculation: years, months, days, day-fines,
// operation.
inline constexpr std::size_t kSentenceFieldCount = 5;
using SentenceFieldTexts = std::array<std::string, kSentenceFieldCount>;

struct SentenceEntry {
    bool Ok = false;
    SentenceFieldTexts Texts;
    std::string Refusal; // when not Ok: the first refusal, the field named
};

// Types the five arguments into the five empty fields; `args` holds five.
SentenceEntry TypeIntoSentenceFields(std::span<const std::string> args);

// Continua then an operation: the carried results written into the term fields, and the
// argument typed into the emptied operation field.
SentenceEntry ContinueWithOperation(const TermFieldTexts& carried, std::string_view operation);

} // namespace zarn
