// The real help engine over the collection built beside the executable: it opens on the
// first request, finds the topics of the context numbers, the index and the search, and
// the compiled pages are whole (titles, links, accents).

#include "help/HelpWindow.h"

#include "help/HelpBrowser.h"
#include "help/HelpCollection.h"
#include "help/HelpSearch.h"
#include "help/HelpViewerEngine.h"

#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

using namespace zarn;

namespace {

const QString kFile = QStringLiteral("zarn.qhc");
const QString kBuildDir = QStringLiteral(ZARN_HELP_BUILD_DIR);
const QString kSourceDir = QStringLiteral(ZARN_HELP_SOURCE_DIR);

// The <title> of a page as written in its source file.
QString SourceTitle(const QString& page) {
    QFile file(QDir(kSourceDir).filePath(page));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    static const QRegularExpression title(QStringLiteral("<title>([^<]*)</title>"));
    return title.match(QString::fromUtf8(file.readAll())).captured(1);
}

// Clicks the link whose text is given, as the user does: with the mouse, once it is shown.
bool ClickLink(HelpBrowser* page, const QString& text) {
    QTextCursor link = page->document()->find(text, QTextCursor(page->document()),
                                              QTextDocument::FindCaseSensitively);
    while (!link.isNull() && !link.charFormat().isAnchor()) {
        link = page->document()->find(text, link, QTextDocument::FindCaseSensitively);
    }
    if (link.isNull()) {
        return false;
    }
    QTextCursor middle = link;
    middle.setPosition((link.selectionStart() + link.selectionEnd()) / 2);
    page->setTextCursor(middle);
    page->ensureCursorVisible();
    const QPoint point = page->cursorRect(middle).center();
    QTest::mouseClick(page->viewport(), Qt::LeftButton, {}, point);
    return true;
}

void WaitForIndex(QHelpEngine& engine) {
    QTRY_VERIFY_WITH_TIMEOUT(
        !engine.indexModel()->isCreatingIndex() && engine.indexModel()->rowCount() > 0, 10000);
}

// The pages written in resources/help: each one is compiled and listed in the contents.
qsizetype SourcePageCount() {
    return QDir(kSourceDir).entryList({QStringLiteral("*.html")}, QDir::Files).size();
}

} // namespace

class TestHelpWindow : public QObject {
    Q_OBJECT
private slots:
    void NothingIsOpenedBeforeTheFirstRequest();
    void TheBuiltCollectionOpens();
    void ContextShowsItsTopic_data();
    void ContextShowsItsTopic();
    void UnknownContextSaysSoInPortuguese();
    void ContentsAndIndexTabs();
    void IndexFindsDiasMulta();
    void Search_data();
    void Search();
    void MissingCollectionStillOpensAWindow();
    void QuitClosesTheWindow();
    void OverAModalBoxTheWindowCanBeUsed();
    void AnInstalledReadOnlyCopyOpens();
    void FindHelpFileLooksInEachFolder();
    void PagesAreWhole();
    void ContentsTitlesAreThePageTitles();
    void LinksBetweenPagesStayInTheWindow_data();
    void LinksBetweenPagesStayInTheWindow();
    void DamagedCollectionIsNamed_data();
    void DamagedCollectionIsNamed();
    void SidePaneIsNamedInPortuguese();
};

void TestHelpWindow::NothingIsOpenedBeforeTheFirstRequest() {
    HelpViewerEngine engine({kBuildDir});
    QVERIFY(!engine.Window());
    QVERIFY(!engine.HelpWindowOpen());
    engine.Request(QString(), HelpCommand::Quit, 0);
    QVERIFY2(!engine.Window(), "quit alone opens nothing");
}

void TestHelpWindow::TheBuiltCollectionOpens() {
    HelpViewerEngine engine({kBuildDir});
    engine.Request(kFile, HelpCommand::Context, 1);
    QVERIFY(engine.Window());
    QVERIFY(engine.Window()->IsAvailable());
    QVERIFY(engine.HelpWindowOpen());
    QCOMPARE(engine.Window()->windowTitle(), QStringLiteral("Ajuda do Zarn"));
    QVERIFY2(!engine.Window()->testAttribute(Qt::WA_QuitOnClose),
             "the help window must not keep the program alive");
}

