#include "sentencing/SentencingText.h"

#include "engine/Texts.h"
#include "law/Fraction.h"
#include "law/LegalText.h"
#include "law/SpanLayout.h"
#include "sentencing/Sentencing.h"
#include "sentencing/SentencingLaw.h"
#include "sentencing/SentencingNames.h"

#include <algorithm>
#include <cctype>
#include <string_view>

namespace zarn {

namespace {

constexpr std::string_view kSentenceEnd = ".";
constexpr std::string_view kClauseSeparator = "; ";
constexpr std::string_view kLastClauseSeparator = "; e ";

constexpr std::string_view kFirstPhase = "na primeira fase";
constexpr std::string_view kSecondPhase = "na segunda fase, ";
constexpr std::string_view kThirdPhase = "na terceira fase";

constexpr std::string_view kOfInterval = "do intervalo entre as penas m\xEDnima e m\xE1xima";
constexpr std::string_view kOfMinimum = "da pena m\xEDnima";
constexpr std::string_view kNoCircumstance = "sem circunst\xE2ncias judiciais desfavor\xE1veis";
constexpr std::string_view kAtTheMinimum = ", fixo a pena-base no m\xEDnimo legal, em ";
constexpr std::string_view kOneCircumstance =
    "considerada desfavor\xE1vel a circunst\xE2ncia judicial ";
constexpr std::string_view kSeveralCircumstances =
    "consideradas desfavor\xE1veis as circunst\xE2ncias judiciais ";
constexpr std::string_view kEachRaises = ", cada uma eleva a pena em ";
constexpr std::string_view kWithIncreaseOf = ", com aumento de ";
constexpr std::string_view kFixBase = "fixo a pena-base em ";
constexpr std::string_view kBaseSumWouldBe = "a soma das circunst\xE2ncias, ";
constexpr std::string_view kPassesMaximum = ", passaria do m\xE1ximo legal";
constexpr std::string_view kFixBaseAtMaximum = ": fixo a pena-base no m\xE1ximo, em ";
constexpr std::string_view kInformedFines =
    "Os dias-multa s\xE3o os informados, que as fases da pena n\xE3o alteram";

constexpr std::string_view kFeminineArticle = "a ";
constexpr std::string_view kAgravanteWord = "agravante ";
constexpr std::string_view kAtenuanteWord = "atenuante ";
constexpr std::string_view kOfShare = ", de ";
constexpr std::string_view kNoModifiers = "sem agravantes nem atenuantes";
constexpr std::string_view kCompensatesFully = " compensa-se integralmente com ";
constexpr std::string_view kCompensatesInProportion = " compensa-se em propor\xE7\xE3o com ";
constexpr std::string_view kRemainsAgravante = ": resta a agravante em ";
constexpr std::string_view kRemainsAtenuante = ": resta a atenuante em ";
constexpr std::string_view kNothingRemains = ": uma anula a outra";
constexpr std::string_view kConfissaoName = "confissao";
constexpr std::string_view kPresent = "presente ";
constexpr std::string_view kPresentSeveral = "presentes ";
constexpr std::string_view kAppliedOnBase = ", aplicada sobre a pena-base";
constexpr std::string_view kSummedOnBase =
    ", as fra\xE7\xF5"
    "es somam-se, agravantes menos atenuantes, e aplicam-se uma s\xF3 vez sobre a pena-base: ";
constexpr std::string_view kFractionsCancel =
    ", as fra\xE7\xF5"
    "es somadas anulam-se, e a pena-base n\xE3o se altera";
constexpr std::string_view kAgravantesFirst = "as agravantes primeiro";
constexpr std::string_view kAtenuantesFirst =
    "as atenuantes primeiro, ordem que d\xE1 pena menor ao r\xE9u (a lei n\xE3o fixa a ordem)";
constexpr std::string_view kLeadsTo = ", que leva a pena a ";
constexpr std::string_view kLeadsItTo = ", que a leva a ";
constexpr std::string_view kWouldLeadTo = "Com isso a pena iria a ";
constexpr std::string_view kNotBelowMinimum =
    ", mas a pena provis\xF3ria n\xE3o pode ficar aqu\xE9m do m\xEDnimo legal";
constexpr std::string_view kNotAboveMaximum =
    ", mas a pena provis\xF3ria n\xE3o pode passar do m\xE1ximo legal";
constexpr std::string_view kFixItAt = ": fixo-a em ";
constexpr std::string_view kFixProvisional = "fixo a pena provis\xF3ria em ";

constexpr std::string_view kNoCauses = "sem causas de aumento ou de diminui\xE7\xE3o";
constexpr std::string_view kMakeDefinitive = "torno definitiva a pena de ";
constexpr std::string_view kCauseOfIncrease = "causa de aumento ";
constexpr std::string_view kCauseOfDecrease = "causa de diminui\xE7\xE3o ";
constexpr std::string_view kApply = "aplico ";
constexpr std::string_view kInCascade = "aplico em cascata, cada uma sobre o resultado da anterior";
constexpr std::string_view kIncreasesFirst = "os aumentos antes das diminui\xE7\xF5"
                                             "es";
constexpr std::string_view kDecreasesFirst = "as diminui\xE7\xF5"
                                             "es antes dos aumentos";
constexpr std::string_view kSeveralSpecialIncreases =
    "com mais de uma causa de aumento da parte especial, aplico s\xF3 a que mais aumenta e "
    "deixo de aplicar ";
constexpr std::string_view kSeveralSpecialDecreases =
    "com mais de uma causa de diminui\xE7\xE3o da parte especial, aplico s\xF3 a que mais "
    "diminui e deixo de aplicar ";
constexpr std::string_view kFinesCeilingHeld =
    " (os dias-multa param no teto de 66.666 do c\xE1lculo)";

constexpr std::string_view kRecognised = "Reconhecido o ";
constexpr std::string_view kAmongCrimes = " entre os ";
constexpr std::string_view kCrimesWord = " crimes";
constexpr std::string_view kTermsSummed = ", somam-se as penas: ";
constexpr std::string_view kMostSerious = ", aplico a pena mais grave, ";
constexpr std::string_view kIncreasedBy = ", aumentada de ";
constexpr std::string_view kNotAboveSum = ", que n\xE3o passa da soma das penas, ";
constexpr std::string_view kWouldPassSum = ", que passaria da soma das penas; fica na soma, ";
constexpr std::string_view kFinesSummed = "As multas somam-se";
constexpr std::string_view kOneFine = "A multa \xE9 uma s\xF3, a do crime de pena mais grave, ";
constexpr std::string_view kOneFineCapped = ", limitada \xE0 soma das multas";
constexpr std::string_view kFinalTerm = "Pena final: ";
constexpr std::string_view kOptionsTitle = "Op\xE7\xF5"
                                           "es: ";
constexpr std::string_view kBaseOption = "pena-base, ";
constexpr std::string_view kSecondPhaseOption = "segunda fase, ";
constexpr std::string_view kThirdPhaseOption = "terceira fase, ";
constexpr std::string_view kFinesOption = "dias-multa, ";
constexpr std::string_view kContinuedFinesOption = "multa do crime continuado, ";

// Step lines.
constexpr std::string_view kStartLine = "pena m\xEDnima";
constexpr std::string_view kUnfavourableLine = "desfavor\xE1vel: ";
constexpr std::string_view kInformedFinesLine = "dias-multa informados";
constexpr std::string_view kCompensationLine = "confiss\xE3o espont\xE2nea compensada com ";
constexpr std::string_view kInProportionLine = ", em propor\xE7\xE3o, resta ";
constexpr std::string_view kCountedLine = ", fra\xE7\xE3o ";
constexpr std::string_view kSummedLine = "fra\xE7\xF5"
                                         "es somadas sobre a pena-base";
constexpr std::string_view kCancelLine = ": anulam-se";
constexpr std::string_view kSetAsideLine = " deixada de aplicar";
constexpr std::string_view kMinimumLine = "limite do m\xEDnimo legal";
constexpr std::string_view kMaximumLine = "limite do m\xE1ximo legal";
constexpr std::string_view kSumLine = "limite da soma das penas";
constexpr std::string_view kCeilingLine = "teto de 66.666 dias-multa do c\xE1lculo";
constexpr std::string_view kConcursoSumLine = "soma das penas";
constexpr std::string_view kMostSeriousLine = "pena mais grave";
constexpr std::string_view kFinesSummedLine = "multas somadas";
constexpr std::string_view kOneFineLine = "multa \xFAnica";

std::string Capitalised(std::string text) {
    if (!text.empty()) {
        text.front() = static_cast<char>(std::toupper(static_cast<unsigned char>(text.front())));
    }
    return text;
}

// The citation, or nothing for a limit that has no article of its own.
std::string CitedIfAny(const LegalSource& source) {
    return source.Article.empty() ? std::string() : Cited(source);
}

std::string Term(const TermAmount& term, bool inWords) {
    return WriteTerm(PartsOf(term), inWords);
}

std::string FractionOf(const std::optional<Fraction>& share) {
    return share ? FractionText(*share) : std::string();
}

// "a", "a e b", "a, b e c".
std::string JoinList(const std::vector<std::string>& items, std::string_view separator,
                     std::string_view lastSeparator) {
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) {
            text += i + 1 == items.size() ? lastSeparator : separator;
        }
        text += items[i];
    }
    return text;
}

