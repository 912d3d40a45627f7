#include "MainWindowHarness.h"
#include "engine/Calculation.h"
#include "widgets/DialogKeys.h"

#include <QLineEdit>

namespace zarn {

using testing::MainWindowHarness;

namespace {

// The engine run on its own record: what the window must show for these field texts.
QString EngineSentence(const char* years, const char* months, const char* days, const char* fines,
                       const char* operation) {
    CalcState state;
    return ToQString(RunCalculation(state, years, months, days, fines, operation).OutcomeText);
}

const QString kFiveYearsSentence = QStringLiteral(" 5 anos, 10 meses e  0 dia, e  11 dias-multa");

} // namespace

class MainWindowCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void KeyboardRhythmChainsCalculations();
    void InputErrorsAreReportedOnTheFieldAtFault_data();
    void InputErrorsAreReportedOnTheFieldAtFault();
    void AFailedCalculaLeavesContinuaTheDefault();
    void ClickOnCalculaThenEnterRunsCalculaAgain();
    void AltLettersRunCommandsWithoutMovingTheFocus();
    void VoltaAfterAFailedCalculaRestoresTheFieldsRead();
    void VoltaAfterContinuaRestoresTheInputs_data();
    void VoltaAfterContinuaRestoresTheInputs();
    void NovoCalculoEmptiesOnlyTheWindow();
    void ContinuaBeforeAnyCalculaEmptiesEveryField();
    void ContinuaTwiceLoadsTheSameResult();
    void ContinuaCarriesResultsThatFit_data();
    void ContinuaCarriesResultsThatFit();
    void ContinuaRefusesResultsThatDoNotFit_data();
    void ContinuaRefusesResultsThatDoNotFit();
    void CaretResetOnClickAndDoubleClick();
    void SaiAndSairCloseTheWindow_data();
    void SaiAndSairCloseTheWindow();
};

void MainWindowCommandsTest::KeyboardRhythmChainsCalculations() {
    MainWindowHarness h;
    QVERIFY(h.WaitActive());
    QCOMPARE(h.Focus(), h.Window->MaskEdit1);
    QVERIFY(h.OnlyCalculaIsDefault());

    // 5 years, Tab to the day-fines, 10, Tab, "+1/6", Enter.
    h.Type(QStringLiteral("5"));
    h.Key(Qt::Key_Tab);
    h.Key(Qt::Key_Tab);
    h.Key(Qt::Key_Tab);
    h.Type(QStringLiteral("10"));
    h.Key(Qt::Key_Tab);
    h.Type(QStringLiteral("+1/6"));
    QCOMPARE(h.Text(h.Window->MaskEdit5), QStringLiteral("+ 1 /6  "));
    h.Enter();
    QCOMPARE(h.CalculaCount(), 1);
    QCOMPARE(h.Result(), kFiveYearsSentence);
    QCOMPARE(h.Window->Edit2->selectedText(), kFiveYearsSentence);
    QCOMPARE(h.Clipboard(), kFiveYearsSentence);
    QCOMPARE(h.Focus(), h.Window->MaskEdit5);
    QVERIFY(h.OnlyContinuaIsDefault());

    // Enter: Continua loads 5, 10, blank, 11 and waits in the operation field.
    h.Enter();
    QCOMPARE(h.CalculaCount(), 1);
    QCOMPARE(h.Text(h.Window->MaskEdit1), QStringLiteral("5  "));
    QCOMPARE(h.Text(h.Window->MaskEdit2), QStringLiteral("10"));
    QCOMPARE(h.Text(h.Window->MaskEdit3), QStringLiteral("  "));
    QCOMPARE(h.Text(h.Window->MaskEdit4), QStringLiteral("11   "));
    QCOMPARE(h.Text(h.Window->MaskEdit5), QStringLiteral("    /   "));
    QCOMPARE(h.Result(), QString());
    QCOMPARE(h.Focus(), h.Window->MaskEdit5);
    QCOMPARE(h.Window->MaskEdit5->selectedText().size(), 8);
    QVERIFY(h.OnlyCalculaIsDefault());
    QCOMPARE(h.Window->State().OutYearsText, std::string("5"));
    QCOMPARE(h.Window->State().OutDaysText, std::string("0"));

    // The next operation, Enter.
    h.Type(QStringLiteral("-1/3"));
    h.Enter();
    QCOMPARE(h.CalculaCount(), 2);
    const QString next = EngineSentence("5  ", "10", "  ", "11   ", "- 1 /3  ");
    QCOMPARE(h.Result(), next);
    QCOMPARE(h.Clipboard(), next);
    QVERIFY(h.OnlyContinuaIsDefault());
    QVERIFY(h.Watch.Seen().isEmpty());
}

