#include "execution/CaseExecutionText.h"

#include "execution/ExecutionNames.h"
#include "execution/ExecutionTables.h"
#include "law/LawTables.h"
#include "law/LegalText.h"

#include <algorithm>
#include <cmath>
#include <string_view>
#include <vector>

namespace zarn {

namespace {

constexpr long long kHundred = 100;

std::string Date(DayNumber date) {
    return WriteDayMonthYear(std::trunc(date));
}

// A count of days of the convention: on the 360/30 base with its years, months and days, in
// calendar days as the count alone.
std::string Days(long long days, CountingConvention convention) {
    if (convention == CountingConvention::Base360) {
        return DaysAndTerm(days);
    }
    return DayCount(days) + " do calend\xE1rio";
}

std::string Percent(double value) {
    const auto hundredths = static_cast<long long>(std::llround(value * kHundred));
    std::string cents = std::to_string(hundredths % kHundred);
    if (cents.size() < 2) {
        cents.insert(0, "0");
    }
    return std::to_string(hundredths / kHundred) + "," + cents + "%";
}

std::string JoinedWithAnd(const std::vector<std::string>& parts) {
    std::string text;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0) {
            text += i + 1 == parts.size() ? " e " : ", ";
        }
        text += parts[i];
    }
    return text;
}

// "LEP art. 112, I, Lei 13.964/2019": a citation without its parentheses, to share them.
std::string Inside(const std::string& cited) {
    return cited.size() > 3 ? cited.substr(2, cited.size() - 3) : cited;
}

std::string JoinedWithPlus(const std::vector<std::string>& parts) {
    std::string text;
    for (const std::string& part : parts) {
        text += (text.empty() ? "" : " + ") + part;
    }
    return text;
}

std::string JoinedWithSemicolons(const std::vector<std::string>& parts) {
    std::string text;
    for (const std::string& part : parts) {
        text += (text.empty() ? "" : "; ") + part;
    }
    return text;
}

std::string WithDescription(const std::string& description) {
    return description.empty() ? std::string() : " (" + description + ")";
}

// A statement and the day it speaks of, to put them in the order of their dates.
struct Dated {
    DayNumber Date;
    std::string Text;
};

class ExecutionWriter {
public:
    ExecutionWriter(const CaseExecutionAnswer& answer, const ExecutionCase& question)
        : m_answer(answer)
        , m_question(question) {}

    std::string Write();

private:
    std::string Units(long long days) const { return Days(days, m_answer.Convention); }
    std::string Opening() const;
    std::string ConvictionsParagraph() const;
    std::string RegimeParagraph() const;
    std::string ProgressionRules() const;
    void AddPeriods();
    void AddCredits();
    void AddEvents();
    void AddProgressions();
    void AddParole();
    void AddEnds();
    void AddState();
    void AddAlternatives();
    std::string Requirement(const ProgressionStep& step) const;
    std::string ParoleRequirement() const;
    std::string ParoleRefusalText() const;
    std::string CreditsCoverParagraph() const;

    const CaseExecutionAnswer& m_answer;
    const ExecutionCase& m_question;
    std::vector<Dated> m_dated;
};

std::string ExecutionWriter::Opening() const {
    const std::size_t count = m_answer.Convictions.size();
    std::string text = count == 1 ? std::string("Execu\xE7\xE3o da pena de ")
                                  : "Execu\xE7\xE3o de " + std::to_string(count) +
                                        " condena\xE7\xF5"
                                        "es" +
                                        Cited(kSumOfTerms) + ", pena total de ";
    text += TermOfDays(m_answer.TotalBaseDays);
    if (m_answer.Convention == CountingConvention::CalendarDays) {
        text += " (" + Units(m_answer.TotalDays) + ", contados do primeiro dia)";
    }
    return text + "; primeiro dia de cumprimento em " + Date(m_answer.FirstDay) + ".";
}