void TestHelpWindow::ContextShowsItsTopic_data() {
    QTest::addColumn<int>("context");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("title");
    QTest::newRow("1 main topic") << 1 << "index.html"
                                  << QStringLiteral("Zarn: cálculo de penas criminais");
    QTest::newRow("6 result field") << 6 << "resultado.html" << QStringLiteral("O campo Resultado");
    QTest::newRow("8 input fields") << 8 << "campos.html" << QStringLiteral("Campos de entrada");
    QTest::newRow("11 commands") << 11 << "comandos.html" << QStringLiteral("Botões de comando");
    QTest::newRow("20 calculation record")
        << 20 << "memoria.html" << QStringLiteral("Memória do cálculo");
    QTest::newRow("21 applied fraction")
        << 21 << "fracao.html" << QStringLiteral("Fração aplicada");
    QTest::newRow("22 consequences")
        << 22 << "consequencias.html" << QStringLiteral("Consequências da pena");
    QTest::newRow("23 execution") << 23 << "execucao.html"
                                  << QStringLiteral(
                                         "Execução penal: progressão, livramento e término");
    QTest::newRow("24 prescription")
        << 24 << "prescricao.html" << QStringLiteral("Prescrição pelas datas do processo");
    QTest::newRow("25 dosimetria") << 25 << "dosimetria.html" << QStringLiteral("Dosimetria");
}

void TestHelpWindow::ContextShowsItsTopic() {
    QFETCH(int, context);
    QFETCH(QString, page);
    QFETCH(QString, title);
    QCOMPARE(SourceTitle(page), title);

    HelpViewerEngine engine({kBuildDir});
    engine.Request(kFile, HelpCommand::Context, context);
    HelpBrowser* view = engine.Window()->Page();
    QCOMPARE(view->source().fileName(), page);
    QCOMPARE(view->documentTitle(), title);
    QVERIFY(view->toPlainText().contains(title));
}

void TestHelpWindow::UnknownContextSaysSoInPortuguese() {
    HelpViewerEngine engine({kBuildDir});
    engine.Request(kFile, HelpCommand::Context, 0);
    QVERIFY(engine.HelpWindowOpen());
    QCOMPARE(engine.Window()->Page()->documentTitle(), QStringLiteral("Tópico indisponível"));
    QVERIFY(!QApplication::activeModalWidget());
}

void TestHelpWindow::ContentsAndIndexTabs() {
    HelpViewerEngine engine({kBuildDir});
    engine.Request(kFile, HelpCommand::Tab, kHelpContentsTab);
    HelpWindow* window = engine.Window();
    QCOMPARE(window->Tabs()->currentIndex(), 0);
    QCOMPARE(window->Tabs()->tabText(0), QStringLiteral("Conteúdo"));
    QCOMPARE(window->Page()->documentTitle(), QStringLiteral("Zarn: cálculo de penas criminais"));
    QTRY_VERIFY_WITH_TIMEOUT(window->Engine()->contentModel()->rowCount() > 0, 10000);

    engine.Request(kFile, HelpCommand::Tab, kHelpIndexTab);
    QCOMPARE(window, engine.Window());
    QCOMPARE(window->Tabs()->currentIndex(), 1);
    QCOMPARE(window->Tabs()->tabText(1), QStringLiteral("Índice"));
}

void TestHelpWindow::IndexFindsDiasMulta() {
    HelpViewerEngine engine({kBuildDir});
    engine.Request(kFile, HelpCommand::Tab, kHelpIndexTab);
    HelpWindow* window = engine.Window();
    WaitForIndex(*window->Engine());

    const QList<QHelpLink> found =
        window->Engine()->documentsForKeyword(QStringLiteral("dias-multa"));
    QVERIFY(!found.isEmpty());

    // As the user does it: type the word, press Enter, read the topic.
    QTest::keyClicks(window->IndexFilter(), QStringLiteral("dias-multa"));
    QHelpIndexWidget* index = window->Engine()->indexWidget();
    QCOMPARE(index->currentIndex().data().toString(), QStringLiteral("dias-multa"));
    QTest::keyClick(window->IndexFilter(), Qt::Key_Return);
    QCOMPARE(window->Page()->documentTitle(), QStringLiteral("Campos de entrada"));
}

