// Every message the main window's result field can show is readable whole, and a report
// wider than the field shows its start; run on screens of 96, 120 and 192 pixels per inch.

#include "MainWindowHarness.h"
#include "engine/Texts.h"

namespace zarn {

using testing::MainWindowHarness;

namespace {

// The character at the field's left edge, once the edit has scrolled its text as it does
// when it paints: with the caret at the end, 0 only when the whole text fits.
int FirstShownPosition(ResultField* field) {
    field->repaint();
    const int left = field->contentsRect().marginsRemoved(field->textMargins()).left();
    return field->cursorPositionAt(QPoint(left + 3, field->height() / 2));
}

} // namespace

class ResultFieldTextsTest : public QObject {
    Q_OBJECT
private slots:
    void EveryMessageShowsWhole();
    void ReportsShowTheirStart_data();
    void ReportsShowTheirStart();
};

void ResultFieldTextsTest::EveryMessageShowsWhole() {
    MainWindowHarness h;
    QVERIFY(h.WaitActive());
    for (const std::string_view message :
         {kMonthsTooLargeMessage, kDaysTooLargeMessage, kFinesBelowMinimumMessage,
          kFinesAboveMaximumMessage, kInvalidOperationMessage, kInvalidNumberMessage,
          kResultsDoNotFitFieldMessage}) {
        h.Window->Edit2->setText(ToQString(message));
        h.Window->Edit2->end(false);
        QVERIFY2(FirstShownPosition(h.Window->Edit2) == 0, qPrintable(ToQString(message)));
    }
}

void ResultFieldTextsTest::ReportsShowTheirStart_data() {
    QTest::addColumn<QStringList>("inputs"); // years, months, days, fines, operation
    QTest::addColumn<bool>("continua");
    QTest::addColumn<QString>("shown");
    QTest::newRow("refused Continua")
        << QStringList{"999", "", "", "", "x2"} << true << ToQString(kResultsDoNotFitFieldMessage);
    QTest::newRow("longest sentence")
        << QStringList{"999", "11", "29", "66666", "999/1"} << false
        << QStringLiteral("999997 anos,  2 meses e 20 dias, e 66666 dias-multa");
}

void ResultFieldTextsTest::ReportsShowTheirStart() {
    QFETCH(QStringList, inputs);
    QFETCH(bool, continua);
    QFETCH(QString, shown);
    MainWindowHarness h;
    QVERIFY(h.WaitActive());
    h.Fill(inputs[0], inputs[1], inputs[2], inputs[3], inputs[4]);
    h.Enter();
    if (continua) {
        h.Window->Button2->click();
    }
    QCOMPARE(h.Window->Edit2->selectedText(), shown);
    QCOMPARE(FirstShownPosition(h.Window->Edit2), 0);
}

} // namespace zarn

QTEST_MAIN(zarn::ResultFieldTextsTest)
#include "ResultFieldTextsTest.moc"
