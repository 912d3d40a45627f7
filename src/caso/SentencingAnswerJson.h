#pragma once

// The dosimetria's answer as the JSON object zarn-calc dosimetria --json prints: each crime's
// pena-base, pena provisoria and pena definitiva with its steps as text, the concurso, the
// final term and the notes.

#include "caso/JsonText.h"
#include "sentencing/SentencingAnswer.h"

namespace zarn {

// With inWords the steps write every number also in words, as the text does.
JsonValue SentencingAnswerJson(const SentencingAnswer& answer, bool inWords);

} // namespace zarn
