#include "caso/CaseDocumentJson.h"

#include "caso/DocumentFields.h"
#include "caso/DocumentKeys.h"
#include "caso/DocumentNames.h"
#include "caso/DocumentParser.h"
#include "caso/ExecutionDocument.h"
#include "caso/PrescriptionDocument.h"
#include "caso/SentencingDocument.h"
#include "execution/CaseExecution.h"
#include "prescription/PrescriptionCheck.h"
#include "sentencing/InputCheck.h"

#include <limits>
#include <new>
#include <type_traits>

namespace zarn {
namespace {

constexpr std::array<DocumentField<CaseDocument>, 3> kDocumentFields{{
    {"nome", &CaseDocument::Name},
    {"nascimento", &CaseDocument::Birth},
    {"data_calculo", &CaseDocument::CalculationDate},
}};

constexpr std::array<DocumentField<CaseOptions>, 1> kOptionFields{{
    {"acordao_confirmatorio_interrompe", &CaseOptions::ConfirmingAcordaoInterrupts},
}};

// The execution's options under their keys, for reading and writing alike: `visit` takes the
// key and the member of ExecutionOptions.
template <typename Visit>
void VisitExecutionOptions(Visit visit) {
    visit("imputacao", &ExecutionOptions::Imputation);
    visit("livramento_vedado", &ExecutionOptions::BarredParole);
    visit("limite_art75", &ExecutionOptions::Art75Limit);
}

// The dosimetria's options under their keys, for reading and writing alike: `visit` takes the
// key and the member of SentencingOptions.
template <typename Visit>
void VisitSentencingOptions(Visit visit) {
    visit("pena_base", &SentencingOptions::PenaBase);
    visit("segunda_fase", &SentencingOptions::SegundaFase);
    visit("terceira_fase", &SentencingOptions::TerceiraFase);
    visit("multa_dosimetria", &SentencingOptions::MultaDosimetria);
    visit("multa_continuado", &SentencingOptions::MultaContinuado);
}

// `formato` and `versao`, checked before any other key: a newer version may hold keys this
// program does not know, and is refused as newer rather than by its first unknown key.
void CheckFormatAndVersion(const DocumentNode& root) {
    if (!root.IsObject()) {
        throw DocumentError("o documento deve ser um objeto JSON {...}");
    }
    const DocumentNode format = root.Required("formato");
    if (!format.IsText() || format.Text() != kCaseFormat) {
        format.Refuse("deve ser \"" + std::string(kCaseFormat) +
                      "\": o documento n\xE3o \xE9 um caso do Zarn");
    }
    const DocumentNode version = root.Required("versao");
    const std::string versionOne = "deve ser " + std::to_string(kCaseVersion) +
                                   ", a vers\xE3o do documento, um n\xFAmero inteiro";
    if (!version.IsWhole()) {
        version.Refuse(versionOne);
    }
    const long long number =
        version.Whole(std::numeric_limits<long long>::min(), std::numeric_limits<long long>::max());
    if (number < kCaseVersion) {
        version.Refuse(versionOne);
    }
    if (number > kCaseVersion) {
        version.Refuse("documento da vers\xE3o " + std::to_string(number) +
                       ", mais nova do que a vers\xE3o " + std::to_string(kCaseVersion) +
                       " que este Zarn l\xEA");
    }
}

CaseOptions ReadOptions(const DocumentNode& node) {
    node.ExpectObject(kOptionKeys);
    CaseOptions options;
    VisitExecutionOptions([&](std::string_view key, auto member) {
        using Enum = std::remove_reference_t<decltype(options.Execution.*member)>;
        if (const std::optional<DocumentNode> value = node.Member(key)) {
            options.Execution.*member = value->Choice(NamesOf(Enum{}), &ChoiceName<Enum>::Document);
        }
    });
    ReadFields(node, kOptionFields, options);
    VisitSentencingOptions([&](std::string_view key, auto member) {
        using Enum = std::remove_reference_t<decltype(options.Sentencing.*member)>;
        if (const std::optional<DocumentNode> value = node.Member(key)) {
            options.Sentencing.*member = ReadSentencingName<Enum>(*value);
        }
    });
    return options;
}

CaseDocument ReadDocument(const DocumentNode& root) {
    CheckFormatAndVersion(root);
    root.ExpectObject(kDocumentKeys);
    CaseDocument document;
    ReadFields(root, kDocumentFields, document);
    if (const std::optional<DocumentNode> convention = root.Member("convencao")) {
        document.Convention =
            convention->Choice(kConventionNames, &ChoiceName<CountingConvention>::Document);
    }
    if (const std::optional<DocumentNode> options = root.Member("opcoes")) {
        document.Options = ReadOptions(*options);
    }
    document.Execution = ReadExecutionSection(root, document.Birth);
    if (const std::optional<DocumentNode> prescription = root.Member("prescricao");
        prescription && !prescription->IsNull()) {
        document.Prescription = ReadPrescriptionSection(*prescription);
    }
    if (const std::optional<DocumentNode> sentencing = root.Member("dosimetria");
        sentencing && !sentencing->IsNull()) {
        document.Sentencing = ReadSentencingSection(*sentencing);
    }
    return document;
}

JsonValue OptionsJson(const CaseOptions& options) {
    JsonValue object = JsonValue::object();
    const ExecutionOptions executionDefaults;
    VisitExecutionOptions([&](std::string_view key, auto member) {
        if (options.Execution.*member != executionDefaults.*member) {
            object[std::string(key)] = JsonText(DocumentName(options.Execution.*member));
        }
    });
    WriteFields(options, kOptionFields, object);
    const SentencingOptions defaults;
    VisitSentencingOptions([&](std::string_view key, auto member) {
        if (options.Sentencing.*member != defaults.*member) {
            object[std::string(key)] = JsonText(CasoName(options.Sentencing.*member));
        }
    });
    return InKeyOrder(std::move(object), kOptionKeys);
}

} // namespace

CaseReading ReadCaseDocumentAsWritten(std::string_view utf8) {
    try {
        const JsonValue json = ParseDocument(utf8);
        return CaseReading{ReadDocument(DocumentNode(json, "")), {}};
    } catch (const DocumentError& error) {
        return CaseReading{std::nullopt, error.what()};
    } catch (const std::bad_alloc&) {
        return CaseReading{std::nullopt, "o documento \xE9 grande demais para ser lido"};
    }
}

CaseReading ReadCaseDocument(std::string_view utf8) {
    CaseReading reading = ReadCaseDocumentAsWritten(utf8);
    if (reading.Ok()) {
        std::string fault = CaseDocumentFault(*reading.Document);
        if (!fault.empty()) {
            return CaseReading{std::nullopt, std::move(fault)};
        }
    }
    return reading;
}

std::string CaseDocumentFault(const CaseDocument& document) {
    if (const std::optional<ExecutionCase> execution = ExecutionInputOf(document)) {
        CaseExecutionResult result = ComputeCaseExecution(*execution);
        if (!result.Ok()) {
            return std::move(result.Error);
        }
    }
    if (const std::optional<PrescriptionInput> prescription = PrescriptionInputOf(document)) {
        std::string fault = PrescriptionInputError(*prescription);
        if (!fault.empty()) {
            return fault;
        }
    }
    if (const std::optional<SentencingInput> sentencing = SentencingInputOf(document)) {
        return FirstInputFault(*sentencing);
    }
    return {};
}

std::string WriteCaseDocument(const CaseDocument& document) {
    JsonValue root = JsonValue::object();
    root["formato"] = std::string(kCaseFormat);
    root["versao"] = kCaseVersion;
    WriteFields(document, kDocumentFields, root);
    root["convencao"] = JsonText(DocumentName(document.Convention));
    if (JsonValue options = OptionsJson(document.Options); !options.empty()) {
        root["opcoes"] = std::move(options);
    }
    if (document.Execution) {
        WriteExecutionSection(*document.Execution, document.Birth, root);
    }
    if (document.Prescription) {
        root["prescricao"] = WritePrescriptionSection(*document.Prescription);
    }
    if (document.Sentencing) {
        root["dosimetria"] = WriteSentencingSection(*document.Sentencing);
    }
    return WriteJsonDocument(InKeyOrder(std::move(root), kDocumentKeys));
}

} // namespace zarn
