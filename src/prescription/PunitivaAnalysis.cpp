#include "prescription/PunitivaAnalysis.h"

#include "law/LegalText.h"
#include "prescription/PeriodRun.h"
#include "prescription/PrescriptionRules.h"

#include <algorithm>

namespace zarn {

namespace {

void AddNotes(PeriodRun& run, const std::vector<std::string>& notes) {
    for (const std::string& note : notes) {
        run.Note(note);
    }
}

// The punitiva of a term: its period and the suspensions of the punitiva.
PeriodRun PunitivaRun(PrescriptionKind kind, const CrimeCase& crimeCase, long long termDays) {
    PeriodRun run(kind, termDays, crimeCase.MonthsFor(termDays, false), crimeCase.Punitiva.Ranges);
    AddNotes(run, crimeCase.PeriodNotes(termDays, false));
    if (crimeCase.Crime.RepeatOffender) {
        run.Note("A reincid\xEAncia n\xE3o aumenta o prazo da pretens\xE3o punitiva" +
                 Cited(kPunitivaIgnoresRepeat) + ".");
    }
    return run;
}

// Until the sentence is final for the prosecution, an appeal may raise the applied term.
void NoteWhetherProvisional(PeriodRun& run, const CrimeCase& crimeCase) {
    if (crimeCase.FinalForProsecution || crimeCase.FinalForBoth) {
        return;
    }
    run.Note("Provis\xF3ria: sem tr\xE2nsito em julgado para a acusa\xE7\xE3o, a pena aplicada "
             "ainda pode ser aumentada em recurso; nunca se calcula sobre pena hipot\xE9tica" +
             Cited(kNoHypotheticalPenalty) + ".");
}

std::vector<DayNumber> Merged(std::vector<DayNumber> first, const std::vector<DayNumber>& second) {
    first.insert(first.end(), second.begin(), second.end());
    std::sort(first.begin(), first.end());
    return first;
}

// Every interval from `from` through the marcos before `end`; returns the day the last
// interval starts.
DayNumber CloseThrough(PeriodRun& run, DayNumber from, const std::vector<DayNumber>& marcos,
                       std::optional<DayNumber> end) {
    for (const DayNumber marco : marcos) {
        if (end && marco >= *end) {
            break;
        }
        if (marco > from) {
            run.CloseAt(from, marco);
            from = marco;
        }
    }
    return from;
}

std::vector<DayNumber> ReceiptAndPronuncia(const CrimeCase& crimeCase) {
    return crimeCase.DatesOf(
        {MarcoKind::RecebimentoDenuncia, MarcoKind::Pronuncia, MarcoKind::ConfirmacaoPronuncia});
}

bool FactBeforeThePresentWording(const CrimeCase& crimeCase) {
    const CivilDate from = *kPrescriptionWording.InForce;
    return crimeCase.Fact < DateFromCivil(from.Year, from.Month, from.Day);
}

} // namespace

PrescriptionAnalysis AbstrataAnalysis(const CrimeCase& crimeCase) {
    PeriodRun run = PunitivaRun(PrescriptionKind::Abstrata, crimeCase, crimeCase.Crime.MaximumDays);
    run.Note(crimeCase.StartNote);
    AddNotes(run, crimeCase.DecisionNotes);
    AddNotes(run, crimeCase.Punitiva.Notes);

    const std::optional<DayNumber> end =
        crimeCase.FinalForProsecution ? crimeCase.FinalForProsecution : crimeCase.FinalForBoth;
    const DayNumber from = CloseThrough(
        run, crimeCase.Start, Merged(ReceiptAndPronuncia(crimeCase), crimeCase.Decisions), end);
    if (!end) {
        run.RunTo(from, crimeCase.Calculation);
        return run.Take();
    }
    run.CloseAt(from, *end);
    if (!run.Prescribed()) {
        run.Note(
            "Encerrada em " + WriteDayMonthYear(*end) + " pelo tr\xE2nsito em julgado " +
            (crimeCase.FinalForProsecution ? "para a acusa\xE7\xE3o" : "para ambas as partes") +
            ": da\xED em diante, a prescri\xE7\xE3o regula-se pela pena aplicada" +
            Cited(kPunitivaByAppliedTerm) + ".");
    }
    return run.Take();
}

std::optional<PrescriptionAnalysis> RetroativaAnalysis(const CrimeCase& crimeCase) {
    if (!crimeCase.Condemned()) {
        return std::nullopt;
    }
    PeriodRun run =
        PunitivaRun(PrescriptionKind::Retroativa, crimeCase, *crimeCase.Crime.AppliedDays);
    AddNotes(run, crimeCase.Punitiva.Notes);
    NoteWhetherProvisional(run, crimeCase);

    const DayNumber decision = *crimeCase.FirstDecision;
    const std::vector<DayNumber> marcos = ReceiptAndPronuncia(crimeCase);
    const std::vector<DayNumber> receipts = crimeCase.DatesOf({MarcoKind::RecebimentoDenuncia});
    std::optional<DayNumber> from;
    if (FactBeforeThePresentWording(crimeCase)) {
        from = crimeCase.Start;
        run.Note(crimeCase.StartNote);
        run.Note("Conta o intervalo do fato ao recebimento da den\xFAncia: fato anterior a " +
                 WriteCivilDate(*kPrescriptionWording.InForce) + Cited(kRetroativaBeforeComplaint) +
                 ".");
    } else if (!receipts.empty() && receipts.front() < decision) {
        from = receipts.front();
        run.Note("O intervalo do fato ao recebimento da den\xFAncia n\xE3o conta" +
                 Cited(kPunitivaByAppliedTerm) + ".");
    } else {
        run.Note("Recebimento da den\xFAncia n\xE3o informado antes da primeira decis\xE3o "
                 "condenat\xF3ria: n\xE3o h\xE1 intervalo a verificar.");
        return run.Take();
    }
    run.CloseAt(CloseThrough(run, *from, marcos, decision), decision);
    if (!run.Prescribed()) {
        run.Note("N\xE3o ocorreu: nenhum intervalo at\xE9 a primeira decis\xE3o condenat\xF3ria "
                 "atingiu o prazo.");
    }
    return run.Take();
}

std::optional<PrescriptionAnalysis> IntercorrenteAnalysis(const CrimeCase& crimeCase) {
    if (!crimeCase.Condemned()) {
        return std::nullopt;
    }
    PeriodRun run =
        PunitivaRun(PrescriptionKind::Intercorrente, crimeCase, *crimeCase.Crime.AppliedDays);
    AddNotes(run, crimeCase.DecisionNotes);
    AddNotes(run, crimeCase.Punitiva.Notes);
    NoteWhetherProvisional(run, crimeCase);

    if (crimeCase.FinalForProsecution && !crimeCase.ExecutoriaStart()) {
        run.Note("A prescri\xE7\xE3o execut\xF3ria s\xF3 come\xE7"
                 "a a correr com o tr\xE2nsito em julgado para ambas as partes" +
                 Cited(kExecutoriaFromBothParties) + ".");
    }
    const std::optional<DayNumber> end = crimeCase.FinalForBoth;
    const DayNumber from = CloseThrough(run, *crimeCase.FirstDecision, crimeCase.Decisions, end);
    if (!end) {
        run.RunTo(from, crimeCase.Calculation);
        return run.Take();
    }
    run.CloseAt(from, *end);
    if (!run.Prescribed()) {
        run.Note("Encerrada em " + WriteDayMonthYear(*end) +
                 " pelo tr\xE2nsito em julgado para ambas as partes.");
    }
    return run.Take();
}

} // namespace zarn
