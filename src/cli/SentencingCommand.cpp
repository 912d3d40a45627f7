// zarn-calc dosimetria: the three phases of each crime of a case document and the concurso
// (law.md 13, 14), as the text of the analysis or as one JSON object.

#include "caso/SentencingAnswerJson.h"
#include "cli/CaseArguments.h"
#include "cli/CaseDocumentFile.h"
#include "cli/CasePdf.h"
#include "cli/Commands.h"
#include "cli/JsonLine.h"
#include "sentencing/Sentencing.h"
#include "sentencing/SentencingText.h"

#include <array>

namespace zarn {
namespace {

constexpr std::string_view kInWordsFlag = "--extenso";
constexpr std::array kSwitches{kJsonFlag, kInWordsFlag};
constexpr std::array kValues{kPdfFlag};
constexpr std::string_view kSynopsis = "--caso ARQUIVO [--extenso] [--json] [--pdf ARQUIVO]";
constexpr std::string_view kNoSection =
    "o documento n\xE3o tem a se\xE7\xE3o \"dosimetria\", que este comando analisa";

constexpr std::string_view kHelpLead =
    "  dosimetria\n"
    "            As tr\xEAs fases da pena de cada crime da se\xE7\xE3o \"dosimetria\" de um\n"
    "            documento de caso (pena-base, pena provis\xF3ria e pena definitiva),\n"
    "            o concurso e a pena final, com as op\xE7\xF5"
    "es do documento. Um documento\n"
    "            que n\xE3o pode ser lido, uma chave recusada (com o seu lugar, como\n"
    "            dosimetria.crimes[0].maximo) ou um documento sem a se\xE7\xE3o s\xE3o erro\n"
    "            nos dados.\n";
constexpr std::string_view kHelpOwn =
    "            --extenso       os n\xFAmeros tamb\xE9m por extenso: \"9 (nove) anos\"\n"
    "            --json          um objeto JSON numa linha, com crimes (crime,\n"
    "                            pena_base, pena_provisoria, pena_definitiva,\n"
    "                            cada uma com anos, meses, dias e dias_multa, e\n"
    "                            passos), concurso (tipo, fracao e pena, ou\n"
    "                            null), pena_final e notas\n";

std::optional<CommandResult> Run(const CommandArguments& args, std::istream& in) {
    const CaseCommandStart start = StartCaseCommand(args, in, kSwitches, kValues);
    if (!start.Ok()) {
        return start.Answer;
    }
    const CaseArguments& read = *start.Arguments;
    const CaseDocument& document = *start.Document;
    const std::optional<SentencingInput> input = SentencingInputOf(document);
    if (!input) {
        return CaseFileFault(read.File, kNoSection);
    }
    const SentencingAnswer answer = ComputeSentencing(*input);
    if (!answer.Ok()) {
        return CaseFileFault(read.File, answer.Erro);
    }
    const bool inWords = read.Has(kInWordsFlag);
    if (std::optional<CommandResult> pdf =
            WritePdfIfAsked(read, document, [&](const std::string& name) {
                return SentencingCaseReport(document, name, inWords);
            })) {
        return pdf;
    }
    if (read.Has(kJsonFlag)) {
        return JsonLine(SentencingAnswerJson(answer, inWords));
    }
    return TextLines(WriteSentencing(*input, answer, inWords));
}

} // namespace

const Command& SentencingCommand() {
    static const std::string help = std::string(kHelpLead) + std::string(kCaseFlagHelp) +
                                    std::string(kHelpOwn) + std::string(kPdfFlagHelp);
    static const Command command{"dosimetria", kSynopsis, help, false, nullptr, &Run};
    return command;
}

} // namespace zarn