std::string JoinList(const std::vector<std::string>& items) {
    return JoinList(items, kListSeparator, kListLastSeparator);
}

std::vector<const SentencingStep*> StepsOf(const std::vector<SentencingStep>& steps,
                                           SentencingPhase phase, StepKind kind) {
    std::vector<const SentencingStep*> found;
    for (const SentencingStep& step : steps) {
        if (step.Fase == phase && step.Tipo == kind) {
            found.push_back(&step);
        }
    }
    return found;
}

const SentencingStep* LimitOf(const std::vector<SentencingStep>& steps, SentencingPhase phase) {
    const std::vector<const SentencingStep*> limits = StepsOf(steps, phase, StepKind::Limit);
    return limits.empty() ? nullptr : limits.front();
}

const CircumstanceName* FindCircumstance(const std::string& casoName) {
    const auto found =
        std::find_if(kCircumstanceNames.begin(), kCircumstanceNames.end(),
                     [&casoName](const CircumstanceName& row) { return row.CasoName == casoName; });
    return found == kCircumstanceNames.end() ? nullptr : &*found;
}

std::string CircumstanceOfForm(const SentencingStep& step) {
    const CircumstanceName* row = FindCircumstance(step.Nome);
    return row != nullptr ? std::string(row->OfForm) : step.Nome;
}

