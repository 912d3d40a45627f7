#pragma once

// The help window's page view: a text browser that loads qthelp:// pages, their style
// sheets and pictures from the help engine.

#include <QTextBrowser>

class QHelpEngineCore;

namespace zarn {

class HelpBrowser final : public QTextBrowser {
    Q_OBJECT
public:
    explicit HelpBrowser(QWidget* parent = nullptr);

    // The engine that serves qthelp:// addresses (not owned); null serves nothing.
    void SetEngine(const QHelpEngineCore* engine);

    QVariant loadResource(int type, const QUrl& name) override;

private:
    const QHelpEngineCore* m_engine = nullptr;
};

} // namespace zarn