void MainWindowCommandsTest::InputErrorsAreReportedOnTheFieldAtFault_data() {
    QTest::addColumn<QString>("years");
    QTest::addColumn<QString>("months");
    QTest::addColumn<QString>("days");
    QTest::addColumn<QString>("fines");
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("field");

    // clang-format off
    QTest::newRow("untouched operation") << "5" << "" << "" << "" << ""
        << QStringLiteral("Opera\u00e7\u00e3o inv\u00e1lida!") << 5;
    QTest::newRow("twelve months") << "1" << "12" << "" << "" << "+1/6"
        << QStringLiteral("O n\u00famero m\u00e1ximo de meses \u00e9 11.") << 2;
    QTest::newRow("thirty days") << "1" << "" << "30" << "" << "+1/6"
        << QStringLiteral("O n\u00famero m\u00e1ximo de dias \u00e9 29.") << 3;
    QTest::newRow("too few day-fines") << "1" << "" << "" << "9" << "+1/6"
        << QStringLiteral("Ser\u00e1 de 10 o m\u00ednimo de dias-multa.") << 4;
    QTest::newRow("too many day-fines") << "1" << "" << "" << "66667" << "+1/6"
        << QStringLiteral("O m\u00e1ximo de dias-multa \u00e9 66.666 (Lei 11.343/06).") << 4;
    QTest::newRow("letter for an operation") << "1" << "" << "" << "" << "q1/6"
        << QStringLiteral("Opera\u00e7\u00e3o inv\u00e1lida!") << 5;
    // clang-format on
}

void MainWindowCommandsTest::InputErrorsAreReportedOnTheFieldAtFault() {
    QFETCH(QString, years);
    QFETCH(QString, months);
    QFETCH(QString, days);
    QFETCH(QString, fines);
    QFETCH(QString, operation);
    QFETCH(QString, message);
    QFETCH(int, field);

    MainWindowHarness h;
    QVERIFY(h.WaitActive());
    h.Fill(years, months, days, fines, operation);
    const QString welcome = h.Window->StatusBar1->Text();
    h.Window->MaskEdit1->setFocus();
    h.Enter();

    MaskedField* const fields[] = {h.Window->MaskEdit1, h.Window->MaskEdit2, h.Window->MaskEdit3,
                                   h.Window->MaskEdit4, h.Window->MaskEdit5};
    MaskedField* fault = fields[field - 1];
    QCOMPARE(h.Result(), message);
    QCOMPARE(h.Window->Edit2->selectedText(), message);
    QCOMPARE(h.Clipboard(), message);
    QCOMPARE(h.Focus(), fault);
    QCOMPARE(fault->selectedText(), fault->text());
    QVERIFY(h.OnlyCalculaIsDefault());
    QCOMPARE(h.CalculaCount(), 1);
    QVERIFY(h.Window->StatusBar1->Text() != welcome);
    QVERIFY(h.Watch.Seen().isEmpty());
}