std::string ExecutionWriter::ConvictionsParagraph() const {
    std::string text = "Condena\xE7\xF5"
                       "es:";
    for (std::size_t i = 0; i < m_answer.Convictions.size(); ++i) {
        const ConvictionSummary& conviction = m_answer.Convictions[i];
        text += "\n- " + ConvictionLabel(m_answer, i);
        if (!conviction.Crime.empty()) {
            text += ", " + conviction.Crime;
        }
        text += ": pena de " + TermOfDays(conviction.TermDays);
        text += conviction.CrimeDate ? "; crime em " + Date(*conviction.CrimeDate)
                                     : std::string("; data do crime n\xE3o informada");
        if (conviction.DuringExecution) {
            text += ", durante a execu\xE7\xE3o";
        }
        if (conviction.TransitoEmJulgado) {
            text += "; tr\xE2nsito em julgado em " + Date(*conviction.TransitoEmJulgado);
        }
        text += "; progress\xE3o: " + ShareText(conviction.Progression) +
                CitedWithLaw(conviction.Progression.Source);
        text += conviction.Parole.Barred
                    ? "; livramento vedado" + Cited(conviction.Parole.Source)
                    : "; livramento: " + FractionText(conviction.Parole.Share) +
                          Cited(conviction.Parole.Source);
        text += ".";
    }
    return text;
}

std::string ExecutionWriter::RegimeParagraph() const {
    if (m_answer.InitialRegimeEntered) {
        return "Regime inicial informado: " + std::string(RegimeName(m_answer.InitialRegime)) + ".";
    }
    const RegimeAnswer& regime = m_answer.RegimeOfSum;
    std::string text = "Regime inicial: " + std::string(RegimeName(m_answer.InitialRegime));
    if (m_answer.Convictions.size() > 1) {
        text += ", o da soma" + Cited(kRegimeOfTheSum);
    }
    if (regime.TermDays < m_answer.SumBeforeServing) {
        text += ", pela pena de " + TermOfDays(m_answer.SumBeforeServing) + " descontados " +
                TermOfDays(m_answer.SumBeforeServing - regime.TermDays) + " j\xE1 cumpridos" +
                (m_answer.LatestTransito ? " antes do \xFAltimo tr\xE2nsito em julgado, de " +
                                               Date(*m_answer.LatestTransito)
                                         : std::string()) +
                Cited(kDetracaoForRegime) + ": " + TermOfDays(regime.TermDays);
    } else {
        text += ", pela pena de " + TermOfDays(regime.TermDays);
    }
    text += Cited(regime.Source) + ".";
    if (regime.EasedForDetencao) {
        text += " A deten\xE7\xE3o n\xE3o come\xE7"
                "a no fechado" +
                Cited(kDetencaoNeverFechado) + ".";
    }
    return text;
}

std::string ExecutionWriter::ProgressionRules() const {
    return "Progress\xE3o de regime: de cada data-base, a soma, por condena\xE7\xE3o, da sua "
           "fra\xE7\xE3o sobre o que dela resta" +
           Cited(LegalSource{"LEP art. 112"}) + "; sem saltar regime" + Cited(kNoRegimeSkipped) +
           ". Requisitos que o c\xE1lculo n\xE3o verifica: boa conduta carcer\xE1ria" +
           Cited(kGoodConduct) + " e, para crimes a partir de " +
           WriteCivilDate(*kCriminologicalExamWording.InForce) + ", o exame criminol\xF3gico (" +
           std::string(kCriminologicalExamWording.Law) + ").";
}

void ExecutionWriter::AddPeriods() {
    for (const ServingPeriod& period : m_question.Periods) {
        std::string text = "Per\xED"
                           "odo de cumprimento";
        if (period.End) {
            text += " de " + Date(period.Start) + " a " + Date(*period.End) +
                    WithDescription(period.Description);
        } else {
            text +=
                " desde " + Date(period.Start) + WithDescription(period.Description) + ", em curso";
        }
        m_dated.push_back({std::trunc(period.Start), text + "."});
    }
    for (const ServingGap& gap : m_answer.Gaps) {
        std::string text = gap.Last ? "De " + Date(gap.First) + " a " + Date(*gap.Last)
                                    : "Desde " + Date(gap.First);
        m_dated.push_back({gap.First, text + ", fora do cumprimento: o tempo n\xE3o conta."});
    }
}

