#pragma once

// The dosimetria written out (Windows-1252): Portuguese paragraphs in the manner of a
// sentence, one for each phase of each crime, then the concurso and the final term, the notes,
// the options used and the closing lines of every analysis; and each recorded step as a line.
// Terms are written as the calculation record writes them ("9 anos e 6 meses, e 96
// dias-multa"); with inWords every number is followed by its words ("9 (nove) anos").

#include "sentencing/SentencingAnswer.h"
#include "sentencing/SentencingInput.h"

#include <string>
#include <vector>

namespace zarn {

// The whole text; the message alone for an answer that refused its input.
std::string WriteSentencing(const SentencingInput& input, const SentencingAnswer& answer,
                            bool inWords);

// "desfavor\xE1vel: culpabilidade, 1/8 do intervalo entre as penas m\xEDnima e m\xE1xima (1 ano
// e 9 meses, e 43 dias-multa): 7 anos e 9 meses, e 53 dias-multa".
std::string StepLine(const SentencingStep& step, bool inWords);
std::vector<std::string> StepLines(const std::vector<SentencingStep>& steps, bool inWords);

} // namespace zarn