void MainWindowCommandsTest::AFailedCalculaLeavesContinuaTheDefault() {
    MainWindowHarness h;
    QVERIFY(h.WaitActive());
    h.Fill("5", "", "", "", "+1/6");
    h.Enter();
    QVERIFY(h.OnlyContinuaIsDefault());

    // Edit the months to 12 and press Alt+C: the error leaves Continua the default.
    h.Window->MaskEdit2->setFocus();
    h.Type(QStringLiteral("12"));
    h.Key(Qt::Key_C, Qt::AltModifier);
    QCOMPARE(h.CalculaCount(), 2);
    QCOMPARE(h.Focus(), h.Window->MaskEdit2);
    QVERIFY(h.OnlyContinuaIsDefault());

    // Enter in the corrected field runs Continua, which finds no results to load.
    h.Type(QStringLiteral("11"));
    h.Enter();
    QCOMPARE(h.CalculaCount(), 2);
    for (const MaskedField* field :
         {h.Window->MaskEdit1, h.Window->MaskEdit2, h.Window->MaskEdit3, h.Window->MaskEdit4}) {
        QCOMPARE(h.Text(field).trimmed(), QString());
    }
    QCOMPARE(h.Focus(), h.Window->MaskEdit5);
    QVERIFY(h.OnlyCalculaIsDefault());
}

void MainWindowCommandsTest::ClickOnCalculaThenEnterRunsCalculaAgain() {
    MainWindowHarness h;
    QVERIFY(h.WaitActive());
    h.Fill("5", "", "", "10", "+1/6");
    QTest::mouseClick(h.Window->Button1, Qt::LeftButton);
    QCOMPARE(h.CalculaCount(), 1);
    QCOMPARE(h.Focus(), h.Window->Button1);
    QVERIFY(h.OnlyContinuaIsDefault());
    QCOMPARE(h.Clipboard(), kFiveYearsSentence);

    h.Enter();
    QCOMPARE(h.CalculaCount(), 2);
    QCOMPARE(h.Result(), kFiveYearsSentence);
    QCOMPARE(h.Text(h.Window->MaskEdit1), QStringLiteral("5  "));
    QCOMPARE(h.Focus(), h.Window->Button1);

    // With the focus on Continua, Enter presses Continua; Space does too.
    h.Window->Button2->setFocus();
    h.Key(Qt::Key_Space);
    QCOMPARE(h.CalculaCount(), 2);
    QCOMPARE(h.Focus(), h.Window->MaskEdit5);
    QCOMPARE(h.Text(h.Window->MaskEdit4), QStringLiteral("11   "));
}

void MainWindowCommandsTest::AltLettersRunCommandsWithoutMovingTheFocus() {
    MainWindowHarness h;
    QVERIFY(h.WaitActive());
    h.Fill("5", "", "", "10", "+1/6");
    h.Window->MaskEdit4->setFocus();
    h.Key(Qt::Key_C, Qt::AltModifier);
    QCOMPARE(h.CalculaCount(), 1);
    QCOMPARE(h.Focus(), h.Window->MaskEdit4);
    h.Key(Qt::Key_M, Qt::AltModifier); // Continua o mesmo calculo
    QCOMPARE(h.Text(h.Window->MaskEdit4), QStringLiteral("11   "));
    QCOMPARE(h.Focus(), h.Window->MaskEdit5);
    h.Key(Qt::Key_V, Qt::AltModifier); // Volta
    QCOMPARE(h.Text(h.Window->MaskEdit4), QStringLiteral("10   "));
    h.Key(Qt::Key_N, Qt::AltModifier); // Novo calculo
    QCOMPARE(h.Text(h.Window->MaskEdit4), QStringLiteral("     "));
    QCOMPARE(h.Focus(), h.Window->MaskEdit1);
    QCOMPARE(h.CalculaCount(), 1);
}

void MainWindowCommandsTest::VoltaAfterAFailedCalculaRestoresTheFieldsRead() {
    MainWindowHarness h;
    QVERIFY(h.WaitActive());
    h.Fill("7", "12", "3", "20", "+1/6");
    h.Enter();
    QCOMPARE(h.Focus(), h.Window->MaskEdit2);
    h.Window->Button4->click();
    QCOMPARE(h.Text(h.Window->MaskEdit1), QStringLiteral("7  "));
    QCOMPARE(h.Text(h.Window->MaskEdit2), QStringLiteral("12"));
    QCOMPARE(h.Text(h.Window->MaskEdit3), QStringLiteral("  "));
    QCOMPARE(h.Text(h.Window->MaskEdit4), QStringLiteral("     "));
    QCOMPARE(h.Text(h.Window->MaskEdit5), QStringLiteral("    /   "));
    QCOMPARE(h.Result(), QString());
    QCOMPARE(h.Focus(), h.Window->MaskEdit5);
    QVERIFY(h.OnlyCalculaIsDefault());
}

