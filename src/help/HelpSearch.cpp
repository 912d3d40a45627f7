#include "help/HelpSearch.h"

#include <QHelpEngineCore>
#include <QRegularExpression>
#include <QTextDocument>
#include <algorithm>

namespace zarn {
namespace {

const QString kPageExtension = QStringLiteral("html");

QStringList Words(const QString& folded) {
    static const QRegularExpression separators(QStringLiteral("[^\\w-]+"));
    return folded.split(separators, Qt::SkipEmptyParts);
}

} // namespace

HelpSearch::HelpSearch(QHelpEngineCore& engine)
    : m_engine(engine) {}

QString HelpSearch::Fold(const QString& text) {
    const QString decomposed = text.toCaseFolded().normalized(QString::NormalizationForm_D);
    QString folded;
    folded.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        if (c.category() != QChar::Mark_NonSpacing) {
            folded.append(c);
        }
    }
    return folded;
}

void HelpSearch::Load() {
    m_loaded = true;
    for (const QString& ns : m_engine.registeredDocumentations()) {
        for (const QUrl& url : m_engine.files(ns, QString(), kPageExtension)) {
            QTextDocument document;
            document.setHtml(QString::fromUtf8(m_engine.fileData(url)));
            QString title = document.metaInformation(QTextDocument::DocumentTitle);
            if (title.isEmpty()) {
                title = url.fileName();
            }
            m_pages.append({url, title, Fold(document.toPlainText())});
        }
    }
}

QList<HelpSearchHit> HelpSearch::Find(const QString& query) {
    const QStringList words = Words(Fold(query));
    if (words.isEmpty()) {
        return {};
    }
    if (!m_loaded) {
        Load();
    }
    struct Scored {
        qsizetype Count;
        const Page* Found;
    };
    QList<Scored> found;
    for (const Page& page : m_pages) {
        qsizetype count = 0;
        for (const QString& word : words) {
            const qsizetype n = page.Text.count(word);
            if (n == 0) {
                count = 0;
                break;
            }
            count += n;
        }
        if (count > 0) {
            found.append({count, &page});
        }
    }
    std::stable_sort(found.begin(), found.end(), [](const Scored& a, const Scored& b) {
        return a.Count != b.Count ? a.Count > b.Count : a.Found->Title < b.Found->Title;
    });
    QList<HelpSearchHit> hits;
    for (const Scored& s : found) {
        hits.append({s.Found->Title, s.Found->Url});
    }
    return hits;
}

} // namespace zarn
