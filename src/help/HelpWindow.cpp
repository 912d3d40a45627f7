#include "help/HelpWindow.h"

#include "help/HelpBrowser.h"
#include "help/HelpCollection.h"
#include "help/HelpSearch.h"
#include "widgets/AccessibleNames.h"
#include "widgets/Scaling.h"

#include <QAction>
#include <QApplication>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

namespace zarn {
namespace {

const QString kCaption = QStringLiteral("Ajuda do Zarn");
const QString kContentsTab = QStringLiteral("Conteúdo");
const QString kIndexTab = QStringLiteral("Índice");
const QString kSearchTab = QStringLiteral("Pesquisa");
const QString kIndexPrompt = QStringLiteral("Digite a palavra-chave:");
const QString kSearchPrompt = QStringLiteral("Digite as palavras a procurar:");
const QString kSearchButton = QStringLiteral("&Procurar");
const QString kNothingFound = QStringLiteral("Nenhum tópico encontrado.");
// The name a screen reader gives the list of pages a search found.
const QString kSearchResultsName = QStringLiteral("Resultados da pesquisa");
const QString kBack = QStringLiteral("Voltar");
const QString kForward = QStringLiteral("Avançar");
const QString kHome = QStringLiteral("Início");
const QString kContextPrefix = QStringLiteral("zarn.context.");
const QString kNoHelpTitle = QStringLiteral("Ajuda indisponível");
const QString kNoHelpText =
    QStringLiteral("O arquivo de ajuda <b>%1</b> não foi encontrado. Ele fica na pasta do "
                   "programa ou na pasta de dados do Zarn; reinstale o programa para "
                   "recuperá-lo.");
const QString kDamagedTitle = QStringLiteral("Ajuda danificada");
const QString kCollectionDamagedText =
    QStringLiteral("O arquivo de ajuda <b>%1</b> está danificado e não pode ser lido. "
                   "Reinstale o programa para recuperá-lo.");
const QString kPagesMissingText =
    QStringLiteral("O arquivo <b>%1</b>, que guarda as páginas da ajuda, não foi encontrado. "
                   "Ele fica na mesma pasta do arquivo de ajuda; reinstale o programa para "
                   "recuperá-lo.");
const QString kPagesDamagedText =
    QStringLiteral("O arquivo <b>%1</b>, que guarda as páginas da ajuda, está danificado ou "
                   "não pode ser lido. Reinstale o programa para recuperá-lo.");
const QString kNoTopicTitle = QStringLiteral("Tópico indisponível");
const QString kNoTopicText =
    QStringLiteral("Não há um tópico de ajuda para este item. Procure o assunto nas abas "
                   "<b>Conteúdo</b>, <b>Índice</b> ou <b>Pesquisa</b>, ou volte à "
                   "<a href=\"%1\">página inicial</a>.");
constexpr int kMainTopic = 1;

// Window size and the share of the side pane, in pixels at 120 pixels per inch.
constexpr int kWindowWidth = 1000;
constexpr int kWindowHeight = 720;
constexpr int kSidePaneWidth = 340;

} // namespace

HelpWindow::HelpWindow(const QString& collectionFile, const QString& name)
    : QWidget(nullptr, Qt::Window)
    , m_name(name) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(kCaption);
    // The help window never keeps the program running: the program ends with its main
    // window and then closes this one.
    setAttribute(Qt::WA_QuitOnClose, false);
    OpenCollection(collectionFile);
    BuildWindow();
    resize(Scaled(this, kWindowWidth), Scaled(this, kWindowHeight));
}

HelpWindow::~HelpWindow() = default;

QString HelpWindow::ContextIdentifier(int context) {
    return kContextPrefix + QString::number(context);
}

QString HelpWindow::FaultText(const CollectionCheck& check) {
    const QString file = check.File.toHtmlEscaped();
    switch (check.Fault) {
    case CollectionFault::PagesMissing:
        return kPagesMissingText.arg(file);
    case CollectionFault::PagesDamaged:
        return kPagesDamagedText.arg(file);
    case CollectionFault::CollectionDamaged:
    case CollectionFault::None:
        break;
    }
    return kCollectionDamagedText.arg(file);
}

void HelpWindow::OpenCollection(const QString& collectionFile) {
    if (collectionFile.isEmpty()) {
        return;
    }
    m_engine = std::make_unique<QHelpEngine>(collectionFile);
    // The installed collection may sit in a read-only folder: never write to it.
    m_engine->setReadOnly(true);
    const CollectionCheck check =
        SetUpCollection(*m_engine, collectionFile, ContextIdentifier(kMainTopic));
    m_available = check.Fault == CollectionFault::None;
    if (!m_available) {
        m_unavailableText = FaultText(check);
        return;
    }
    m_search = std::make_unique<HelpSearch>(*m_engine);
    const QList<QHelpLink> home = m_engine->documentsForIdentifier(ContextIdentifier(kMainTopic));
    if (!home.isEmpty()) {
        m_home = home.first().url;
    }
}

