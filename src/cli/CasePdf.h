#pragma once

// `--pdf FILE` of the subcommands that read a case document: the report of the analysis
// (widgets/CaseReports.h), the same PDF the window's Exportar PDF... writes, saved in one
// step; standard output then gets nothing (the JSON still, with --json). The report draws its
// timeline with the windows' own code, so a QApplication runs for it on the offscreen
// platform: no display is needed. A PDF that cannot be written is an output failure (exit 3)
// whose message names the file and the cause.

#include "cli/CaseArguments.h"
#include "cli/Command.h"
#include "widgets/CaseReports.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace zarn {

inline constexpr std::string_view kPdfFlag = "--pdf";

// The lines of --help that describe --pdf.
extern const std::string_view kPdfFlagHelp;

// The case's name in the report: the document's, else the file's name ("-" has none).
std::string ReportName(const CaseDocument& document, std::string_view caseFile);

// Makes the report and writes it to `pdfFile` (Windows-1252, as given); the analysis's
// refusal is an input error of `caseFile`.
CommandResult WriteCasePdf(std::string_view pdfFile, std::string_view caseFile,
                           const std::function<CaseReportOutcome()>& report);

// The --pdf of a subcommand that also answers on standard output: the PDF's result when the
// PDF failed or when --json was not asked as well; none when the answer goes on to standard
// output (no --pdf, or the PDF written and --json asked too). `report` gets the case's name.
std::optional<CommandResult>
WritePdfIfAsked(const CaseArguments& read, const CaseDocument& document,
                const std::function<CaseReportOutcome(const std::string& name)>& report);

} // namespace zarn
