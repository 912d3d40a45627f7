#pragma once

// Saves bytes (a case document, a recovery copy, a PDF) to a path so that the file is
// either the new one whole or the old one untouched: the bytes go to a temporary file
// beside it, which takes the old file's place only once it is written and flushed
// (QSaveFile). A failure says why, naming the file: no permission, a full disk, a folder
// that does not exist, a folder in the file's place, or the system's own reason.

#include "widgets/FileOutcome.h"

#include <QByteArrayView>
#include <QString>

namespace zarn {

class SaveFileOperations;

class CaseFileWriter {
public:
    CaseFileWriter();
    // Saves through other operations; a test injects a failure so.
    explicit CaseFileWriter(SaveFileOperations& operations);

    FileOutcome Write(const QString& path, QByteArrayView bytes) const;

private:
    SaveFileOperations* m_operations;
};

} // namespace zarn