void MainWindowCommandsTest::VoltaAfterContinuaRestoresTheInputs_data() {
    QTest::addColumn<QString>("months");
    QTest::addColumn<QString>("monthsBack");
    QTest::newRow("left blank") << ""
                                << "  ";
    QTest::newRow("held 0") << "0"
                            << "  ";
    QTest::newRow("held 00") << "00"
                             << "00";
    QTest::newRow("held 7") << "7"
                            << "7 ";
    QTest::newRow("held 07") << "07"
                             << "07";
}

void MainWindowCommandsTest::VoltaAfterContinuaRestoresTheInputs() {
    QFETCH(QString, months);
    QFETCH(QString, monthsBack);
    MainWindowHarness h;
    QVERIFY(h.WaitActive());
    h.Fill("2", months, "", "10", "x2");
    h.Enter();
    h.Enter(); // Continua
    h.Window->Button4->click();
    QCOMPARE(h.Text(h.Window->MaskEdit1), QStringLiteral("2  "));
    QCOMPARE(h.Text(h.Window->MaskEdit2), monthsBack);
    QCOMPARE(h.Text(h.Window->MaskEdit3), QStringLiteral("  "));
    QCOMPARE(h.Text(h.Window->MaskEdit4), QStringLiteral("10   "));
    QCOMPARE(h.Text(h.Window->MaskEdit5), QStringLiteral("    /   "));
    QCOMPARE(h.Focus(), h.Window->MaskEdit5);
    QVERIFY(h.OnlyCalculaIsDefault());
}

void MainWindowCommandsTest::NovoCalculoEmptiesOnlyTheWindow() {
    MainWindowHarness h;
    QVERIFY(h.WaitActive());
    h.Fill("5", "", "", "10", "+1/6");
    h.Enter();
    const QString notice = h.Window->StatusBar1->Text();
    const CalcState before = h.Window->State();

    h.Window->Button3->click();
    for (const MaskedField* field :
         {h.Window->MaskEdit1, h.Window->MaskEdit2, h.Window->MaskEdit3, h.Window->MaskEdit4}) {
        QCOMPARE(h.Text(field).trimmed(), QString());
    }
    QCOMPARE(h.Text(h.Window->MaskEdit5), QStringLiteral("    /   "));
    QCOMPARE(h.Result(), QString());
    QCOMPARE(h.Focus(), h.Window->MaskEdit1);
    QCOMPARE(h.Window->MaskEdit1->selectedText().size(), 3);
    QVERIFY(h.OnlyCalculaIsDefault());
    QCOMPARE(h.Window->StatusBar1->Text(), notice);
    QCOMPARE(h.Window->State().OutFinesText, before.OutFinesText);
    QCOMPARE(h.Window->State().YearsText, before.YearsText);

    // Volta brings the inputs back, Continua the result.
    h.Window->Button4->click();
    QCOMPARE(h.Text(h.Window->MaskEdit1), QStringLiteral("5  "));
    QCOMPARE(h.Text(h.Window->MaskEdit4), QStringLiteral("10   "));
    h.Window->Button3->click();
    h.Window->Button2->click();
    QCOMPARE(h.Text(h.Window->MaskEdit2), QStringLiteral("10"));
    QCOMPARE(h.Text(h.Window->MaskEdit4), QStringLiteral("11   "));
    QCOMPARE(h.CalculaCount(), 1);
}

void MainWindowCommandsTest::ContinuaBeforeAnyCalculaEmptiesEveryField() {
    MainWindowHarness h;
    QVERIFY(h.WaitActive());
    h.Fill("5", "3", "2", "10", "+1/6");
    h.Window->Edit2->setText(QStringLiteral("anything"));
    h.Window->Button2->click();
    for (const MaskedField* field :
         {h.Window->MaskEdit1, h.Window->MaskEdit2, h.Window->MaskEdit3, h.Window->MaskEdit4}) {
        QCOMPARE(h.Text(field).trimmed(), QString());
    }
    QCOMPARE(h.Text(h.Window->MaskEdit5), QStringLiteral("    /   "));
    QCOMPARE(h.Result(), QString());
    QCOMPARE(h.Focus(), h.Window->MaskEdit5);
    QVERIFY(h.OnlyCalculaIsDefault());
    QCOMPARE(h.CalculaCount(), 0);
    QCOMPARE(h.Window->StatusBar1->Text(), ToQString(kWelcomeText));
}

