// The window "Consequências da pena", opened from the main window's Ferramentas menu and
// driven through real key and mouse events: seeding from the last Calcula, a hint and no
// error before a term is typed, the text following the term and the facts, the calculator's
// message for a refused term, a date of the crime that is no date, the facts shared with the
// execution window, Copiar, F1 and a layout that fits at this display's density.

#include "forms/ConsequencesWindow.h"

#include "MainWindowHarness.h"
#include "forms/ExecutionWindow.h"
#include "law/Consequences.h"
#include "law/ConsequencesText.h"
#include "support/LayoutChecks.h"
#include "support/RecordingHelpEngine.h"
#include "widgets/CaseFactsPanel.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>

namespace zarn {

using testing::MainWindowHarness;

namespace {

// The window as the menu item opens it.
ConsequencesWindow* OpenFromMenu(MainWindowHarness& h) {
    h.Window->FerramentasConsequencias->trigger();
    auto* window = h.Window->findChild<ConsequencesWindow*>();
    return window && QTest::qWaitForWindowActive(window) ? window : nullptr;
}

// Calcula on the main window, with the keyboard back there.
bool MainCalcula(MainWindowHarness& h, const QString& years, const QString& months,
                 const QString& operation) {
    h.Window->activateWindow();
    if (!h.WaitActive()) {
        return false;
    }
    h.Window->Button3->click(); // Novo cálculo
    h.Fill(years, months, "", "", operation);
    h.Window->Button1->click();
    return true;
}

QStringList Term(const ConsequencesWindow& w) {
    return {MainWindowHarness::Text(w.MaskEdit1), MainWindowHarness::Text(w.MaskEdit2),
            MainWindowHarness::Text(w.MaskEdit3)};
}

// What the window must show: the analysis text of the library for the term and the facts.
QString AnalysisOf(long long termDays, const CaseFacts& facts) {
    return ToQString(WriteConsequences(AnalyseConsequences(termDays, facts).Answers, facts));
}

} // namespace

class ConsequencesWindowTest : public QObject {
    Q_OBJECT
private slots:
    void MadeOnFirstUseOfItsMenuItem();
    void SeededWithTheLastResultOrKeepsWhatWasTyped();
    void OpensWithAHintBeforeATermIsTyped();
    void TextFollowsTheTermAndTheFacts();
    void RefusedTermShowsTheCalculatorsMessage_data();
    void RefusedTermShowsTheCalculatorsMessage();
    void CrimeDateThatIsNoDateIsSaidAboveTheText();
    void FactsTypedHereAreThereInTheExecutionWindow();
    void CopiarPutsTheWholeTextOnTheClipboard();
    void ClosingOnlyHides();
    void F1OpensItsPageFromEveryControl();
    void F1OnTheMenuItemOpensItsPage();
    void TabCyclesThroughEveryControl();
    void NothingIsCutOrOverlaps();
};

void ConsequencesWindowTest::MadeOnFirstUseOfItsMenuItem() {
    MainWindowHarness h;
    QCOMPARE(h.Window->findChild<ConsequencesWindow*>(), nullptr);
    const QList<QAction*> menus = h.Window->MainMenu1->actions();
    QStringList bar;
    for (const QAction* action : menus) {
        bar << action->text();
    }
    QCOMPARE(bar, (QStringList{"Sair", "Editar", "&Ferramentas", "&Ajuda"}));
    // After the record's and the applied fraction's items.
    QCOMPARE(h.Window->Ferramentas1->actions().mid(0, 3),
             (QList<QAction*>{h.Window->FerramentasMemoria, h.Window->FerramentasFracao,
                              h.Window->FerramentasConsequencias}));
    QCOMPARE(h.Window->FerramentasConsequencias->text(),
             QStringLiteral("&Consequ\u00eancias da pena"));

    ConsequencesWindow* window = OpenFromMenu(h);
    QVERIFY(window);
    QVERIFY(window->isWindow());
    QVERIFY(window->isVisible());
    QVERIFY(!window->testAttribute(Qt::WA_QuitOnClose));
    QCOMPARE(window->windowTitle(), QStringLiteral("Consequ\u00eancias da pena"));
    QCOMPARE(QApplication::focusWidget(), window->MaskEdit1);
    // The second use opens the same window.
    QCOMPARE(OpenFromMenu(h), window);
    QCOMPARE(h.Window->findChildren<ConsequencesWindow*>().size(), 1);
}

void ConsequencesWindowTest::SeededWithTheLastResultOrKeepsWhatWasTyped() {
    MainWindowHarness h;
    QVERIFY(MainCalcula(h, "5", "", "+1/6"));
    ConsequencesWindow* w = OpenFromMenu(h);
    QVERIFY(w);
    QCOMPARE(Term(*w), (QStringList{"5  ", "10", "  "}));
    QCOMPARE(w->Memo1->toPlainText(), AnalysisOf(5 * 360 + 10 * 30, {}));

    // What the user types stays when the last Calcula gave no result...
    MainWindowHarness::TypeInto(w->MaskEdit3, QStringLiteral("7"));
    w->close();
    QVERIFY(MainCalcula(h, "", "12", "+1/6"));
    OpenFromMenu(h);
    QCOMPARE(Term(*w), (QStringList{"5  ", "10", "7 "}));
    // ... or a result wider than the term fields, which would lose its last digits.
    QVERIFY(MainCalcula(h, "999", "", "x2"));
    OpenFromMenu(h);
    QCOMPARE(Term(*w), (QStringList{"5  ", "10", "7 "}));
    // A new result comes in, its zero parts left empty.
    QVERIFY(MainCalcula(h, "2", "", "x1"));
    OpenFromMenu(h);
    QCOMPARE(Term(*w), (QStringList{"2  ", "  ", "  "}));
    QCOMPARE(w->Memo1->toPlainText(), AnalysisOf(720, {}));
}

// Finding 14: the window opened with "A pena deve ser de pelo menos 1 dia." before anything
// was typed.
void ConsequencesWindowTest::OpensWithAHintBeforeATermIsTyped() {
    MainWindowHarness h;
    ConsequencesWindow* w = OpenFromMenu(h);
    QVERIFY(w);
    const QString hint = ToQString(kConsequencesNoTermHint);
    QCOMPARE(w->Memo1->toPlainText(), hint);
    // A fact changed with no term still shows the hint; a term typed and taken away again too.
    w->Facts1->Violencia->setChecked(true);
    QCOMPARE(w->Memo1->toPlainText(), hint);
    MainWindowHarness::TypeInto(w->MaskEdit2, QStringLiteral("3"));
    QVERIFY(w->Memo1->toPlainText().contains(QStringLiteral("Regime inicial")));
    MainWindowHarness::TypeInto(w->MaskEdit2, QString());
    QCOMPARE(w->Memo1->toPlainText(), hint);
}

void ConsequencesWindowTest::TextFollowsTheTermAndTheFacts() {
    MainWindowHarness h;
    ConsequencesWindow* w = OpenFromMenu(h);
    QVERIFY(w);
    MainWindowHarness::TypeInto(w->MaskEdit1, QStringLiteral("5"));
    QVERIFY(w->Memo1->toPlainText().contains(QStringLiteral("Regime inicial: semiaberto")));

    w->Facts1->Reincidencia->setFocus();
    QTest::keyClick(w->Facts1->Reincidencia, Qt::Key_Down); // "sim"
    CaseFacts repeat;
    repeat.RepeatOffender = true;
    QCOMPARE(w->Memo1->toPlainText(), AnalysisOf(1800, repeat));
    QVERIFY(w->Memo1->toPlainText().contains(QStringLiteral("Regime inicial: fechado")));

    MainWindowHarness::TypeInto(w->Facts1->Detracao, QStringLiteral("400"));
    repeat.DetracaoDays = 400;
    QCOMPARE(w->Memo1->toPlainText(), AnalysisOf(1800, repeat));

    MainWindowHarness::TypeInto(w->MaskEdit2, QStringLiteral("6"));
    QCOMPARE(w->Memo1->toPlainText(), AnalysisOf(1800 + 180, repeat));
}

void ConsequencesWindowTest::RefusedTermShowsTheCalculatorsMessage_data() {
    QTest::addColumn<QString>("years");
    QTest::addColumn<QString>("months");
    QTest::addColumn<QString>("days");
    QTest::addColumn<QString>("message");
    QTest::newRow("months above 11")
        << "1"
        << "12"
        << "" << QStringLiteral("O n\u00famero m\u00e1ximo de meses \u00e9 11.");
    QTest::newRow("days above 29")
        << "1"
        << ""
        << "30" << QStringLiteral("O n\u00famero m\u00e1ximo de dias \u00e9 29.");
    // Typed, a term of nothing is refused; only an empty term shows the hint.
    QTest::newRow("a term of zero") << "0"
                                    << ""
                                    << ""
                                    << "A pena deve ser de pelo menos 1 dia.";
}

void ConsequencesWindowTest::RefusedTermShowsTheCalculatorsMessage() {
    QFETCH(QString, years);
    QFETCH(QString, months);
    QFETCH(QString, days);
    QFETCH(QString, message);
    MainWindowHarness h;
    ConsequencesWindow* w = OpenFromMenu(h);
    QVERIFY(w);
    MainWindowHarness::TypeInto(w->MaskEdit1, years);
    MainWindowHarness::TypeInto(w->MaskEdit2, months);
    MainWindowHarness::TypeInto(w->MaskEdit3, days);
    QCOMPARE(w->Memo1->toPlainText(), message);
    // What was typed stays, to be mended.
    QCOMPARE(MainWindowHarness::Text(w->MaskEdit2).trimmed(), months);
}

void ConsequencesWindowTest::CrimeDateThatIsNoDateIsSaidAboveTheText() {
    MainWindowHarness h;
    ConsequencesWindow* w = OpenFromMenu(h);
    QVERIFY(w);
    MainWindowHarness::TypeInto(w->MaskEdit1, QStringLiteral("5"));
    MainWindowHarness::TypeInto(w->Facts1->DataCrime, QStringLiteral("31022021"));
    // The analysis goes on as for a date not given, under the words that say why.
    const QString notice = ToQString(kInvalidCrimeDateMessage);
    QCOMPARE(w->Memo1->toPlainText(), notice + "\n\n" + AnalysisOf(1800, {}));
    QCOMPARE(MainWindowHarness::Text(w->Facts1->DataCrime), QStringLiteral("31/02/2021"));
    QVERIFY(h.Watch.Seen().isEmpty());
    MainWindowHarness::TypeInto(w->Facts1->DataCrime, QStringLiteral("28022021"));
    QVERIFY(!w->Memo1->toPlainText().contains(notice));
}

void ConsequencesWindowTest::FactsTypedHereAreThereInTheExecutionWindow() {
    MainWindowHarness h;
    ConsequencesWindow* w = OpenFromMenu(h);
    QVERIFY(w);
    w->Facts1->Natureza->setCurrentIndex(1);
    MainWindowHarness::TypeInto(w->Facts1->DataCrime, QStringLiteral("05032021"));
    MainWindowHarness::TypeInto(w->Facts1->Detracao, QStringLiteral("30"));
    const CaseFacts typed = w->Facts1->Facts();
    QCOMPARE(h.Window->SharedFacts(), typed);

    h.Window->FerramentasExecucao->trigger();
    ExecutionWindow* execution = h.Window->Execution();
    QVERIFY(execution);
    QCOMPARE(execution->Facts->Facts(), typed);
    // And back: a change there is here when this window opens again.
    QTest::mouseClick(execution->Facts->Maior70, Qt::LeftButton);
    w->close();
    QCOMPARE(OpenFromMenu(h), w);
    CaseFacts changed = typed;
    changed.Over70AtSentence = true;
    QCOMPARE(w->Facts1->Facts(), changed);
    // A date typed here that is no date stays as typed while the facts are unchanged.
    MainWindowHarness::TypeInto(w->Facts1->DataCrime, QStringLiteral("3104"));
    OpenFromMenu(h);
    QCOMPARE(MainWindowHarness::Text(w->Facts1->DataCrime), QStringLiteral("31/04/    "));
}

void ConsequencesWindowTest::CopiarPutsTheWholeTextOnTheClipboard() {
    MainWindowHarness h;
    ConsequencesWindow* w = OpenFromMenu(h);
    QVERIFY(w);
    MainWindowHarness::TypeInto(w->MaskEdit1, QStringLiteral("3"));
    const QString text = w->Memo1->toPlainText();
    QVERIFY(text.endsWith(QStringLiteral("requisitos subjetivos.")));

    QTest::keyClick(w->MaskEdit1, Qt::Key_C, Qt::AltModifier);
    QCOMPARE(h.Clipboard(), text);
    // Copiar is the default: Enter in a field copies too.
    QApplication::clipboard()->setText(QStringLiteral("sentinel"));
    QTest::keyClick(w->MaskEdit1, Qt::Key_Return);
    QCOMPARE(h.Clipboard(), text);
    QCOMPARE(Term(*w).first(), QStringLiteral("3  "));
}

void ConsequencesWindowTest::ClosingOnlyHides() {
    MainWindowHarness h;
    ConsequencesWindow* w = OpenFromMenu(h);
    QVERIFY(w);
    QTest::keyClick(w->MaskEdit1, Qt::Key_F, Qt::AltModifier); // Fechar
    QVERIFY(!w->isVisible());
    QVERIFY(h.Window->isVisible());
    QCOMPARE(OpenFromMenu(h), w);
    QVERIFY(w->isVisible());
    w->close();
    QVERIFY(!w->isVisible());
    QCOMPARE(h.Window->findChild<ConsequencesWindow*>(), w);
}

void ConsequencesWindowTest::F1OpensItsPageFromEveryControl() {
    RecordedHelp help;
    CaseFacts shared;
    ConsequencesWindow w(shared);
    w.Open(std::nullopt);
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QList<QWidget*> controls = {w.MaskEdit1, w.MaskEdit2, w.MaskEdit3,
                                w.Memo1,     w.Button1,   w.Button2};
    controls += w.Facts1->TabOrder();
    for (QWidget* control : controls) {
        // The help window closed, so that the same page is asked for again.
        help.Engine.Requests.clear();
        help.Engine.WindowOpen = false;
        control->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
        QVERIFY2(help.Engine.Requests == QStringList{QStringLiteral("zarn.qhc|1|22")},
                 qPrintable(control->objectName()));
    }
}

void ConsequencesWindowTest::F1OnTheMenuItemOpensItsPage() {
    RecordedHelp help;
    TForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QMenu* tools = form.Ferramentas1;
    tools->popup(form.mapToGlobal(QPoint(0, 0)));
    tools->setActiveAction(form.FerramentasConsequencias);
    QTest::keyClick(tools, Qt::Key_F1);
    QCOMPARE(help.Engine.Requests, QStringList{QStringLiteral("zarn.qhc|1|22")});
    tools->close();
    // F1 only asks for help: the window is not made.
    QCOMPARE(form.findChild<ConsequencesWindow*>(), nullptr);
}

void ConsequencesWindowTest::TabCyclesThroughEveryControl() {
    CaseFacts shared;
    ConsequencesWindow w(shared);
    w.Open(std::nullopt);
    QVERIFY(QTest::qWaitForWindowActive(&w));
    // Tab passes over the facts that cannot apply (here the earlier conviction's box, without
    // the record), but every control has its name for a screen reader.
    QList<QWidget*> cycle = {w.MaskEdit1, w.MaskEdit2, w.MaskEdit3};
    for (QWidget* control : w.Facts1->TabOrder()) {
        const QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
        QVERIFY2(face && !face->text(QAccessible::Name).isEmpty(),
                 qPrintable(control->objectName()));
        if (control->isEnabled()) {
            cycle << control;
        }
    }
    QCOMPARE(cycle.size(), 3 + w.Facts1->TabOrder().size() - 1);
    cycle += {w.Memo1, w.Button1, w.Button2, w.MaskEdit1};
    QCOMPARE(QApplication::focusWidget(), w.MaskEdit1);
    for (qsizetype i = 1; i < cycle.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), cycle[i]);
        const QAccessibleInterface* face = QAccessible::queryAccessibleInterface(cycle[i]);
        QVERIFY2(face && !face->text(QAccessible::Name).isEmpty(),
                 qPrintable(cycle[i]->objectName()));
    }
}

void ConsequencesWindowTest::NothingIsCutOrOverlaps() {
    CaseFacts shared;
    ConsequencesWindow w(shared);
    w.Open(std::nullopt);
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QList<const QWidget*> controls;
    for (const QWidget* child : w.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        controls << child;
    }
    QCOMPARE(controls.size(), 10);
    QStringList faults = testing::ControlsOutside(&w, controls);
    faults << testing::OverlappingControls(&w, controls);
    faults << testing::CutCaptions(controls);
    faults << testing::LabelsBesideTheirFields(
        &w, {{w.Label1, w.MaskEdit1}, {w.Label2, w.MaskEdit2}, {w.Label3, w.MaskEdit3}});
    faults << testing::RowsInReadingOrder(
        &w, {{w.Label1, w.MaskEdit1, w.Label2, w.MaskEdit2, w.Label3, w.MaskEdit3},
             {w.Facts1},
             {w.Memo1},
             {w.Button1, w.Button2}});
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

} // namespace zarn

QTEST_MAIN(zarn::ConsequencesWindowTest)
#include "ConsequencesWindowTest.moc"
