#include "cli/ZarnCalc.h"

#include "cli/FieldTyping.h"
#include "dates/DateError.h"
#include "dates/DateSettings.h"
#include "dates/EndDate.h"
#include "engine/Calculation.h"
#include "fields/ProgramMasks.h"
#include "widgets/QtText.h"

#include <QByteArray>
#include <QString>
#include <istream>
#include <optional>
#include <ostream>
#include <string_view>

namespace zarn {
namespace {

constexpr std::string_view kSentenceCommand = "pena";
constexpr std::string_view kEndDateCommand = "termino";
constexpr std::string_view kHelpOption = "--help";
constexpr std::string_view kVersionOption = "--version";
constexpr std::string_view kBatchOption = "--lote";
constexpr std::size_t kSentenceColumns = 6; // pena ANOS MESES DIAS MULTA OPERACAO
constexpr std::size_t kEndDateColumns = 5;  // termino INICIO ANOS MESES DIAS

// Texts in Windows-1252, shown in UTF-8.
constexpr std::string_view kUsage = "Uso: zarn-calc pena ANOS MESES DIAS MULTA OPERACAO\n"
                                    "     zarn-calc termino INICIO ANOS MESES DIAS\n"
                                    "     zarn-calc --lote\n"
                                    "     zarn-calc --help | --version\n";
constexpr std::string_view kUsageHint = "Para mais informa\xE7\xF5"
                                        "es: zarn-calc --help\n";
constexpr std::string_view kBatchLineUsage =
    "Linha inv\xE1lida: use pena, ANOS, MESES, DIAS, MULTA e OPERACAO ou termino, INICIO, "
    "ANOS, MESES e DIAS, separados por tabula\xE7\xE3o.";
constexpr std::string_view kHelpBody =
    "\n"
    "Faz pela linha de comando os c\xE1lculos do Zarn, com as mesmas regras das janelas.\n"
    "\n"
    "  pena      Cada argumento \xE9 digitado no seu campo vazio, como o usu\xE1rio o\n"
    "            digitaria: ANOS (at\xE9 3 algarismos), MESES e DIAS (at\xE9 2), MULTA em\n"
    "            dias-multa (at\xE9 5) e OPERACAO (um sinal e uma fra\xE7\xE3o, como \"+1/6\",\n"
    "            \"-1/3\" ou \"x2\"). Um argumento vazio (\"\") deixa o campo em branco.\n"
    "            Escreve a frase do resultado ou a mensagem de erro.\n"
    "  termino   Calcula o \xFAltimo dia da pena. INICIO \xE9 digitado no campo de data\n"
    "            (ddmmaaaa, como 01012008; uma barra digitada depois do dia ou do m\xEAs\n"
    "            completo salta um campo, como na janela); ANOS, MESES e DIAS s\xE3o lidos\n"
    "            como n\xFAmeros inteiros. Escreve a data final, \"Erro!\" ou o erro da data.\n"
    "  --lote    L\xEA da entrada padr\xE3o linhas com esses argumentos separados por\n"
    "            tabula\xE7\xE3o (primeira coluna \"pena\" ou \"termino\") e escreve uma linha\n"
    "            de resultado para cada linha lida.\n"
    "  --help    Mostra esta ajuda.\n"
    "  --version Mostra a vers\xE3o.\n"
    "\n"
    "C\xF3"
    "digos de sa\xED"
    "da: 0 resultado; 1 erro nos dados; 2 uso incorreto. No lote vale o maior\n"
    "c\xF3"
    "digo entre as linhas: 0 se todas deram resultado, 1 se alguma teve erro nos dados,\n"
    "2 se alguma linha estava mal formada.\n";

struct CaseOutcome {
    std::string Text; // Windows-1252
    int ExitCode = kExitResult;
};

std::string FromUtf8(std::string_view utf8) {
    return ToCp1252(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
}

void WriteUtf8(std::ostream& stream, std::string_view cp1252) {
    const QByteArray utf8 = ToQString(cp1252).toUtf8();
    stream.write(utf8.constData(), static_cast<std::streamsize>(utf8.size()));
}

void WriteLine(std::ostream& stream, std::string_view cp1252) {
    WriteUtf8(stream, cp1252);
    stream.put('\n');
}

CaseOutcome RunSentence(const std::vector<std::string>& columns) {
    CalcState state;
    const CalcOutcome outcome = RunCalculation(
        state, TypeIntoEmptyField(kYearsMask, columns[1]),
        TypeIntoEmptyField(kMonthsMask, columns[2]), TypeIntoEmptyField(kDaysMask, columns[3]),
        TypeIntoEmptyField(kFinesMask, columns[4]), TypeIntoEmptyField(kOperationMask, columns[5]));
    return {outcome.OutcomeText, outcome.Ok ? kExitResult : kExitInputError};
}

CaseOutcome RunEndDate(const std::vector<std::string>& columns) {
    UseCalendarDateSettings();
    const std::string startDate = TypeIntoEmptyField(kDateMask, columns[1]);
    try {
        const EndDateOutcome outcome =
            ComputeEndDate(columns[2], columns[3], columns[4], startDate);
        return {outcome.Text, outcome.IsError ? kExitInputError : kExitResult};
    } catch (const DateError& error) {
        return {error.what(), kExitInputError};
    }
}

// One case: the command and its texts (Windows-1252). Nothing when malformed.
std::optional<CaseOutcome> RunCase(const std::vector<std::string>& columns) {
    if (columns.empty()) {
        return std::nullopt;
    }
    if (columns[0] == kSentenceCommand && columns.size() == kSentenceColumns) {
        return RunSentence(columns);
    }
    if (columns[0] == kEndDateCommand && columns.size() == kEndDateColumns) {
        return RunEndDate(columns);
    }
    return std::nullopt;
}

std::vector<std::string> SplitColumns(std::string_view line) {
    std::vector<std::string> columns;
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
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        const std::optional<CaseOutcome> outcome = RunCase(SplitColumns(line));
        if (outcome) {
            WriteLine(out, outcome->Text);
            worst = std::max(worst, outcome->ExitCode);
        } else {
            WriteLine(out, kBatchLineUsage);
            worst = kExitUsage;
        }
    }
    out.flush();
    return worst;
}

int UsageError(std::ostream& err) {
    WriteUtf8(err, kUsage);
    WriteUtf8(err, kUsageHint);
    return kExitUsage;
}

} // namespace

int RunZarnCalc(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                std::ostream& err) {
    if (args.size() == 1 && args[0] == kHelpOption) {
        WriteUtf8(out, kUsage);
        WriteUtf8(out, kHelpBody);
        return kExitResult;
    }
    if (args.size() == 1 && args[0] == kVersionOption) {
        out << "zarn-calc " << ZARN_VERSION << '\n';
        return kExitResult;
    }
    if (args.size() == 1 && args[0] == kBatchOption) {
        return RunBatch(in, out);
    }
    std::vector<std::string> columns;
    columns.reserve(args.size());
    for (const std::string& arg : args) {
        columns.push_back(FromUtf8(arg));
    }
    const std::optional<CaseOutcome> outcome = RunCase(columns);
    if (!outcome) {
        return UsageError(err);
    }
    WriteLine(out, outcome->Text);
    return outcome->ExitCode;
}

} // namespace zarn