std::string CircumstanceDisplay(const SentencingStep& step) {
    const CircumstanceName* row = FindCircumstance(step.Nome);
    return row != nullptr ? std::string(row->DisplayName) : step.Nome;
}

std::string_view BasePhrase(ShareBase base) {
    return base == ShareBase::Minimum ? kOfMinimum : kOfInterval;
}

// "1/8 do intervalo entre as penas m\xEDnima e m\xE1xima (1 ano e 9 meses, e 43 dias-multa)",
// or the term typed: "1 ano, e 10 dias-multa".
std::string ShareWords(const SentencingStep& step, bool inWords) {
    if (step.Base == ShareBase::TypedTerm) {
        return Term(step.Parcela, inWords);
    }
    return FractionOf(step.Fracao) + " " + std::string(BasePhrase(step.Base)) + " (" +
           Term(step.Parcela, inWords) + ")";
}

// "a agravante do motivo f\xFAtil (CP art. 61, II, a), de 1/6", or the name as typed.
std::string ModifierWords(const SentencingStep& step) {
    const ModifierRole role = step.Aumenta ? ModifierRole::Agravante : ModifierRole::Atenuante;
    const ModifierName* row = FindModifier(role, step.Nome);
    std::string text =
        std::string(kFeminineArticle) + std::string(step.Aumenta ? kAgravanteWord : kAtenuanteWord);
    text += row != nullptr ? std::string(row->OfForm) + Cited(row->Source) : step.Nome;
    return text + std::string(kOfShare) + FractionOf(step.Fracao);
}

