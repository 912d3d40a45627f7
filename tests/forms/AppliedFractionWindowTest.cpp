// The window "Fração aplicada", driven through real key events beside the main window:
// what an opening seeds, Enter computes, an input error focuses its field, Copiar, F1, and
// a layout that fits (the case LayoutFits also runs at 96 and 192 pixels per inch).

#include "forms/AppliedFractionWindow.h"

#include "MainWindowHarness.h"
#include "help/HelpContext.h"
#include "support/LayoutChecks.h"
#include "support/RecordingHelpEngine.h"

#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollBar>

namespace zarn {

using testing::MainWindowHarness;

namespace {

// Field texts of the six term fields: Antes years, months, days, then Depois.
using Terms = QStringList;
const Terms kBlankTerms = {"   ", "  ", "  ", "   ", "  ", "  "};

const QString kPlusSixth = QStringLiteral("+ 1/6\nVaria\u00e7\u00e3o: +16,67%");

class FractionHarness : public MainWindowHarness {
public:
    // Ferramentas > Fração aplicada, from the main window.
    bool Open() {
        Window->FerramentasFracao->trigger();
        // A window with a parent counts as active with its parent already: wait until the
        // window itself has the keyboard.
        return Fraction() &&
               QTest::qWaitFor([this] { return QApplication::activeWindow() == Fraction(); });
    }
    AppliedFractionWindow* Fraction() const { return Window->FractionWindow(); }

    void MainCalcula(const QString& years, const QString& months, const QString& days,
                     const QString& operation) {
        Window->activateWindow();
        QVERIFY(WaitActive());
        Fill(years, months, days, QString(), operation);
        Enter();
    }

    // Types the six terms from the first Antes field, Tab between them, as a user does;
    // the keyboard stays in the last Depois field.
    void TypeTerms(const Terms& typed) {
        QCOMPARE(Focus(), Fraction()->MaskEdit1);
        for (qsizetype i = 0; i < typed.size(); ++i) {
            if (i > 0) {
                Key(Qt::Key_Tab);
            }
            Type(typed[i]);
        }
    }

    Terms Shown() const {
        const AppliedFractionWindow& w = *Fraction();
        Terms shown;
        for (const MaskedField* field :
             {w.MaskEdit1, w.MaskEdit2, w.MaskEdit3, w.MaskEdit4, w.MaskEdit5, w.MaskEdit6}) {
            shown << Text(field);
        }
        return shown;
    }
    QString Answer() const { return Fraction()->AnswerText(); }
};

} // namespace

class AppliedFractionWindowTest : public QObject {
    Q_OBJECT
private slots:
    void MenuItemMakesTheWindowOnFirstUse();
    void OpeningSeedsTheLastCalculation_data();
    void OpeningSeedsTheLastCalculation();
    void EnterComputesTheAnswer_data();
    void EnterComputesTheAnswer();
    void CopiarCopiesTheAnswerLines();
    void F1OpensTheWindowsPage();
    void ControlsAreNamedForScreenReaders();
    void LayoutFits();
};

void AppliedFractionWindowTest::MenuItemMakesTheWindowOnFirstUse() {
    FractionHarness h;
    QVERIFY(h.WaitActive());
    TForm1& w = *h.Window;
    QVERIFY(w.Ferramentas1->actions().contains(w.FerramentasFracao));
    QCOMPARE(w.FerramentasFracao->text(), QStringLiteral("&Fra\u00e7\u00e3o aplicada"));
    QCOMPARE(HelpContextOf(w.FerramentasFracao), 21);

    QVERIFY(!h.Fraction());
    QVERIFY(h.Open());
    AppliedFractionWindow* made = h.Fraction();
    QCOMPARE(made->windowTitle(), QStringLiteral("Fra\u00e7\u00e3o aplicada"));
    QVERIFY(made->isWindow());
    QCOMPARE(made->parentWidget(), h.Window.get());
    QVERIFY(!made->testAttribute(Qt::WA_QuitOnClose));
    QVERIFY(made->Button1->isDefault());
    QVERIFY(!made->Button2->isEnabled()); // nothing to copy yet
    made->close();
    QVERIFY(made->isHidden());
    QVERIFY(h.Open());
    QCOMPARE(h.Fraction(), made);
    QVERIFY(h.Watch.Seen().isEmpty());
}

void AppliedFractionWindowTest::OpeningSeedsTheLastCalculation_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<Terms>("shown");
    QTest::addColumn<QString>("answer");
    const Terms fiveYears = {"5  ", "  ", "  ", "5  ", "10", "  "};
    const Terms typed = {"3  ", "  ", "  ", "2  ", "  ", "  "};
    const QString reduction = QStringLiteral("- 1/3\nVaria\u00e7\u00e3o: -33,33%");
    // clang-format off
    QTest::newRow("before any Calcula") << QStringList{} << kBlankTerms << QString();
    QTest::newRow("after a Calcula") << QStringList{"calcula"} << fiveYears << QString();
    QTest::newRow("after Continua") << QStringList{"calcula", "continua"} << fiveYears << QString();
    QTest::newRow("after Novo calculo") << QStringList{"calcula", "novo"} << fiveYears << QString();
    QTest::newRow("typed, then an input error") << QStringList{"type", "error"} << typed << reduction;
    QTest::newRow("typed, then opened again") << QStringList{"type"} << typed << reduction;
    QTest::newRow("typed, then a Calcula") << QStringList{"type", "calcula"} << fiveYears << QString();
    QTest::newRow("00 years kept, 0 days empty") << QStringList{"zeros"}
        << Terms{"00 ", "6 ", "  ", "   ", "3 ", "  "} << QString();
    QTest::newRow("a result wider than its field") << QStringList{"wide"}
        << Terms{"999", "  ", "  ", "   ", "  ", "  "}
        << QStringLiteral("O resultado do \u00faltimo c\u00e1lculo n\u00e3o cabe nos campos Depois.");
    // clang-format on
}

