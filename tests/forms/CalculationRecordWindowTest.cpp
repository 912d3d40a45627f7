// The window of the calculation record, driven through real key events beside the main
// window: the record follows the chain while the window is open, Copiar puts it on the
// clipboard, Limpar and the check box, the keys, F1 and the layout.

#include "RecordWindowHarness.h"
#include "support/LayoutChecks.h"
#include "support/RecordingHelpEngine.h"
#include "widgets/Scaling.h"

#include <QMenu>

namespace zarn {

using testing::RecordWindowHarness;

namespace {

const QString kPenaLine = QStringLiteral("Pena: 5 anos, e 10 dias-multa");
const QString kIncreaseLine = QStringLiteral("aumento de 1/6: 5 anos e 10 meses, e 11 dias-multa");
const QString kReductionLine =
    QStringLiteral("diminui\u00e7\u00e3o de 1/3: 3 anos, 10 meses e 20 dias, e 7 dias-multa");
const QString kRedoneLine =
    QStringLiteral("diminui\u00e7\u00e3o de 1/2: 2 anos e 11 meses, e 5 dias-multa");
const QStringList kFirstStep = {"5|||10|+1/6"};
const QStringList kTwoSteps = {"5|||10|+1/6", "continua", "op:-1/3"};

} // namespace

class CalculationRecordWindowTest : public QObject {
    Q_OBJECT
private slots:
    void TheTypedChainIsCopiedByKeyboardAlone();
    void RecordFollowsTheChainWhileOpen_data();
    void RecordFollowsTheChainWhileOpen();
    void NumbersInWordsAndLimpar();
    void KeysOfTheWindow();
    void FerramentasMenuByAltF();
    void HelpKeyOpensTheRecordPage_data();
    void HelpKeyOpensTheRecordPage();
    void NothingIsClippedOrOverlaps();
};

void CalculationRecordWindowTest::TheTypedChainIsCopiedByKeyboardAlone() {
    RecordWindowHarness h;
    QVERIFY(h.WaitActive());
    QVERIFY2(!h.Record(), "the window is made on first use, not at start-up");
    h.Type(QStringLiteral("5"));
    for (int i = 0; i < 3; ++i) {
        h.Key(Qt::Key_Tab);
    }
    h.Type(QStringLiteral("10"));
    h.Key(Qt::Key_Tab);
    h.Type(QStringLiteral("+1/6"));
    h.Enter();
    h.Enter();
    h.Type(QStringLiteral("-1/3"));
    h.Enter();
    const QString typed = h.Text(h.Window->MaskEdit5);
    QCOMPARE(h.Focus(), h.Window->MaskEdit5);

    QVERIFY(h.Open()); // Ctrl+M in the operation field
    QCOMPARE(h.Text(h.Window->MaskEdit5), typed);
    QCOMPARE(h.Focus(), h.Record()->StepsText);
    h.Key(Qt::Key_C, Qt::AltModifier); // Copiar
    QCOMPARE(h.Clipboard(), kPenaLine + '\n' + kIncreaseLine + '\n' + kReductionLine);
    QCOMPARE(h.Shown(), (QStringList{kPenaLine, kIncreaseLine, kReductionLine}));
    QCOMPARE(h.Focus(), h.Record()->StepsText);
    QVERIFY(h.Watch.Seen().isEmpty());
}

void CalculationRecordWindowTest::RecordFollowsTheChainWhileOpen_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("lines");
    const QStringList two = {kPenaLine, kIncreaseLine};
    // clang-format off
    QTest::newRow("Calcula, Continua, Calcula") << kTwoSteps
        << QStringList{kPenaLine, kIncreaseLine, kReductionLine};
    QTest::newRow("Continua keeps it") << QStringList{"5|||10|+1/6", "continua"} << two;
    QTest::newRow("Volta forgets the last step") << (kTwoSteps + QStringList{"volta"}) << two;
    QTest::newRow("the step redone after Volta") << (kTwoSteps + QStringList{"volta", "op:-1/2"})
        << QStringList{kPenaLine, kIncreaseLine, kRedoneLine};
    QTest::newRow("an input error appends nothing")
        << QStringList{"5|||10|+1/6", "continua", "op:q1/6"} << two;
    QTest::newRow("Novo calculo empties it") << QStringList{"5|||10|+1/6", "novo"} << QStringList{};
    QTest::newRow("a refused Continua changes nothing") << QStringList{"999||||x2", "continua"}
        << QStringList{"Pena: 999 anos", QStringLiteral("multiplica\u00e7\u00e3o por 2: 1998 anos")};
    // clang-format on
}