// "aumento de 1/6", "diminui\xE7\xE3o de 1/3": the calculation record's words.
std::string OperationWords(bool increase, const std::optional<Fraction>& share) {
    return std::string(increase ? kIncreaseWords : kReductionWords) + FractionOf(share);
}

// "causa de aumento <nome>".
std::string CauseName(const SentencingStep& step) {
    return std::string(step.Aumenta ? kCauseOfIncrease : kCauseOfDecrease) + step.Nome;
}

// "a causa de diminui\xE7\xE3o tentativa, de 1/3".
std::string CauseWords(const SentencingStep& step) {
    return std::string(kFeminineArticle) + CauseName(step) + std::string(kOfShare) +
           FractionOf(step.Fracao);
}

bool AllByCriterion(const std::vector<const SentencingStep*>& circumstances) {
    const SentencingStep& first = *circumstances.front();
    return circumstances.size() > 1 &&
           std::all_of(circumstances.begin(), circumstances.end(), [&first](const auto* step) {
               return step->Motivo.empty() && step->Base == first.Base &&
                      step->Base != ShareBase::TypedTerm && step->Fracao == first.Fracao;
           });
}

std::string FirstPhaseParagraph(const CrimeSentence& crime, bool inWords) {
    const std::vector<SentencingStep>& steps = crime.Passos;
    const auto circumstances = StepsOf(steps, SentencingPhase::PenaBase, StepKind::Circumstance);
    const TermAmount base = [&] {
        const SentencingStep* limit = LimitOf(steps, SentencingPhase::PenaBase);
        return limit != nullptr        ? limit->Depois
               : circumstances.empty() ? steps.front().Depois
                                       : circumstances.back()->Depois;
    }();
    std::string text = std::string(kFirstPhase) + Cited(kJudicialCircumstancesSource) + ", ";
    if (circumstances.empty()) {
        text += std::string(kNoCircumstance) + std::string(kAtTheMinimum) + Term(base, inWords) +
                std::string(kSentenceEnd);
    } else {
        text += circumstances.size() == 1 ? kOneCircumstance : kSeveralCircumstances;
        if (AllByCriterion(circumstances)) {
            std::vector<std::string> names;
            for (const SentencingStep* step : circumstances) {
                names.push_back(CircumstanceOfForm(*step));
            }
            text += JoinList(names) + std::string(kEachRaises) +
                    ShareWords(*circumstances.front(), inWords) + ", e ";
        } else {
            std::vector<std::string> items;
            for (const SentencingStep* step : circumstances) {
                std::string item = CircumstanceOfForm(*step);
                if (!step->Motivo.empty()) {
                    item += " (" + step->Motivo + ")";
                }
                items.push_back(item + std::string(kWithIncreaseOf) + ShareWords(*step, inWords));
            }
            text += JoinList(items, kClauseSeparator, kLastClauseSeparator) +
                    (items.size() == 1 ? ", " : std::string(kClauseSeparator));
        }
        const SentencingStep* limit = LimitOf(steps, SentencingPhase::PenaBase);
        if (limit != nullptr) {
            text += std::string(kBaseSumWouldBe) + Term(limit->Antes, inWords) +
                    std::string(kPassesMaximum) + Cited(limit->Fonte) +
                    std::string(kFixBaseAtMaximum);
        } else {
            text += kFixBase;
        }
        text += Term(base, inWords) + std::string(kSentenceEnd);
    }
    if (!StepsOf(steps, SentencingPhase::PenaBase, StepKind::FinesInformed).empty()) {
        text += " " + std::string(kInformedFines) + ": " +
                WriteTerm(TermParts{0, 0, 0, base.Fines}, inWords) + std::string(kSentenceEnd);
    }
    return text;
}

// Sentences joined into a paragraph after its opening words, each after the first with a
// capital.
std::string JoinSentences(std::string opening, const std::vector<std::string>& sentences) {
    for (std::size_t i = 0; i < sentences.size(); ++i) {
        opening += i == 0 ? sentences[i] : " " + Capitalised(sentences[i]);
    }
    return opening;
}

