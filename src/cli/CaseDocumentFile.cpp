#include "cli/CaseDocumentFile.h"

#include "caso/CaseDocumentJson.h"
#include "engine/CodePage.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <istream>
#include <system_error>

namespace zarn {
namespace {

constexpr std::string_view kStandardInput = "-";
constexpr std::string_view kStandardInputName = "entrada padr\xE3o";
// Far above any case a person has; it keeps a device that never ends from filling the memory.
constexpr std::size_t kLargestDocument = 16 * 1024 * 1024;

constexpr std::string_view kNotFound = "arquivo n\xE3o encontrado";
constexpr std::string_view kFolder = "\xE9 uma pasta, n\xE3o um arquivo";
constexpr std::string_view kNoPermission = "sem permiss\xE3o para ler o arquivo";
constexpr std::string_view kCannotOpen = "o arquivo n\xE3o p\xF4"
                                         "de ser aberto";
constexpr std::string_view kCannotRead = "o arquivo n\xE3o p\xF4"
                                         "de ser lido at\xE9 o fim";
constexpr std::string_view kTooLarge = "grande demais para um documento de caso (mais de 16 MB)";

// The text of a stream, or the message that says why not.
struct StreamText {
    std::string Text;
    std::string_view Problem;
};

StreamText ReadWhole(std::istream& stream) {
    StreamText read;
    char buffer[64 * 1024];
    while (stream.read(buffer, sizeof buffer) || stream.gcount() > 0) {
        read.Text.append(buffer, static_cast<std::size_t>(stream.gcount()));
        if (read.Text.size() > kLargestDocument) {
            read.Problem = kTooLarge;
            return read;
        }
    }
    if (stream.bad()) {
        read.Problem = kCannotRead;
    }
    return read;
}

std::filesystem::path PathOf(std::string_view cp1252) {
    const std::string utf8 = Utf8FromCp1252(cp1252);
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

StreamText ReadFile(std::string_view file) {
    const std::filesystem::path path = PathOf(file);
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (status.type() == std::filesystem::file_type::not_found) {
        return {{}, kNotFound};
    }
    if (error) {
        return {{}, error == std::errc::permission_denied ? kNoPermission : kCannotOpen};
    }
    if (std::filesystem::is_directory(status)) {
        return {{}, kFolder};
    }
    errno = 0;
    std::ifstream stream(path, std::ios::binary);
    if (!stream) {
        return {{}, errno == EACCES ? kNoPermission : kCannotOpen};
    }
    return ReadWhole(stream);
}

} // namespace

CommandResult CaseFileFault(std::string_view file, std::string_view message) {
    const std::string_view name = file == kStandardInput ? kStandardInputName : file;
    CommandResult result;
    result.Err.push_back("zarn-calc: " + std::string(name) + ": " + std::string(message));
    result.ExitCode = kExitInputError;
    return result;
}

CaseFileReading ReadCaseFile(std::string_view file, std::istream& standardInput) {
    const StreamText read = file == kStandardInput ? ReadWhole(standardInput) : ReadFile(file);
    if (!read.Problem.empty()) {
        return {std::nullopt, CaseFileFault(file, read.Problem)};
    }
    CaseReading document = ReadCaseDocument(read.Text);
    if (!document.Ok()) {
        return {std::nullopt, CaseFileFault(file, document.Error)};
    }
    return {std::move(document.Document), std::nullopt};
}

CaseCommandStart StartCaseCommand(const CommandArguments& args, std::istream& standardInput,
                                  std::span<const std::string_view> switches,
                                  std::span<const std::string_view> valued) {
    CaseCommandStart start;
    CaseArgumentsReading arguments = ReadCaseArguments(args, switches, valued);
    if (!arguments.Arguments) {
        start.Answer = std::move(arguments.Fault);
        return start;
    }
    CaseFileReading file = ReadCaseFile(arguments.Arguments->File, standardInput);
    start.Arguments = std::move(arguments.Arguments);
    start.Document = std::move(file.Document);
    start.Answer = std::move(file.Fault);
    return start;
}

} // namespace zarn
