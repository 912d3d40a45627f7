#pragma once

// The facts of a conviction that the legal analyses read (law.md 2), with the defaults a
// case starts from: reclusao, a first offence, good antecedents, favourable judicial
// circumstances, no violence, a common crime whose date is not given, no detracao. The
// record is three facts, not one, because the rules ask different questions of it: any
// reincidencia for the regime and the progression, reincidencia in a doloso crime for
// substitution, sursis and parole, the specific repeat offence for art. 44 par. 3, art. 83 V
// and LEP art. 112 VII and VIII.

#include "dates/CivilDate.h"

#include <optional>
#include <string>
#include <string_view>

namespace zarn {

enum class Especie { Reclusao, Detencao };

enum class Regime { Fechado, Semiaberto, Aberto };

// The incisos of LEP art. 112 and its paragraph 3, in the order of the law.
enum class Inciso { I, II, III, IV, V, VIa, VIb, VIc, VIA, VII, VIII, Paragrafo3 };

// The nature of the crime as the law stood at its date.
enum class Natureza {
    Comum,
    Hediondo, // hediondo or equiparado
    HediondoMorte,
    Feminicidio,
    ComandoOrganizacao, // command of a criminal organisation structured for hediondo crimes
    Milicia,
    TraficoPrivilegiado,
    TraficoPessoas,
    AssociacaoTrafico,
};

struct CaseFacts {
    Especie Kind = Especie::Reclusao;
    bool Culposo = false;
    bool Violence = false; // with violence or grave threat to a person
    Natureza Nature = Natureza::Comum;
    bool Attempt = false;
    bool SexualViolenceAgainstWoman = false;
    bool RepeatOffender = false;         // reincidente, CP arts. 63 and 64
    bool EarlierDoloso = true;           // the earlier crime was doloso; with RepeatOffender only
    bool SpecificRepeatOffender = false; // with RepeatOffender only
    bool GoodAntecedents = true;
    bool FavourableCircumstances = true;
    std::optional<DayNumber> CrimeDate; // none: not given, today's law applies
    bool Under21AtCrime = false;
    bool Over70AtSentence = false;
    bool Paragraph3 = false; // pregnant, a mother or responsible for a child or disabled person
    long long DetracaoDays = 0;

    friend bool operator==(const CaseFacts&, const CaseFacts&) = default;
};

// "Reincidente em crime doloso" of CP arts. 44 II, 77 I and 83 I and II: a repeat offender
// whose earlier crime was doloso, for a crime that is not culposo.
bool RepeatInDolosoCrime(const CaseFacts& facts);

// A crime hediondo or equiparado for the rules that name them (parole: art. 83 V).
bool HediondoOrEquiparado(Natureza nature);

// The message naming the two facts that contradict each other, the first pair found;
// empty when the facts hold together. Windows-1252.
std::string FactsContradiction(const CaseFacts& facts);

// The facts an inciso of LEP art. 112 implies, set on top of the facts given. A fact given
// (away from its default) that the inciso contradicts is refused: the message names the
// inciso and the fact, and the facts are left as they were. Empty when they were set.
std::string ApplyInciso(Inciso inciso, CaseFacts& facts);

// "fechado", "semiaberto" or "aberto".
std::string_view RegimeName(Regime regime);

} // namespace zarn
