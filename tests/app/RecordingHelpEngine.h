#pragma once

// A help engine that records every request instead of showing anything. Like the real
// one, any request but quit leaves its help window open, and quit closes it; a test can
// also close the window itself, as the user would.

#include "app/HelpEngine.h"

#include <QString>
#include <QStringList>

namespace zarn {

class RecordingHelpEngine final : public HelpEngine {
public:
    void Request(const QString& file, HelpCommand command, int data) override {
        Requests << QStringLiteral("%1|%2|%3").arg(file).arg(static_cast<int>(command)).arg(data);
        WindowOpen = command != HelpCommand::Quit;
    }
    bool HelpWindowOpen() const override { return WindowOpen; }

    // Each request as "file|command|data".
    QStringList Requests;
    bool WindowOpen = false;
};

} // namespace zarn