void MainWindowCommandsTest::ContinuaTwiceLoadsTheSameResult() {
    MainWindowHarness h;
    QVERIFY(h.WaitActive());
    h.Fill("5", "", "", "10", "+1/6");
    h.Enter();
    h.Window->Button2->click();
    h.Window->Button3->click();
    h.Window->Button2->click();
    QCOMPARE(h.Text(h.Window->MaskEdit1), QStringLiteral("5  "));
    QCOMPARE(h.Text(h.Window->MaskEdit2), QStringLiteral("10"));
    QCOMPARE(h.Text(h.Window->MaskEdit3), QStringLiteral("  "));
    QCOMPARE(h.Text(h.Window->MaskEdit4), QStringLiteral("11   "));
    QCOMPARE(h.Window->State().OutMonthsText, std::string("10"));
    QCOMPARE(h.Window->State().OutFinesText, std::string("11"));
}

void MainWindowCommandsTest::ContinuaCarriesResultsThatFit_data() {
    QTest::addColumn<QString>("years");
    QTest::addColumn<QString>("months");
    QTest::addColumn<QString>("days");
    QTest::addColumn<QString>("fines");
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QStringList>("loaded");
    // clang-format off
    QTest::newRow("zero years and months are emptied") << "" << "" << "20" << "" << "x1"
        << QStringList{"   ", "  ", "20", "     "};
    QTest::newRow("999 years fit three positions") << "999" << "" << "" << "" << "x1"
        << QStringList{"999", "  ", "  ", "     "};
    QTest::newRow("a negative result that fits") << "" << "" << "4" << "" << "-3/2"
        << QStringList{"-0 ", "-0", "-2", "     "};
    QTest::newRow("the largest day-fines") << "1" << "" << "" << "66666" << "x1"
        << QStringList{"1  ", "  ", "  ", "66666"};
    // clang-format on
}

void MainWindowCommandsTest::ContinuaCarriesResultsThatFit() {
    QFETCH(QString, years);
    QFETCH(QString, months);
    QFETCH(QString, days);
    QFETCH(QString, fines);
    QFETCH(QString, operation);
    QFETCH(QStringList, loaded);
    MainWindowHarness h;
    QVERIFY(h.WaitActive());
    h.Fill(years, months, days, fines, operation);
    h.Enter();
    QVERIFY2(h.OnlyContinuaIsDefault(), qPrintable(h.Result()));
    h.Enter();
    const QStringList shown = {h.Text(h.Window->MaskEdit1), h.Text(h.Window->MaskEdit2),
                               h.Text(h.Window->MaskEdit3), h.Text(h.Window->MaskEdit4)};
    QCOMPARE(shown, loaded);
    QCOMPARE(h.Focus(), h.Window->MaskEdit5);
    QVERIFY(h.OnlyCalculaIsDefault());
}

void MainWindowCommandsTest::ContinuaRefusesResultsThatDoNotFit_data() {
    QTest::addColumn<QString>("years");
    QTest::addColumn<QString>("days");
    QTest::addColumn<QString>("operation");
    QTest::newRow("999 years doubled") << "999"
                                       << ""
                                       << "x2";
    QTest::newRow("a result of -10 days") << ""
                                          << "20"
                                          << "-3/2";
}

