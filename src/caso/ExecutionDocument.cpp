#include "caso/ExecutionDocument.h"

#include "caso/DocumentFields.h"
#include "caso/DocumentNames.h"
#include "caso/FactsDocument.h"
#include "execution/ExecutionTexts.h"
#include "law/Consequences.h"

#include <array>

namespace zarn {
namespace {

constexpr std::array<DocumentField<Conviction>, 6> kConvictionFields{{
    {"processo", &Conviction::Processo},
    {"crime", &Conviction::Crime},
    {"pena", TermField<Conviction>{&Conviction::TermDays, kLargestTermDays}},
    {"dias_multa", WholeOrNullField<Conviction>{&Conviction::DiasMulta, kLargestTermDays}},
    {"transito_em_julgado", &Conviction::TransitoEmJulgado},
    {"durante_execucao", &Conviction::DuringExecution},
}};
constexpr std::array<std::string_view, 8> kConvictionKeys{
    "processo",         "crime", "pena", "dias_multa", "data_crime", "transito_em_julgado", "fatos",
    "durante_execucao",
};
constexpr std::array<std::string_view, 3> kPeriodKeys{"inicio", "fim", "descricao"};
constexpr std::array<std::string_view, 11> kEventKeys{
    "tipo",         "data",      "descricao", "remicao_perdida", "dias",   "trabalho_dias",
    "estudo_horas", "conclusao", "livros",    "horas",           "regime",
};

constexpr bool IsFaltaGrave(EventKind kind) {
    return kind == EventKind::FaltaGrave;
}
constexpr bool IsRemicao(EventKind kind) {
    return kind == EventKind::Remicao;
}
constexpr bool IsNightConfinement(EventKind kind) {
    return kind == EventKind::RecolhimentoNoturno;
}
constexpr bool ChangesRegime(EventKind kind) {
    return kind == EventKind::Progressao || kind == EventKind::Regressao;
}

// A key that only some kinds of event take, and the execution's words for it in another.
struct KindKey {
    std::string_view Key;
    bool (*Takes)(EventKind);
    std::string_view OnlyFor;
};
constexpr std::array kKindKeys{
    KindKey{"remicao_perdida", &IsFaltaGrave, kLostOnlyAtFalta},
    KindKey{"dias", &IsRemicao, kOnlyForRemicao},
    KindKey{"trabalho_dias", &IsRemicao, kOnlyForRemicao},
    KindKey{"estudo_horas", &IsRemicao, kOnlyForRemicao},
    KindKey{"conclusao", &IsRemicao, kOnlyForRemicao},
    KindKey{"livros", &IsRemicao, kOnlyForRemicao},
    KindKey{"horas", &IsNightConfinement, kOnlyForNightConfinement},
    KindKey{"regime", &ChangesRegime, kOnlyForRegimeChange},
};

// The amounts of a remicao, exactly one given.
struct AmountKey {
    std::string_view Key;
    std::optional<long long> ExecutionEvent::*Member;
};
constexpr std::array kRemicaoAmounts{
    AmountKey{"dias", &ExecutionEvent::Days},
    AmountKey{"trabalho_dias", &ExecutionEvent::WorkDays},
    AmountKey{"estudo_horas", &ExecutionEvent::StudyHours},
    AmountKey{"livros", &ExecutionEvent::Books},
};

long long Count(const DocumentNode& node) {
    return node.Whole(0, kLargestTermDays);
}

Regime ReadRegime(const DocumentNode& node) {
    return node.Choice(kRegimeNames, &ChoiceName<Regime>::Document);
}

Conviction ReadConviction(const DocumentNode& node, std::optional<DayNumber> birth) {
    node.ExpectObject(kConvictionKeys);
    const DocumentNode term = node.Required("pena");
    Conviction conviction;
    ReadFields(node, kConvictionFields, conviction);
    if (conviction.TermDays < 1) {
        term.Refuse(std::string(kTermTooShort));
    }
    std::optional<DayNumber> crimeDate;
    if (const std::optional<DocumentNode> date = node.Member("data_crime")) {
        crimeDate = date->DateOrNull();
    }
    conviction.Facts = ReadFacts(node.Member("fatos"), crimeDate, birth);
    return conviction;
}

ServingPeriod ReadPeriod(const DocumentNode& node) {
    node.ExpectObject(kPeriodKeys);
    ServingPeriod period;
    period.Start = node.Required("inicio").Date();
    if (const std::optional<DocumentNode> end = node.Member("fim")) {
        period.End = end->DateOrNull();
    }
    if (const std::optional<DocumentNode> description = node.Member("descricao")) {
        period.Description = description->Text();
    }
    return period;
}

void ReadRemicao(const DocumentNode& node, ExecutionEvent& event) {
    int given = 0;
    for (const AmountKey& amount : kRemicaoAmounts) {
        if (const std::optional<DocumentNode> value = node.Member(amount.Key)) {
            event.*amount.Member = Count(*value);
            ++given;
        }
    }
    if (given == 0) {
        node.Refuse(std::string(kRemicaoAmountMissing));
    }
    if (given > 1) {
        node.Refuse(std::string(kRemicaoAmountTwice));
    }
    if (const std::optional<DocumentNode> level = node.Member("conclusao")) {
        if (!event.StudyHours) {
            level->Refuse(std::string(kOnlyForStudy));
        }
        event.LevelCompleted = level->Boolean();
    }
}

ExecutionEvent ReadEvent(const DocumentNode& node) {
    node.ExpectObject(kEventKeys);
    ExecutionEvent event;
    event.Kind = node.Required("tipo").Choice(kEventKindNames, &ChoiceName<EventKind>::Document);
    event.Date = node.Required("data").Date();
    if (const std::optional<DocumentNode> description = node.Member("descricao")) {
        event.Description = description->Text();
    }
    for (const KindKey& key : kKindKeys) {
        if (const std::optional<DocumentNode> stray = node.Member(key.Key);
            stray && !key.Takes(event.Kind)) {
            stray->Refuse(std::string(key.OnlyFor));
        }
    }
    switch (event.Kind) {
    case EventKind::FaltaGrave:
        if (const std::optional<DocumentNode> lost = node.Member("remicao_perdida")) {
            event.RemicaoLost = Count(*lost);
        }
        break;
    case EventKind::Remicao:
        ReadRemicao(node, event);
        break;
    case EventKind::RecolhimentoNoturno:
        event.Hours = Count(node.Required("horas"));
        break;
    case EventKind::Progressao:
    case EventKind::Regressao:
        event.ToRegime = ReadRegime(node.Required("regime"));
        break;
    case EventKind::Fuga:
        break;
    }
    return event;
}

JsonValue ConvictionJson(const Conviction& conviction, std::optional<DayNumber> birth) {
    JsonValue object = JsonValue::object();
    WriteFields(conviction, kConvictionFields, object);
    if (conviction.Facts.CrimeDate) {
        object["data_crime"] = JsonDate(conviction.Facts.CrimeDate);
    }
    if (JsonValue facts = WriteFacts(conviction.Facts, birth); !facts.empty()) {
        object["fatos"] = std::move(facts);
    }
    return InKeyOrder(std::move(object), kConvictionKeys);
}

JsonValue PeriodJson(const ServingPeriod& period) {
    JsonValue object = JsonValue::object();
    object["inicio"] = JsonDate(period.Start);
    if (period.End) {
        object["fim"] = JsonDate(period.End);
    }
    if (!period.Description.empty()) {
        object["descricao"] = JsonText(period.Description);
    }
    return object;
}

JsonValue EventJson(const ExecutionEvent& event) {
    JsonValue object = JsonValue::object();
    object["tipo"] = JsonText(NameIn(kEventKindNames, event.Kind));
    object["data"] = JsonDate(event.Date);
    if (!event.Description.empty()) {
        object["descricao"] = JsonText(event.Description);
    }
    if (event.RemicaoLost != 0) {
        object["remicao_perdida"] = event.RemicaoLost;
    }
    for (const AmountKey& amount : kRemicaoAmounts) {
        if (event.*amount.Member) {
            object[std::string(amount.Key)] = *(event.*amount.Member);
        }
    }
    if (event.LevelCompleted) {
        object["conclusao"] = true;
    }
    if (event.Hours) {
        object["horas"] = *event.Hours;
    }
    if (event.ToRegime) {
        object["regime"] = JsonText(NameIn(kRegimeNames, *event.ToRegime));
    }
    return InKeyOrder(std::move(object), kEventKeys);
}

} // namespace

std::optional<ExecutionCase> ReadExecutionSection(const DocumentNode& document,
                                                  std::optional<DayNumber> birth) {
    ExecutionCase execution;
    if (const std::optional<DocumentNode> convictions = document.Member("condenacoes")) {
        for (const DocumentNode& item : convictions->Items()) {
            execution.Convictions.push_back(ReadConviction(item, birth));
        }
    }
    execution.Periods = ReadList(document, "periodos", &ReadPeriod);
    execution.Events = ReadList(document, "eventos", &ReadEvent);
    if (const std::optional<DocumentNode> regime = document.Member("regime_inicial");
        regime && !regime->IsNull()) {
        execution.InitialRegime = ReadRegime(*regime);
    }
    if (execution.Convictions.empty() && execution.Periods.empty() && execution.Events.empty() &&
        !execution.InitialRegime) {
        return std::nullopt;
    }
    return execution;
}

void WriteExecutionSection(const ExecutionCase& execution, std::optional<DayNumber> birth,
                           JsonValue& document) {
    JsonValue convictions = JsonValue::array();
    for (const Conviction& conviction : execution.Convictions) {
        convictions.push_back(ConvictionJson(conviction, birth));
    }
    document["condenacoes"] = std::move(convictions);
    document["periodos"] = ListJson(execution.Periods, &PeriodJson);
    document["eventos"] = ListJson(execution.Events, &EventJson);
    if (execution.InitialRegime) {
        document["regime_inicial"] = JsonText(NameIn(kRegimeNames, *execution.InitialRegime));
    }
}

} // namespace zarn
