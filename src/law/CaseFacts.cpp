#include "law/CaseFacts.h"

#include "law/FactNames.h"
#include "law/IncisoName.h"
#include "law/LawTexts.h"

#include <algorithm>
#include <initializer_list>

namespace zarn {
namespace {

constexpr std::string_view kContradiction = "Fatos contradit\xF3rios: ";

std::string Contradiction(std::string_view first, std::string_view second) {
    return std::string(kContradiction) + std::string(first) + " e " + std::string(second) + ".";
}

std::string NaturezaFact(Natureza nature) {
    return "natureza " + std::string(NameOf(nature).Shown);
}

std::string IncisoFact(Inciso inciso) {
    if (inciso == Inciso::Paragrafo3) {
        return std::string(kParagraph3Fact);
    }
    return "inciso " + std::string(IncisoName(inciso)) + " do art. 112 da LEP";
}

bool OneOf(Natureza nature, std::initializer_list<Natureza> natures) {
    return std::find(natures.begin(), natures.end(), nature) != natures.end();
}

// The natures whose progression follows incisos I to IV: no inciso of their own.
bool ProgressesAsCommon(Natureza nature) {
    return OneOf(nature, {Natureza::Comum, Natureza::TraficoPrivilegiado, Natureza::TraficoPessoas,
                          Natureza::AssociacaoTrafico});
}

// Violence as LEP art. 112 reads it: never in a culposo crime (law.md 7, Zarn decides).
bool ViolentForProgression(const CaseFacts& facts) {
    return facts.Violence && !facts.Culposo;
}

// What an inciso asks of the facts, and what it sets where the facts were left at their
// defaults. Each check names the fact given that it contradicts.
class IncisoFacts {
public:
    IncisoFacts(Inciso inciso, CaseFacts& facts)
        : m_inciso(inciso)
        , m_facts(facts) {}

    const std::string& Fault() const { return m_fault; }

    void Record(bool repeat) {
        if (!repeat && m_facts.RepeatOffender) {
            Refuse(kRepeatOffenderFact);
        } else if (repeat) {
            m_facts.RepeatOffender = true;
        }
    }

    void Specific(bool specific) {
        if (!specific && m_facts.SpecificRepeatOffender) {
            Refuse(kSpecificRepeatFact);
        } else if (specific && !m_facts.EarlierDoloso) {
            Refuse(kEarlierCulposoFact);
        } else {
            m_facts.SpecificRepeatOffender = specific;
        }
    }

    // Incisos I and II: without violence, or culposo.
    void NotViolent() {
        if (ViolentForProgression(m_facts)) {
            Refuse(kViolenceFact);
        }
    }

    void Violent() {
        if (m_facts.Culposo) {
            Refuse(kCulposoFact);
        } else {
            m_facts.Violence = true;
        }
    }

    void CommonNature() {
        if (!ProgressesAsCommon(m_facts.Nature)) {
            Refuse(NaturezaFact(m_facts.Nature));
        }
    }

    // The natureza the inciso names, set over the default; another one given is refused
    // unless it is among those the inciso also reaches.
    void Nature(Natureza named, std::initializer_list<Natureza> alsoReached = {}) {
        if (m_facts.Nature == Natureza::Comum) {
            if (m_facts.Culposo) {
                Refuse(kCulposoFact);
                return;
            }
            m_facts.Nature = named;
        } else if (m_facts.Nature != named && !OneOf(m_facts.Nature, alsoReached)) {
            Refuse(NaturezaFact(m_facts.Nature));
        }
    }

    void NotParagraph3() {
        if (m_facts.Paragraph3) {
            Refuse(kParagraph3Fact);
        }
    }

    void Paragraph3() {
        if (m_facts.Violence) {
            Refuse(kViolenceFact);
        } else if (m_facts.RepeatOffender) {
            Refuse(kRepeatOffenderFact);
        } else {
            m_facts.Paragraph3 = true;
        }
    }

private:
    void Refuse(std::string_view fact) {
        if (m_fault.empty()) {
            m_fault = Contradiction(IncisoFact(m_inciso), fact);
        }
    }