void MainWindowCommandsTest::ContinuaRefusesResultsThatDoNotFit() {
    QFETCH(QString, years);
    QFETCH(QString, days);
    QFETCH(QString, operation);
    MainWindowHarness h;
    QVERIFY(h.WaitActive());
    h.Fill(years, "", days, "", operation);
    h.Window->MaskEdit3->setFocus();
    h.Enter();
    QVERIFY(h.OnlyContinuaIsDefault());
    const QString clipboard = h.Clipboard();
    const QStringList before = {h.Text(h.Window->MaskEdit1), h.Text(h.Window->MaskEdit2),
                                h.Text(h.Window->MaskEdit3), h.Text(h.Window->MaskEdit4),
                                h.Text(h.Window->MaskEdit5)};
    const CalcState state = h.Window->State();

    h.Enter(); // Continua
    const QStringList after = {h.Text(h.Window->MaskEdit1), h.Text(h.Window->MaskEdit2),
                               h.Text(h.Window->MaskEdit3), h.Text(h.Window->MaskEdit4),
                               h.Text(h.Window->MaskEdit5)};
    const QString refusal = QStringLiteral("O resultado n\u00e3o cabe nos campos; recomece.");
    QCOMPARE(after, before);
    QCOMPARE(h.Result(), refusal);
    QCOMPARE(h.Window->Edit2->selectedText(), refusal);
    QCOMPARE(h.Focus(), h.Window->MaskEdit3);
    QVERIFY(h.OnlyCalculaIsDefault());
    QCOMPARE(h.Clipboard(), clipboard);
    QCOMPARE(h.Window->State().OutYearsText, state.OutYearsText);
    QCOMPARE(h.Window->State().OutMonthsText, state.OutMonthsText);
    QCOMPARE(h.Window->State().OutDaysText, state.OutDaysText);
    QCOMPARE(h.Window->State().OutFinesText, state.OutFinesText);
    QCOMPARE(h.CalculaCount(), 1);

    // The next Enter runs Calcula again, and Novo calculo starts afresh.
    h.Enter();
    QCOMPARE(h.CalculaCount(), 2);
}

void MainWindowCommandsTest::CaretResetOnClickAndDoubleClick() {
    MainWindowHarness h;
    QVERIFY(h.WaitActive());
    h.Fill("123", "11", "29", "12345", "+1/6");
    h.Enter();
    MaskedField* years = h.Window->MaskEdit1;
    QTest::mouseClick(years, Qt::LeftButton, {}, QPoint(years->width() - 4, years->height() / 2));
    QCOMPARE(h.Focus(), years);
    for (MaskedField* field : {h.Window->MaskEdit1, h.Window->MaskEdit2, h.Window->MaskEdit3,
                               h.Window->MaskEdit4, h.Window->MaskEdit5}) {
        QCOMPARE(field->selectionStart() <= 0 ? 0 : field->selectionStart(), 0);
        QVERIFY(field->cursorPosition() <= 1);
    }
    QCOMPARE(years->selectedText(), QStringLiteral("1"));
    QCOMPARE(h.Window->Edit2->selectedText(), h.Result());

    // A double-click on a word of the result selects the whole sentence.
    QTest::mouseDClick(h.Window->Edit2, Qt::LeftButton, {},
                       QPoint(12, h.Window->Edit2->height() / 2));
    QCOMPARE(h.Focus(), h.Window->Edit2);
    QCOMPARE(h.Window->Edit2->selectedText(), h.Result());
    h.Key(Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(h.Clipboard(), h.Result());
}

void MainWindowCommandsTest::SaiAndSairCloseTheWindow_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("Sai button") << "button";
    QTest::newRow("Alt+S") << "alt";
    QTest::newRow("Sair menu") << "menu";
    QTest::newRow("close box") << "close";
}

void MainWindowCommandsTest::SaiAndSairCloseTheWindow() {
    QFETCH(QString, how);
    MainWindowHarness h;
    QVERIFY(h.WaitActive());
    if (how == "button") {
        QTest::mouseClick(h.Window->Button6, Qt::LeftButton);
    } else if (how == "alt") {
        h.Key(Qt::Key_S, Qt::AltModifier);
    } else if (how == "menu") {
        h.Window->ProgramaSai->trigger();
    } else {
        h.Window->close();
    }
    QVERIFY(!h.Window->isVisible());
    QVERIFY(h.Watch.Seen().isEmpty());
}

} // namespace zarn

QTEST_MAIN(zarn::MainWindowCommandsTest)
#include "MainWindowCommandsTest.moc"
