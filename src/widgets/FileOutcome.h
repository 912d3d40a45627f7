#pragma once

// How a file operation ended: nothing to say, or the Portuguese message that says what
// failed and why, naming the file.

#include <QString>

namespace zarn {

struct FileOutcome {
    QString Message;

    bool Ok() const { return Message.isEmpty(); }
};

} // namespace zarn