void AppliedFractionWindowTest::OpeningSeedsTheLastCalculation() {
    QFETCH(QStringList, steps);
    QFETCH(Terms, shown);
    QFETCH(QString, answer);
    FractionHarness h;
    QVERIFY(h.WaitActive());
    for (const QString& step : steps) {
        if (step == "type") {
            QVERIFY(h.Open());
            h.TypeTerms({"3", "", "", "2", "", ""});
            h.Enter();
            h.Fraction()->close();
        } else if (step == "calcula") {
            h.MainCalcula("5", "", "", "+1/6");
        } else if (step == "continua") {
            h.Enter();
        } else if (step == "novo") {
            h.Window->Button3->click();
        } else if (step == "error") {
            h.MainCalcula("5", "12", "", "+1/6");
        } else if (step == "zeros") {
            h.MainCalcula("00", "6", "0", "-1/2");
        } else if (step == "wide") {
            h.MainCalcula("999", "", "", "x10");
        }
    }
    QVERIFY(h.Open());
    QCOMPARE(h.Shown(), shown);
    QCOMPARE(h.Answer(), answer);
    QCOMPARE(h.Focus(), h.Fraction()->MaskEdit1);
    QCOMPARE(h.Fraction()->MaskEdit1->selectedText(), shown.front());
    QVERIFY(h.Fraction()->Button1->isDefault());
}

void AppliedFractionWindowTest::EnterComputesTheAnswer_data() {
    QTest::addColumn<Terms>("typed");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("focus");
    const QString noFraction =
        QStringLiteral("Nenhuma fra\u00e7\u00e3o usual leva a esse resultado.");
    const QString months = QStringLiteral("O n\u00famero m\u00e1ximo de meses \u00e9 11.");
    const QString days = QStringLiteral("O n\u00famero m\u00e1ximo de dias \u00e9 29.");
    // clang-format off
    // A result leaves the keyboard where Enter was pressed.
    QTest::newRow("an increase") << Terms{"5", "", "", "5", "10", ""} << kPlusSixth << "MaskEdit6";
    QTest::newRow("a reduction") << Terms{"3", "", "", "2", "", ""}
        << QStringLiteral("- 1/3\nVaria\u00e7\u00e3o: -33,33%") << "MaskEdit6";
    QTest::newRow("only truncation explains it") << Terms{"1", "1", "1", "1", "3", "6"}
        << QStringLiteral("+ 1/6\nVaria\u00e7\u00e3o: +16,62%") << "MaskEdit6";
    QTest::newRow("no usual fraction") << Terms{"5", "", "", "5", "", "1"}
        << noFraction + QStringLiteral("\nVaria\u00e7\u00e3o: +0,06%") << "MaskEdit6";
    // An input error puts the keyboard on the field at fault; Antes is read first.
    QTest::newRow("Antes months") << Terms{"5", "12", "", "5", "", ""} << months << "MaskEdit2";
    QTest::newRow("Antes days") << Terms{"", "", "30", "", "", "45"} << days << "MaskEdit3";
    QTest::newRow("Depois months") << Terms{"5", "", "", "5", "13", ""} << months << "MaskEdit5";
    QTest::newRow("Depois days") << Terms{"5", "", "", "5", "", "99"} << days << "MaskEdit6";
    // clang-format on
}

