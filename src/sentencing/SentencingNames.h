#pragma once

// The names of the dosimetria's choices: for each one, the case document's name and the
// Portuguese name the window and the texts show (Windows-1252), and the agravantes and
// atenuantes of CP arts. 61, 62, 65 and 66 that the window offers.

#include "law/LegalSource.h"
#include "sentencing/SentencingInput.h"

#include <array>
#include <optional>
#include <string_view>
#include <vector>

namespace zarn {

template <typename Enum>
struct EnumName {
    Enum Value;
    std::string_view CasoName;
    std::string_view DisplayName;
};

inline constexpr std::array kBaseCriterionNames{
    EnumName<BaseCriterion>{BaseCriterion::OitavoIntervalo, "oitavo_intervalo", "1/8 do intervalo"},
    EnumName<BaseCriterion>{BaseCriterion::SextoMinimo, "sexto_minimo", "1/6 da pena m\xEDnima"},
};

inline constexpr std::array kSecondPhaseNames{
    EnumName<SecondPhaseMethod>{SecondPhaseMethod::SobreBase, "sobre_base",
                                "fra\xE7\xF5"
                                "es somadas sobre a pena-base"},
    EnumName<SecondPhaseMethod>{SecondPhaseMethod::Cascata, "cascata", "em cascata"},
};

inline constexpr std::array kThirdPhaseNames{
    EnumName<ThirdPhaseOrder>{ThirdPhaseOrder::AumentosPrimeiro, "aumentos_primeiro",
                              "aumentos antes das diminui\xE7\xF5"
                              "es"},
    EnumName<ThirdPhaseOrder>{ThirdPhaseOrder::DiminuicoesPrimeiro, "diminuicoes_primeiro",
                              "diminui\xE7\xF5"
                              "es antes dos aumentos"},
};

inline constexpr std::array kFinesMethodNames{
    EnumName<FinesMethod>{FinesMethod::Proporcional, "proporcional",
                          "proporcionais \xE0s fases da pena"},
    EnumName<FinesMethod>{FinesMethod::Informada, "informada", "informados"},
};

inline constexpr std::array kContinuedFinesNames{
    EnumName<ContinuedFines>{ContinuedFines::Unica, "unica", "uma s\xF3, com o aumento"},
    EnumName<ContinuedFines>{ContinuedFines::Somada, "somada", "somadas"},
};

inline constexpr std::array kConcursoNames{
    EnumName<ConcursoKind>{ConcursoKind::Material, "material", "concurso material"},
    EnumName<ConcursoKind>{ConcursoKind::Formal, "formal", "concurso formal pr\xF3prio"},
    EnumName<ConcursoKind>{ConcursoKind::FormalImproprio, "formal_improprio",
                           "concurso formal impr\xF3prio (des\xEDgnios aut\xF4nomos)"},
    EnumName<ConcursoKind>{ConcursoKind::Continuado, "continuado", "crime continuado"},
    EnumName<ConcursoKind>{ConcursoKind::ContinuadoEspecifico, "continuado_especifico",
                           "crime continuado espec\xED"
                           "fico"},
};

inline constexpr std::array kCauseKindNames{
    EnumName<CauseKind>{CauseKind::Aumento, "aumento", "aumento"},
    EnumName<CauseKind>{CauseKind::Diminuicao, "diminuicao", "diminui\xE7\xE3o"},
};

// "neutra" and "desfavoravel" are the document's texts; "fracao" and "aumento" the keys of its
// objects.
inline constexpr std::array kCircumstanceWeightNames{
    EnumName<CircumstanceWeight>{CircumstanceWeight::Neutra, "neutra", "neutra"},
    EnumName<CircumstanceWeight>{CircumstanceWeight::Desfavoravel, "desfavoravel",
                                 "desfavor\xE1vel"},
    EnumName<CircumstanceWeight>{CircumstanceWeight::Fracao, "fracao",
                                 "desfavor\xE1vel, fra\xE7\xE3o informada"},
    EnumName<CircumstanceWeight>{CircumstanceWeight::Aumento, "aumento",
                                 "desfavor\xE1vel, aumento informado"},
};

// The circumstances of CP art. 59 with the words the texts join them with: "da
// culpabilidade e dos motivos do crime".
struct CircumstanceName {
    JudicialCircumstance Value;
    std::string_view CasoName;
    std::string_view DisplayName;
    std::string_view OfForm;
};

inline constexpr std::array<CircumstanceName, kJudicialCircumstanceCount> kCircumstanceNames{{
    {JudicialCircumstance::Culpabilidade, "culpabilidade", "culpabilidade", "da culpabilidade"},
    {JudicialCircumstance::Antecedentes, "antecedentes", "antecedentes", "dos antecedentes"},
    {JudicialCircumstance::CondutaSocial, "conduta_social", "conduta social", "da conduta social"},
    {JudicialCircumstance::Personalidade, "personalidade", "personalidade", "da personalidade"},
    {JudicialCircumstance::Motivos, "motivos", "motivos do crime", "dos motivos do crime"},
    {JudicialCircumstance::Circunstancias, "circunstancias", "circunst\xE2ncias do crime",
     "das circunst\xE2ncias do crime"},
    {JudicialCircumstance::Consequencias, "consequencias", "consequ\xEAncias do crime",
     "das consequ\xEAncias do crime"},
    {JudicialCircumstance::ComportamentoVitima, "comportamento_vitima",
     "comportamento da v\xEDtima", "do comportamento da v\xEDtima"},
}};

// The tables above, found by the type of their values.
constexpr const auto& NamesOf(BaseCriterion) {
    return kBaseCriterionNames;
}
constexpr const auto& NamesOf(SecondPhaseMethod) {
    return kSecondPhaseNames;
}
constexpr const auto& NamesOf(ThirdPhaseOrder) {
    return kThirdPhaseNames;
}
constexpr const auto& NamesOf(FinesMethod) {
    return kFinesMethodNames;
}
constexpr const auto& NamesOf(ContinuedFines) {
    return kContinuedFinesNames;
}
constexpr const auto& NamesOf(ConcursoKind) {
    return kConcursoNames;
}
constexpr const auto& NamesOf(CauseKind) {
    return kCauseKindNames;
}
constexpr const auto& NamesOf(CircumstanceWeight) {
    return kCircumstanceWeightNames;
}

// The value of a document's name, or none for a name outside the table.
template <typename Enum>
std::optional<Enum> FromCasoName(std::string_view name) {
    for (const EnumName<Enum>& row : NamesOf(Enum{})) {
        if (row.CasoName == name) {
            return row.Value;
        }
    }
    return std::nullopt;
}

template <typename Enum>
std::string_view CasoName(Enum value) {
    for (const EnumName<Enum>& row : NamesOf(value)) {
        if (row.Value == value) {
            return row.CasoName;
        }
    }
    return {};
}

template <typename Enum>
std::string_view DisplayName(Enum value) {
    for (const EnumName<Enum>& row : NamesOf(value)) {
        if (row.Value == value) {
            return row.DisplayName;
        }
    }
    return {};
}

enum class ModifierRole { Agravante, Atenuante };

// The agravantes and atenuantes that take part in a rule of their own: the compensation of
// confissao with reincidencia (law.md 13), and the age atenuante that Lei 15.160/2025 bars.
enum class ModifierClass { Ordinary, Reincidencia, Multirreincidencia, Confissao, Age };

struct ModifierName {
    ModifierRole Role;
    std::string_view CasoName;
    std::string_view DisplayName; // "motivo f\xFAtil"
    std::string_view OfForm;      // "do motivo f\xFAtil": "a agravante do motivo f\xFAtil"
    LegalSource Source;
    ModifierClass Class = ModifierClass::Ordinary;
};

// CP arts. 61, 62, 65 and 66 (law.md 13), in the order of the code; multirreincidencia, the
// reincidencia of several earlier convictions, beside reincidencia.
inline constexpr std::array kModifierNames{
    ModifierName{ModifierRole::Agravante, "reincidencia", "reincid\xEAncia", "da reincid\xEAncia",
                 LegalSource{"CP art. 61, I"}, ModifierClass::Reincidencia},
    ModifierName{ModifierRole::Agravante, "multirreincidencia", "multirreincid\xEAncia",
                 "da multirreincid\xEAncia", LegalSource{"CP art. 61, I"},
                 ModifierClass::Multirreincidencia},
    ModifierName{ModifierRole::Agravante, "motivo_futil", "motivo f\xFAtil", "do motivo f\xFAtil",
                 LegalSource{"CP art. 61, II, a"}},
    ModifierName{ModifierRole::Agravante, "motivo_torpe", "motivo torpe", "do motivo torpe",
                 LegalSource{"CP art. 61, II, a"}},
    ModifierName{ModifierRole::Agravante, "facilitar_outro_crime",
                 "para facilitar ou assegurar outro crime",
                 "do crime cometido para facilitar ou assegurar outro crime",
                 LegalSource{"CP art. 61, II, b"}},
    ModifierName{ModifierRole::Agravante, "traicao_emboscada",
                 "trai\xE7\xE3o, emboscada ou dissimula\xE7\xE3o",
                 "da trai\xE7\xE3o, emboscada ou dissimula\xE7\xE3o",
                 LegalSource{"CP art. 61, II, c"}},
    ModifierName{ModifierRole::Agravante, "meio_cruel",
                 "veneno, fogo, explosivo, tortura ou meio insidioso ou cruel",
                 "do emprego de veneno, fogo, explosivo, tortura ou meio insidioso ou cruel",
                 LegalSource{"CP art. 61, II, d"}},
    ModifierName{ModifierRole::Agravante, "contra_familiar",
                 "contra ascendente, descendente, irm\xE3o ou c\xF4njuge",
                 "do crime contra ascendente, descendente, irm\xE3o ou c\xF4njuge",
                 LegalSource{"CP art. 61, II, e"}},
    ModifierName{ModifierRole::Agravante, "relacoes_domesticas",
                 "abuso de autoridade, rela\xE7\xF5"
                 "es dom\xE9sticas ou viol\xEAncia contra a mulher",
                 "do abuso de autoridade, das rela\xE7\xF5"
                 "es dom\xE9sticas ou da viol\xEAncia contra a mulher",
                 LegalSource{"CP art. 61, II, f"}},
    ModifierName{ModifierRole::Agravante, "abuso_poder",
                 "abuso de poder ou viola\xE7\xE3o de dever do cargo",
                 "do abuso de poder ou da viola\xE7\xE3o de dever do cargo",
                 LegalSource{"CP art. 61, II, g"}},
    ModifierName{ModifierRole::Agravante, "vitima_vulneravel",
                 "contra crian\xE7"
                 "a, maior de 60 anos, enfermo ou mulher gr\xE1vida",
                 "do crime contra crian\xE7"
                 "a, maior de 60 anos, enfermo ou mulher gr\xE1vida",
                 LegalSource{"CP art. 61, II, h"}},
    ModifierName{ModifierRole::Agravante, "protecao_autoridade",
                 "ofendido sob prote\xE7\xE3o da autoridade",
                 "do ofendido sob a imediata prote\xE7\xE3o da autoridade",
                 LegalSource{"CP art. 61, II, i"}},
    ModifierName{ModifierRole::Agravante, "calamidade",
                 "calamidade p\xFA"
                 "blica ou desgra\xE7"
                 "a particular do ofendido",
                 "da calamidade p\xFA"
                 "blica ou desgra\xE7"
                 "a particular do ofendido",
                 LegalSource{"CP art. 61, II, j"}},
    ModifierName{ModifierRole::Agravante, "embriaguez_preordenada", "embriaguez preordenada",
                 "da embriaguez preordenada", LegalSource{"CP art. 61, II, l"}},
    ModifierName{ModifierRole::Agravante, "promove_organiza",
                 "promover, organizar ou dirigir a atividade dos demais agentes",
                 "de promover, organizar ou dirigir a atividade dos demais agentes",
                 LegalSource{"CP art. 62, I"}},
    ModifierName{ModifierRole::Agravante, "coage_induz",
                 "coagir ou induzir outrem \xE0 execu\xE7\xE3o",
                 "de coagir ou induzir outrem \xE0 execu\xE7\xE3o material do crime",
                 LegalSource{"CP art. 62, II"}},
    ModifierName{ModifierRole::Agravante, "instiga_subordinado",
                 "instigar ou determinar subordinado ou n\xE3o pun\xEDvel",
                 "de instigar ou determinar a cometer o crime algu\xE9m sujeito \xE0 sua "
                 "autoridade ou n\xE3o pun\xEDvel",
                 LegalSource{"CP art. 62, III"}},
    ModifierName{ModifierRole::Agravante, "paga_recompensa", "paga ou promessa de recompensa",
                 "da paga ou promessa de recompensa", LegalSource{"CP art. 62, IV"}},
    ModifierName{ModifierRole::Atenuante, "menor_21", "menor de 21 anos na data do fato",
                 "de ser o agente menor de 21 anos na data do fato", LegalSource{"CP art. 65, I"},
                 ModifierClass::Age},
    ModifierName{ModifierRole::Atenuante, "maior_70",
                 "maior de 70 anos na data da senten\xE7"
                 "a",
                 "de ser o agente maior de 70 anos na data da senten\xE7"
                 "a",
                 LegalSource{"CP art. 65, I"}, ModifierClass::Age},
    ModifierName{ModifierRole::Atenuante, "desconhecimento_lei", "desconhecimento da lei",
                 "do desconhecimento da lei", LegalSource{"CP art. 65, II"}},
    ModifierName{ModifierRole::Atenuante, "relevante_valor", "relevante valor social ou moral",
                 "do motivo de relevante valor social ou moral", LegalSource{"CP art. 65, III, a"}},
    ModifierName{ModifierRole::Atenuante, "reparacao_dano",
                 "evitar ou minorar as consequ\xEAncias, ou reparar o dano",
                 "de ter procurado evitar ou minorar as consequ\xEAncias, ou reparado o dano",
                 LegalSource{"CP art. 65, III, b"}},
    ModifierName{ModifierRole::Atenuante, "coacao_resistivel",
                 "coa\xE7\xE3o resist\xEDvel, ordem superior ou violenta emo\xE7\xE3o",
                 "da coa\xE7\xE3o resist\xEDvel, da ordem de autoridade superior ou da violenta "
                 "emo\xE7\xE3o provocada pela v\xEDtima",
                 LegalSource{"CP art. 65, III, c"}},
    ModifierName{ModifierRole::Atenuante, "confissao", "confiss\xE3o espont\xE2nea",
                 "da confiss\xE3o espont\xE2nea", LegalSource{"CP art. 65, III, d"},
                 ModifierClass::Confissao},
    ModifierName{ModifierRole::Atenuante, "multidao", "multid\xE3o em tumulto",
                 "da influ\xEAncia de multid\xE3o em tumulto", LegalSource{"CP art. 65, III, e"}},
    ModifierName{ModifierRole::Atenuante, "inominada",
                 "circunst\xE2ncia relevante n\xE3o prevista em lei",
                 "de circunst\xE2ncia relevante n\xE3o prevista em lei", LegalSource{"CP art. 66"}},
};

// The row of an agravante or atenuante named as the document names it; none for a name
// typed by the user.
const ModifierName* FindModifier(ModifierRole role, std::string_view casoName);

// The agravantes or atenuantes the window offers for a crime: every one of the table but the
// age atenuante for a crime of sexual violence against a woman (law.md 13).
std::vector<const ModifierName*> OfferedModifiers(ModifierRole role, bool violenciaSexualMulher);

} // namespace zarn