void HelpWindow::BuildWindow() {
    auto* splitter = new QSplitter(Qt::Horizontal, this);
    m_tabs = new QTabWidget(splitter);
    m_contentsTab = BuildContentsTab();
    m_indexTab = BuildIndexTab();
    m_tabs->addTab(m_contentsTab, kContentsTab);
    m_tabs->addTab(m_indexTab, kIndexTab);
    m_tabs->addTab(BuildSearchTab(), kSearchTab);

    auto* pagePane = new QWidget(splitter);
    m_page = new HelpBrowser(pagePane);
    m_page->setObjectName(QStringLiteral("HelpPage"));
    m_page->SetEngine(m_engine.get());
    BuildNavigation(pagePane);

    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({Scaled(this, kSidePaneWidth), Scaled(this, kWindowWidth - kSidePaneWidth)});
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);
}

QWidget* HelpWindow::BuildContentsTab() {
    if (!m_available) {
        return new QWidget(m_tabs);
    }
    QHelpContentWidget* contents = m_engine->contentWidget();
    contents->setHeaderHidden(true);
    contents->setAccessibleName(kContentsTab);
    connect(contents, &QHelpContentWidget::linkActivated, this, &HelpWindow::ShowUrl);
    // The contents are read in the background: once they are in, show every topic and
    // mark the one on show.
    connect(m_engine->contentModel(), &QHelpContentModel::contentsCreated, contents,
            [this, contents] {
                contents->expandAll();
                SyncContents(m_page->source());
            });
    return contents;
}

QWidget* HelpWindow::BuildIndexTab() {
    auto* tab = new QWidget(m_tabs);
    auto* layout = new QVBoxLayout(tab);
    auto* prompt = new QLabel(kIndexPrompt, tab);
    m_indexFilter = new QLineEdit(tab);
    m_indexFilter->setObjectName(QStringLiteral("IndexFilter"));
    NameAfterLabel(m_indexFilter, prompt);
    layout->addWidget(prompt);
    layout->addWidget(m_indexFilter);
    if (!m_available) {
        layout->addStretch();
        return tab;
    }
    QHelpIndexWidget* index = m_engine->indexWidget();
    index->setParent(tab);
    index->setAccessibleName(kIndexTab);
    layout->addWidget(index);
    connect(m_indexFilter, &QLineEdit::textChanged, index,
            [index](const QString& text) { index->filterIndices(text); });
    connect(m_indexFilter, &QLineEdit::returnPressed, index,
            &QHelpIndexWidget::activateCurrentItem);
    connect(index, &QHelpIndexWidget::documentActivated, this,
            [this](const QHelpLink& document, const QString&) { ShowUrl(document.url); });
    connect(index, &QHelpIndexWidget::documentsActivated, this,
            [this, index](const QList<QHelpLink>& documents, const QString&) {
                // A keyword found in several topics: the user picks one.
                QMenu choice(this);
                for (const QHelpLink& document : documents) {
                    choice.addAction(document.title)->setData(document.url);
                }
                const QRect item = index->visualRect(index->currentIndex());
                if (const QAction* picked = choice.exec(index->viewport()->mapToGlobal(
                        item.isValid() ? item.bottomLeft() : QPoint()))) {
                    ShowUrl(picked->data().toUrl());
                }
            });
    return tab;
}

QWidget* HelpWindow::BuildSearchTab() {
    auto* tab = new QWidget(m_tabs);
    auto* layout = new QVBoxLayout(tab);
    auto* prompt = new QLabel(kSearchPrompt, tab);
    m_searchWords = new QLineEdit(tab);
    m_searchWords->setObjectName(QStringLiteral("SearchWords"));
    NameAfterLabel(m_searchWords, prompt);
    m_searchButton = new QPushButton(kSearchButton, tab);
    m_searchResults = new QListWidget(tab);
    m_searchResults->setObjectName(QStringLiteral("SearchResults"));
    m_searchResults->setAccessibleName(kSearchResultsName);
    layout->addWidget(prompt);
    layout->addWidget(m_searchWords);
    layout->addWidget(m_searchButton, 0, Qt::AlignRight);
    layout->addWidget(m_searchResults);
    m_searchButton->setEnabled(m_available);
    connect(m_searchButton, &QPushButton::clicked, this, &HelpWindow::RunSearch);
    connect(m_searchWords, &QLineEdit::returnPressed, this, &HelpWindow::RunSearch);
    connect(m_searchResults, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        const QUrl url = item->data(Qt::UserRole).toUrl();
        if (url.isValid()) {
            ShowUrl(url);
        }
    });
    connect(m_searchResults, &QListWidget::itemClicked, m_searchResults,
            &QListWidget::itemActivated);
    return tab;
}