std::string CompensationSentence(const SentencingStep& step) {
    const ModifierName* confession = FindModifier(ModifierRole::Atenuante, kConfissaoName);
    const ModifierName* repeat = FindModifier(ModifierRole::Agravante, step.Nome);
    std::string text =
        (std::string(kFeminineArticle) + std::string(kAtenuanteWord)) +
        (confession != nullptr ? std::string(confession->OfForm) + Cited(confession->Source)
                               : std::string(kConfissaoName));
    const bool inProportion = step.Fracao.has_value();
    text += inProportion ? kCompensatesInProportion : kCompensatesFully;
    text += (std::string(kFeminineArticle) + std::string(kAgravanteWord)) +
            (repeat != nullptr ? std::string(repeat->OfForm) : step.Nome) + Cited(step.Fonte);
    if (inProportion) {
        if (step.Fracao->Numerator == 0) {
            text += kNothingRemains;
        } else {
            text += std::string(step.Aumenta ? kRemainsAgravante : kRemainsAtenuante) +
                    FractionOf(step.Fracao);
        }
    }
    return text + std::string(kSentenceEnd);
}

std::string SummedSentence(const std::vector<const SentencingStep*>& counted,
                           const SentencingStep& summed) {
    std::vector<std::string> names;
    for (const SentencingStep* step : counted) {
        names.push_back(ModifierWords(*step));
    }
    std::string text(counted.size() == 1 ? kPresent : kPresentSeveral);
    text += JoinList(names);
    if (summed.Fracao->Numerator == 0) {
        return text + std::string(kFractionsCancel) + std::string(kSentenceEnd);
    }
    if (counted.size() == 1) {
        return text + std::string(kAppliedOnBase) + std::string(kSentenceEnd);
    }
    return text + std::string(kSummedOnBase) + OperationWords(summed.Aumenta, summed.Fracao) +
           std::string(kSentenceEnd);
}

std::string CascadeSentence(const std::vector<const SentencingStep*>& applied, bool inWords) {
    if (applied.size() == 1) {
        return std::string(kPresent) + ModifierWords(*applied.front()) + std::string(kLeadsTo) +
               Term(applied.front()->Depois, inWords) + std::string(kSentenceEnd);
    }
    const auto aggravates = [](const SentencingStep* step) { return step->Aumenta; };
    std::string text(kInCascade);
    if (std::any_of(applied.begin(), applied.end(), aggravates) &&
        !std::all_of(applied.begin(), applied.end(), aggravates)) {
        text += ", " + std::string(applied.front()->Aumenta ? kAgravantesFirst : kAtenuantesFirst);
    }
    std::vector<std::string> results;
    for (std::size_t i = 0; i < applied.size(); ++i) {
        results.push_back(ModifierWords(*applied[i]) + std::string(i == 0 ? kLeadsTo : kLeadsItTo) +
                          Term(applied[i]->Depois, inWords));
    }
    return text + ": " + JoinList(results, kClauseSeparator, kLastClauseSeparator) +
           std::string(kSentenceEnd);
}

std::string SecondPhaseParagraph(const CrimeSentence& crime, bool inWords) {
    const std::vector<SentencingStep>& steps = crime.Passos;
    constexpr SentencingPhase phase = SentencingPhase::PenaProvisoria;
    std::vector<std::string> sentences;
    for (const SentencingStep* step : StepsOf(steps, phase, StepKind::Compensation)) {
        sentences.push_back(CompensationSentence(*step));
    }
    std::vector<const SentencingStep*> counted;
    std::vector<const SentencingStep*> applied;
    for (const SentencingStep* step : StepsOf(steps, phase, StepKind::Modifier)) {
        (step->Aplicada ? applied : counted).push_back(step);
    }
    const auto summed = StepsOf(steps, phase, StepKind::FractionsSummed);
    if (!summed.empty()) {
        sentences.push_back(SummedSentence(counted, *summed.front()));
    } else if (!applied.empty()) {
        sentences.push_back(CascadeSentence(applied, inWords));
    }
    const TermParts& provisional = crime.PenaProvisoria;
    const SentencingStep* limit = LimitOf(steps, phase);
    if (sentences.empty()) {
        return std::string(kSecondPhase) + std::string(kNoModifiers) + ", " +
               std::string(kFixProvisional) + WriteTerm(provisional, inWords) +
               std::string(kSentenceEnd);
    }
    if (limit != nullptr) {
        sentences.push_back(
            std::string(kWouldLeadTo) + Term(limit->Antes, inWords) +
            std::string(limit->Limite == StepLimit::Minimum ? kNotBelowMinimum : kNotAboveMaximum) +
            CitedIfAny(limit->Fonte) + std::string(kFixItAt) + WriteTerm(provisional, inWords) +
            std::string(kSentenceEnd));
    } else {
        sentences.push_back(std::string(kFixProvisional) + WriteTerm(provisional, inWords) +
                            std::string(kSentenceEnd));
    }
    return JoinSentences(std::string(kSecondPhase), sentences);
}

