#pragma once

// A help engine that records every request instead of showing anything. Like the real
// one, any request but quit leaves its help window open, and quit closes it; a test can
// also close the window itself, as the user would.

#include "help/HelpBridge.h"
#include "help/HelpEngine.h"
#include "help/HelpKey.h"
#include "help/HelpRequests.h"

#include <QApplication>
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

// The help bridge and the application-wide F1 key over a recording engine, installed as
// start-up installs them, for the life of the object.
class RecordedHelp {
public:
    explicit RecordedHelp(const QString& helpFile = QStringLiteral("zarn.qhc"))
        : m_bridge(Engine, helpFile)
        , m_key(m_bridge) {
        SetHelp(&m_bridge);
        qApp->installEventFilter(&m_key);
    }
    ~RecordedHelp() {
        qApp->removeEventFilter(&m_key);
        SetHelp(nullptr);
    }
    RecordedHelp(const RecordedHelp&) = delete;
    RecordedHelp& operator=(const RecordedHelp&) = delete;

    HelpBridge& Bridge() { return m_bridge; }

    RecordingHelpEngine Engine;

private:
    HelpBridge m_bridge;
    HelpKey m_key;
};

} // namespace zarn
