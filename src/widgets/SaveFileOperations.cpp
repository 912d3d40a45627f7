#include "widgets/SaveFileOperations.h"

#include <QSaveFile>

namespace zarn {

bool SaveFileOperations::Open(QSaveFile& file) {
    // Unbuffered, so a full disk shows at the write that meets it, with its errno.
    return file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

bool SaveFileOperations::Write(QSaveFile& file, QByteArrayView bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const qint64 written = file.write(bytes.data() + done, bytes.size() - done);
        if (written <= 0) {
            return false;
        }
        done += static_cast<qsizetype>(written);
    }
    return true;
}

bool SaveFileOperations::Commit(QSaveFile& file) {
    return file.commit();
}

SaveFileOperations& SaveFileOperations::System() {
    static SaveFileOperations operations;
    return operations;
}

} // namespace zarn