void CalculationRecordWindowTest::RecordFollowsTheChainWhileOpen() {
    QFETCH(QStringList, steps);
    QFETCH(QStringList, lines);
    RecordWindowHarness h;
    QVERIFY(h.WaitActive());
    QVERIFY(h.Open());
    QVERIFY(h.BackToMain());
    h.Run(steps);
    QVERIFY(h.Record()->isVisible());
    QCOMPARE(h.Shown(), lines);
    QCOMPARE(h.Window->Record().StepCount(), std::size_t(lines.size() > 0 ? lines.size() - 1 : 0));
    QCOMPARE(h.Record()->CopyButton->isEnabled(), !lines.isEmpty());
}

void CalculationRecordWindowTest::NumbersInWordsAndLimpar() {
    RecordWindowHarness h;
    QVERIFY(h.WaitActive());
    h.Run(kTwoSteps);
    QVERIFY(h.Open());
    CalculationRecordWindow& w = *h.Record();
    QVERIFY(!w.InWords->isChecked());
    h.Key(Qt::Key_N, Qt::AltModifier); // Numeros por extenso
    QTRY_VERIFY(w.InWords->isChecked());
    QCOMPARE(h.Shown().size(), 3);
    QCOMPARE(h.Shown().front(), QStringLiteral("Pena: 5 (cinco) anos, e 10 (dez) dias-multa"));
    h.Key(Qt::Key_C, Qt::AltModifier);
    QCOMPARE(h.Clipboard(), h.Shown().join('\n'));

    // Limpar asks nothing: the chain starts over, and Enter now closes the window.
    const QString copied = h.Clipboard();
    h.Key(Qt::Key_L, Qt::AltModifier);
    QCOMPARE(h.Shown(), QStringList{});
    QCOMPARE(h.Window->Record().StepCount(), std::size_t(0));
    QVERIFY(!w.CopyButton->isEnabled());
    QVERIFY(!w.ClearButton->isEnabled());
    QCOMPARE(h.Focus(), w.StepsText);
    QCOMPARE(h.Clipboard(), copied);
    QVERIFY(h.Watch.Seen().isEmpty());
    h.Enter();
    QVERIFY(w.isHidden());

    // The next chain starts the record with its Pena line, in words, since the check box
    // keeps its state.
    QVERIFY(h.WaitMainActive());
    h.Run({"novo", "2|6||20|+1/2"});
    QVERIFY(h.Open());
    QCOMPARE(h.Shown().size(), 2);
    QCOMPARE(h.Shown().front(),
             QStringLiteral("Pena: 2 (dois) anos e 6 (seis) meses, e 20 (vinte) dias-multa"));
}

void CalculationRecordWindowTest::KeysOfTheWindow() {
    RecordWindowHarness h;
    QVERIFY(h.WaitActive());
    h.Run(kFirstStep);
    QVERIFY(h.Open());
    CalculationRecordWindow* w = h.Record();
    QVERIFY(w->isWindow());
    QCOMPARE(w->parentWidget(), h.Window.get());
    QVERIFY(!w->testAttribute(Qt::WA_QuitOnClose));
    QCOMPARE(w->windowTitle(), QStringLiteral("Mem\u00f3ria do c\u00e1lculo"));

    const QList<QWidget*> cycle = {w->StepsText,   w->InWords,     w->CopyButton,
                                   w->ClearButton, w->CloseButton, w->StepsText};
    QCOMPARE(h.Focus(), cycle.front());
    for (qsizetype i = 1; i < cycle.size(); ++i) {
        h.Key(Qt::Key_Tab);
        QCOMPARE(h.Focus(), cycle[i]);
    }

    // Alt+P takes the keyboard back to the text, where Enter presses Copiar, the default.
    w->CloseButton->setFocus();
    h.Key(Qt::Key_P, Qt::AltModifier);
    QCOMPARE(h.Focus(), w->StepsText);
    QApplication::clipboard()->setText(QStringLiteral("sentinel"));
    h.Enter();
    QCOMPARE(h.Clipboard(), kPenaLine + '\n' + kIncreaseLine);

    // Esc, Alt+F and the close box hide the window; Ctrl+M brings the same one back.
    h.Key(Qt::Key_Escape);
    QVERIFY(w->isHidden());
    QVERIFY(h.WaitMainActive());
    QVERIFY(h.Open());
    QCOMPARE(h.Record(), w);
    h.Key(Qt::Key_F, Qt::AltModifier);
    QVERIFY(w->isHidden());
    QVERIFY(h.WaitMainActive());
    QVERIFY(h.Open());
    w->close();
    QVERIFY(w->isHidden());
    QCOMPARE(h.Record(), w);
    QVERIFY(h.Window->isVisible());
    QVERIFY(h.OnlyContinuaIsDefault());
}