void HelpWindow::BuildNavigation(QWidget* pagePane) {
    auto* bar = new QToolBar(pagePane);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_back = bar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), kBack);
    m_back->setShortcut(QKeySequence::Back);
    m_back->setEnabled(false);
    m_forward = bar->addAction(style()->standardIcon(QStyle::SP_ArrowForward), kForward);
    m_forward->setShortcut(QKeySequence::Forward);
    m_forward->setEnabled(false);
    m_homeAction = bar->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), kHome);
    m_homeAction->setEnabled(m_home.isValid());
    connect(m_back, &QAction::triggered, m_page, &QTextBrowser::backward);
    connect(m_forward, &QAction::triggered, m_page, &QTextBrowser::forward);
    connect(m_homeAction, &QAction::triggered, this, &HelpWindow::ShowHome);
    connect(m_page, &QTextBrowser::backwardAvailable, m_back, &QAction::setEnabled);
    connect(m_page, &QTextBrowser::forwardAvailable, m_forward, &QAction::setEnabled);
    connect(m_page, &QTextBrowser::sourceChanged, this, &HelpWindow::SyncContents);

    auto* layout = new QVBoxLayout(pagePane);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(m_page);
}

void HelpWindow::ShowContext(int context) {
    const QList<QHelpLink> topics =
        m_available ? m_engine->documentsForIdentifier(ContextIdentifier(context))
                    : QList<QHelpLink>();
    if (!m_available && m_unavailableText.isEmpty()) {
        ShowNotice(kNoHelpTitle, kNoHelpText.arg(m_name.toHtmlEscaped()));
    } else if (!m_available) {
        ShowNotice(kDamagedTitle, m_unavailableText);
    } else if (topics.isEmpty()) {
        ShowNotice(kNoTopicTitle, kNoTopicText.arg(m_home.toString()));
    } else {
        ShowUrl(topics.first().url);
    }
    Present();
}

void HelpWindow::ShowContents() {
    m_tabs->setCurrentWidget(m_contentsTab);
    if (m_page->source().isEmpty()) {
        ShowHome();
    }
    Present();
    m_contentsTab->setFocus();
}

void HelpWindow::ShowIndex() {
    m_tabs->setCurrentWidget(m_indexTab);
    if (m_page->source().isEmpty()) {
        ShowHome();
    }
    Present();
    m_indexFilter->setFocus();
    m_indexFilter->selectAll();
}

void HelpWindow::RunSearch() {
    m_searchResults->clear();
    if (!m_search) {
        return;
    }
    const QList<HelpSearchHit> hits = m_search->Find(m_searchWords->text());
    for (const HelpSearchHit& hit : hits) {
        auto* item = new QListWidgetItem(hit.Title, m_searchResults);
        item->setData(Qt::UserRole, hit.Url);
    }
    if (hits.isEmpty() && !m_searchWords->text().trimmed().isEmpty()) {
        new QListWidgetItem(kNothingFound, m_searchResults);
    }
}

void HelpWindow::ShowUrl(const QUrl& url) {
    m_page->setSource(url);
}

void HelpWindow::ShowHome() {
    if (m_home.isValid()) {
        ShowUrl(m_home);
    } else {
        ShowContext(kMainTopic);
    }
}

void HelpWindow::ShowNotice(const QString& title, const QString& text) {
    m_page->setHtml(QStringLiteral("<html><head><title>%1</title></head><body><h2>%1</h2>"
                                   "<p>%2</p></body></html>")
                        .arg(title, text));
}

// Keeps the contents tree on the topic shown, so the user sees where the page belongs.
void HelpWindow::SyncContents(const QUrl& url) {
    if (!m_available) {
        return;
    }
    QHelpContentWidget* contents = m_engine->contentWidget();
    const QModelIndex item = contents->indexOf(url);
    if (item.isValid()) {
        contents->setCurrentIndex(item);
    }
}

// Shows the window in front. Asked for from inside a modal box (F1 in the about box),
// it is modal itself for that showing, or the box would keep it from being read.
void HelpWindow::Present() {
    const QWidget* modal = QApplication::activeModalWidget();
    const Qt::WindowModality wanted = modal && modal != this ? Qt::ApplicationModal : Qt::NonModal;
    if (windowModality() != wanted) {
        hide();
        setWindowModality(wanted);
    }
    if (isMinimized()) {
        showNormal();
    } else {
        show();
    }
    raise();
    activateWindow();
}

} // namespace zarn
