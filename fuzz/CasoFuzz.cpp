// The bytes as a case document (caso.md), read as zarn-calc reads a --caso file, with today
// fixed at 08/12/2026 for a null date of the calculation.
//
// Properties: reading never throws; a refused document gives one message that says where:
// the line and column of what is not JSON, the document itself when it is no object, or else
// the place of the key at fault before ": "; an accepted document, written and read again, is
// the same document, and written again the same text; its analyses run (the execution's without
// a refusal, since the document's check took it), each answer writes its text (ending with the
// closing line) and its JSON.

#include "FuzzCheck.h"
#include "caso/CaseDocumentJson.h"
#include "caso/ExecutionAnswerJson.h"
#include "caso/PrescriptionAnswerJson.h"
#include "caso/SentencingAnswerJson.h"
#include "dates/Clock.h"
#include "engine/CodePage.h"
#include "execution/CaseExecution.h"
#include "execution/CaseExecutionText.h"
#include "law/LegalText.h"
#include "prescription/Prescription.h"
#include "prescription/PrescriptionText.h"
#include "sentencing/Sentencing.h"
#include "sentencing/SentencingText.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace zarn::fuzz {
namespace {

constexpr CivilDate kToday{2026, 12, 8};
constexpr std::string_view kNotJson = "n\xE3o \xE9 um documento JSON: ";
constexpr std::string_view kNotAnObject = "o documento deve ser um objeto JSON {...}";

bool SaysWhere(const std::string& error) {
    if (error.starts_with(kNotJson) || error == kNotAnObject) {
        return true;
    }
    const std::size_t colon = error.find(": ");
    return colon != std::string::npos && colon > 0;
}

bool EndsWithTheClosingLine(const std::string& text) {
    return text.ends_with(kClosingLine);
}

// The answers' JSON holds texts of the program's code page only, so it writes as UTF-8.
bool WritesAsUtf8(const JsonValue& answer) {
    return Cp1252FromUtf8(WriteJsonLine(answer)).has_value();
}

void CheckAnalyses(const CaseDocument& document) {
    if (const std::optional<ExecutionCase> input = ExecutionInputOf(document)) {
        // The document's check already ran the execution: it cannot refuse it now.
        const CaseExecutionResult result = ComputeCaseExecution(*input);
        Require(result.Ok(), "an execution the document's check took is computed");
        Require(EndsWithTheClosingLine(WriteCaseExecution(result.Answer, *input)),
                "the execution text ends with the closing line");
        Require(WritesAsUtf8(CaseExecutionJson(result.Answer)), "the execution JSON is UTF-8");
    }
    if (const std::optional<PrescriptionInput> input = PrescriptionInputOf(document)) {
        const PrescriptionOutcome outcome = AnalysePrescription(*input);
        if (outcome.Ok()) {
            Require(outcome.Report.Crimes.size() == input->Crimes.size(),
                    "one prescription answer for each crime");
            Require(EndsWithTheClosingLine(WritePrescription(outcome.Report)),
                    "the prescription text ends with the closing line");
            Require(WritesAsUtf8(PrescriptionReportJson(outcome.Report)),
                    "the prescription JSON is UTF-8");
        }
    }
    if (const std::optional<SentencingInput> input = SentencingInputOf(document)) {
        const SentencingAnswer answer = ComputeSentencing(*input);
        if (answer.Ok()) {
            Require(EndsWithTheClosingLine(WriteSentencing(*input, answer, true)),
                    "the dosimetria text ends with the closing line");
            Require(WritesAsUtf8(SentencingAnswerJson(answer, false)),
                    "the dosimetria JSON is UTF-8");
        } else {
            Require(answer.Erro.starts_with("dosimetria."), "a dosimetria refusal names its place");
        }
    }
}

} // namespace

void CheckCaseDocument(const std::uint8_t* data, std::size_t size) {
    SetTodayForTesting(kToday);
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const CaseReading reading = ReadCaseDocument(text);
    if (!reading.Ok()) {
        Require(SaysWhere(reading.Error), "a refusal says where");
        return;
    }
    const std::string written = WriteCaseDocument(*reading.Document);
    const CaseReading again = ReadCaseDocument(written);
    Require(again.Ok(), "a document written is read again");
    Require(*again.Document == *reading.Document, "read again, it is the same document");
    Require(WriteCaseDocument(*again.Document) == written, "written again, the same text");
    CheckAnalyses(*reading.Document);
}

} // namespace zarn::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    zarn::fuzz::CheckCaseDocument(data, size);
    return 0;
}
