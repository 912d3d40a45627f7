#pragma once

// Full-text search over the pages of the help collection: a page is found when it holds
// every word of the query, ignoring case and accents ("calendario" finds "Calendário").
// The few pages are read once, on the first search.

#include <QList>
#include <QString>
#include <QUrl>

class QHelpEngineCore;

namespace zarn {

struct HelpSearchHit {
    QString Title;
    QUrl Url;
};

class HelpSearch {
public:
    explicit HelpSearch(QHelpEngineCore& engine);

    // The pages that hold every word of the query, the ones that mention the words most
    // often first; none for a query without words.
    QList<HelpSearchHit> Find(const QString& query);

    // Lower case without accents, the form in which texts are compared.
    static QString Fold(const QString& text);

private:
    struct Page {
        QUrl Url;
        QString Title;
        QString Text; // folded
    };

    void Load();

    QHelpEngineCore& m_engine;
    QList<Page> m_pages;
    bool m_loaded = false;
};

} // namespace zarn
