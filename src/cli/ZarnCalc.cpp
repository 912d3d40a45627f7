#include "cli/ZarnCalc.h"

#include "widgets/QtText.h"

#include <QByteArray>
#include <QString>
#include <algorithm>
#include <istream>
#include <optional>
#include <ostream>
#include <string_view>

namespace zarn {
namespace {

constexpr std::string_view kHelpOption = "--help";
constexpr std::string_view kVersionOption = "--version";
constexpr std::string_view kBatchOption = "--lote";

// Texts in Windows-1252, shown in UTF-8.
constexpr std::string_view kUsageFirst = "Uso: ";
constexpr std::string_view kUsageNext = "     ";
constexpr std::string_view kProgram = "zarn-calc ";
constexpr std::string_view kUsageOptions = "     zarn-calc --lote\n"
                                           "     zarn-calc --help | --version\n";
constexpr std::string_view kUnknownCommand = "zarn-calc: comando desconhecido: \"";
constexpr std::string_view kOutputFailure = "zarn-calc: n\xE3o foi poss\xED"
                                            "vel escrever a sa\xED"
                                            "da (disco cheio ou sa\xED"
                                            "da fechada).\n";
constexpr std::string_view kBatchLineUsage =
    "Linha inv\xE1lida: use pena, ANOS, MESES, DIAS, MULTA e OPERACAO ou termino, INICIO, "
    "ANOS, MESES e DIAS, separados por tabula\xE7\xE3o.";
constexpr std::string_view kHelpIntro =
    "\n"
    "Faz pela linha de comando os c\xE1lculos do Zarn, com as mesmas regras das janelas.\n"
    "\n";
constexpr std::string_view kHelpOptions =
    "  --lote    L\xEA da entrada padr\xE3o linhas com os argumentos de pena ou termino\n"
    "            separados por tabula\xE7\xE3o (primeira coluna \"pena\" ou \"termino\") e\n"
    "            escreve uma linha de resultado para cada linha lida.\n"
    "  --help    Mostra esta ajuda.\n"
    "  --version Mostra a vers\xE3o.\n"
    "\n"
    "Nenhum argumento \xE9 cortado nem mudado: um argumento com um caractere que o seu\n"
    "campo recusa (uma letra ou um sinal num campo de algarismos, um caractere de\n"
    "controle) ou mais longo do que o campo \xE9 recusado com uma mensagem que nomeia o\n"
    "campo. Espa\xE7os s\xE3o ignorados, como na janela.\n"
    "\n"
    "C\xF3"
    "digos de sa\xED"
    "da: 0 resultado; 1 erro nos dados; 2 uso incorreto; 3 a sa\xED"
    "da n\xE3o\n"
    "p\xF4"
    "de ser escrita. No lote vale o maior c\xF3"
    "digo entre as linhas: 0 se todas deram\n"
    "resultado, 1 se alguma teve erro nos dados, 2 se alguma linha estava mal formada.\n";

// One argument or column from UTF-8; a character Windows-1252 lacks, or a byte that is not
// UTF-8, becomes the substitute character, which every field refuses.
std::string FromUtf8(std::string_view utf8) {
    const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    std::string cp1252;
    cp1252.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar c : text) {
        char byte = kUnknownCharacter;
        ToCp1252Char(c, byte);
        cp1252.push_back(byte);
    }
    return cp1252;
}

CommandArguments FromUtf8(const std::vector<std::string>& args) {
    CommandArguments converted;
    converted.reserve(args.size());
    for (const std::string& arg : args) {
        converted.push_back(FromUtf8(arg));
    }
    return converted;
}

void WriteUtf8(std::ostream& stream, std::string_view cp1252) {
    const QByteArray utf8 = ToQString(cp1252).toUtf8();
    stream.write(utf8.constData(), static_cast<std::streamsize>(utf8.size()));
}

void WriteLines(std::ostream& stream, const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        WriteUtf8(stream, line);
        stream.put('\n');
    }
}

std::string UsageText() {
    std::string usage;
    for (const Command& command : Commands()) {
        usage += usage.empty() ? kUsageFirst : kUsageNext;
        usage += std::string(kProgram) + std::string(command.Name) + " " +
                 std::string(command.Synopsis) + "\n";
    }
    return usage + std::string(kUsageOptions);
}

std::string HelpText() {
    std::string help = UsageText() + std::string(kHelpIntro);
    for (const Command& command : Commands()) {
        help += command.Help;
    }
    return help + std::string(kHelpOptions);
}

int UsageError(std::ostream& err, std::string_view unknown = {}, bool isOption = false) {
    if (!unknown.empty()) {
        WriteUtf8(err, std::string(isOption ? kUnknownOptionMessage : kUnknownCommand) +
                           std::string(unknown) + "\".\n");
    }
    WriteUtf8(err, UsageText());
    WriteLines(err, {std::string(kUsageHint)});
    return kExitUsage;
}

// One line of --lote: a command that writes one line, and its arguments. Nothing when the
// line is malformed.
std::optional<CommandResult> RunBatchLine(const CommandArguments& columns) {
    const Command* command = columns.empty() ? nullptr : FindCommand(columns.front());
    if (!command || !command->InBatch) {
        return std::nullopt;
    }
    return command->Run(CommandArguments(columns.begin() + 1, columns.end()));
}

CommandArguments SplitColumns(std::string_view line) {
    CommandArguments columns;
    std::size_t start = 0;
    while (true) {
        const std::size_t tab = line.find('\t', start);
        columns.push_back(FromUtf8(line.substr(start, tab - start)));
        if (tab == std::string_view::npos) {
            return columns;
        }
        start = tab + 1;
    }
}

int RunBatch(std::istream& in, std::ostream& out) {
    int worst = kExitResult;
    std::string line;
    while (out && std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        const std::optional<CommandResult> result = RunBatchLine(SplitColumns(line));
        if (result) {
            WriteLines(out, result->Out);
            worst = std::max(worst, result->ExitCode);
        } else {
            WriteLines(out, {std::string(kBatchLineUsage)});
            worst = kExitUsage;
        }
    }
    return worst;
}

int RunCommandLine(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                   std::ostream& err) {
    if (args.empty()) {
        return UsageError(err);
    }
    const std::string_view first = args.front();
    if (args.size() == 1 && first == kHelpOption) {
        WriteUtf8(out, HelpText());
        return kExitResult;
    }
    if (args.size() == 1 && first == kVersionOption) {
        out << "zarn-calc " << ZARN_VERSION << '\n';
        return kExitResult;
    }
    if (args.size() == 1 && first == kBatchOption) {
        return RunBatch(in, out);
    }
    const CommandArguments converted = FromUtf8(args);
    const Command* command = FindCommand(converted.front());
    const bool isOption = first.starts_with("-");
    if (!command) {
        const bool known = first == kHelpOption || first == kVersionOption || first == kBatchOption;
        return UsageError(err, known ? std::string_view{} : std::string_view(converted.front()),
                          isOption);
    }
    const CommandArguments commandArgs(converted.begin() + 1, converted.end());
    const std::optional<CommandResult> result =
        command->RunWithInput ? command->RunWithInput(commandArgs, in) : command->Run(commandArgs);
    if (!result) {
        return UsageError(err);
    }
    WriteLines(out, result->Out);
    out.flush();
    WriteLines(err, result->Err);
    return result->ExitCode;
}

} // namespace

int RunZarnCalc(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                std::ostream& err) {
    const int code = RunCommandLine(args, in, out, err);
    out.flush();
    if (!out) {
        WriteUtf8(err, kOutputFailure);
        return kExitOutputFailure;
    }
    return code;
}

} // namespace zarn
