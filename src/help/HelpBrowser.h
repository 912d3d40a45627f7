#pragma once

// The help window's page view: a text browser that loads qthelp:// pages, their style
// sheets and pictures from the help engine. A link to another page of the help opens it
// here; only an address outside the help goes to the desktop's browser.

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
    void FollowLink(const QUrl& url);

    const QHelpEngineCore* m_engine = nullptr;
};

} // namespace zarn
