// Every text the main window's result field can show is readable from its first letter:
// each message whole, a result sentence at least from its start. Run once per density
// (QT_FONT_DPI 96 and 120), since the field and its font scale differently.

#include "MainWindowHarness.h"
#include "engine/Texts.h"

#include <QStyle>
#include <QStyleOptionFrame>

namespace zarn {

using testing::MainWindowHarness;

namespace {

// The width inside the field in which its text is drawn, as QLineEdit lays it out: the
// style's contents rectangle, less the text margins and the two pixels the edit keeps on
// either side of its text.
int TextRoom(const QLineEdit* field) {
    QStyleOptionFrame option;
    option.initFrom(field);
    option.rect = field->contentsRect();
    option.lineWidth = field->hasFrame() ? field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth,
                                                                       &option, field)
                                         : 0;
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    const QRect contents =
        field->style()->subElementRect(QStyle::SE_LineEditContents, &option, field);
    constexpr int kEditTextMargin = 2;
    return contents.marginsRemoved(field->textMargins()).width() - 2 * kEditTextMargin;
}

// The first character the field shows at its left edge.
int FirstShownPosition(QLineEdit* field) {
    const QRect contents = field->contentsRect().marginsRemoved(field->textMargins());
    return field->cursorPositionAt(QPoint(contents.left() + 3, field->height() / 2));
}

} // namespace

class ResultFieldTextsTest : public QObject {
    Q_OBJECT
private slots:
    void EveryMessageFitsTheField_data();
    void EveryMessageFitsTheField();
    void ReportsShowTheirStart_data();
    void ReportsShowTheirStart();
};

void ResultFieldTextsTest::EveryMessageFitsTheField_data() {
    QTest::addColumn<QString>("message");
    const std::pair<const char*, std::string_view> messages[] = {
        {"months", kMonthsTooLargeMessage},
        {"days", kDaysTooLargeMessage},
        {"fines below", kFinesBelowMinimumMessage},
        {"fines above", kFinesAboveMaximumMessage},
        {"operation", kInvalidOperationMessage},
        {"number", kInvalidNumberMessage},
        {"does not fit", kResultsDoNotFitFieldMessage}};
    for (const auto& [name, message] : messages) {
        QTest::newRow(name) << ToQString(message);
    }
}

void ResultFieldTextsTest::EveryMessageFitsTheField() {
    QFETCH(QString, message);
    MainWindowHarness h;
    const ResultField* field = h.Window->Edit2;
    const int width = field->fontMetrics().horizontalAdvance(message);
    QVERIFY2(width < TextRoom(field), qPrintable(QStringLiteral("%1 px in %2 px at %3 dpi")
                                                     .arg(width)
                                                     .arg(TextRoom(field))
                                                     .arg(field->logicalDpiY())));
}

void ResultFieldTextsTest::ReportsShowTheirStart_data() {
    QTest::addColumn<QStringList>("inputs"); // years, months, days, fines, operation
    QTest::addColumn<bool>("continua");
    QTest::addColumn<QString>("shown");
    const auto row = [](const char* name, QStringList inputs, bool continua,
                        std::string_view shown) {
        QTest::newRow(name) << inputs << continua << ToQString(shown);
    };
    row("months", {"5", "12", "", "", "+1/6"}, false, kMonthsTooLargeMessage);
    row("fines above", {"5", "", "", "66667", "+1/6"}, false, kFinesAboveMaximumMessage);
    row("operation", {"5", "", "", "", ""}, false, kInvalidOperationMessage);
    row("does not fit", {"999", "", "", "", "x2"}, true, kResultsDoNotFitFieldMessage);
    row("sentence", {"5", "", "", "10", "+1/6"}, false,
        " 5 anos, 10 meses e  0 dia, e  11 dias-multa");
    // The longest sentences are wider than the field.
    row("longest increase", {"999", "11", "29", "66666", "999/1"}, false,
        "999997 anos,  2 meses e 20 dias, e 66666 dias-multa");
    row("longest reduction", {"999", "11", "29", "66666", "-99/1"}, false,
        "-97999 ano, -8 m\xEAs e -22 dia, e -6533268 dia-multa");
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
    ResultField* field = h.Window->Edit2;
    field->repaint(); // the edit scrolls its text when it paints
    QCOMPARE(field->text(), shown);
    QCOMPARE(field->selectedText(), shown);
    QCOMPARE(FirstShownPosition(field), 0);
}

} // namespace zarn

QTEST_MAIN(zarn::ResultFieldTextsTest)
#include "ResultFieldTextsTest.moc"