void CalculationRecordWindowTest::FerramentasMenuByAltF() {
    RecordWindowHarness h;
    QVERIFY(h.WaitActive());
    QCOMPARE(h.Window->Ferramentas1->actions().value(0), h.Window->FerramentasMemoria);
    QCOMPARE(h.Window->FerramentasMemoria->text(), QStringLiteral("&Mem\u00f3ria do c\u00e1lculo"));
    QCOMPARE(h.Window->FerramentasMemoria->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_M));
    h.Key(Qt::Key_F, Qt::AltModifier);
    QTRY_COMPARE(QApplication::activePopupWidget(), h.Window->Ferramentas1);
    QTest::keyClick(h.Window->Ferramentas1, Qt::Key_M);
    QVERIFY(h.WaitRecordActive());
    QCOMPARE(h.Text(h.Window->MaskEdit1), QStringLiteral("   "));
}

void CalculationRecordWindowTest::HelpKeyOpensTheRecordPage_data() {
    QTest::addColumn<QString>("control");
    for (const char* control :
         {"StepsText", "InWords", "CopyButton", "ClearButton", "CloseButton", "menu item"}) {
        QTest::newRow(control) << QString::fromLatin1(control);
    }
}

void CalculationRecordWindowTest::HelpKeyOpensTheRecordPage() {
    QFETCH(QString, control);
    RecordWindowHarness h;
    RecordedHelp help;
    QVERIFY(h.WaitActive());
    h.Run(kFirstStep);
    QWidget* target = nullptr;
    if (control == QLatin1String("menu item")) {
        QMenu* tools = h.Window->Ferramentas1;
        tools->popup(h.Window->mapToGlobal(QPoint(0, 0)));
        tools->setActiveAction(h.Window->FerramentasMemoria);
        target = tools;
    } else {
        QVERIFY(h.Open());
        target = h.Record()->findChild<QWidget*>(control);
        QVERIFY(target);
        target->setFocus();
        QCOMPARE(h.Focus(), target);
    }
    QTest::keyClick(target, Qt::Key_F1);
    QCOMPARE(help.Engine.Requests, QStringList{QStringLiteral("zarn.qhc|1|20")});
    while (QWidget* popup = QApplication::activePopupWidget()) {
        popup->close();
    }
}

// CTest runs this also on screens of 96, 120 and 192 pixels per inch, each named by
// QT_FONT_DPI.
void CalculationRecordWindowTest::NothingIsClippedOrOverlaps() {
    RecordWindowHarness h;
    QVERIFY(h.WaitActive());
    h.Run(kFirstStep);
    QVERIFY(h.Open());
    CalculationRecordWindow& w = *h.Record();
    if (qEnvironmentVariableIsSet("QT_FONT_DPI")) {
        QCOMPARE(w.logicalDpiY(), qEnvironmentVariableIntValue("QT_FONT_DPI"));
    }
    QCOMPARE(w.size(), QSize(Scaled(&w, 520), Scaled(&w, 341)));
    QCOMPARE(w.minimumSize(), w.size());

    // The caption, the text below it, then the check box and the buttons on one row.
    auto layoutFaults = [&w] {
        const QList<const QWidget*> controls = {w.StepsLabel, w.StepsText,   w.InWords,
                                                w.CopyButton, w.ClearButton, w.CloseButton};
        QStringList faults = testing::ControlsOutside(&w, controls);
        faults << testing::OverlappingControls(&w, controls);
        faults << testing::CutCaptions(controls);
        faults << testing::RowsInReadingOrder(
            &w, {{w.StepsLabel},
                 {w.StepsText},
                 {w.InWords, w.CopyButton, w.ClearButton, w.CloseButton}});
        if (!w.InWords->rect().contains(QRect(QPoint(0, 0), w.InWords->sizeHint()))) {
            faults << QStringLiteral("InWords is smaller than its box and caption");
        }
        return faults.join(QLatin1Char('\n'));
    };
    QVERIFY2(layoutFaults().isEmpty(), qPrintable(layoutFaults()));

    // A larger window gives the text the room; the bottom row keeps to its corner.
    const QRect text = w.StepsText->geometry();
    const QPoint close = w.CloseButton->geometry().bottomRight();
    w.resize(w.width() + 200, w.height() + 100);
    QCOMPARE(w.StepsText->geometry(), text.adjusted(0, 0, 200, 100));
    QCOMPARE(w.CloseButton->geometry().bottomRight(), close + QPoint(200, 100));
    QVERIFY2(layoutFaults().isEmpty(), qPrintable(layoutFaults()));
}

} // namespace zarn

QTEST_MAIN(zarn::CalculationRecordWindowTest)
#include "CalculationRecordWindowTest.moc"
