#include "widgets/CaseFileWriter.h"

#include "widgets/QtText.h"
#include "widgets/SaveFileOperations.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>
#include <string_view>

namespace zarn {
namespace {

constexpr std::string_view kCannotWrite = "N\xE3o foi poss\xEDvel gravar o arquivo %1: ";
constexpr std::string_view kNoPermission = "sem permiss\xE3o para gravar em %1.";
constexpr std::string_view kDiskFull = "disco cheio (n\xE3o h\xE1 espa\xE7o livre em %1).";
constexpr std::string_view kFolderMissing = "a pasta %1 n\xE3o existe.";
constexpr std::string_view kNotAFolder = "%1 n\xE3o \xE9 uma pasta.";
constexpr std::string_view kFolderInPlace = "%1 \xE9 uma pasta.";
constexpr std::string_view kOtherFault = "%1.";
constexpr std::string_view kUnknownReason = "erro desconhecido";
constexpr std::string_view kOldFileKept = " O arquivo que j\xE1 existia ficou como estava.";

enum class Fault { NoPermission, DiskFull, FolderMissing, NotAFolder, FolderInPlace, Other };

QString Native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

QString FolderOf(const QString& path) {
    return QFileInfo(path).absolutePath();
}

// The cause, from the failed step's errno where the system gave one, else from what the
// place looks like now (QSaveFile refuses some saves by its own checks, without errno).
Fault FaultOf(int error, const QSaveFile& file, const QString& path) {
    if (error == ENOSPC || error == EDQUOT || file.error() == QFileDevice::ResourceError) {
        return Fault::DiskFull;
    }
    if (error == EACCES || error == EPERM || error == EROFS) {
        return Fault::NoPermission;
    }
    const QFileInfo target(path);
    if (target.isDir()) {
        return Fault::FolderInPlace;
    }
    const QFileInfo folder(FolderOf(path));
    if (!folder.exists()) {
        return Fault::FolderMissing;
    }
    if (!folder.isDir()) {
        return Fault::NotAFolder;
    }
    if (error == 0 && (!folder.isWritable() || (target.exists() && !target.isWritable()))) {
        return Fault::NoPermission;
    }
    return Fault::Other;
}

// The system's words for the failure: the errno's, else the file's own.
QString SystemReason(int error, const QSaveFile& file) {
    if (error != 0) {
        return QString::fromLocal8Bit(std::strerror(error));
    }
    return file.errorString().isEmpty() ? ToQString(kUnknownReason) : file.errorString();
}

QString CauseText(Fault fault, int error, const QSaveFile& file, const QString& path) {
    switch (fault) {
    case Fault::NoPermission: {
        const QFileInfo target(path);
        const bool fileLocked = target.exists() && !target.isWritable();
        return ToQString(kNoPermission).arg(Native(fileLocked ? path : FolderOf(path)));
    }
    case Fault::DiskFull:
        return ToQString(kDiskFull).arg(Native(FolderOf(path)));
    case Fault::FolderMissing:
        return ToQString(kFolderMissing).arg(Native(FolderOf(path)));
    case Fault::NotAFolder:
        return ToQString(kNotAFolder).arg(Native(FolderOf(path)));
    case Fault::FolderInPlace:
        return ToQString(kFolderInPlace).arg(Native(path));
    case Fault::Other:
        break;
    }
    return ToQString(kOtherFault).arg(SystemReason(error, file));
}

} // namespace

CaseFileWriter::CaseFileWriter()
    : m_operations(&SaveFileOperations::System()) {}

CaseFileWriter::CaseFileWriter(SaveFileOperations& operations)
    : m_operations(&operations) {}

FileOutcome CaseFileWriter::Write(const QString& path, QByteArrayView bytes) const {
    const bool oldFileThere = QFileInfo(path).isFile();
    QSaveFile file(path);
    errno = 0;
    bool done = m_operations->Open(file);
    if (done) {
        errno = 0;
        done = m_operations->Write(file, bytes);
    }
    if (done) {
        errno = 0;
        done = m_operations->Commit(file);
    }
    if (done) {
        return {};
    }
    const int error = errno;
    QString message = ToQString(kCannotWrite).arg(Native(path)) +
                      CauseText(FaultOf(error, file, path), error, file, path);
    // The temporary file goes with the QSaveFile; the old file was never touched.
    file.cancelWriting();
    if (oldFileThere) {
        message += ToQString(kOldFileKept);
    }
    return {message};
}

} // namespace zarn