    Inciso m_inciso;
    CaseFacts& m_facts;
    std::string m_fault;
};

void ImplyCommonInciso(IncisoFacts& implied, bool repeat, bool violent) {
    implied.CommonNature();
    implied.Record(repeat);
    if (violent) {
        implied.Violent();
    } else {
        implied.NotViolent();
    }
}

void ImplyInciso(Inciso inciso, IncisoFacts& implied) {
    if (inciso != Inciso::Paragrafo3) {
        implied.NotParagraph3();
    }
    switch (inciso) {
    case Inciso::I:
        return ImplyCommonInciso(implied, false, false);
    case Inciso::II:
        return ImplyCommonInciso(implied, true, false);
    case Inciso::III:
        return ImplyCommonInciso(implied, false, true);
    case Inciso::IV:
        return ImplyCommonInciso(implied, true, true);
    case Inciso::V:
        implied.Nature(Natureza::Hediondo, {Natureza::Feminicidio});
        return implied.Specific(false);
    case Inciso::VIa:
        implied.Nature(Natureza::HediondoMorte, {Natureza::Feminicidio});
        return implied.Specific(false);
    case Inciso::VIb:
        return implied.Nature(Natureza::ComandoOrganizacao);
    case Inciso::VIc:
        return implied.Nature(Natureza::Milicia);
    case Inciso::VIA:
        implied.Nature(Natureza::Feminicidio);
        return implied.Specific(false);
    case Inciso::VII:
        implied.Nature(Natureza::Hediondo, {Natureza::Feminicidio});
        implied.Record(true);
        return implied.Specific(true);
    case Inciso::VIII:
        implied.Nature(Natureza::HediondoMorte, {Natureza::Feminicidio});
        implied.Record(true);
        return implied.Specific(true);
    case Inciso::Paragrafo3:
        return implied.Paragraph3();
    }
}

} // namespace

bool RepeatInDolosoCrime(const CaseFacts& facts) {
    return facts.RepeatOffender && facts.EarlierDoloso && !facts.Culposo;
}

bool HediondoOrEquiparado(Natureza nature) {
    return OneOf(nature, {Natureza::Hediondo, Natureza::HediondoMorte, Natureza::Feminicidio});
}

// law.md 2: the facts that cannot hold together. The record's two details exist only with
// the record; paragraph 3 asks a first offence without violence; a culposo crime is none of
// the natures the law names, and has no attempt; a crime with death as its result is
// consummated.
std::string FactsContradiction(const CaseFacts& facts) {
    if (facts.SpecificRepeatOffender && !facts.RepeatOffender) {
        return Contradiction(kSpecificRepeatFact, kFirstOffenderFact);
    }
    if (!facts.EarlierDoloso && !facts.RepeatOffender) {
        return Contradiction(kEarlierCulposoFact, kFirstOffenderFact);
    }
    if (facts.SpecificRepeatOffender && !facts.EarlierDoloso && !facts.Culposo) {
        return Contradiction(kSpecificRepeatFact, kEarlierCulposoFact);
    }
    if (facts.Paragraph3 && facts.Violence) {
        return Contradiction(kParagraph3Fact, kViolenceFact);
    }
    if (facts.Paragraph3 && facts.RepeatOffender) {
        return Contradiction(kParagraph3Fact, kRepeatOffenderFact);
    }
    if (facts.Culposo && facts.Nature != Natureza::Comum) {
        return Contradiction(kCulposoFact, NaturezaFact(facts.Nature));
    }
    if (facts.Culposo && facts.Attempt) {
        return Contradiction(kCulposoFact, kAttemptFact);
    }
    if (facts.Attempt && facts.Nature == Natureza::HediondoMorte) {
        return Contradiction(kAttemptFact, NaturezaFact(facts.Nature));
    }
    return {};
}

std::string ApplyInciso(Inciso inciso, CaseFacts& facts) {
    CaseFacts implied = facts;
    IncisoFacts rules(inciso, implied);
    ImplyInciso(inciso, rules);
    if (!rules.Fault().empty()) {
        return rules.Fault();
    }
    facts = implied;
    return {};
}

std::string_view RegimeName(Regime regime) {
    switch (regime) {
    case Regime::Fechado:
        return kFechadoName;
    case Regime::Semiaberto:
        return kSemiabertoName;
    case Regime::Aberto:
        break;
    }
    return kAbertoName;
}

} // namespace zarn
