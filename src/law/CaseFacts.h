#pragma once

// The facts of a case that the legal analyses read, with the defaults a case starts from:
// reclusao, a first offence, favourable judicial circumstances, no violence, no detracao.

#include <optional>
#include <string_view>

namespace zarn {

enum class Especie { Reclusao, Detencao };

enum class Regime { Fechado, Semiaberto, Aberto };

// The incisos of LEP art. 112 and its paragraph 3, in the order of the law.
enum class Inciso { I, II, III, IV, V, VIa, VIb, VIc, VIA, VII, VIII, Paragrafo3 };

struct CaseFacts {
    Especie Kind = Especie::Reclusao;
    bool RepeatOffender = false; // a repeat offender in a doloso crime
    bool FavourableCircumstances = true;
    bool Violence = false; // with violence or grave threat to a person
    bool Culposo = false;
    std::optional<Inciso> ChosenInciso; // none: derived from the facts
    bool Under21AtCrime = false;
    bool Over70AtSentence = false;
    long long DetracaoDays = 0;

    friend bool operator==(const CaseFacts&, const CaseFacts&) = default;
};

// The inciso chosen, or the one the facts give: I, II for a repeat offender, III with
// violence, IV for both. A culposo crime counts as one without violence, as for the
// substitution of CP art. 44.
Inciso EffectiveInciso(const CaseFacts& facts);

// "fechado", "semiaberto" or "aberto".
std::string_view RegimeName(Regime regime);

} // namespace zarn
