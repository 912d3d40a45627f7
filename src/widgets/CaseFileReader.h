#pragma once

// Reads the bytes of a case file, refusing with a Portuguese message that names the file
// what cannot be one: a missing file, a folder, a device or pipe (which could block the
// program or never end), a file too large to be a case, one the user may not read. The
// bytes are not looked into: binary content is the document reader's to refuse.

#include "widgets/FileOutcome.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

namespace zarn {

struct CaseFileContents {
    QByteArray Bytes;
    FileOutcome Outcome;

    bool Ok() const { return Outcome.Ok(); }
};

class CaseFileReader {
public:
    // A case of thousands of convictions and events stays far below this.
    static constexpr qint64 kLargestCase = 16 * 1024 * 1024;

    CaseFileContents Read(const QString& path) const;
};

} // namespace zarn