std::string SetAsideSentence(const std::vector<const SentencingStep*>& setAside, bool increases) {
    std::vector<std::string> names;
    for (const SentencingStep* step : setAside) {
        if (step->Aumenta == increases) {
            names.push_back(step->Nome + " (" + FractionOf(step->Fracao) + ")");
        }
    }
    if (names.empty()) {
        return {};
    }
    return std::string(increases ? kSeveralSpecialIncreases : kSeveralSpecialDecreases) +
           JoinList(names) + Cited(kOnlyLargestCauseSource) + std::string(kSentenceEnd);
}

std::string CascadeOfCauses(const std::vector<const SentencingStep*>& applied,
                            const SentencingOptions& options, bool inWords) {
    std::string text = std::string(kInCascade) + ", ";
    const auto increases = [](const SentencingStep* step) { return step->Aumenta; };
    if (std::any_of(applied.begin(), applied.end(), increases) &&
        !std::all_of(applied.begin(), applied.end(), increases)) {
        const bool increasesFirst = options.TerceiraFase == ThirdPhaseOrder::AumentosPrimeiro;
        text += std::string(increasesFirst ? kIncreasesFirst : kDecreasesFirst) +
                Cited(increasesFirst ? kCascadeSource : kThirdPhaseSource) + ", ";
    }
    std::vector<std::string> results;
    for (std::size_t i = 0; i < applied.size(); ++i) {
        results.push_back(CauseWords(*applied[i]) + std::string(i == 0 ? kLeadsTo : kLeadsItTo) +
                          Term(applied[i]->Depois, inWords));
    }
    return text + JoinList(results, kClauseSeparator, kLastClauseSeparator);
}

std::string ThirdPhaseParagraph(const CrimeSentence& crime, const SentencingOptions& options,
                                bool inWords) {
    const std::vector<SentencingStep>& steps = crime.Passos;
    constexpr SentencingPhase phase = SentencingPhase::PenaDefinitiva;
    const auto applied = StepsOf(steps, phase, StepKind::Cause);
    const auto setAside = StepsOf(steps, phase, StepKind::CauseSetAside);
    std::vector<std::string> sentences;
    for (const bool increases : {true, false}) {
        if (std::string sentence = SetAsideSentence(setAside, increases); !sentence.empty()) {
            sentences.push_back(std::move(sentence));
        }
    }
    const std::string definitive = std::string(kMakeDefinitive) +
                                   WriteTerm(crime.PenaDefinitiva, inWords) +
                                   std::string(kSentenceEnd);
    const bool ceiling = !StepsOf(steps, phase, StepKind::Limit).empty();
    const std::string ceilingWords = ceiling ? std::string(kFinesCeilingHeld) : std::string();
    if (applied.empty()) {
        sentences.push_back(std::string(kNoCauses) + ", " + definitive);
    } else if (applied.size() == 1) {
        sentences.push_back(std::string(kApply) + CauseWords(*applied.front()) + ceilingWords +
                            ", e " + definitive);
    } else {
        sentences.push_back(CascadeOfCauses(applied, options, inWords) + ceilingWords + "; " +
                            definitive);
    }
    return JoinSentences(std::string(kThirdPhase) + Cited(kThirdPhaseSource) + ", ", sentences);
}

