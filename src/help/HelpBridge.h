#pragma once

// The bridge between the program's help requests and the help engine. Every request
// names the one help file; a context request already on show is not sent again; at the
// end of the program the engine is told to quit.

#include "help/HelpEngine.h"
#include "help/HelpRequests.h"

#include <QString>

namespace zarn {

class HelpBridge final : public HelpRequests {
public:
    HelpBridge(HelpEngine& engine, QString helpFile);

    // A topic by context number. Not sent again while the help window is open and the
    // last request was the same context.
    void ShowContext(int context) override;
    // The help window on its contents tab; always sent.
    void ShowContents() override;
    // The help window on its index tab; always sent.
    void ShowIndex() override;
    // Closes the help window if it is open; the program calls it once, at its end.
    void Quit();

    const QString& HelpFile() const { return m_helpFile; }

private:
    enum class LastRequest { None, Context, Command, Quit };

    void Send(HelpCommand command, int data);

    HelpEngine& m_engine;
    QString m_helpFile;
    LastRequest m_lastKind = LastRequest::None;
    int m_lastContext = 0;
};

} // namespace zarn
