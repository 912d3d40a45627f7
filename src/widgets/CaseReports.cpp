#include "widgets/CaseReports.h"

#include "execution/CaseExecution.h"
#include "execution/CaseExecutionText.h"
#include "prescription/Prescription.h"
#include "prescription/PrescriptionText.h"
#include "sentencing/Sentencing.h"
#include "sentencing/SentencingText.h"
#include "widgets/CaseExecutionTimeline.h"
#include "widgets/PrescriptionTimeline.h"
#include "widgets/QtText.h"

#include <QFileInfo>
#include <QFontMetricsF>
#include <algorithm>
#include <memory>
#include <string_view>

namespace zarn {
namespace {

constexpr std::string_view kExecutionTitle = "Execu\xE7\xE3o penal";
constexpr std::string_view kPrescriptionTitle = "Prescri\xE7\xE3o";
constexpr std::string_view kSentencingTitle = "Dosimetria";
constexpr std::string_view kNoExecution = "o caso n\xE3o tem condena\xE7\xF5"
                                          "es, per\xED"
                                          "odos nem eventos para a execu\xE7\xE3o";
constexpr std::string_view kNoPrescription = "o caso n\xE3o tem a se\xE7\xE3o da prescri\xE7\xE3o";
constexpr std::string_view kNoSentencing = "o caso n\xE3o tem a se\xE7\xE3o da dosimetria";

// The process numbers of the case's convictions, each once, in their order.
std::vector<std::string> ProcessNumbersOf(const CaseDocument& document) {
    std::vector<std::string> numbers;
    if (!document.Execution) {
        return numbers;
    }
    for (const Conviction& conviction : document.Execution->Convictions) {
        if (!conviction.Processo.empty() &&
            std::find(numbers.begin(), numbers.end(), conviction.Processo) == numbers.end()) {
            numbers.push_back(conviction.Processo);
        }
    }
    return numbers;
}

ReportContents ContentsOf(const CaseDocument& document, std::string_view title,
                          std::string caseName, std::string answer) {
    ReportContents contents;
    contents.Title = std::string(title);
    contents.CaseName = std::move(caseName);
    contents.ProcessNumbers = ProcessNumbersOf(document);
    contents.CalculationDate = CivilFromDate(CalculationDateOf(document));
    contents.Answer = std::move(answer);
    return contents;
}

// A timeline widget drawn onto the report's page; the picture keeps it alive.
template <typename Timeline>
ReportPicture PictureOf(std::shared_ptr<Timeline> timeline) {
    ReportPicture picture;
    picture.Height = [timeline](const QFontMetricsF& metrics, qreal width) {
        return timeline->Compose(metrics, width).Height;
    };
    picture.Paint = [timeline](QPainter& painter, const QRectF& area) {
        timeline->Paint(painter, area);
    };
    return picture;
}

CaseReportOutcome Refused(std::string error) {
    return {std::nullopt, std::move(error)};
}

} // namespace

std::string ReportCaseName(const CaseDocument& document, const QString& filePath) {
    if (!document.Name.empty() || filePath.isEmpty()) {
        return document.Name;
    }
    return ToCp1252(QFileInfo(filePath).completeBaseName());
}

CaseReportOutcome ExecutionCaseReport(const CaseDocument& document, std::string caseName) {
    const std::optional<ExecutionCase> input = ExecutionInputOf(document);
    if (!input) {
        return Refused(std::string(kNoExecution));
    }
    const CaseExecutionResult result = ComputeCaseExecution(*input);
    if (!result.Ok()) {
        return Refused(result.Error);
    }
    ReportContents contents = ContentsOf(document, kExecutionTitle, std::move(caseName),
                                         WriteCaseExecution(result.Answer, *input));
    auto timeline = std::make_shared<CaseExecutionTimeline>();
    timeline->SetAnswer(result.Answer);
    contents.Timeline = PictureOf(std::move(timeline));
    return {std::move(contents), {}};
}

CaseReportOutcome PrescriptionCaseReport(const CaseDocument& document, std::string caseName) {
    const std::optional<PrescriptionInput> input = PrescriptionInputOf(document);
    if (!input) {
        return Refused(std::string(kNoPrescription));
    }
    const PrescriptionOutcome outcome = AnalysePrescription(*input);
    if (!outcome.Ok()) {
        return Refused(outcome.Error);
    }
    ReportContents contents = ContentsOf(document, kPrescriptionTitle, std::move(caseName),
                                         WritePrescription(outcome.Report));
    auto timeline = std::make_shared<PrescriptionTimeline>();
    timeline->SetAnswer(outcome.Report, input->Marcos);
    contents.Timeline = PictureOf(std::move(timeline));
    return {std::move(contents), {}};
}

CaseReportOutcome SentencingCaseReport(const CaseDocument& document, std::string caseName,
                                       bool inWords) {
    const std::optional<SentencingInput> input = SentencingInputOf(document);
    if (!input) {
        return Refused(std::string(kNoSentencing));
    }
    const SentencingAnswer answer = ComputeSentencing(*input);
    if (!answer.Ok()) {
        return Refused(answer.Erro);
    }
    return {ContentsOf(document, kSentencingTitle, std::move(caseName),
                       WriteSentencing(*input, answer, inWords)),
            {}};
}

} // namespace zarn
