#include "prescription/CrimeCase.h"

#include "law/LegalText.h"
#include "prescription/PrescriptionNames.h"
#include "prescription/PrescriptionRules.h"

#include <algorithm>

namespace zarn {

namespace {

constexpr std::string_view kFavourableReading = " (leitura mais favor\xE1vel)";

DayNumber DayOf(const CivilDate& date) {
    return DateFromCivil(date.Year, date.Month, date.Day);
}

std::string Date(DayNumber date) {
    return WriteDayMonthYear(date);
}

std::optional<DayNumber> Birthday(const std::optional<DayNumber>& birth, int age) {
    if (!birth) {
        return std::nullopt;
    }
    return ShiftedByMonths(*birth, age * kMonthsPerYear);
}

std::vector<Marco> ByDate(std::vector<Marco> marcos) {
    std::stable_sort(marcos.begin(), marcos.end(),
                     [](const Marco& a, const Marco& b) { return a.Date < b.Date; });
    return marcos;
}

std::optional<DayNumber> FirstOf(const std::vector<Marco>& marcos, MarcoKind kind) {
    const auto found = std::find_if(marcos.begin(), marcos.end(),
                                    [kind](const Marco& marco) { return marco.Kind == kind; });
    return found == marcos.end() ? std::nullopt : std::optional(found->Date);
}

bool IsDecision(MarcoKind kind) {
    return kind == MarcoKind::Sentenca || kind == MarcoKind::Acordao;
}

// The date the crime's period starts (art. 111): the date the user gives, unless the
// proceedings had begun by then (art. 111 V), when it is the fact.
void SetStart(CrimeCase& crimeCase) {
    const std::optional<DayNumber> given = crimeCase.Crime.PeriodStart;
    const std::string fact = Date(crimeCase.Fact);
    // Every marco but a new crime belongs to the proceedings.
    const bool begun =
        given &&
        std::any_of(crimeCase.Marcos.begin(), crimeCase.Marcos.end(), [&given](const Marco& marco) {
            return marco.Kind != MarcoKind::Reincidencia && marco.Date < *given;
        });
    crimeCase.Start = given && !begun ? *given : crimeCase.Fact;
    if (!given) {
        crimeCase.StartNote = "Termo inicial: data do fato, " + fact + Cited(kPeriodStart) + ".";
    } else if (begun) {
        crimeCase.StartNote = "Termo inicial: data do fato, " + fact + "; a data informada, " +
                              Date(*given) +
                              ", vem depois de um marco do processo, que j\xE1 havia come\xE7"
                              "ado" +
                              Cited(kPeriodStart) + ".";
    } else {
        crimeCase.StartNote =
            "Termo inicial: " + Date(*given) + ", data informada" + Cited(kPeriodStart) + ".";
    }
}

// The first condemnatory decision interrupts; so do later sentences, and later acordaos
// when the option says a confirming acordao interrupts.
void SetDecisions(CrimeCase& crimeCase, bool confirmingAcordaoInterrupts) {
    const bool anyDecision = std::any_of(crimeCase.Marcos.begin(), crimeCase.Marcos.end(),
                                         [](const Marco& marco) { return IsDecision(marco.Kind); });
    if (!crimeCase.Crime.AppliedDays) {
        if (anyDecision) {
            crimeCase.DecisionNotes.push_back(
                "Sem pena aplicada a este crime: senten\xE7"
                "as e ac\xF3rd\xE3os n\xE3o s\xE3o tidos por condenat\xF3rios para ele e n\xE3o "
                "interrompem a prescri\xE7\xE3o" +
                std::string(kFavourableReading) + ".");
        }
        return;
    }
    if (!anyDecision) {
        crimeCase.DecisionNotes.push_back("Pena aplicada informada sem senten\xE7"
                                          "a ou ac\xF3rd\xE3o condenat\xF3rio: desconsiderada.");
        return;
    }
    for (const Marco& marco : crimeCase.Marcos) {
        if (!IsDecision(marco.Kind)) {
            continue;
        }
        if (!crimeCase.FirstDecision) {
            crimeCase.FirstDecision = marco.Date;
        } else if (marco.Kind == MarcoKind::Acordao) {
            crimeCase.DecisionNotes.push_back(
                confirmingAcordaoInterrupts
                    ? "Ac\xF3rd\xE3o de " + Date(marco.Date) +
                          " confirmat\xF3rio da condena\xE7\xE3o: interrompe a prescri\xE7\xE3o" +
                          Cited(kConfirmingAcordao) + "."
                    : "Ac\xF3rd\xE3o de " + Date(marco.Date) +
                          " tido por confirmat\xF3rio: n\xE3o interrompe a prescri\xE7\xE3o "
                          "(op\xE7\xE3o escolhida).");
            if (!confirmingAcordaoInterrupts) {
                continue;
            }
        }
        crimeCase.Decisions.push_back(marco.Date);
    }
}

bool ExceptedFromHalving(const CrimeCase& crimeCase) {
    const std::optional<CivilDate> from = kNoHalvingForSexualViolence.InForce;
    return crimeCase.Crime.SexualViolenceAgainstWoman && from && crimeCase.Fact >= DayOf(*from);
}

void SetHalving(CrimeCase& crimeCase, const std::optional<DayNumber>& birth) {
    if (!birth) {
        crimeCase.AgeNotes.push_back("Data de nascimento n\xE3o informada: prazos sem a "
                                     "redu\xE7\xE3o pela idade" +
                                     Cited(kAgeHalving.Source) + ".");
        return;
    }
    const std::optional<DayNumber> turns21 = Birthday(birth, kHalvingAgeAtFact);
    const std::optional<DayNumber> turns70 = Birthday(birth, kHalvingAgeAtDecision);
    // A birthday beyond the calendar is still to come.
    const bool under21 = !turns21 || *turns21 > crimeCase.Fact;
    const bool over70 = crimeCase.FirstDecision && turns70 && *turns70 <= *crimeCase.FirstDecision;
    if (!under21 && !over70) {
        if (!crimeCase.Condemned() && turns70 && *turns70 <= crimeCase.Calculation) {
            crimeCase.AgeNotes.push_back(
                "Completou 70 anos em " + Date(*turns70) +
                ": se a primeira decis\xE3o condenat\xF3ria vier depois, os prazos caem \xE0 "
                "metade" +
                Cited(kAgeHalving.Source) + ".");
        }
        return;
    }
    if (ExceptedFromHalving(crimeCase)) {
        crimeCase.AgeNotes.push_back(
            "Sem redu\xE7\xE3o pela idade: crime de viol\xEAncia sexual contra a mulher "
            "cometido a partir de " +
            WriteCivilDate(*kNoHalvingForSexualViolence.InForce) +
            Cited(kNoHalvingForSexualViolenceSource) + ".");
        return;
    }
    crimeCase.Halved = true;
    if (under21) {
        crimeCase.AgeNotes.push_back(
            "Prazo reduzido \xE0 metade: menor de 21 anos na data do fato" +
            (turns21 ? " (completou 21 anos em " + Date(*turns21) + ")" : std::string()) +
            Cited(kAgeHalving.Source) + ".");
    } else {
        crimeCase.AgeNotes.push_back(
            "Prazo reduzido \xE0 metade: 70 anos completos em " + Date(*turns70) +
            ", at\xE9 a primeira decis\xE3o condenat\xF3ria, de " + Date(*crimeCase.FirstDecision) +
            Cited(kAgeHalving.Source) + ".");
    }
}

// Overlapping or touching stretches become one, so no day is counted twice.
std::vector<DayRange> Merged(std::vector<DayRange> ranges) {
    std::sort(ranges.begin(), ranges.end(),
              [](const DayRange& a, const DayRange& b) { return a.First < b.First; });
    std::vector<DayRange> merged;
    for (const DayRange& range : ranges) {
        if (!merged.empty() && range.First <= merged.back().Last + 1) {
            merged.back().Last = std::max(merged.back().Last, range.Last);
        } else {
            merged.push_back(range);
        }
    }
    return merged;
}

std::string SuspensionName(const Suspension& suspension, const SuspensionRule& rule) {
    return std::string(DisplayNameOf(suspension.Kind)) + Cited(rule.Source);
}

// The stretch a suspension covers for this crime, with its note; nothing where the crime is
// older than the rule that allows it.
std::optional<DayRange> Covered(const CrimeCase& crimeCase, const Suspension& suspension,
                                std::vector<std::string>& notes) {
    const SuspensionRule& rule = SuspensionRuleFor(suspension.Kind);
    const std::optional<CivilDate> from = rule.Source.Wording.InForce;
    const std::string name = SuspensionName(suspension, rule);
    if (from && crimeCase.Fact < DayOf(*from)) {
        notes.push_back("Suspens\xE3o desde " + Date(suspension.Start) + ", " + name +
                        ": n\xE3o se aplica a crime anterior a " + WriteCivilDate(*from) + " (" +
                        std::string(rule.Source.Wording.Law) + ").");
        return std::nullopt;
    }
    DayRange range{suspension.Start,
                   std::min(suspension.End.value_or(crimeCase.Calculation), crimeCase.Calculation)};
    bool ongoing = !suspension.End || *suspension.End > crimeCase.Calculation;
    std::string cap;
    if (rule.CappedByPeriod) {
        const long long months = crimeCase.MonthsFor(crimeCase.Crime.MaximumDays, false);
        const std::optional<DayNumber> capLast = LastDayOfPeriod(suspension.Start, months);
        if (capLast && *capLast < range.Last) {
            range.Last = *capLast;
            ongoing = false;
            cap = "; limitada ao prazo da pena m\xE1xima, " + YearsAndMonths(months) +
                  (crimeCase.Halved ? " j\xE1 reduzido pela idade" + std::string(kFavourableReading)
                                    : std::string()) +
                  ", depois do qual o prazo volta a correr" + Cited(kSuspensionCap);
        }
    }
    if (ongoing) {
        notes.push_back("Suspens\xE3o desde " + Date(range.First) + ", " + name +
                        ", em curso na data do c\xE1lculo: enquanto durar, o fim do prazo se "
                        "adia.");
    } else {
        notes.push_back("Suspens\xE3o de " + Date(range.First) + " a " + Date(range.Last) + ", " +
                        name + cap + ".");
    }
    return range;
}

void SetSuspensions(CrimeCase& crimeCase, const std::vector<Suspension>& suspensions) {
    std::vector<DayRange> punitiva;
    std::vector<DayRange> executoria;
    for (const Suspension& suspension : suspensions) {
        const bool forExecutoria = SuspensionRuleFor(suspension.Kind).Executoria;
        SuspendedDays& days = forExecutoria ? crimeCase.Executoria : crimeCase.Punitiva;
        const std::optional<DayRange> range = Covered(crimeCase, suspension, days.Notes);
        if (range) {
            (forExecutoria ? executoria : punitiva).push_back(*range);
        }
    }
    crimeCase.Punitiva.Ranges = Merged(std::move(punitiva));
    crimeCase.Executoria.Ranges = Merged(std::move(executoria));
}

} // namespace

long long CrimeCase::MonthsFor(long long termDays, bool increasedForRepeat) const {
    return PeriodMonths(termDays, Fact, increasedForRepeat, Halved);
}

std::vector<std::string> CrimeCase::PeriodNotes(long long termDays, bool increasedForRepeat) const {
    const bool earlier = EarlierPeriodApplies(termDays, Fact);
    const long long months = PeriodMonths(termDays, Fact, false, false);
    std::string period =
        "Prazo pela pena de " + TermOfDays(termDays) + ": " + YearsAndMonths(months);
    if (earlier) {
        period += ", por ser o fato anterior a " + WriteCivilDate(*kPrescriptionWording.InForce) +
                  " (" + std::string(kPrescriptionByTerm.Article) +
                  ", reda\xE7\xE3o anterior \xE0 " + std::string(kPrescriptionWording.Law) + ").";
    } else {
        period += Cited(kPrescriptionByTerm) + ".";
    }
    std::vector<std::string> notes{period};
    if (increasedForRepeat) {
        notes.push_back(
            "Aumentado de " + FractionText(kRepeatOffenderIncrease.Share) +
            " pela reincid\xEAncia: " + YearsAndMonths(PeriodMonths(termDays, Fact, true, false)) +
            Cited(kRepeatOffenderIncrease.Source) + ".");
    }
    notes.insert(notes.end(), AgeNotes.begin(), AgeNotes.end());
    return notes;
}

std::optional<DayNumber> CrimeCase::ExecutoriaStart(std::string* note) const {
    std::string why;
    std::optional<DayNumber> start;
    const DayNumber lastFromProsecution = DayOf(*kFinalForBothParties.InForce);
    if (FinalForProsecution && *FinalForProsecution <= lastFromProsecution) {
        start = FinalForProsecution;
        why = "Termo inicial: tr\xE2nsito em julgado para a acusa\xE7\xE3o, " + Date(*start) +
              Cited(kExecutoriaFromProsecution) + ".";
    } else if (FinalForProsecution && FinalForBoth) {
        start = FinalForBoth;
        why = "Termo inicial: tr\xE2nsito em julgado para ambas as partes, " + Date(*start) +
              ", pois o tr\xE2nsito para a acusa\xE7\xE3o, " + Date(*FinalForProsecution) +
              ", \xE9 posterior a " + Date(lastFromProsecution) +
              Cited(kExecutoriaFromBothParties) + ".";
    } else if (FinalForBoth) {
        start = FinalForBoth;
        why = "Termo inicial: tr\xE2nsito em julgado para ambas as partes, " + Date(*start) +
              "; o tr\xE2nsito para a acusa\xE7\xE3o n\xE3o foi informado" +
              Cited(kExecutoriaFromProsecution) + ".";
    }
    if (note) {
        *note = why;
    }
    return start;
}

std::vector<DayNumber> CrimeCase::DatesOf(std::initializer_list<MarcoKind> kinds) const {
    std::vector<DayNumber> dates;
    for (const Marco& marco : Marcos) {
        if (std::find(kinds.begin(), kinds.end(), marco.Kind) != kinds.end()) {
            dates.push_back(marco.Date);
        }
    }
    return dates;
}

CrimeCase MakeCrimeCase(const PrescriptionInput& input, std::size_t crime) {
    CrimeCase crimeCase;
    crimeCase.Crime = input.Crimes[crime];
    crimeCase.Fact = crimeCase.Crime.DateOfFact.value_or(input.CalculationDate);
    crimeCase.Calculation = input.CalculationDate;
    crimeCase.Marcos = ByDate(input.Marcos);
    crimeCase.FinalForProsecution = FirstOf(crimeCase.Marcos, MarcoKind::TransitoAcusacao);
    crimeCase.FinalForBoth = FirstOf(crimeCase.Marcos, MarcoKind::TransitoAmbas);
    SetStart(crimeCase);
    SetDecisions(crimeCase, input.ConfirmingAcordaoInterrupts);
    SetHalving(crimeCase, input.Birth);
    SetSuspensions(crimeCase, input.Suspensions);
    return crimeCase;
}

} // namespace zarn
