#include "law/ConsequencesText.h"

#include "law/LawTables.h"
#include "law/LegalText.h"

#include <string_view>
#include <vector>

namespace zarn {

namespace {

constexpr std::string_view kPossible = "cab\xEDvel";
constexpr std::string_view kNotPossible = "incab\xEDvel";
constexpr std::string_view kReasonsJoiner = "; ";

std::string Possibility(bool possible) {
    return std::string(possible ? kPossible : kNotPossible);
}

std::string JoinReasons(const std::vector<std::string_view>& reasons) {
    std::string text;
    for (const std::string_view reason : reasons) {
        if (!text.empty()) {
            text += kReasonsJoiner;
        }
        text += reason;
    }
    return text;
}

std::string TermParagraph(long long termDays) {
    return "Pena: " + TermOfDays(termDays) + " (" + DayCount(termDays) + ").";
}

std::string RegimeParagraph(const RegimeAnswer& regime, const CaseFacts& facts) {
    std::string text =
        "Regime inicial: " + std::string(RegimeName(regime.Initial)) + Cited(regime.Source) + ".";
    if (facts.DetracaoDays > 0) {
        text += " Descontada a detra\xE7\xE3o de " + DayCount(facts.DetracaoDays) +
                Cited(kDetracaoForRegime) + ", o regime segue a pena de " +
                TermOfDays(regime.TermDays) + ".";
    }
    if (regime.EasedForDetencao) {
        text += " A pena de deten\xE7\xE3o n\xE3o se inicia no regime fechado.";
    }
    if (!facts.FavourableCircumstances) {
        text += " Circunst\xE2ncias judiciais desfavor\xE1veis podem justificar regime mais "
                "gravoso" +
                Cited(kHarsherRegime) + ".";
    }
    return text;
}

std::vector<std::string_view> SubstitutionBars(long long termDays,
                                               const SubstitutionAnswer& substitution,
                                               const CaseFacts& facts) {
    std::vector<std::string_view> bars;
    if (substitution.TermOrViolenceBars && termDays > kSubstitutionMaxDays) {
        bars.push_back("pena acima de 4 anos em crime doloso");
    }
    if (substitution.TermOrViolenceBars && facts.Violence) {
        bars.push_back("crime doloso com viol\xEAncia ou grave amea\xE7"
                       "a \xE0 pessoa");
    }
    if (substitution.RepeatOffenceBars) {
        bars.push_back("reincid\xEAncia em crime doloso");
    }
    if (substitution.CircumstancesBar) {
        bars.push_back("circunst\xE2ncias judiciais desfavor\xE1veis");
    }
    return bars;
}

std::string SubstitutionParagraph(long long termDays, const SubstitutionAnswer& substitution,
                                  const CaseFacts& facts) {
    std::string text = "Substitui\xE7\xE3o por penas restritivas de direitos: " +
                       Possibility(substitution.Possible);
    if (substitution.Possible) {
        return text + ", por " + std::string(substitution.Form) + Cited(substitution.Source) + ".";
    }
    text += Cited(substitution.Source) + ": " +
            JoinReasons(SubstitutionBars(termDays, substitution, facts)) + ".";
    if (substitution.RepeatOffenceBars) {
        text += " Ao reincidente a substitui\xE7\xE3o ainda pode ser admitida em caso "
                "excepcional" +
                Cited(kSubstitutionRepeatException) + ".";
    }
    return text;
}

std::vector<std::string_view> SursisBars(long long termDays, const SursisAnswer& sursis,
                                         const CaseFacts& facts) {
    std::vector<std::string_view> bars;
    if (sursis.SubstitutionComesFirst) {
        bars.push_back("cabe a substitui\xE7\xE3o da pena, que a precede");
    }
    if (facts.RepeatOffender) {
        bars.push_back("reincid\xEAncia em crime doloso");
    }
    if (!facts.FavourableCircumstances) {
        bars.push_back("circunst\xE2ncias judiciais desfavor\xE1veis");
    }
    const SursisRow& widest = kSursisRows.back();
    if (termDays > widest.MaxDays) {
        bars.push_back("pena acima de 4 anos");
    } else if (termDays > kSursisRows.front().MaxDays && !facts.Over70AtSentence) {
        bars.push_back("pena acima de 2 anos");
    }
    return bars;
}

std::string SursisParagraph(long long termDays, const SursisAnswer& sursis,
                            const CaseFacts& facts) {
    std::string text = "Suspens\xE3o condicional da pena (sursis): " + Possibility(sursis.Possible);
    if (sursis.Possible) {
        return text +
               ", com per\xED"
               "odo de prova de " +
               std::string(sursis.Period) + Cited(sursis.Source) + ".";
    }
    text += Cited(sursis.Source) + ": " + JoinReasons(SursisBars(termDays, sursis, facts)) + ".";
    const SursisRow& ageRow = kSursisRows.back();
    const bool ageCouldHelp = termDays > kSursisRows.front().MaxDays &&
                              termDays <= ageRow.MaxDays && !facts.Over70AtSentence &&
                              !facts.RepeatOffender && facts.FavourableCircumstances &&
                              !sursis.SubstitutionComesFirst;
    if (ageCouldHelp) {
        text += " Por raz\xF5"
                "es de sa\xFA"
                "de, a suspens\xE3o alcan\xE7"
                "a penas de at\xE9 4 anos, com per\xED"
                "odo de prova de " +
                std::string(ageRow.Period) + Cited(ageRow.Source) + ".";
    }
    return text;
}

std::string ParoleDetails(const ParoleAnswer& parole) {
    return "cab\xEDvel ap\xF3s o cumprimento de mais de " + FractionText(parole.Share) +
           " da pena, " + DaysAndTerm(parole.Days);
}

std::string ProgressionParagraph(const ProgressionAnswer& progression, Regime initial) {
    std::string text = "Progress\xE3o de regime: " + PercentText(progression.Share, ',') +
                       "% da pena, " + DaysAndTerm(progression.Days) +
                       ", para a primeira progress\xE3o" + Cited(progression.Source) + ".";
    if (initial == Regime::Aberto) {
        text += " O regime inicial j\xE1 \xE9 o aberto.";
    }
    return text;
}

std::string PrescriptionParagraph(const PrescriptionAnswer& prescription) {
    std::string text =
        "Prescri\xE7\xE3o pela pena aplicada" + Cited(prescription.Source) +
        ", retroativa e intercorrente" + Cited(kPunitivaByAppliedTerm) +
        ": da pretens\xE3o punitiva em " + YearsAndMonths(prescription.PunitivaMonths) +
        "; da pretens\xE3o execut\xF3ria em " + YearsAndMonths(prescription.ExecutoriaMonths) +
        Cited(kRepeatOffenderIncrease.Source) + ".";
    if (prescription.IncreasedForRepeat) {
        text += " A reincid\xEAncia aumenta de um ter\xE7o o prazo da execut\xF3ria e n\xE3o "
                "altera o da punitiva" +
                Cited(kPunitivaIgnoresRepeat) + ".";
    }
    if (prescription.Halved) {
        text += " Prazos reduzidos de metade pela idade" + Cited(kAgeHalving.Source) + ".";
    }
    if (prescription.EarlierPeriodYears) {
        text += " Para crime anterior a " + WriteCivilDate(*kPrescriptionWording.InForce) +
                ", o prazo de base \xE9 de " + std::to_string(*prescription.EarlierPeriodYears) +
                " anos, e n\xE3o de " + std::to_string(prescription.PeriodYears) + " (" +
                std::string(kPrescriptionWording.Law) + ").";
    }
    text += " A multa aplicada com a pena privativa de liberdade prescreve com ela" +
            Cited(kDayFinesPrescription) + ". Em concurso de crimes, cada um prescreve por si" +
            Cited(kConcursoCountedAlone) + ".";
    return text;
}

} // namespace

std::string WriteConsequences(const Consequences& answers, const CaseFacts& facts) {
    const long long term = answers.TermDays;
    return JoinAnalysis(
        {
            TermParagraph(term),
            RegimeParagraph(answers.Regime, facts),
            SubstitutionParagraph(term, answers.Substitution, facts),
            SursisParagraph(term, answers.Sursis, facts),
            ParoleParagraph(answers.Parole, ParoleDetails(answers.Parole)),
            ProgressionParagraph(answers.Progression, answers.Regime.Initial),
            PrescriptionParagraph(answers.Prescription),
        },
        CountingConvention::Base360);
}

} // namespace zarn