std::string ConcursoParagraph(const ConcursoSentence& concurso, std::size_t crimes, bool inWords) {
    std::string text = std::string(kRecognised) + std::string(DisplayName(concurso.Tipo)) +
                       std::string(kAmongCrimes) + std::to_string(crimes) +
                       std::string(kCrimesWord);
    const std::vector<SentencingStep>& steps = concurso.Passos;
    constexpr SentencingPhase phase = SentencingPhase::Concurso;
    const auto summed = StepsOf(steps, phase, StepKind::ConcursoSum);
    const auto increased = StepsOf(steps, phase, StepKind::ConcursoIncrease);
    const TermParts days{concurso.Pena.Years, concurso.Pena.Months, concurso.Pena.Days, 0};
    if (increased.empty() && !summed.empty()) {
        text += Cited(summed.front()->Fonte) + std::string(kTermsSummed) +
                WriteTerm(days, inWords) + std::string(kSentenceEnd);
    } else if (!increased.empty() && !summed.empty()) {
        const SentencingStep& step = *increased.front();
        const SentencingStep& sum = *summed.front();
        text += std::string(kMostSerious) + Term(step.Antes, inWords);
        if (!step.Nome.empty()) {
            text += " (" + step.Nome + ")";
        }
        text += std::string(kIncreasedBy) + FractionOf(step.Fracao) + Cited(step.Fonte) + ": ";
        const bool held = step.Depois.Days > sum.Depois.Days;
        text += held ? Term(step.Depois, inWords) + std::string(kWouldPassSum)
                     : WriteTerm(days, inWords) + std::string(kNotAboveSum);
        text += Term(sum.Depois, inWords) + Cited(sum.Fonte) + std::string(kSentenceEnd);
    }
    for (const SentencingStep* fines : StepsOf(steps, phase, StepKind::ConcursoFines)) {
        const std::string total = WriteTerm(TermParts{0, 0, 0, concurso.Pena.Fines}, inWords);
        if (fines->Fracao) {
            text += " " + std::string(kOneFine) + Term(fines->Antes, inWords) +
                    std::string(kIncreasedBy) + FractionOf(fines->Fracao) + Cited(fines->Fonte);
            const bool capped = fines->Depois.Fines != concurso.Pena.Fines;
            text += (capped ? std::string(kOneFineCapped) : std::string()) + ": " + total +
                    std::string(kSentenceEnd);
        } else {
            text += " " + std::string(kFinesSummed) + Cited(fines->Fonte) + ": " + total +
                    std::string(kSentenceEnd);
        }
    }
    return text;
}

std::string OptionsParagraph(const SentencingOptions& options) {
    const std::vector<std::string> items = {
        std::string(kBaseOption) + std::string(DisplayName(options.PenaBase)),
        std::string(kSecondPhaseOption) + std::string(DisplayName(options.SegundaFase)),
        std::string(kThirdPhaseOption) + std::string(DisplayName(options.TerceiraFase)),
        std::string(kFinesOption) + std::string(DisplayName(options.MultaDosimetria)) +
            (options.MultaDosimetria == FinesMethod::Proporcional ? Cited(kProportionalFinesSource)
                                                                  : std::string()),
        std::string(kContinuedFinesOption) + std::string(DisplayName(options.MultaContinuado)),
    };
    return std::string(kOptionsTitle) + JoinList(items, kClauseSeparator, kClauseSeparator) +
           std::string(kSentenceEnd);
}

} // namespace

std::string WriteSentencing(const SentencingInput& input, const SentencingAnswer& answer,
                            bool inWords) {
    if (!answer.Ok()) {
        return answer.Erro;
    }
    std::vector<std::string> paragraphs;
    const bool several = answer.Crimes.size() > 1;
    for (std::size_t i = 0; i < answer.Crimes.size(); ++i) {
        const CrimeSentence& crime = answer.Crimes[i];
        std::string first = FirstPhaseParagraph(crime, inWords);
        paragraphs.push_back(several ? CrimeLabel(i, crime.Crime) + ". " + Capitalised(first)
                                     : Capitalised(first));
        paragraphs.push_back(Capitalised(SecondPhaseParagraph(crime, inWords)));
        paragraphs.push_back(Capitalised(ThirdPhaseParagraph(crime, input.Opcoes, inWords)));
    }
    if (answer.Concurso) {
        paragraphs.push_back(ConcursoParagraph(*answer.Concurso, answer.Crimes.size(), inWords));
    }
    paragraphs.push_back(std::string(kFinalTerm) + WriteTerm(answer.PenaFinal, inWords) +
                         std::string(kSentenceEnd));
    if (!answer.Notas.empty()) {
        paragraphs.push_back(NotesParagraph(answer.Notas));
    }
    paragraphs.push_back(OptionsParagraph(input.Opcoes));
    return JoinAnalysis(paragraphs, CountingConvention::Base360);
}

