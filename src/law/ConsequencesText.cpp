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
    if (regime.FullyServed) {
        return "Regime inicial: nenhum, pois a detra\xE7\xE3o de " + DayCount(facts.DetracaoDays) +
               " alcan\xE7"
               "a a pena inteira: pena integralmente cumprida" +
               Cited(kDetracao) + ".";
    }
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
    if (regime.HarsherExists) {
        text += " Regime mais gravoso s\xF3 com fundamenta\xE7\xE3o concreta" +
                Cited(kHarsherRegime) +
                ": n\xE3o bastam a gravidade abstrata do crime nem ser ele hediondo.";
        if (!facts.FavourableCircumstances) {
            text += " As circunst\xE2ncias judiciais desfavor\xE1veis podem fundament\xE1-lo.";
        }
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
        bars.push_back("reincid\xEAncia espec\xED"
                       "fica em crime doloso (CP art. 44, II e \xA7 3\xBA)");
    }
    return bars;
}

std::string SubstitutionParagraph(long long termDays, const SubstitutionAnswer& substitution,
                                  const CaseFacts& facts) {
    std::string text = "Substitui\xE7\xE3o por penas restritivas de direitos: " +
                       Possibility(substitution.Possible);
    if (!substitution.Possible) {
        return text + Cited(substitution.Source) + ": " +
               JoinReasons(SubstitutionBars(termDays, substitution, facts)) + ".";
    }
    if (substitution.AtJudgesDiscretion) {
        text += ", a crit\xE9rio do juiz" + Cited(kSubstitutionRepeatException) +
                ", se socialmente recomend\xE1vel ao reincidente em crime doloso que n\xE3o \xE9 "
                "espec\xED"
                "fico; a forma \xE9 " +
                std::string(substitution.Form) + Cited(kSubstitutionForm) + ".";
    } else {
        text += ", por " + std::string(substitution.Form) + Cited(substitution.Source) + ".";
    }
    if (substitution.DependsOnCircumstances) {
        text += " Com circunst\xE2ncias judiciais desfavor\xE1veis, depende de o juiz julgar a "
                "substitui\xE7\xE3o suficiente" +
                Cited(kSubstitutionSuffices) + ".";
    }
    return text;
}

std::vector<std::string_view> SursisBars(long long termDays, const SursisAnswer& sursis,
                                         const CaseFacts& facts) {
    std::vector<std::string_view> bars;
    if (sursis.SubstitutionComesFirst) {
        bars.push_back("cabe a substitui\xE7\xE3o da pena, que a exclui (CP art. 77, III)");
    }
    if (RepeatInDolosoCrime(facts)) {
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
    if (sursis.HealthCouldOpen) {
        const SursisRow& ageRow = kSursisRows.back();
        text += " Por raz\xF5"
                "es de sa\xFA"
                "de, a suspens\xE3o alcan\xE7"
                "a penas de at\xE9 4 anos, com per\xED"
                "odo de prova de " +
                std::string(ageRow.Period) + Cited(ageRow.Source) + ".";
    }
    return text;
}

std::string ParoleDetails(const ParoleAnswer& parole, const CaseFacts& facts) {
    std::string text = "cab\xEDvel ap\xF3s o cumprimento de mais de " + FractionText(parole.Share) +
                       " da pena, " + DaysAndTerm(parole.Days);
    text += Cited(parole.Source) +
            ". Requisitos que o c\xE1lculo n\xE3o verifica: bom "
            "comportamento, nenhuma falta grave nos \xFAltimos 12 meses" +
            Cited(kParoleNoRecentFalta) +
            ", aptid\xE3o para o trabalho e meios de subsist\xEAncia, repara\xE7\xE3o do dano" +
            Cited(kParoleDamageRepair);
    if (facts.Violence && !facts.Culposo) {
        text += " e, no crime com viol\xEAncia ou grave amea\xE7"
                "a, as condi\xE7\xF5"
                "es pessoais" +
                Cited(kParoleViolentCrime);
    }
    return text;
}

std::string ProgressionParagraph(const ProgressionAnswer& progression, Regime initial,
                                 bool fullyServed, const CaseFacts& facts) {
    const ProgressionRule& rule = progression.Rule;
    std::string text = "Progress\xE3o de regime: " + ShareText(rule) + " da pena, " +
                       DaysAndTerm(progression.Days) + ", para a primeira progress\xE3o" +
                       CitedWithLaw(rule.Source) + ".";
    if (initial == Regime::Aberto && !fullyServed) {
        text += " O regime inicial j\xE1 \xE9 o aberto.";
    }
    text += " Requisitos que o c\xE1lculo n\xE3o verifica: boa conduta carcer\xE1ria" +
            Cited(kGoodConduct);
    const DayNumber examFrom = DateFromCivil(kCriminologicalExamWording.InForce->Year,
                                             kCriminologicalExamWording.InForce->Month,
                                             kCriminologicalExamWording.InForce->Day);
    if (facts.CrimeDate && *facts.CrimeDate < examFrom) {
        text += "; o exame criminol\xF3gico da " + std::string(kCriminologicalExamWording.Law) +
                " n\xE3o se exige para crime anterior a " +
                WriteCivilDate(*kCriminologicalExamWording.InForce) + ".";
    } else {
        text +=
            " e o exame criminol\xF3gico (" + std::string(kCriminologicalExamWording.Law) + ").";
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
    if (prescription.HalvingBarred && prescription.AgeWouldHalve) {
        text += " Sem redu\xE7\xE3o de metade pela idade no crime de viol\xEAncia sexual contra a "
                "mulher cometido desde " +
                WriteCivilDate(*kSexualViolenceWording.InForce) + " (" +
                std::string(kSexualViolenceWording.Law) + ").";
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
    std::vector<std::string> paragraphs{
        TermParagraph(term),
        RegimeParagraph(answers.Regime, facts),
        SubstitutionParagraph(term, answers.Substitution, facts),
        SursisParagraph(term, answers.Sursis, facts),
        ParoleParagraph(answers.Parole, ParoleDetails(answers.Parole, facts)),
        ProgressionParagraph(answers.Progression, answers.Regime.Initial,
                             answers.Regime.FullyServed, facts),
        PrescriptionParagraph(answers.Prescription),
    };
    if (!answers.Notes.empty()) {
        paragraphs.push_back(NotesParagraph(answers.Notes));
    }
    return JoinAnalysis(paragraphs, CountingConvention::Base360);
}

} // namespace zarn
