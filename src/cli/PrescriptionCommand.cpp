// zarn-calc prescricao: the prescription of the crimes of a case document (law.md 9, 12), as
// the text of the analysis or as one JSON object.

#include "caso/PrescriptionAnswerJson.h"
#include "cli/CaseArguments.h"
#include "cli/CaseDocumentFile.h"
#include "cli/CasePdf.h"
#include "cli/Commands.h"
#include "cli/JsonLine.h"
#include "prescription/Prescription.h"
#include "prescription/PrescriptionText.h"

#include <array>

namespace zarn {
namespace {

constexpr std::array kSwitches{kJsonFlag};
constexpr std::array kValues{kPdfFlag};
constexpr std::string_view kSynopsis = "--caso ARQUIVO [--json] [--pdf ARQUIVO]";
constexpr std::string_view kNoSection =
    "o documento n\xE3o tem a se\xE7\xE3o \"prescricao\", que este comando analisa";

constexpr std::string_view kHelpLead =
    "  prescricao\n"
    "            A prescri\xE7\xE3o de cada crime da se\xE7\xE3o \"prescricao\" de um documento\n"
    "            de caso: em abstrato, retroativa, intercorrente e execut\xF3ria, cada\n"
    "            uma com o seu prazo, os seus intervalos e \"prescrita em\" ou\n"
    "            \"prescreve em\". Um documento que n\xE3o pode ser lido, uma chave\n"
    "            recusada (com o seu lugar, como prescricao.marcos[1].data) ou um\n"
    "            documento sem a se\xE7\xE3o s\xE3o erro nos dados.\n";
constexpr std::string_view kHelpJson =
    "            --json          um objeto JSON numa linha, com data_calculo e\n"
    "                            crimes (descricao e analises: tipo, pena_dias,\n"
    "                            prazo, intervalos, prescrita_em, prescreve_em\n"
    "                            e notas)\n";

std::optional<CommandResult> Run(const CommandArguments& args, std::istream& in) {
    const CaseCommandStart start = StartCaseCommand(args, in, kSwitches, kValues);
    if (!start.Ok()) {
        return start.Answer;
    }
    const CaseArguments& read = *start.Arguments;
    const CaseDocument& document = *start.Document;
    const std::optional<PrescriptionInput> input = PrescriptionInputOf(document);
    if (!input) {
        return CaseFileFault(read.File, kNoSection);
    }
    const PrescriptionOutcome outcome = AnalysePrescription(*input);
    if (!outcome.Ok()) {
        return CaseFileFault(read.File, outcome.Error);
    }
    if (std::optional<CommandResult> pdf =
            WritePdfIfAsked(read, document, [&](const std::string& name) {
                return PrescriptionCaseReport(document, name);
            })) {
        return pdf;
    }
    if (read.Has(kJsonFlag)) {
        return JsonLine(PrescriptionReportJson(outcome.Report));
    }
    return TextLines(WritePrescription(outcome.Report));
}

} // namespace

const Command& PrescriptionCommand() {
    static const std::string help = std::string(kHelpLead) + std::string(kCaseFlagHelp) +
                                    std::string(kHelpJson) + std::string(kPdfFlagHelp);
    static const Command command{"prescricao", kSynopsis, help, false, nullptr, &Run};
    return command;
}

} // namespace zarn