std::string Counted(long long count, std::string_view singular, std::string_view plural) {
    return std::to_string(count) + " " + std::string(count == 1 ? singular : plural);
}

std::string CreditText(const CreditGrant& grant) {
    const std::string days = DayCount(grant.Days);
    switch (grant.Kind) {
    case CreditKind::Detracao:
        return "detra\xE7\xE3o de " + days + Cited(kDetracao);
    case CreditKind::Days:
        return "remi\xE7\xE3o de " + days + Cited(kRemicaoCounts);
    case CreditKind::Work:
        return "remi\xE7\xE3o de " + days + " por " + Counted(grant.Entered, "dia", "dias") +
               " de trabalho" + Cited(kWorkRemicao);
    case CreditKind::Study:
        return "remi\xE7\xE3o de " + days + " por " + Counted(grant.Entered, "hora", "horas") +
               " de estudo" + Cited(kStudyRemicao);
    case CreditKind::Books:
        return "remi\xE7\xE3o de " + days + " por " + Counted(grant.Entered, "livro", "livros") +
               ", at\xE9 12 em 12 meses" + Cited(kReadingRemicao);
    case CreditKind::NightConfinement:
        return "detra\xE7\xE3o de " + days + " por " + Counted(grant.Entered, "hora", "horas") +
               " de recolhimento noturno" + Cited(kNightConfinement);
    }
    return days;
}

// What a grant leaves for the next one of its kind.
std::string LeftoverText(const CreditGrant& grant) {
    if (grant.Carried <= 0) {
        return {};
    }
    const std::string count = grant.Kind == CreditKind::Work
                                  ? Counted(grant.Carried, "dia", "dias") + " de trabalho"
                                  : Counted(grant.Carried, "hora", "horas");
    return (grant.Carried == 1 ? "; sobra " : "; sobram ") + count +
           " para a concess\xE3o seguinte";
}

void ExecutionWriter::AddCredits() {
    for (const CreditGrant& grant : m_answer.Credits) {
        std::string text = "Em " + Date(grant.CountsFrom) + ", ";
        if (grant.GivenOn != grant.CountsFrom) {
            text += "primeiro dia de cumprimento, passa a contar a " + CreditText(grant) + ", de " +
                    Date(grant.GivenOn);
        } else {
            text += CreditText(grant);
        }
        m_dated.push_back({grant.CountsFrom, text + LeftoverText(grant) + "."});
    }
}

void ExecutionWriter::AddEvents() {
    for (const DataBaseChange& change : m_answer.DataBases) {
        if (change.Reason == DataBaseReason::ProgressionDue) {
            continue; // said with the progression
        }
        std::string text =
            "Data-base em " + Date(change.Date) + ": " + DataBaseReasonText(change, m_answer);
        if (change.ServedBefore > 0) {
            text += "; tempo cumprido antes dela, " + Units(change.ServedBefore);
        }
        for (const RemicaoLoss& loss : m_answer.Losses) {
            if (change.Event && loss.Event == *change.Event) {
                text += ", j\xE1 descontada a perda de " + DayCount(loss.Days) +
                        " de remi\xE7\xE3o" + Cited(kRemicaoLost);
            }
        }
        m_dated.push_back({change.Date, text + "."});
    }
    for (const RegimeChange& change : m_answer.Regimes) {
        if (change.Cause == RegimeChangeCause::Regression) {
            m_dated.push_back(
                {change.From, "Em " + Date(change.From) + ", regress\xE3o ao regime " +
                                  std::string(RegimeName(change.To)) + Cited(kRegression) + "."});
        }
    }
    if (m_answer.Paragraph3LapsedOn) {
        m_dated.push_back({*m_answer.Paragraph3LapsedOn,
                           "Em " + Date(*m_answer.Paragraph3LapsedOn) +
                               ", o \xA7 3\xBA do art. 112 da LEP deixa de valer" +
                               Cited(kParagraph3Lapses) +
                               ": os requisitos seguintes tomam a fra\xE7\xE3o ordin\xE1ria."});
    }
    if (m_answer.GoodBehaviourFrom) {
        m_dated.push_back({*m_answer.GoodBehaviourFrom,
                           "A partir de " + Date(*m_answer.GoodBehaviourFrom) +
                               ", bom comportamento readquirido ap\xF3s a \xFAltima falta grave, "
                               "de " +
                               Date(*m_answer.LastFalta) +
                               ", um ano depois dela ou ao cumprir o requisito de tempo contado "
                               "dela" +
                               Cited(kGoodBehaviourRegained) + "."});
    }
}

