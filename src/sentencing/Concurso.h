#pragma once

// The concurso de crimes (CP arts. 69 to 72) over the crimes' penas definitivas: their sum, or
// the most serious increased by the scale's fraction or the user's, never above the sum; the
// dias-multa summed, or, in a crime continuado, one with the same increase.

#include "sentencing/SentencingAnswer.h"
#include "sentencing/SentencingInput.h"

#include <string>
#include <vector>

namespace zarn {

struct ConcursoOutcome {
    ConcursoSentence Sentence;
    TermAmount Term;
    // The crime whose term the increase took (the most serious), when one did.
    std::optional<std::size_t> MostSerious;
    bool OneFine = false; // the crime continuado's one fine, with the increase
};

// The crimes' names and penas definitivas, in the same order; at least two.
ConcursoOutcome JoinCrimes(const ConcursoInput& concurso, const std::vector<std::string>& names,
                           const std::vector<TermAmount>& terms, const SentencingOptions& options);

} // namespace zarn