std::string StepLine(const SentencingStep& step, bool inWords) {
    const std::string after = ": " + Term(step.Depois, inWords);
    switch (step.Tipo) {
    case StepKind::Start:
        return std::string(kStartLine) + after;
    case StepKind::Circumstance:
        return std::string(kUnfavourableLine) + CircumstanceDisplay(step) +
               (step.Motivo.empty() ? "" : " (" + step.Motivo + ")") + ", " +
               ShareWords(step, inWords) + after;
    case StepKind::FinesInformed:
        return std::string(kInformedFinesLine) + ": " +
               WriteTerm(TermParts{0, 0, 0, step.Depois.Fines}, inWords);
    case StepKind::Compensation: {
        const ModifierName* repeat = FindModifier(ModifierRole::Agravante, step.Nome);
        std::string line = std::string(kCompensationLine) +
                           (repeat != nullptr ? std::string(repeat->DisplayName) : step.Nome);
        if (step.Fracao) {
            line +=
                std::string(kInProportionLine) + ", " + OperationWords(step.Aumenta, step.Fracao);
        }
        return line + Cited(step.Fonte);
    }
    case StepKind::Modifier: {
        const ModifierRole role = step.Aumenta ? ModifierRole::Agravante : ModifierRole::Atenuante;
        const ModifierName* row = FindModifier(role, step.Nome);
        std::string line = std::string(step.Aumenta ? kAgravanteWord : kAtenuanteWord) +
                           (row != nullptr ? std::string(row->DisplayName) : step.Nome);
        if (!step.Aplicada) {
            return line + std::string(kCountedLine) + FractionOf(step.Fracao);
        }
        return line + ", " + OperationWords(step.Aumenta, step.Fracao) + after;
    }
    case StepKind::FractionsSummed:
        if (step.Fracao && step.Fracao->Numerator == 0) {
            return std::string(kSummedLine) + std::string(kCancelLine);
        }
        return std::string(kSummedLine) + ", " + OperationWords(step.Aumenta, step.Fracao) + after;
    case StepKind::Cause:
        return CauseName(step) + ", " + OperationWords(step.Aumenta, step.Fracao) + after;
    case StepKind::CauseSetAside:
        return CauseName(step) + std::string(kSetAsideLine) + Cited(step.Fonte);
    case StepKind::Limit: {
        const std::string_view name = step.Limite == StepLimit::Minimum      ? kMinimumLine
                                      : step.Limite == StepLimit::Maximum    ? kMaximumLine
                                      : step.Limite == StepLimit::SumOfTerms ? kSumLine
                                                                             : kCeilingLine;
        return std::string(name) + CitedIfAny(step.Fonte) + after;
    }
    case StepKind::ConcursoSum:
        return std::string(kConcursoSumLine) + Cited(step.Fonte) + after;
    case StepKind::ConcursoIncrease:
        return std::string(kMostSeriousLine) + ", " + OperationWords(true, step.Fracao) +
               Cited(step.Fonte) + after;
    case StepKind::ConcursoFines:
        if (step.Fracao) {
            return std::string(kOneFineLine) + ", " + OperationWords(true, step.Fracao) +
                   Cited(step.Fonte) + after;
        }
        return std::string(kFinesSummedLine) + Cited(step.Fonte) + after;
    }
    return {};
}

std::vector<std::string> StepLines(const std::vector<SentencingStep>& steps, bool inWords) {
    std::vector<std::string> lines;
    for (const SentencingStep& step : steps) {
        lines.push_back(StepLine(step, inWords));
    }
    return lines;
}

} // namespace zarn
