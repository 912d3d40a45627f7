#include "prescription/ExecutoriaAnalysis.h"

#include "law/LegalText.h"
#include "prescription/PeriodRun.h"
#include "prescription/PrescriptionRules.h"

#include <optional>
#include <string>

namespace zarn {

namespace {

std::string Date(DayNumber date) {
    return WriteDayMonthYear(date);
}

// The marcos taken in the order of their dates: while the period runs it is open in m_run;
// while the term is being served it is closed.
class ExecutoriaWalk {
public:
    explicit ExecutoriaWalk(const CrimeCase& crimeCase)
        : m_case(crimeCase)
        , m_remaining(*crimeCase.Crime.AppliedDays) {}

    bool Over() const { return m_over; }
    bool Started() const { return m_started; }
    std::vector<PrescriptionAnalysis> Take() { return std::move(m_done); }

    void Start(DayNumber start, const std::string& why) {
        m_started = true;
        Open(start, why);
        if (m_serving) {
            m_run->Note("Em cumprimento desde " + Date(m_servingSince) +
                        ": a prescri\xE7\xE3o execut\xF3ria n\xE3o corre" +
                        Cited(kServingInterrupts) + ".");
            Finish();
        }
    }

    void ServingStarts(DayNumber day) {
        if (m_serving) {
            return; // a continuation while serving changes nothing
        }
        m_serving = true;
        m_servingSince = day;
        if (!m_run) {
            return;
        }
        m_run->CloseAt(m_from, day);
        if (!m_run->Prescribed()) {
            m_run->Note("Interrompida em " + Date(day) +
                        " pelo in\xED"
                        "cio do cumprimento da pena" +
                        Cited(kServingInterrupts) + ".");
        }
        Finish();
    }

    void ServingEnds(const Marco& marco) {
        const bool escape = marco.Kind == MarcoKind::Fuga;
        if (!m_serving) {
            RestartWithoutServing(marco.Date, escape);
            return;
        }
        const DatedLength served = MeasureDated(m_servingSince, marco.Date);
        const std::string spell = Date(m_servingSince) + " a " + Date(marco.Date);
        m_served += served.BaseDays();
        m_serving = false;
        m_remaining = *m_case.Crime.AppliedDays - m_served;
        if (m_remaining <= 0) {
            m_over = true;
            if (!m_done.empty()) {
                m_done.back().Notes.push_back("Pena cumprida por inteiro at\xE9 " +
                                              Date(marco.Date) + ": nada resta a prescrever.");
            }
            return;
        }
        m_restartNote =
            (escape
                 ? "Fuga em " + Date(marco.Date) + ": o prazo corre pelo restante da pena, " +
                       TermOfDays(m_remaining) + ", contado como cumprido o tempo de " + spell +
                       ", o dia da fuga inclu\xED"
                       "do (leitura mais favor\xE1vel)" +
                       Cited(kExecutoriaAfterEscape)
                 : "Revoga\xE7\xE3o em " + Date(marco.Date) +
                       ": o prazo corre pelo restante da pena, " + TermOfDays(m_remaining) +
                       "; o tempo cumprido antes do livramento n\xE3o \xE9 conhecido, e conta "
                       "como cumprido todo o tempo de " +
                       spell + " (leitura mais favor\xE1vel)" + Cited(kExecutoriaAfterRevocation)) +
            ".";
        if (m_started) {
            Open(marco.Date, m_restartNote);
        }
    }

    void NewCrime(DayNumber day) {
        if (!m_run) {
            return; // not running: nothing to interrupt
        }
        m_run->CloseAt(m_from, day);
        if (m_run->Prescribed()) {
            Finish();
            return;
        }
        if (day > m_from) {
            m_from = day;
        }
        m_run->Note("Interrompida em " + Date(day) + " pela reincid\xEAncia, data do novo crime" +
                    Cited(kRepeatInterrupts) + ".");
    }