void AppliedFractionWindowTest::EnterComputesTheAnswer() {
    QFETCH(Terms, typed);
    QFETCH(QString, answer);
    QFETCH(QString, focus);
    FractionHarness h;
    QVERIFY(h.WaitActive());
    QVERIFY(h.Open());
    h.TypeTerms(typed);
    h.Enter();
    QCOMPARE(h.Answer(), answer);
    auto* focused = h.Fraction()->findChild<MaskedField*>(focus);
    QCOMPARE(h.Focus(), focused);
    if (answer.contains(QLatin1Char('\n'))) {
        QVERIFY(h.Fraction()->Button2->isEnabled());
    } else {
        QCOMPARE(focused->selectedText(), focused->text());
    }
    QVERIFY(h.Fraction()->Button1->isDefault());
    // What was typed is all still there.
    QCOMPARE(h.Shown().join('|').remove(' '), typed.join('|'));
    QVERIFY(h.Watch.Seen().isEmpty());
}

void AppliedFractionWindowTest::CopiarCopiesTheAnswerLines() {
    FractionHarness h;
    QVERIFY(h.WaitActive());
    QVERIFY(h.Open());
    QTest::keyClick(h.Focus(), Qt::Key_O, Qt::AltModifier); // nothing to copy yet
    QCOMPARE(h.Clipboard(), QStringLiteral("sentinel"));
    h.TypeTerms({"5", "", "", "5", "10", ""});
    h.Enter();
    QCOMPARE(h.Clipboard(), QStringLiteral("sentinel")); // Calcula copies nothing
    QTest::keyClick(h.Focus(), Qt::Key_O, Qt::AltModifier);
    QCOMPARE(h.Clipboard(), kPlusSixth);
    QApplication::clipboard()->setText(QStringLiteral("sentinel"));
    h.Fraction()->Button2->click();
    QCOMPARE(h.Clipboard(), kPlusSixth);
}

void AppliedFractionWindowTest::F1OpensTheWindowsPage() {
    FractionHarness h;
    RecordedHelp help; // F1 through the real bridge, after the harness's recorder
    QVERIFY(h.WaitActive());
    QVERIFY(h.Open());
    AppliedFractionWindow& w = *h.Fraction();
    for (QWidget* control : QList<QWidget*>{w.MaskEdit1, w.MaskEdit6, w.Button1, w.Memo1}) {
        help.Engine.WindowOpen = false; // closed by the user, so the same page is asked again
        help.Engine.Requests.clear();
        control->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
        QCOMPARE(help.Engine.Requests, QStringList{QStringLiteral("zarn.qhc|1|21")});
    }
}

// In tab order, each control as a screen reader announces it.
void AppliedFractionWindowTest::ControlsAreNamedForScreenReaders() {
    AppliedFractionWindow w;
    QStringList names;
    for (QWidget* control :
         QList<QWidget*>{w.MaskEdit1, w.MaskEdit2, w.MaskEdit3, w.MaskEdit4, w.MaskEdit5,
                         w.MaskEdit6, w.Button1, w.Memo1, w.Button2}) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
        names << (face ? face->text(QAccessible::Name) : QString());
    }
    QCOMPARE(names, (QStringList{"Antes ANOS", "Antes MESES", "Antes DIAS", "Depois ANOS",
                                 "Depois MESES", "Depois DIAS", "Calcula", "Resposta", "Copiar"}));
}

// Every caption fits its control and no two controls overlap, inside the window; the
// build runs this case again at 96 and 192 pixels per inch.
void AppliedFractionWindowTest::LayoutFits() {
    FractionHarness h;
    QVERIFY(h.Open());
    const AppliedFractionWindow& w = *h.Fraction();
    const QList<const QWidget*> controls = {w.Label1,    w.Label2,    w.Label3,    w.Label4,
                                            w.MaskEdit1, w.MaskEdit2, w.MaskEdit3, w.Label5,
                                            w.MaskEdit4, w.MaskEdit5, w.MaskEdit6, w.Button1,
                                            w.Label6,    w.Memo1,     w.Button2};
    QStringList faults = testing::ControlsOutside(&w, controls);
    faults << testing::OverlappingControls(&w, controls);
    faults << testing::CutCaptions(controls);
    // The column captions, the Antes row, the Depois row with Calcula, then the answer
    // under its caption and Copiar.
    faults << testing::RowsInReadingOrder(
        &w, {{w.Label1, w.Label2, w.Label3},
             {w.Label4, w.MaskEdit1, w.MaskEdit2, w.MaskEdit3},
             {w.Label5, w.MaskEdit4, w.MaskEdit5, w.MaskEdit6, w.Button1},
             {w.Label6},
             {w.Memo1},
             {w.Button2}});
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    QVERIFY(w.MaskEdit1->fontMetrics().horizontalAdvance(QStringLiteral("888")) <
            w.MaskEdit1->width());
    // The longest line of an answer shows whole, without scrolling sideways.
    h.Enter(); // a zero start
    QVERIFY(h.Answer().startsWith(QStringLiteral("Com pena inicial zero")));
    QCOMPARE(w.Memo1->horizontalScrollBar()->maximum(), 0);
}

} // namespace zarn

QTEST_MAIN(zarn::AppliedFractionWindowTest)
#include "AppliedFractionWindowTest.moc"