std::string ExecutionWriter::Requirement(const ProgressionStep& step) const {
    std::vector<std::string> parts;
    for (const RequirementPart& part : step.Parts) {
        parts.push_back(ConvictionLabel(m_answer, part.Conviction) + ", " +
                        std::to_string(part.Days) + " (" + ShareText(part.Rule) + " de " +
                        std::to_string(part.RemainingDays) + "; " +
                        Inside(CitedWithLaw(part.Rule.Source)) + ")");
    }
    std::string text = DayCount(step.Days);
    if (!parts.empty()) {
        text += " = " + JoinedWithPlus(parts);
    }
    if (step.CreditsTaken > 0) {
        text += ", menos " + DayCount(step.CreditsTaken) +
                " de remi\xE7\xE3o e detra\xE7\xE3o desde a data-base";
    }
    return text;
}

// Each statement opens with the day it is sorted by.
void ExecutionWriter::AddProgressions() {
    const ProgressionStep* previous = nullptr;
    for (const ProgressionStep& step : m_answer.Progressions) {
        const std::string to = "progress\xE3o para o regime " + std::string(RegimeName(step.To));
        std::string text;
        DayNumber date = m_answer.CalculationDate;
        if (step.RecordedOn) {
            date = *step.RecordedOn;
            text = "Em " + Date(date) + ", " + to + ", registrada";
        } else if (step.DueFrom) {
            date = *step.DueFrom;
            text = "A partir de " + Date(date) + ", " + to;
            text += step.VoidedOn
                        ? ", n\xE3o registrada e sem efeito pela falta de " + Date(*step.VoidedOn)
                    : step.Reached ? std::string(" (j\xE1 alcan\xE7"
                                                 "ada)")
                                   : std::string();
        } else {
            text = "Na data do c\xE1lculo, " + Date(date) +
                   ", aguardando o retorno ao cumprimento, " + to;
        }
        const bool afterUndated = previous && !previous->DueFrom && !step.DueFrom;
        text += afterUndated ? std::string(": contada da data em que a anterior for devida")
                             : ": da data-base de " + Date(step.DataBase);
        if (step.ServedBefore > 0) {
            text += ", com " + Units(step.ServedBefore) + " cumpridos antes dela";
        }
        text += ", requisito de " + Requirement(step);
        if (step.RecordedOn && step.DueFrom) {
            text += "; devida a partir de " + Date(*step.DueFrom);
        }
        m_dated.push_back({date, text + "."});
        previous = &step;
    }
}

std::string ExecutionWriter::ParoleRequirement() const {
    std::vector<std::string> parts;
    for (std::size_t i = 0; i < m_answer.Convictions.size(); ++i) {
        const ConvictionSummary& conviction = m_answer.Convictions[i];
        const std::string share = conviction.Parole.Barred
                                      ? std::string("a pena inteira, livramento vedado")
                                      : "mais de " + FractionText(conviction.Parole.Share) +
                                            " de " + std::to_string(conviction.CountedDays);
        parts.push_back(ConvictionLabel(m_answer, i) + ", " +
                        std::to_string(conviction.ParoleDays) + " (" + share + "; " +
                        std::string(conviction.Parole.Source.Article) + ")");
    }
    return JoinedWithPlus(parts);
}

