#pragma once

// The report of each analysis of a case document (AnalysisReport's contents): its title, the
// case's name, the process numbers of its convictions, the date of the calculation, the
// analysis's text as the window and zarn-calc write it, and its timeline (the execution's and
// the prescription's; the dosimetria has none). The windows and `zarn-calc --pdf` both make
// their reports here, so that the two PDFs are the same. The timelines are widgets: a
// QApplication must exist.

#include "caso/CaseDocument.h"
#include "widgets/AnalysisReport.h"

#include <QString>
#include <optional>
#include <string>

namespace zarn {

struct CaseReportOutcome {
    std::optional<ReportContents> Contents;
    std::string Error; // Windows-1252; the analysis's refusal, by its place in the document

    bool Ok() const { return Contents.has_value(); }
};

// The name a report gives the case: the document's, else the file's name without its
// extension (empty for neither).
std::string ReportCaseName(const CaseDocument& document, const QString& filePath);

CaseReportOutcome ExecutionCaseReport(const CaseDocument& document, std::string caseName);
CaseReportOutcome PrescriptionCaseReport(const CaseDocument& document, std::string caseName);
// `inWords`: the numbers also in words, as the window's check box and --extenso ask.
CaseReportOutcome SentencingCaseReport(const CaseDocument& document, std::string caseName,
                                       bool inWords);

} // namespace zarn
