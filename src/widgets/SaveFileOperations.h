#pragma once

// The three steps of an atomic save, each a call the writer makes on a QSaveFile: open,
// write, commit. The program uses these as they are; a test derives from the class to make
// one step fail as the system would (a full disk on the n-th write, say), behind the same
// writer and its messages. A step that fails returns false and leaves the system's error
// number in errno, or the QSaveFile's own error, for the writer to tell the cause by.

#include <QByteArrayView>

class QSaveFile;

namespace zarn {

class SaveFileOperations {
public:
    virtual ~SaveFileOperations() = default;

    virtual bool Open(QSaveFile& file);
    // Writes all of the bytes, or fails.
    virtual bool Write(QSaveFile& file, QByteArrayView bytes);
    // Puts the written file in the place of the old one in one step.
    virtual bool Commit(QSaveFile& file);

    // The operations the program saves through.
    static SaveFileOperations& System();
};

} // namespace zarn
