#pragma once

// What the three phases of one crime share: the crime and the options, the crime's place in
// the document for the messages, how its dias-multa are fixed, and the step by a fraction with
// its checks.

#include "engine/TermArithmetic.h"
#include "law/Fraction.h"
#include "sentencing/SentencingAnswer.h"
#include "sentencing/SentencingInput.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zarn {

struct CrimeContext {
    const CrimeInput& Crime;
    const SentencingOptions& Options;
    std::string Path; // "dosimetria.crimes[0]"
    // The dias-multa follow the phases; otherwise they stay FixedFines throughout: the
    // number typed, or none for a crime without a fine.
    bool ProportionalFines = true;
    long long FixedFines = 0;
};

// What a phase ends with, and the steps that led there.
struct PhaseOutcome {
    TermAmount Term;
    std::vector<SentencingStep> Steps;
};

CrimeContext MakeCrimeContext(const CrimeInput& crime, const SentencingOptions& options,
                              std::size_t index);

// "dosimetria.crimes[0]" and the like: the place of an item in the document.
std::string ItemPath(std::string_view list, std::size_t index);

// The place of an item, written only when a message names it: "dosimetria.crimes[0].causas[1]".
struct ItemPlace {
    std::string_view Parent; // "dosimetria.crimes[0]"; must outlive the place
    std::string_view Key;    // "causas"
    std::optional<std::size_t> Index;

    std::string Text() const;
};

FractionStep StepOf(Fraction share, bool increase);

struct SteppedTerm {
    TermAmount Term;
    bool FinesCeilingHeld = false; // the calculator's ceiling of dias-multa cut the result
};

// The calculator's step on a term. Refused (SentencingRefusal, naming the item) when the step
// is not exact or its result passes the largest term.
SteppedTerm CheckedStep(const TermAmount& term, const FractionStep& step, const ItemPlace& item);

// The same for a crime: dias-multa that do not follow the phases are left as they are.
SteppedTerm StepCrimeTerm(const CrimeContext& context, const TermAmount& term,
                          const FractionStep& step, const ItemPlace& item);

// The term held within the crime's range, and the step that says so when a limit held it.
struct HeldTerm {
    TermAmount Term;
    std::optional<SentencingStep> Limit;
};

HeldTerm HoldWithinRange(const CrimeContext& context, SentencingPhase phase, const TermAmount& term,
                         const LegalSource& minimumSource, const LegalSource& maximumSource);

// The calculator's ceiling of dias-multa, as a step after the one it cut.
SentencingStep FinesCeilingStep(SentencingPhase phase, const TermAmount& term);

} // namespace zarn
