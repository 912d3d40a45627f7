#include "help/HelpBrowser.h"

#include <QDesktopServices>
#include <QHelpEngineCore>
#include <QUrl>

namespace zarn {
namespace {

const QString kHelpScheme = QStringLiteral("qthelp");

} // namespace

HelpBrowser::HelpBrowser(QWidget* parent)
    : QTextBrowser(parent) {
    // The browser would hand every qthelp:// link to the desktop as "external"; the links
    // are followed here instead.
    setOpenLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, &HelpBrowser::FollowLink);
}

void HelpBrowser::FollowLink(const QUrl& url) {
    if (url.scheme() == kHelpScheme) {
        setSource(url);
    } else {
        QDesktopServices::openUrl(url);
    }
}

void HelpBrowser::SetEngine(const QHelpEngineCore* engine) {
    m_engine = engine;
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    if (name.scheme() == kHelpScheme) {
        if (!m_engine) {
            return {};
        }
        const QByteArray bytes = m_engine->fileData(name);
        if (type == QTextDocument::HtmlResource || type == QTextDocument::StyleSheetResource) {
            return QString::fromUtf8(bytes);
        }
        return bytes;
    }
    return QTextBrowser::loadResource(type, name);
}

} // namespace zarn