    void End() {
        if (m_run) {
            m_run->RunTo(m_from, m_case.Calculation);
            Finish();
        } else if (m_serving && !m_done.empty()) {
            m_done.back().Notes.push_back("Em cumprimento na data do c\xE1lculo: a "
                                          "prescri\xE7\xE3o execut\xF3ria n\xE3o corre.");
        }
    }

private:
    void Open(DayNumber from, const std::string& why) {
        const bool increased = m_case.Crime.RepeatOffender;
        m_run.emplace(PrescriptionKind::Executoria, m_remaining,
                      m_case.MonthsFor(m_remaining, increased), m_case.Executoria.Ranges);
        for (const std::string& note : m_case.PeriodNotes(m_remaining, increased)) {
            m_run->Note(note);
        }
        m_run->Note(why);
        if (!m_restartNote.empty() && m_restartNote != why) {
            m_run->Note(m_restartNote); // an escape or revocation before the start
        }
        m_restartNote.clear();
        for (const std::string& note : m_case.Executoria.Notes) {
            m_run->Note(note);
        }
        m_from = from;
    }

    void Finish() {
        m_over = m_over || m_run->Prescribed();
        m_done.push_back(m_run->Take());
        m_run.reset();
    }

    // A revocation without a dated spell of serving is of a sursis: the whole term again,
    // from the revocation. An escape without one leaves the time served unknown.
    void RestartWithoutServing(DayNumber day, bool escape) {
        if (!m_run) {
            return;
        }
        m_run->CloseAt(m_from, day);
        if (m_run->Prescribed()) {
            Finish();
            return;
        }
        if (day > m_from) {
            m_from = day;
        }
        m_run->Note(escape ? "Fuga em " + Date(day) +
                                 " sem in\xED"
                                 "cio do cumprimento informado: o prazo recome\xE7"
                                 "a dela pela pena inteira, pois o tempo cumprido n\xE3o \xE9 "
                                 "conhecido" +
                                 Cited(kExecutoriaAfterEscape) + "."
                           : "Revoga\xE7\xE3o em " + Date(day) +
                                 " sem in\xED"
                                 "cio do cumprimento informado: o prazo recome\xE7"
                                 "a dela pela pena aplicada inteira, como na revoga\xE7\xE3o do "
                                 "sursis, e o tempo anterior conta como se o prazo corresse "
                                 "(leitura mais favor\xE1vel)" +
                                 Cited(kExecutoriaAfterRevocation) + ".");
    }

    const CrimeCase& m_case;
    long long m_remaining;
    std::optional<PeriodRun> m_run;
    DayNumber m_from = 0;
    bool m_started = false;
    bool m_serving = false;
    DayNumber m_servingSince = 0;
    long long m_served = 0;
    bool m_over = false;
    std::string m_restartNote;
    std::vector<PrescriptionAnalysis> m_done;
};

} // namespace

std::vector<PrescriptionAnalysis> ExecutoriaAnalyses(const CrimeCase& crimeCase) {
    std::string why;
    const std::optional<DayNumber> start = crimeCase.ExecutoriaStart(&why);
    if (!crimeCase.Condemned() || !start) {
        return {};
    }
    ExecutoriaWalk walk(crimeCase);
    for (const Marco& marco : crimeCase.Marcos) {
        if (walk.Over()) {
            break;
        }
        if (!walk.Started() && marco.Date >= *start) {
            walk.Start(*start, why);
        }
        switch (marco.Kind) {
        case MarcoKind::InicioCumprimento:
            walk.ServingStarts(marco.Date);
            break;
        case MarcoKind::Fuga:
        case MarcoKind::Revogacao:
            walk.ServingEnds(marco);
            break;
        case MarcoKind::Reincidencia:
            walk.NewCrime(marco.Date);
            break;
        default:
            break;
        }
    }
    if (!walk.Over() && !walk.Started()) {
        walk.Start(*start, why);
    }
    if (!walk.Over()) {
        walk.End();
    }
    return walk.Take();
}

} // namespace zarn
