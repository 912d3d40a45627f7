// The execution's timeline, laid out at the density the run is given (96, 120 and 192 dots per
// inch in CTest) and painted onto an image as a report page would paint it: every label
// inside the picture and apart from every other, the dates it names, the regimes in the order
// of the answer's stretches, the gaps and the faltas. Beside it, remição counted alone. Today is
// fixed.

#include "widgets/CaseExecutionTimeline.h"

#include "dates/Clock.h"
#include "execution/CaseExecution.h"
#include "law/LegalText.h"
#include "support/DateOracle.h"
#include "support/DrawingChecks.h"
#include "widgets/QtText.h"
#include "widgets/RemicaoCalculator.h"

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QSpinBox>
#include <QTest>

namespace zarn {

using testing::LabelFaults;
using testing::OracleDayNumber;
using testing::Texts;

namespace {

constexpr long long kYear = 360;
const CivilDate kToday{2026, 12, 7};

Conviction Convicted(long long term, DayNumber crime, Natureza nature = Natureza::Comum) {
    Conviction conviction;
    conviction.TermDays = term;
    conviction.Facts.CrimeDate = crime;
    conviction.Facts.Nature = nature;
    return conviction;
}

ExecutionEvent Event(EventKind kind, DayNumber date) {
    ExecutionEvent event;
    event.Kind = kind;
    event.Date = date;
    return event;
}

// caso.md's example: six years comum and five hediondo, serving since 10/01/2021.
ExecutionCase Example() {
    ExecutionCase question;
    question.Convictions = {Convicted(6 * kYear, OracleDayNumber(2021, 1, 10)),
                            Convicted(5 * kYear, OracleDayNumber(2021, 3, 5), Natureza::Hediondo)};
    question.Convictions[0].TransitoEmJulgado = OracleDayNumber(2022, 8, 15);
    question.Convictions[1].TransitoEmJulgado = OracleDayNumber(2022, 9, 20);
    question.Periods = {{OracleDayNumber(2021, 1, 10), std::nullopt, {}}};
    question.CalculationDate = OracleDayNumber(2026, 12, 8);
    return question;
}

// Everything close together: an escape days after a falta, the recapture, a term past the
// cap of art. 75, the calculation the day after today.
ExecutionCase Crowded() {
    ExecutionCase question;
    question.Convictions = {Convicted(50 * kYear, OracleDayNumber(2019, 5, 5))};
    question.Periods = {{OracleDayNumber(2019, 5, 5), OracleDayNumber(2019, 6, 9), {}},
                        {OracleDayNumber(2019, 7, 1), std::nullopt, {}}};
    question.Events = {Event(EventKind::FaltaGrave, OracleDayNumber(2019, 6, 2)),
                       Event(EventKind::Fuga, OracleDayNumber(2019, 6, 9))};
    question.CalculationDate = OracleDayNumber(2026, 12, 8);
    return question;
}

CaseExecutionAnswer Answered(const ExecutionCase& question) {
    const CaseExecutionResult result = ComputeCaseExecution(question);
    if (!result.Ok()) {
        qFatal("the case is refused: %s", result.Error.c_str());
    }
    return result.Answer;
}

} // namespace

class CaseExecutionTimelineTest : public QObject {
    Q_OBJECT
private slots:
    void init() { SetTodayForTesting(kToday); }
    void cleanup() { SetTodayForTesting(std::nullopt); }
    void LabelsStayInsideAndApart_data();
    void LabelsStayInsideAndApart();
    void TheBarFollowsTheStretchesAndLeavesTheGaps();
    void APagePaintsWhatTheWidgetShows();
    void WithoutAnAnswerOnlyTheLegend();
    void RemicaoCountedAlone_data();
    void RemicaoCountedAlone();
};

void CaseExecutionTimelineTest::LabelsStayInsideAndApart_data() {
    QTest::addColumn<int>("which"); // 0: the example; 1: the crowded case
    QTest::addColumn<int>("widthInCharacters");
    QTest::addColumn<QStringList>("expected");
    const QStringList example = {QStringLiteral("10/01/2021 in\u00edcio"),
                                 QStringLiteral("25/12/2023 data-base, semiaberto"),
                                 QStringLiteral("19/06/2026 aberto"),
                                 QStringLiteral("10/05/2026 livramento"),
                                 QStringLiteral("09/01/2032 t\u00e9rmino"),
                                 QStringLiteral("08/12/2026 data do c\u00e1lculo"),
                                 QStringLiteral("07/12/2026 hoje")};
    // The end under art. 75 is added from the answer.
    const QStringList crowded = {QStringLiteral("02/06/2019 falta grave"),
                                 QStringLiteral("09/06/2019 data-base, fuga")};
    QTest::newRow("example, wide") << 0 << 160 << example;
    QTest::newRow("example, narrow") << 0 << 50 << example;
    QTest::newRow("crowded, wide") << 1 << 160 << crowded;
    QTest::newRow("crowded, narrow") << 1 << 50 << crowded;
}

void CaseExecutionTimelineTest::LabelsStayInsideAndApart() {
    QFETCH(int, which);
    QFETCH(int, widthInCharacters);
    QFETCH(QStringList, expected);
    const CaseExecutionAnswer answer = Answered(which == 0 ? Example() : Crowded());
    if (answer.Art75End) {
        expected << ToQString(WriteDayMonthYear(*answer.Art75End) + " fim pelo art. 75");
    }
    CaseExecutionTimeline timeline;
    timeline.SetAnswer(answer);
    const int width = timeline.fontMetrics().averageCharWidth() * widthInCharacters;
    timeline.resize(width, timeline.heightForWidth(width));
    const CaseExecutionDrawing& drawing = timeline.Drawing();
    const QStringList faults = LabelFaults(drawing, QRectF(timeline.rect()));
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    const QStringList texts = Texts(drawing);
    for (const QString& label : expected) {
        QVERIFY2(texts.contains(label), qPrintable(label + "\n" + texts.join('|')));
    }
    // The picture grows with its font: at every density the bar is at least a line high.
    QVERIFY(drawing.Bar.height() >= timeline.fontMetrics().height());
}

void CaseExecutionTimelineTest::TheBarFollowsTheStretchesAndLeavesTheGaps() {
    const CaseExecutionAnswer answer = Answered(Crowded());
    CaseExecutionTimeline timeline;
    timeline.SetAnswer(answer);
    timeline.resize(800, timeline.heightForWidth(800));
    const CaseExecutionDrawing& drawing = timeline.Drawing();
    QCOMPARE(drawing.Segments.size(), qsizetype(answer.Stretches.size()));
    for (qsizetype i = 0; i < drawing.Segments.size(); ++i) {
        const RegimeStretch& stretch = answer.Stretches[std::size_t(i)];
        QCOMPARE(drawing.Segments[i].In, stretch.In);
        QCOMPARE(drawing.Segments[i].Projected, stretch.Projected);
        if (i > 0) {
            QVERIFY(drawing.Segments[i].Rect.left() >= drawing.Segments[i - 1].Rect.right() - 0.5);
        }
    }
    // The escape left a gap until the recapture: the dashed line lies between two segments.
    QCOMPARE(drawing.Gaps.size(), 1);
    QVERIFY(drawing.Gaps[0].x1() >= drawing.Segments[0].Rect.right() - 0.5);
    QVERIFY(drawing.Gaps[0].x2() <= drawing.Segments[1].Rect.left() + 0.5);
    // Past the end under art. 75 the bar is cross-hatched, up to the end of the whole term.
    QVERIFY(!drawing.BeyondCap.isEmpty());
    QCOMPARE(drawing.BeyondCap.right(), drawing.Bar.right());
    int faltas = 0;
    for (const CaseExecutionDrawing::Line& line : drawing.Lines) {
        faltas += line.Kind == CaseExecutionDrawing::Mark::Falta ? 1 : 0;
    }
    QCOMPARE(faltas, 2);
}

// A report draws with the page's own font and width; the labels keep inside and apart.
void CaseExecutionTimelineTest::APagePaintsWhatTheWidgetShows() {
    CaseExecutionTimeline timeline;
    timeline.SetAnswer(Answered(Example()));
    QImage page(1200, 600, QImage::Format_ARGB32);
    page.setDotsPerMeterX(11811); // 300 dots per inch
    page.setDotsPerMeterY(11811);
    page.fill(Qt::white);
    QPainter painter(&page);
    QFont font = timeline.font();
    font.setPointSizeF(7);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QFontMetricsF metrics(font, &page);
    const CaseExecutionDrawing drawing = timeline.Compose(metrics, page.width());
    QVERIFY(drawing.Height <= page.height());
    const QStringList faults = LabelFaults(drawing, QRectF(0, 0, page.width(), drawing.Height));
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    timeline.Paint(painter, QRectF(0, 0, page.width(), page.height()));
    painter.end();
    // The fechado stretch is painted in its colour in the middle of its segment.
    const QRectF first = drawing.Segments.front().Rect;
    QCOMPARE(page.pixelColor(first.center().toPoint()),
             CaseExecutionTimeline::RegimeColour(Regime::Fechado));
}

void CaseExecutionTimelineTest::WithoutAnAnswerOnlyTheLegend() {
    CaseExecutionTimeline timeline;
    timeline.SetAnswer(Answered(Example()));
    timeline.Clear();
    QVERIFY(!timeline.HasAnswer());
    timeline.resize(600, timeline.heightForWidth(600));
    const CaseExecutionDrawing& drawing = timeline.Drawing();
    QCOMPARE(drawing.Labels.size(), drawing.Swatches.size());
    QVERIFY(drawing.Segments.isEmpty());
    QVERIFY(!timeline.accessibleName().isEmpty());
}

// law.md 10: 1 day per 3 of work, per 12 hours of study (a third more with a level
// completed), 4 per book up to 12 books in 12 months, night confinement by 24 hours; what
// makes no whole day is carried.
void CaseExecutionTimelineTest::RemicaoCountedAlone_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("amount");
    QTest::addColumn<int>("carried");
    QTest::addColumn<QString>("result");
    // clang-format off
    QTest::newRow("work, with what was left") << int(RemicaoCalculator::Work) << 10 << 2
        << QStringLiteral("4 dias de remi\u00e7\u00e3o (LEP art. 126, \u00a7 1\u00ba, II).");
    QTest::newRow("work, one day left") << int(RemicaoCalculator::Work) << 10 << 0
        << QStringLiteral("3 dias de remi\u00e7\u00e3o (LEP art. 126, \u00a7 1\u00ba, II). Sobra 1 dia de trabalho para a pr\u00f3xima concess\u00e3o do mesmo tipo.");
    QTest::newRow("study") << int(RemicaoCalculator::Study) << 40 << 0
        << QStringLiteral("3 dias de remi\u00e7\u00e3o (LEP art. 126, \u00a7 1\u00ba, I). Sobram 4 horas de estudo para a pr\u00f3xima concess\u00e3o do mesmo tipo.");
    QTest::newRow("study, a level completed") << int(RemicaoCalculator::StudyCompleted) << 36 << 0
        << QStringLiteral("4 dias de remi\u00e7\u00e3o (LEP art. 126, \u00a7 5\u00ba).");
    QTest::newRow("books past the twelve") << int(RemicaoCalculator::Books) << 5 << 10
        << QStringLiteral("8 dias de remi\u00e7\u00e3o (Resolu\u00e7\u00e3o CNJ 391/2021, art. 5\u00ba). 3 livros passam de 12 em 12 meses e n\u00e3o contam.");
    QTest::newRow("night confinement") << int(RemicaoCalculator::NightConfinement) << 50 << 0
        << QStringLiteral("2 dias de pena cumprida (STJ Tema 1155). Sobram 2 horas para a pr\u00f3xima concess\u00e3o do mesmo tipo.");
    // clang-format on
}

void CaseExecutionTimelineTest::RemicaoCountedAlone() {
    QFETCH(int, kind);
    QFETCH(int, amount);
    QFETCH(int, carried);
    QFETCH(QString, result);
    RemicaoCalculator calculator;
    calculator.KindChoice->setCurrentIndex(kind);
    calculator.AmountField->setValue(amount);
    calculator.CarriedField->setValue(carried);
    QCOMPARE(calculator.Result->text(), result);
    for (const QWidget* control : calculator.TabOrder()) {
        QVERIFY(!control->accessibleName().isEmpty());
    }
}

int RunCaseExecutionTimelineTest(int argc, char** argv) {
    CaseExecutionTimelineTest test;
    return QTest::qExec(&test, argc, argv);
}

} // namespace zarn

#include "CaseExecutionTimelineTest.moc"
