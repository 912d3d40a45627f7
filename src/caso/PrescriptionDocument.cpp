#include "caso/PrescriptionDocument.h"

#include "caso/DocumentFields.h"
#include "law/Consequences.h"
#include "prescription/PrescriptionNames.h"

#include <array>

namespace zarn {
namespace {

constexpr std::array<std::string_view, 3> kSectionKeys{"crimes", "marcos", "suspensoes"};
constexpr std::array<std::string_view, 2> kMarcoKeys{"tipo", "data"};
constexpr std::array<std::string_view, 3> kSuspensionKeys{"tipo", "inicio", "fim"};

constexpr std::array<DocumentField<PrescriptionCrime>, 7> kCrimeFields{{
    {"descricao", &PrescriptionCrime::Description},
    {"data_fato", &PrescriptionCrime::DateOfFact},
    {"data_inicio_prazo", &PrescriptionCrime::PeriodStart},
    {"violencia_sexual_mulher", &PrescriptionCrime::SexualViolenceAgainstWoman},
    {"pena_maxima",
     TermField<PrescriptionCrime>{&PrescriptionCrime::MaximumDays, kLargestTermDays}},
    {"pena_aplicada",
     TermOrNullField<PrescriptionCrime>{&PrescriptionCrime::AppliedDays, kLargestTermDays}},
    {"reincidente", &PrescriptionCrime::RepeatOffender},
}};
constexpr auto kCrimeKeys = KeysOf(kCrimeFields);

template <typename Kind, std::size_t Size>
Kind ReadKind(const DocumentNode& node, const std::array<KindName<Kind>, Size>& names) {
    return node.Choice(names, &KindName<Kind>::Value, &KindName<Kind>::Key);
}

PrescriptionCrime ReadCrime(const DocumentNode& node) {
    node.ExpectObject(kCrimeKeys);
    PrescriptionCrime crime;
    ReadFields(node, kCrimeFields, crime);
    return crime;
}

Marco ReadMarco(const DocumentNode& node) {
    node.ExpectObject(kMarcoKeys);
    return Marco{ReadKind(node.Required("tipo"), kMarcoKindNames), node.Required("data").Date()};
}

Suspension ReadSuspension(const DocumentNode& node) {
    node.ExpectObject(kSuspensionKeys);
    Suspension suspension;
    suspension.Kind = ReadKind(node.Required("tipo"), kSuspensionKindNames);
    suspension.Start = node.Required("inicio").Date();
    if (const std::optional<DocumentNode> end = node.Member("fim")) {
        suspension.End = end->DateOrNull();
    }
    return suspension;
}

JsonValue CrimeJson(const PrescriptionCrime& crime) {
    JsonValue object = JsonValue::object();
    WriteFields(crime, kCrimeFields, object);
    return object;
}

JsonValue MarcoJson(const Marco& marco) {
    JsonValue object = JsonValue::object();
    object["tipo"] = JsonText(KeyOf(marco.Kind));
    object["data"] = JsonDate(marco.Date);
    return object;
}

JsonValue SuspensionJson(const Suspension& suspension) {
    JsonValue object = JsonValue::object();
    object["tipo"] = JsonText(KeyOf(suspension.Kind));
    object["inicio"] = JsonDate(suspension.Start);
    if (suspension.End) {
        object["fim"] = JsonDate(suspension.End);
    }
    return object;
}

} // namespace

PrescriptionInput ReadPrescriptionSection(const DocumentNode& prescricao) {
    prescricao.ExpectObject(kSectionKeys);
    PrescriptionInput input;
    input.Crimes = ReadList(prescricao, "crimes", &ReadCrime);
    input.Marcos = ReadList(prescricao, "marcos", &ReadMarco);
    input.Suspensions = ReadList(prescricao, "suspensoes", &ReadSuspension);
    return input;
}

JsonValue WritePrescriptionSection(const PrescriptionInput& input) {
    JsonValue section = JsonValue::object();
    section["crimes"] = ListJson(input.Crimes, &CrimeJson);
    section["marcos"] = ListJson(input.Marcos, &MarcoJson);
    section["suspensoes"] = ListJson(input.Suspensions, &SuspensionJson);
    return section;
}

} // namespace zarn
