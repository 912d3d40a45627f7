#pragma once

// Zarn's help window: the contents, the index and a search on the left, the page on the
// right. It reads a compiled help collection through QHelpEngine; a topic is found by
// its context number through the keyword identifiers of the collection. Without a
// collection, or with one whose files cannot be read, it opens all the same and says, in
// the page, which file is missing or damaged.

#include <QString>
#include <QUrl>
#include <QWidget>
#include <memory>

class QAction;
class QHelpEngine;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;

namespace zarn {

struct CollectionCheck;
class HelpBrowser;
class HelpSearch;

class HelpWindow final : public QWidget {
    Q_OBJECT
public:
    // collectionFile: the compiled collection (.qhc); empty when none was found. name is
    // the help file's name as the program asked for it, for the unavailable page.
    HelpWindow(const QString& collectionFile, const QString& name);
    ~HelpWindow() override;

    // The keyword identifier under which the collection files the topic of a context.
    static QString ContextIdentifier(int context);

    bool IsAvailable() const { return m_available; }

    void ShowContext(int context);
    void ShowContents();
    void ShowIndex();

    // The page on show, as the program's parts and its tests see it.
    HelpBrowser* Page() const { return m_page; }
    QTabWidget* Tabs() const { return m_tabs; }
    QHelpEngine* Engine() const { return m_engine.get(); }
    QLineEdit* IndexFilter() const { return m_indexFilter; }
    QLineEdit* SearchWords() const { return m_searchWords; }
    QListWidget* SearchResults() const { return m_searchResults; }

    // Runs the search tab's query and lists the pages found.
    void RunSearch();

private:
    void OpenCollection(const QString& collectionFile);
    static QString FaultText(const CollectionCheck& check);
    void BuildWindow();
    QWidget* BuildContentsTab();
    QWidget* BuildIndexTab();
    QWidget* BuildSearchTab();
    void BuildNavigation(QWidget* pagePane);
    void ShowUrl(const QUrl& url);
    void ShowHome();
    void ShowNotice(const QString& title, const QString& text);
    void SyncContents(const QUrl& url);
    void Present();

    std::unique_ptr<QHelpEngine> m_engine;
    std::unique_ptr<HelpSearch> m_search;
    bool m_available = false;
    QString m_name;
    QString m_unavailableText; // why a collection that was found cannot be shown
    QUrl m_home;
    QTabWidget* m_tabs = nullptr;
    QWidget* m_contentsTab = nullptr;
    QWidget* m_indexTab = nullptr;
    QLineEdit* m_indexFilter = nullptr;
    QLineEdit* m_searchWords = nullptr;
    QPushButton* m_searchButton = nullptr;
    QListWidget* m_searchResults = nullptr;
    HelpBrowser* m_page = nullptr;
    QAction* m_back = nullptr;
    QAction* m_forward = nullptr;
    QAction* m_homeAction = nullptr;
};

} // namespace zarn
