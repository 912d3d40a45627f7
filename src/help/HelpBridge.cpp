#include "help/HelpBridge.h"

#include <utility>

namespace zarn {

HelpBridge::HelpBridge(HelpEngine& engine, QString helpFile)
    : m_engine(engine)
    , m_helpFile(std::move(helpFile)) {}

void HelpBridge::ShowContext(int context) {
    const bool onShow =
        m_lastKind == LastRequest::Context && m_lastContext == context && m_engine.HelpWindowOpen();
    if (!onShow) {
        m_engine.Request(m_helpFile, HelpCommand::Context, context);
    }
    m_lastKind = LastRequest::Context;
    m_lastContext = context;
}

void HelpBridge::ShowContents() {
    Send(HelpCommand::Tab, kHelpContentsTab);
}

void HelpBridge::ShowIndex() {
    Send(HelpCommand::Tab, kHelpIndexTab);
}

void HelpBridge::Quit() {
    m_engine.Request(QString(), HelpCommand::Quit, 0);
    m_lastKind = LastRequest::Quit;
}

void HelpBridge::Send(HelpCommand command, int data) {
    m_engine.Request(m_helpFile, command, data);
    m_lastKind = LastRequest::Command;
}

} // namespace zarn