void TestHelpWindow::Search_data() {
    QTest::addColumn<QString>("words");
    QTest::addColumn<QString>("mustFind");
    QTest::addColumn<int>("atLeast");
    QTest::newRow("without accents finds the accented title")
        << "calendario termino" << QStringLiteral("Calendário: término da pena") << 1;
    QTest::newRow("case is ignored")
        << "OPERAÇÃO INVÁLIDA" << QStringLiteral("Mensagens de erro") << 1;
    QTest::newRow("a word on many pages")
        << "dias-multa" << QStringLiteral("Campos de entrada") << 4;
    QTest::newRow("every word must be on the page") << "calendario truncamento" << QString() << 0;
    QTest::newRow("nothing to find") << "xyzzy" << QString() << 0;
    QTest::newRow("no words") << "   " << QString() << 0;
}

void TestHelpWindow::Search() {
    QFETCH(QString, words);
    QFETCH(QString, mustFind);
    QFETCH(int, atLeast);
    HelpViewerEngine engine({kBuildDir});
    engine.Request(kFile, HelpCommand::Tab, kHelpContentsTab);
    HelpWindow* window = engine.Window();
    window->SearchWords()->setText(words);
    window->RunSearch();

    QStringList titles;
    QListWidget* results = window->SearchResults();
    for (int i = 0; i < results->count(); ++i) {
        if (results->item(i)->data(Qt::UserRole).toUrl().isValid()) {
            titles << results->item(i)->text();
        }
    }
    QVERIFY2(titles.size() >= atLeast, qPrintable(titles.join(QLatin1String(", "))));
    if (mustFind.isEmpty()) {
        QCOMPARE(titles.size(), 0);
    } else {
        QVERIFY2(titles.contains(mustFind), qPrintable(titles.join(QLatin1String(", "))));
        results->setCurrentRow(int(titles.indexOf(mustFind)));
        emit results->itemActivated(results->currentItem());
        QCOMPARE(window->Page()->documentTitle(), mustFind);
    }
}

void TestHelpWindow::MissingCollectionStillOpensAWindow() {
    QTemporaryDir empty;
    HelpViewerEngine engine({empty.path()});
    engine.Request(kFile, HelpCommand::Context, 8);
    QVERIFY(engine.HelpWindowOpen());
    QVERIFY(!engine.Window()->IsAvailable());
    QCOMPARE(engine.Window()->Page()->documentTitle(), QStringLiteral("Ajuda indisponível"));
    QVERIFY(engine.Window()->Page()->toPlainText().contains(kFile));
    QVERIFY2(!QApplication::activeModalWidget(), "no message box of our own");
    engine.Request(kFile, HelpCommand::Tab, kHelpIndexTab); // still no crash, no box
    QCOMPARE(engine.Window()->Tabs()->currentIndex(), 1);
}

void TestHelpWindow::QuitClosesTheWindow() {
    HelpViewerEngine engine({kBuildDir});
    engine.Request(kFile, HelpCommand::Context, 8);
    QVERIFY(engine.HelpWindowOpen());
    engine.Request(QString(), HelpCommand::Quit, 0);
    QVERIFY(!engine.HelpWindowOpen());
}

void TestHelpWindow::OverAModalBoxTheWindowCanBeUsed() {
    HelpViewerEngine engine({kBuildDir});
    engine.Request(kFile, HelpCommand::Context, 8);
    QCOMPARE(engine.Window()->windowModality(), Qt::NonModal);

    QDialog box;
    box.open();
    engine.Request(kFile, HelpCommand::Context, 1);
    QVERIFY(engine.HelpWindowOpen());
    QCOMPARE(QApplication::activeModalWidget(), static_cast<QWidget*>(engine.Window()));
    engine.Window()->close();
    box.close();

    engine.Request(kFile, HelpCommand::Context, 6);
    QCOMPARE(engine.Window()->windowModality(), Qt::NonModal);
}

