#include "help/HelpViewerEngine.h"

#include "help/HelpCollection.h"
#include "help/HelpWindow.h"

#include <utility>

namespace zarn {

HelpViewerEngine::HelpViewerEngine(QStringList folders)
    : m_folders(std::move(folders)) {}

HelpViewerEngine::~HelpViewerEngine() = default;

bool HelpViewerEngine::HelpWindowOpen() const {
    return m_window && m_window->isVisible();
}

void HelpViewerEngine::Request(const QString& file, HelpCommand command, int data) {
    switch (command) {
    case HelpCommand::Quit:
        if (m_window) {
            m_window->close();
        }
        return;
    case HelpCommand::Context:
        Open(file).ShowContext(data);
        return;
    case HelpCommand::Tab:
        if (data == kHelpIndexTab) {
            Open(file).ShowIndex();
        } else {
            Open(file).ShowContents();
        }
        return;
    }
}

// The window for the requested file, opened on first use (or when another file is asked
// for); a file that cannot be found still gets a window, which says so.
HelpWindow& HelpViewerEngine::Open(const QString& file) {
    if (!m_window || file != m_file) {
        m_window.reset();
        m_window = std::make_unique<HelpWindow>(FindHelpFile(file, m_folders), file);
        m_file = file;
    }
    return *m_window;
}

} // namespace zarn