std::string ExecutionWriter::ParoleRefusalText() const {
    if (m_answer.ParoleRefused == ParoleRefusal::TermTooShort) {
        return "Livramento condicional: incab\xEDvel, soma das penas inferior a 2 anos" +
               Cited(kParoleOfTheSum) + ".";
    }
    std::vector<std::string> barred;
    for (const std::size_t i : m_answer.ParoleBarredBy) {
        barred.push_back(ConvictionLabel(m_answer, i) +
                         Cited(m_answer.Convictions[i].Parole.Source));
    }
    return "Livramento condicional: vedado por " + JoinedWithAnd(barred) + ".";
}

void ExecutionWriter::AddParole() {
    if (!m_answer.Parole) {
        return;
    }
    const ParoleAnswerOfSum& parole = *m_answer.Parole;
    const std::string reached = parole.Reached ? ", j\xE1 alcan\xE7"
                                                 "ado"
                                               : "";
    std::string text = "livramento condicional" + Cited(kParoleOfTheSum) + reached +
                       ": requisito de " + DayCount(parole.Days) + " = " + ParoleRequirement() +
                       ", contado de todo o tempo cumprido desde o primeiro dia" +
                       Cited(kParoleNotReset) +
                       ". Requisitos que o c\xE1lculo n\xE3o verifica: bom comportamento, "
                       "aptid\xE3o para o trabalho e meios de subsist\xEAncia, repara\xE7\xE3o "
                       "do dano" +
                       Cited(kParoleDamageRepair) +
                       " e, no crime com viol\xEAncia ou grave amea\xE7"
                       "a, as condi\xE7\xF5"
                       "es pessoais" +
                       Cited(kParoleViolentCrime) + ".";
    if (parole.DueFrom) {
        m_dated.push_back({*parole.DueFrom, "A partir de " + Date(*parole.DueFrom) + ", " + text});
    } else {
        m_dated.push_back(
            {m_answer.CalculationDate, "Na data do c\xE1lculo, " + Date(m_answer.CalculationDate) +
                                           ", aguardando o retorno ao cumprimento, " + text});
    }
    if (parole.NoFaltaGraveSince) {
        m_dated.push_back({*parole.NoFaltaGraveSince,
                           "Em " + Date(*parole.NoFaltaGraveSince) +
                               ", completam-se doze meses sem falta grave desde a \xFAltima, de " +
                               Date(*m_answer.LastFalta) + Cited(kParoleNoRecentFalta) + "."});
    }
}

std::string ExecutionWriter::CreditsCoverParagraph() const {
    if (m_answer.Art75Applies) {
        return "Cumprimento encerrado pelo limite de " + std::to_string(m_answer.Art75CapYears) +
               " anos" + CitedWithLaw(m_answer.Art75Source) +
               ": detra\xE7\xE3o e remi\xE7\xE3o alcan\xE7"
               "am o limite, e n\xE3o h\xE1 datas a calcular.";
    }
    return "Pena integralmente cumprida" + std::string(Cited(kDetracao)) +
           ": detra\xE7\xE3o e remi\xE7\xE3o alcan\xE7"
           "am a pena inteira, e n\xE3o h\xE1 datas a calcular.";
}