// The data folder of an installation: the pair of files moved together, not writable.
void TestHelpWindow::AnInstalledReadOnlyCopyOpens() {
    QTemporaryDir data;
    for (const QString& name : {kFile, QStringLiteral("zarn.qch")}) {
        const QString copy = QDir(data.path()).filePath(name);
        QVERIFY(QFile::copy(QDir(kBuildDir).filePath(name), copy));
        QVERIFY(QFile::setPermissions(copy, QFile::ReadOwner | QFile::ReadGroup));
    }
    const QByteArray before = [&] {
        QFile f(QDir(data.path()).filePath(kFile));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    {
        HelpViewerEngine engine({data.path()});
        engine.Request(kFile, HelpCommand::Context, 8);
        QVERIFY(engine.Window()->IsAvailable());
        QCOMPARE(engine.Window()->Page()->documentTitle(), QStringLiteral("Campos de entrada"));
    }
    QFile after(QDir(data.path()).filePath(kFile));
    QVERIFY(after.open(QIODevice::ReadOnly));
    QVERIFY2(after.readAll() == before, "the collection is never written");
}

void TestHelpWindow::FindHelpFileLooksInEachFolder() {
    QTemporaryDir first;
    QTemporaryDir second;
    QFile file(QDir(second.path()).filePath(kFile));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();

    QCOMPARE(FindHelpFile(kFile, {first.path(), second.path()}), file.fileName());
    QCOMPARE(FindHelpFile(kFile, {first.path()}), QString());
    QCOMPARE(FindHelpFile(QString(), {second.path()}), QString());
    QCOMPARE(FindHelpFile(file.fileName(), {}), file.fileName());
    QVERIFY(HelpFolders().contains(QCoreApplication::applicationDirPath()));
}

// Every compiled page has its title in the contents, UTF-8 text with its accents, and
// links that lead to pages of the collection.
void TestHelpWindow::PagesAreWhole() {
    QHelpEngineCore core(QDir(kBuildDir).filePath(kFile));
    core.setReadOnly(true);
    QVERIFY(core.setupData());
    const QStringList names = core.registeredDocumentations();
    QCOMPARE(names.size(), 1);
    const QList<QUrl> pages = core.files(names.first(), QString(), QStringLiteral("html"));
    QCOMPARE(pages.size(), SourcePageCount());

    static const QRegularExpression href(QStringLiteral("href=\"([^\"]+)\""));
    int accented = 0;
    for (const QUrl& page : pages) {
        const QByteArray bytes = core.fileData(page);
        const QString text = QString::fromUtf8(bytes);
        QVERIFY2(!text.contains(QChar::ReplacementCharacter), qPrintable(page.toString()));
        QVERIFY2(text.contains(QLatin1String("<meta charset=\"utf-8\">")),
                 qPrintable(page.toString()));
        QVERIFY2(!SourceTitle(page.fileName()).isEmpty(), qPrintable(page.toString()));
        accented += text.contains(QRegularExpression(QStringLiteral("[áâãçéêíóôõú]"))) ? 1 : 0;
        for (const auto& link : href.globalMatch(text)) {
            const QUrl target = page.resolved(QUrl(link.captured(1)));
            QVERIFY2(!core.fileData(target).isEmpty(),
                     qPrintable(page.fileName() + QLatin1String(" -> ") + link.captured(1)));
        }
    }
    QCOMPARE(accented, int(pages.size()));
}

// The contents tree lists every page once, under the title the page itself carries.
void TestHelpWindow::ContentsTitlesAreThePageTitles() {
    HelpViewerEngine engine({kBuildDir});
    engine.Request(kFile, HelpCommand::Tab, kHelpContentsTab);
    QHelpEngine& help = *engine.Window()->Engine();
    QHelpContentModel& model = *help.contentModel();
    QTRY_VERIFY_WITH_TIMEOUT(!model.isCreatingContents() && model.rowCount() > 0, 10000);

    QStringList listed;
    QList<QModelIndex> pending{model.index(0, 0)};
    while (!pending.isEmpty()) {
        const QModelIndex at = pending.takeFirst();
        const QHelpContentItem* item = model.contentItemAt(at);
        QVERIFY(item);
        QTextDocument page;
        page.setHtml(QString::fromUtf8(help.fileData(item->url())));
        QCOMPARE(item->title(), page.metaInformation(QTextDocument::DocumentTitle));
        listed << item->url().fileName();
        for (int row = 0; row < model.rowCount(at); ++row) {
            pending << model.index(row, 0, at);
        }
    }
    listed.sort();
    QCOMPARE(listed.size(), SourcePageCount());
    QCOMPARE(listed.removeDuplicates(), 0);
    QVERIFY2(engine.Window()->Engine()->contentWidget()->isExpanded(model.index(0, 0)),
             "the contents open with every topic in sight");
}

void TestHelpWindow::LinksBetweenPagesStayInTheWindow_data() {
    QTest::addColumn<int>("context");
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("title");
    QTest::newRow("see also") << 8 << QStringLiteral("Uso pelo teclado")
                              << QStringLiteral("Uso pelo teclado");
    QTest::newRow("in the text") << 6 << QStringLiteral("Opera\u00e7\u00f5es")
                                 << QStringLiteral("Opera\u00e7\u00f5es");
    // The calendar's fields share the buttons' context: that page leads on to the calendar's.
    QTest::newRow("buttons to calendar")
        << 11 << QStringLiteral("Calend\u00e1rio: t\u00e9rmino da pena")
        << QStringLiteral("Calend\u00e1rio: t\u00e9rmino da pena");
}

// A link between pages opens the page in the help window itself, not in a web browser.
void TestHelpWindow::LinksBetweenPagesStayInTheWindow() {
    QFETCH(int, context);
    QFETCH(QString, link);
    QFETCH(QString, title);
    HelpViewerEngine engine({kBuildDir});
    engine.Request(kFile, HelpCommand::Context, context);
    HelpWindow* window = engine.Window();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QVERIFY(ClickLink(window->Page(), link));
    QTRY_COMPARE(window->Page()->documentTitle(), title);
    QCOMPARE(window->Page()->source().scheme(), QStringLiteral("qthelp"));
}

void TestHelpWindow::DamagedCollectionIsNamed_data() {
    QTest::addColumn<QString>("breakage");
    for (const char* breakage : {"no qch", "qch folder", "qch garbage", "qhc garbage"}) {
        QTest::newRow(breakage) << QString::fromLatin1(breakage);
    }
}

// A collection that cannot be read says, in Portuguese, which of its two files is at fault.
void TestHelpWindow::DamagedCollectionIsNamed() {
    QFETCH(QString, breakage);
    QTemporaryDir folder;
    const QDir dir(folder.path());
    const QString pages = QStringLiteral("zarn.qch");
    const auto copy = [&](const QString& name) {
        return QFile::copy(QDir(kBuildDir).filePath(name), dir.filePath(name));
    };
    const auto garbage = [&](const QString& name) {
        QFile file(dir.filePath(name));
        return file.open(QIODevice::WriteOnly) && file.write(QByteArray(4096, '\x5a')) == 4096;
    };
    const bool collectionDamaged = breakage == QLatin1String("qhc garbage");
    QVERIFY(collectionDamaged ? garbage(kFile) && copy(pages) : copy(kFile));
    if (breakage == QLatin1String("qch folder")) {
        QVERIFY(dir.mkdir(pages));
    } else if (breakage == QLatin1String("qch garbage")) {
        QVERIFY(garbage(pages));
    }
    HelpViewerEngine engine({folder.path()});
    engine.Request(kFile, HelpCommand::Context, 8);
    QVERIFY(!engine.Window()->IsAvailable());
    QCOMPARE(engine.Window()->Page()->documentTitle(), QStringLiteral("Ajuda danificada"));
    const QString text = engine.Window()->Page()->toPlainText();
    QVERIFY2(text.contains(dir.filePath(collectionDamaged ? kFile : pages)), qPrintable(text));
}

void TestHelpWindow::SidePaneIsNamedInPortuguese() {
    HelpViewerEngine engine({kBuildDir});
    engine.Request(kFile, HelpCommand::Tab, kHelpContentsTab);
    HelpWindow* window = engine.Window();
    const QList<QPair<QWidget*, QString>> named = {
        {window->Engine()->contentWidget(), QStringLiteral("Conte\u00fado")},
        {window->Engine()->indexWidget(), QStringLiteral("\u00cdndice")},
        {window->SearchResults(), QStringLiteral("Resultados da pesquisa")},
        {window->IndexFilter(), QStringLiteral("Digite a palavra-chave")},
        {window->SearchWords(), QStringLiteral("Digite as palavras a procurar")},
    };
    for (const auto& [widget, name] : named) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
        QVERIFY(face);
        QCOMPARE(face->text(QAccessible::Name), name);
    }
}

QTEST_MAIN(TestHelpWindow)
#include "HelpWindowTest.moc"
