#include "law/LawByDate.h"

#include "law/FactNames.h"
#include "law/LawTables.h"
#include "law/LawTexts.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace zarn {
namespace {

// The laws that set the progression shares, in the order they took force (law.md 8).
enum class ProgressionLaw { Earlier, Hediondos2007, Anticrime2019, Feminicide2024 };

struct ProgressionLawRow {
    ProgressionLaw Which;
    const Enactment* Wording;
};

constexpr std::array kProgressionLaws{
    ProgressionLawRow{ProgressionLaw::Earlier, &kEarlierProgressionWording},
    ProgressionLawRow{ProgressionLaw::Hediondos2007, &kHediondosProgressionWording},
    ProgressionLawRow{ProgressionLaw::Anticrime2019, &kProgressionWording},
    ProgressionLawRow{ProgressionLaw::Feminicide2024, &kFeminicideProgressionWording},
};

constexpr double kPercent = 100.0;
constexpr double kHundredths = 100.0;

DayNumber DayOf(const CivilDate& date) {
    return DateFromCivil(date.Year, date.Month, date.Day);
}

// On or after the day the wording took force; an unknown date is today's law, after all.
bool FromWording(std::optional<DayNumber> crimeDate, const Enactment& wording) {
    return !crimeDate || !wording.InForce || *crimeDate >= DayOf(*wording.InForce);
}

bool KnownAndBefore(std::optional<DayNumber> crimeDate, const Enactment& wording) {
    return crimeDate && !FromWording(crimeDate, wording);
}

std::size_t LawAt(std::optional<DayNumber> crimeDate) {
    std::size_t at = 0;
    for (std::size_t i = 0; i < kProgressionLaws.size(); ++i) {
        if (FromWording(crimeDate, *kProgressionLaws[i].Wording)) {
            at = i;
        }
    }
    return at;
}

bool Smaller(Fraction a, Fraction b) {
    return a.Numerator * b.Denominator < b.Numerator * a.Denominator;
}

Inciso ByRecordAndViolence(const CaseFacts& facts) {
    // law.md 7, Zarn decides: a culposo crime never takes III or IV.
    const bool violent = facts.Violence && !facts.Culposo;
    if (violent) {
        return facts.RepeatOffender ? Inciso::IV : Inciso::III;
    }
    return facts.RepeatOffender ? Inciso::II : Inciso::I;
}

Inciso HediondoInciso(const CaseFacts& facts, bool death) {
    if (death) {
        return facts.SpecificRepeatOffender ? Inciso::VIII : Inciso::VIa;
    }
    return facts.SpecificRepeatOffender ? Inciso::VII : Inciso::V;
}

// law.md 7 and 8: the inciso of Lei 13.964/2019, or with Lei 14.994/2024 the feminicidio's
// own (a specific repeat offender still takes VIII, Zarn decides).
Inciso IncisoUnder(ProgressionLaw law, const CaseFacts& facts) {
    switch (facts.Nature) {
    case Natureza::Hediondo:
        return HediondoInciso(facts, false);
    case Natureza::HediondoMorte:
        return HediondoInciso(facts, true);
    case Natureza::Feminicidio:
        if (law == ProgressionLaw::Feminicide2024) {
            return facts.SpecificRepeatOffender ? Inciso::VIII : Inciso::VIA;
        }
        return HediondoInciso(facts, !facts.Attempt);
    case Natureza::ComandoOrganizacao:
        return Inciso::VIb;
    case Natureza::Milicia:
        return Inciso::VIc;
    case Natureza::Comum:
    case Natureza::TraficoPrivilegiado:
    case Natureza::TraficoPessoas:
    case Natureza::AssociacaoTrafico:
        break;
    }
    return ByRecordAndViolence(facts);
}

ProgressionRule FromRow(const ProgressionRow& row) {
    ProgressionRule rule;
    rule.Share = row.Share;
    rule.WrittenAsPercent = row.Which != Inciso::Paragrafo3;
    rule.Which = row.Which;
    rule.Source = row.Source;
    return rule;
}

ProgressionRule EarlierRule(Fraction share, const LegalSource& source) {
    ProgressionRule rule;
    rule.Share = share;
    rule.WrittenAsPercent = false;
    rule.Source = source;
    return rule;
}

ProgressionRule ShareUnder(ProgressionLaw law, const CaseFacts& facts) {
    const bool hediondo = HediondoOrEquiparado(facts.Nature);
    switch (law) {
    case ProgressionLaw::Earlier:
        return EarlierRule(kEarlierShare, kEarlierShareSource);
    case ProgressionLaw::Hediondos2007:
        if (hediondo) {
            const HediondoShareRow& row = kHediondoShares2007[facts.RepeatOffender ? 1 : 0];
            return EarlierRule(row.Share, row.Source);
        }
        return EarlierRule(kEarlierShare, kEarlierShareSource);
    case ProgressionLaw::Anticrime2019:
    case ProgressionLaw::Feminicide2024:
        break;
    }
    return FromRow(ProgressionRowFor(IncisoUnder(law, facts)));
}

std::string LawApplied(const LegalSource& source) {
    return std::string(source.Wording.Law);
}

void AddProgressionNotes(const CaseFacts& facts, ProgressionRule& rule) {
    std::vector<std::string>& notes = rule.Notes;
    if (!facts.CrimeDate) {
        notes.emplace_back(kNoteCrimeDateNotGiven);
    }
    if (rule.Retroactive) {
        notes.push_back(std::string(kNoteLaterLawApplied) + LawApplied(rule.Source) + " (" +
                        std::string(kRetroactiveLaw.Article) + ").");
    }
    if (!rule.Which && HediondoOrEquiparado(facts.Nature) &&
        KnownAndBefore(facts.CrimeDate, kHediondosProgressionWording)) {
        notes.emplace_back(kNoteHediondoBefore2007);
    }
    if (facts.Culposo && facts.Violence) {
        notes.emplace_back(kNoteCulposoNeverViolent);
    }
    const bool generic = facts.RepeatOffender && !facts.SpecificRepeatOffender;
    if (generic && rule.Which == Inciso::V) {
        notes.emplace_back(kNoteTema1084);
    }
    if (generic && rule.Which == Inciso::VIa) {
        notes.emplace_back(kNoteTema1196Progression);
    }
    if (generic && rule.Which == Inciso::VIA) {
        notes.emplace_back(kNoteFeminicideRepeatOffender);
    }
    if (facts.Nature == Natureza::Feminicidio && rule.Which == Inciso::VIII &&
        FromWording(facts.CrimeDate, kFeminicideProgressionWording)) {
        notes.emplace_back(kNoteFeminicideSpecificRepeatOffender);
    }
    if (facts.Nature == Natureza::Feminicidio) {
        if (KnownAndBefore(facts.CrimeDate, kFeminicideHediondoWording)) {
            notes.emplace_back(kNoteFeminicideBefore2015);
        }
        if (KnownAndBefore(facts.CrimeDate, kFeminicideProgressionWording)) {
            notes.emplace_back(kNoteFeminicideBefore2024);
        }
    }
    if (rule.Which == Inciso::Paragrafo3) {
        notes.emplace_back(kNoteParagraph3Conditions);
    }
}

ParoleRule FromParoleRow(ParoleCase paroleCase) {
    const ParoleRow& row = ParoleRowFor(paroleCase);
    ParoleRule rule;
    rule.Share = row.Share;
    rule.Source = row.Source;
    return rule;
}

ParoleRule BarredBy(const LegalSource& source) {
    ParoleRule rule;
    rule.Barred = true;
    rule.Source = source;
    return rule;
}

// law.md 6 for the crimes of art. 83 V and the association: 2/3, barred for the specific
// repeat offender, and for the first offender of VI-a and VI-A from their laws.
ParoleRule HediondoParole(const CaseFacts& facts) {
    const bool association = facts.Nature == Natureza::AssociacaoTrafico;
    const ParoleCase paroleCase =
        association ? ParoleCase::AssociacaoTrafico : ParoleCase::Hediondo;
    if (facts.SpecificRepeatOffender) {
        return BarredBy(association ? ParoleRowFor(paroleCase).Source : kParoleBarSpecific);
    }
    const bool feminicide = facts.Nature == Natureza::Feminicidio;
    const bool feminicideLaw =
        feminicide && FromWording(facts.CrimeDate, kFeminicideProgressionWording);
    // Before Lei 14.994/2024 law.md leaves the feminicidio's parole unbarred, though its
    // share follows the rows of a crime with death: the favourable reading.
    const bool death = facts.Nature == Natureza::HediondoMorte;
    const bool deathLaw = FromWording(facts.CrimeDate, kProgressionWording);
    if (death && !facts.RepeatOffender && deathLaw) {
        return BarredBy(kParoleBarHediondoDeath);
    }
    if (feminicideLaw && !facts.RepeatOffender) {
        return BarredBy(kParoleBarFeminicide);
    }
    ParoleRule rule = FromParoleRow(paroleCase);
    if (death && facts.RepeatOffender && deathLaw) {
        rule.Notes.emplace_back(kNoteTema1196Parole);
    } else if (death && !facts.RepeatOffender) {
        rule.Notes.emplace_back(kNoteParoleBarNotBefore2020);
    }
    if (feminicideLaw) {
        rule.Notes.emplace_back(kNoteFeminicideRepeatOffender);
    } else if (feminicide && !facts.RepeatOffender) {
        rule.Notes.emplace_back(kNoteParoleBarNotBefore2024);
    }
    return rule;
}

} // namespace