void ExecutionWriter::AddEnds() {
    if (m_answer.CreditsCoverTerm) {
        m_dated.push_back({m_answer.FirstDay, CreditsCoverParagraph()});
        return;
    }
    if (m_answer.Art75Applies && m_answer.Art75End) {
        m_dated.push_back({*m_answer.Art75End, "Em " + Date(*m_answer.Art75End) +
                                                   ", fim do cumprimento pelo limite de " +
                                                   std::to_string(m_answer.Art75CapYears) +
                                                   " anos" + CitedWithLaw(m_answer.Art75Source) +
                                                   ", contado de " + Date(m_answer.Art75CountFrom) +
                                                   Cited(kBenefitsOnTheWholeTerm) + "."});
    }
    if (m_answer.EndOfTotal) {
        std::string text = std::string(m_answer.Art75Applies ? "T\xE9rmino da pena total: "
                                                             : "T\xE9rmino da pena: ") +
                           Date(*m_answer.EndOfTotal) + ", contado o primeiro dia" +
                           Cited(kFirstDayCounts);
        if (m_answer.Art75Applies) {
            text += "; o cumprimento termina antes, pelo limite do art. 75";
        }
        m_dated.push_back({*m_answer.EndOfTotal, text + "."});
    }
}

void ExecutionWriter::AddState() {
    std::vector<std::string> parts;
    for (const auto& [what, days] : {std::pair{"per\xED"
                                               "odos",
                                               m_answer.PeriodDays},
                                     std::pair{"remi\xE7\xE3o", m_answer.RemicaoDays},
                                     std::pair{"detra\xE7\xE3o", m_answer.DetracaoDays}}) {
        if (days != 0) {
            parts.push_back(std::string(what) + ", " + DayCount(days));
        }
    }
    std::string text = "Na data do c\xE1lculo, " + Date(m_answer.CalculationDate) + ": cumpridos " +
                       Units(m_answer.ServedDays);
    if (parts.size() > 1) {
        text += " (" + JoinedWithSemicolons(parts) + ")";
    }
    text += ", " + Percent(m_answer.PercentServed) + " da pena; restam " +
            Units(m_answer.RemainingDays) + ". ";
    if (m_answer.FullyServed && m_answer.Art75Applies) {
        text += "Cumprimento encerrado pelo limite do art. 75. ";
    } else if (m_answer.FullyServed) {
        text += "Pena integralmente cumprida. ";
    } else if (!m_answer.Serving) {
        text += "Fora do cumprimento: as datas aguardam o retorno ao cumprimento. ";
    }
    text += "Regime atual: " + std::string(RegimeName(m_answer.CurrentRegime));
    if (m_answer.RegimeDue != m_answer.CurrentRegime) {
        text += "; pelas progress\xF5"
                "es alcan\xE7"
                "adas, o " +
                std::string(RegimeName(m_answer.RegimeDue));
    }
    text += ". Data-base: " + Date(m_answer.DataBase) + ", " + m_answer.DataBaseReasonText + ".";
    std::vector<std::string> imputed;
    for (const ImputedTime& time : m_answer.Imputation) {
        imputed.push_back(ConvictionLabel(m_answer, time.Conviction) + ", " +
                          std::to_string(time.ImputedDays) + " imputados e " +
                          std::to_string(time.RemainingDays) + " a cumprir");
    }
    if (m_answer.Convictions.size() > 1) {
        text += " Imputa\xE7\xE3o pela " + std::string(ShownName(m_answer.Options.Imputation)) +
                Cited(kReclusaoFirst) + ", em dias: " + JoinedWithSemicolons(imputed) + ".";
    }
    m_dated.push_back({m_answer.CalculationDate, text});
}

void ExecutionWriter::AddAlternatives() {
    for (const ImputationAlternative& alternative : m_answer.Alternatives) {
        m_dated.push_back(
            {alternative.DueFrom,
             "Pela imputa\xE7\xE3o por " + std::string(ShownName(alternative.Option)) +
                 ", a progress\xE3o para o regime " + std::string(RegimeName(alternative.To)) +
                 ", de " + DayCount(alternative.Days) + ", seria devida a partir de " +
                 Date(alternative.DueFrom) + "."});
    }
}

