#include "widgets/CaseFileReader.h"

#include "widgets/QtText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <optional>
#include <string_view>

namespace zarn {
namespace {

constexpr std::string_view kNoPath = "Nenhum arquivo foi indicado.";
constexpr std::string_view kMissing = "O arquivo %1 n\xE3o existe.";
constexpr std::string_view kFolder = "%1 \xE9 uma pasta, n\xE3o um arquivo de caso.";
constexpr std::string_view kNotRegular = "%1 n\xE3o \xE9 um arquivo comum.";
constexpr std::string_view kTooLarge =
    "O arquivo %1 \xE9 grande demais para um caso: tem mais de %2 MB.";
constexpr std::string_view kNoPermission = "Sem permiss\xE3o para ler o arquivo %1.";
constexpr std::string_view kCannotRead = "N\xE3o foi poss\xEDvel ler o arquivo %1: %2.";

constexpr qint64 kMegabyte = 1024 * 1024;
constexpr qint64 kChunk = 64 * 1024;

CaseFileContents Refused(std::string_view text, const QString& path) {
    return {{}, {ToQString(text).arg(QDir::toNativeSeparators(path))}};
}

CaseFileContents TooLarge(const QString& path) {
    return {{},
            {ToQString(kTooLarge)
                 .arg(QDir::toNativeSeparators(path))
                 .arg(CaseFileReader::kLargestCase / kMegabyte)}};
}

// What the path is, before anything is opened.
std::optional<CaseFileContents> RefusalOfPlace(const QString& path) {
    if (path.isEmpty()) {
        return CaseFileContents{{}, {ToQString(kNoPath)}};
    }
    const QFileInfo info(path);
    if (!info.exists()) {
        return Refused(kMissing, path);
    }
    if (info.isDir()) {
        return Refused(kFolder, path);
    }
    if (!info.isFile()) {
        return Refused(kNotRegular, path);
    }
    if (info.size() > CaseFileReader::kLargestCase) {
        return TooLarge(path);
    }
    return std::nullopt;
}

} // namespace

CaseFileContents CaseFileReader::Read(const QString& path) const {
    if (auto refusal = RefusalOfPlace(path)) {
        return *refusal;
    }
    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly)) {
        if (errno == EACCES || errno == EPERM) {
            return Refused(kNoPermission, path);
        }
        return {{},
                {ToQString(kCannotRead).arg(QDir::toNativeSeparators(path), file.errorString())}};
    }
    // In pieces, so that a file that grew since it was measured stops at the limit.
    QByteArray bytes;
    while (!file.atEnd()) {
        const QByteArray chunk = file.read(kChunk);
        if (file.error() != QFileDevice::NoError) {
            return {
                {},
                {ToQString(kCannotRead).arg(QDir::toNativeSeparators(path), file.errorString())}};
        }
        if (chunk.isEmpty()) {
            break;
        }
        bytes += chunk;
        if (bytes.size() > kLargestCase) {
            return TooLarge(path);
        }
    }
    return {std::move(bytes), {}};
}

} // namespace zarn