ProgressionRule ProgressionRuleFor(const CaseFacts& facts) {
    const std::size_t at = LawAt(facts.CrimeDate);
    ProgressionRule rule = ShareUnder(kProgressionLaws[at].Which, facts);
    // law.md 8: a later law applies where its share is smaller; on a tie the crime's own law.
    for (std::size_t later = at + 1; later < kProgressionLaws.size(); ++later) {
        ProgressionRule candidate = ShareUnder(kProgressionLaws[later].Which, facts);
        if (Smaller(candidate.Share, rule.Share)) {
            rule = candidate;
            rule.Retroactive = true;
        }
    }
    if (facts.Paragraph3) {
        // Par. 3 reaches earlier crimes too: it is the most favourable share of all.
        rule = FromRow(ProgressionRowFor(Inciso::Paragrafo3));
        rule.Retroactive = KnownAndBefore(facts.CrimeDate, kParagraph3Wording);
    }
    AddProgressionNotes(facts, rule);
    return rule;
}

ParoleRule ParoleRuleFor(const CaseFacts& facts) {
    ParoleRule rule;
    switch (facts.Nature) {
    case Natureza::Hediondo:
    case Natureza::HediondoMorte:
    case Natureza::Feminicidio:
    case Natureza::TraficoPessoas:
    case Natureza::AssociacaoTrafico:
        rule = HediondoParole(facts);
        break;
    case Natureza::Comum:
    case Natureza::ComandoOrganizacao:
    case Natureza::Milicia:
    case Natureza::TraficoPrivilegiado:
        rule = FromParoleRow(RepeatInDolosoCrime(facts) ? ParoleCase::RepeatOffence
                                                        : ParoleCase::FirstOffence);
        if (facts.RepeatOffender && !RepeatInDolosoCrime(facts)) {
            rule.Notes.emplace_back(kNoteRepeatNotInDoloso);
        }
        if (!facts.GoodAntecedents && !RepeatInDolosoCrime(facts)) {
            rule.Notes.emplace_back(kNoteBadAntecedents);
        }
        break;
    }
    if (!facts.CrimeDate) {
        rule.Notes.emplace_back(kNoteCrimeDateNotGiven);
    }
    return rule;
}

Art75Cap Art75CapFor(std::optional<DayNumber> crimeDate) {
    for (const Art75Row& row : kArt75Rows) {
        if (!row.From || !crimeDate || *crimeDate >= DayOf(*row.From)) {
            return Art75Cap{row.Years, row.Source};
        }
    }
    return Art75Cap{kArt75Rows.back().Years, kArt75Rows.back().Source};
}

std::string ShareText(const ProgressionRule& rule) {
    if (rule.WrittenAsPercent) {
        return PercentText(rule.Share, ',') + "%";
    }
    return FractionText(rule.Share);
}

double SharePercent(Fraction share) {
    const double percent =
        kPercent * static_cast<double>(share.Numerator) / static_cast<double>(share.Denominator);
    return std::round(percent * kHundredths) / kHundredths;
}

} // namespace zarn