std::string ExecutionWriter::Write() {
    std::vector<std::string> paragraphs{Opening(), ConvictionsParagraph(), RegimeParagraph(),
                                        ProgressionRules()};
    if (m_answer.CreditsCoverTerm) {
        paragraphs.push_back(CreditsCoverParagraph());
    }
    if (m_answer.ParoleRefused != ParoleRefusal::None) {
        paragraphs.push_back(ParoleRefusalText());
    }
    AddPeriods();
    AddCredits();
    AddEvents();
    AddProgressions();
    AddParole();
    AddEnds();
    AddState();
    AddAlternatives();
    std::stable_sort(m_dated.begin(), m_dated.end(),
                     [](const Dated& a, const Dated& b) { return a.Date < b.Date; });
    for (Dated& dated : m_dated) {
        paragraphs.push_back(std::move(dated.Text));
    }
    if (!m_answer.Notes.empty()) {
        paragraphs.push_back(NotesParagraph(m_answer.Notes));
    }
    paragraphs.push_back(
        "Op\xE7\xF5"
        "es: imputa\xE7\xE3o " +
        std::string(DocumentName(m_answer.Options.Imputation)) + ", livramento_vedado " +
        std::string(DocumentName(m_answer.Options.BarredParole)) + ", limite_art75 " +
        std::string(DocumentName(m_answer.Options.Art75Limit)) + ".");
    return JoinAnalysis(paragraphs, m_answer.Convention);
}

} // namespace

std::string WriteCaseExecution(const CaseExecutionAnswer& answer, const ExecutionCase& question) {
    return ExecutionWriter(answer, question).Write();
}

std::string DataBaseReasonText(const DataBaseChange& change, const CaseExecutionAnswer& answer) {
    switch (change.Reason) {
    case DataBaseReason::FirstDay:
        return answer.Convictions.size() > 1
                   ? "o primeiro dia de cumprimento, que a soma de outra condena\xE7\xE3o "
                     "n\xE3o altera" +
                         Cited(kNewConvictionKeeps)
                   : std::string("o primeiro dia de cumprimento");
    case DataBaseReason::FaltaGrave:
        return "a data da falta grave" + Cited(kFaltaResets);
    case DataBaseReason::Fuga:
        return "a data da fuga, falta grave" + Cited(kFaltaResets) +
               "; a contagem retoma na recaptura";
    case DataBaseReason::ProgressionDue:
        return "a data em que a progress\xE3o era devida" + Cited(kProgressionWhenDue);
    case DataBaseReason::ProgressionEntered:
        return "a data informada para a progress\xE3o" + Cited(kProgressionWhenDue);
    case DataBaseReason::CrimeDuringExecution:
        return "a data do crime cometido durante a execu\xE7\xE3o, " +
               ConvictionLabel(answer, change.Conviction.value_or(0)) +
               Cited(kCrimeDuringExecution) + "; nova unifica\xE7\xE3o" + Cited(kNewUnification);
    case DataBaseReason::AfterRegression:
        return "a data da regress\xE3o, quando a progress\xE3o j\xE1 era devida" +
               Cited(kRegression);
    }
    return {};
}

std::string ConvictionLabel(const CaseExecutionAnswer& answer, std::size_t conviction) {
    const std::string& processo = answer.Convictions[conviction].Processo;
    if (processo.empty()) {
        return "condena\xE7\xE3o " + std::to_string(conviction + 1);
    }
    return "processo " + processo;
}

std::string CarriedText(const CaseExecutionAnswer& answer) {
    std::vector<std::string> parts;
    if (answer.CarriedWorkDays > 0) {
        parts.push_back(DayCount(answer.CarriedWorkDays) + " de trabalho");
    }
    if (answer.CarriedStudyHours > 0) {
        parts.push_back(std::to_string(answer.CarriedStudyHours) + " horas de estudo");
    }
    if (answer.CarriedNightHours > 0) {
        parts.push_back(std::to_string(answer.CarriedNightHours) +
                        " horas de recolhimento noturno");
    }
    return JoinedWithAnd(parts);
}

} // namespace zarn
