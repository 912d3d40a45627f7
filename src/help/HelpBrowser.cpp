#include "help/HelpBrowser.h"

#include <QHelpEngineCore>
#include <QUrl>

namespace zarn {
namespace {

const QString kHelpScheme = QStringLiteral("qthelp");

} // namespace

HelpBrowser::HelpBrowser(QWidget* parent)
    : QTextBrowser(parent) {
    setOpenExternalLinks(true);
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
