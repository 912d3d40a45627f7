#pragma once

// The help engine of the running program: Zarn's own help window over a compiled Qt Help
// collection. Nothing is opened until the first request; the collection is looked up
// by the requested name in the help folders.

#include "help/HelpEngine.h"

#include <QString>
#include <QStringList>
#include <memory>

namespace zarn {

class HelpWindow;

class HelpViewerEngine final : public HelpEngine {
public:
    // folders: where a help file named without a directory is looked for.
    explicit HelpViewerEngine(QStringList folders);
    ~HelpViewerEngine() override;

    void Request(const QString& file, HelpCommand command, int data) override;
    bool HelpWindowOpen() const override;

    // The help window; null until the first request opened it.
    HelpWindow* Window() const { return m_window.get(); }

private:
    HelpWindow& Open(const QString& file);

    QStringList m_folders;
    QString m_file;
    std::unique_ptr<HelpWindow> m_window;
};

} // namespace zarn
