#pragma once

// The names of the execution's choices: each value as the case document writes it (caso.md)
// and as the texts and the windows show it, in one table per kind. Windows-1252.

#include "execution/ExecutionCase.h"

#include <array>
#include <optional>
#include <string_view>

namespace zarn {

template <typename Value>
struct ChoiceName {
    Value Which;
    std::string_view Document; // "gravidade"
    std::string_view Shown;    // "gravidade do crime"
};

inline constexpr std::array kImputacaoNames{
    ChoiceName<Imputacao>{Imputacao::Transito, "transito", "ordem do tr\xE2nsito em julgado"},
    ChoiceName<Imputacao>{Imputacao::Gravidade, "gravidade", "gravidade do crime"},
    ChoiceName<Imputacao>{Imputacao::Proporcional, "proporcional", "propor\xE7\xE3o das penas"},
};

inline constexpr std::array kLivramentoVedadoNames{
    ChoiceName<LivramentoVedado>{LivramentoVedado::Separado, "separado",
                                 "a condena\xE7\xE3o vedada cumprida por inteiro, as demais "
                                 "pela sua fra\xE7\xE3o"},
    ChoiceName<LivramentoVedado>{LivramentoVedado::Conjunto, "conjunto",
                                 "a veda\xE7\xE3o alcan\xE7"
                                 "a toda a soma"},
};

inline constexpr std::array kLimiteArt75Names{
    ChoiceName<LimiteArt75>{LimiteArt75::UltimoCrime, "ultimo_crime",
                            "o limite do crime mais recente da unifica\xE7\xE3o"},
    ChoiceName<LimiteArt75>{LimiteArt75::MaisFavoravel, "mais_favoravel",
                            "30 anos se algum crime da unifica\xE7\xE3o for anterior a "
                            "23/01/2020"},
};

inline constexpr std::array kEventKindNames{
    ChoiceName<EventKind>{EventKind::FaltaGrave, "falta_grave", "falta grave"},
    ChoiceName<EventKind>{EventKind::Fuga, "fuga", "fuga"},
    ChoiceName<EventKind>{EventKind::Remicao, "remicao", "remi\xE7\xE3o"},
    ChoiceName<EventKind>{EventKind::RecolhimentoNoturno, "recolhimento_noturno",
                          "recolhimento noturno"},
    ChoiceName<EventKind>{EventKind::Progressao, "progressao", "progress\xE3o"},
    ChoiceName<EventKind>{EventKind::Regressao, "regressao", "regress\xE3o"},
};

inline constexpr std::array kRegimeNames{
    ChoiceName<Regime>{Regime::Fechado, "fechado", "fechado"},
    ChoiceName<Regime>{Regime::Semiaberto, "semiaberto", "semiaberto"},
    ChoiceName<Regime>{Regime::Aberto, "aberto", "aberto"},
};

inline constexpr std::array kConventionNames{
    ChoiceName<CountingConvention>{CountingConvention::Base360, "360/30", "base 360/30"},
    ChoiceName<CountingConvention>{CountingConvention::CalendarDays, "calendario",
                                   "dias do calend\xE1rio"},
};

// The table of each kind, for the lookups below.
constexpr const auto& NamesOf(Imputacao) {
    return kImputacaoNames;
}
constexpr const auto& NamesOf(LivramentoVedado) {
    return kLivramentoVedadoNames;
}
constexpr const auto& NamesOf(LimiteArt75) {
    return kLimiteArt75Names;
}
constexpr const auto& NamesOf(EventKind) {
    return kEventKindNames;
}
constexpr const auto& NamesOf(Regime) {
    return kRegimeNames;
}
constexpr const auto& NamesOf(CountingConvention) {
    return kConventionNames;
}

template <typename Value>
constexpr const ChoiceName<Value>& NameOfChoice(Value value) {
    for (const ChoiceName<Value>& name : NamesOf(value)) {
        if (name.Which == value) {
            return name;
        }
    }
    return NamesOf(value).front();
}

template <typename Value>
constexpr std::string_view DocumentName(Value value) {
    return NameOfChoice(value).Document;
}

template <typename Value>
constexpr std::string_view ShownName(Value value) {
    return NameOfChoice(value).Shown;
}

// The value the document names; nothing for a name not in the table.
template <typename Value>
constexpr std::optional<Value> FromDocumentName(std::string_view name) {
    for (const ChoiceName<Value>& entry : NamesOf(Value{})) {
        if (entry.Document == name) {
            return entry.Which;
        }
    }
    return std::nullopt;
}

} // namespace zarn
