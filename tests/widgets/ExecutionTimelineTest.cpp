// The execution timeline, drawn by QWidget::grab at the density the run is given
// (96, 120 and 192 dots per inch in CTest): every label inside the widget and apart from every
// other, today's mark and the capped end among them, the bar painted in the regimes' colours
// in their order and proportions. Today is fixed at 07/12/2026.

#include "widgets/ExecutionTimeline.h"

#include "dates/Clock.h"
#include "support/DateOracle.h"

#include <QImage>
#include <QTest>
#include <optional>

namespace zarn {

using testing::OracleDayNumber;

namespace {

struct Case {
    long long Term;
    DayNumber Start;
    std::optional<Regime> Initial;
    long long Detracao;
    QStringList Expected; // labels that must be there, beside the legend
    QStringList Absent = {};
};

const DayNumber kToday = OracleDayNumber(2026, 12, 7);

ExecutionDates DatesOf(const Case& c) {
    ExecutionRequest request;
    request.TermDays = c.Term;
    request.Start = c.Start;
    request.InitialRegime = c.Initial;
    request.Facts.DetracaoDays = c.Detracao;
    const ExecutionOutcome outcome = ComputeExecutionDates(request);
    if (!outcome.Ok()) {
        qFatal("the case gives no dates");
    }
    return outcome.Dates;
}

// The regimes painted along the bar's middle line, each with its length in pixels; the
// outline and the ticks, in the ink colour, are left out.
QList<QPair<Regime, int>> PaintedRegimes(const QImage& image, const QRect& bar, double ratio) {
    QList<QPair<Regime, int>> runs;
    const int y = static_cast<int>((bar.top() + bar.height() / 2) * ratio);
    for (int x = static_cast<int>(bar.left() * ratio);
         x < static_cast<int>((bar.right() + 1) * ratio); ++x) {
        const QColor colour = image.pixelColor(x, y);
        for (const Regime regime : {Regime::Fechado, Regime::Semiaberto, Regime::Aberto}) {
            if (colour != ExecutionTimeline::RegimeColour(regime)) {
                continue;
            }
            if (runs.isEmpty() || runs.back().first != regime) {
                runs.append({regime, 0});
            }
            ++runs.back().second;
        }
    }
    return runs;
}

} // namespace
} // namespace zarn

Q_DECLARE_METATYPE(zarn::Case)

namespace zarn {

class ExecutionTimelineTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { SetTodayForTesting(CivilDate{2026, 12, 7}); }
    void cleanupTestCase() { SetTodayForTesting(std::nullopt); }
    void TheDrawingGrowsWithItsFont();
    void LabelsStayInsideAndApart_data();
    void LabelsStayInsideAndApart();
    void RegimeColoursDifferInLightness();
    void WithoutDatesOnlyTheLegendIsDrawn();
};

void ExecutionTimelineTest::TheDrawingGrowsWithItsFont() {
    // The window's font grows with the density; the bar and the rows grow with the font.
    QList<QRect> bars;
    QList<int> heights;
    for (const int pixels : {12, 24}) {
        ExecutionTimeline timeline;
        QFont font = timeline.font();
        font.setPixelSize(pixels);
        timeline.setFont(font);
        timeline.SetDates(DatesOf({3240, OracleDayNumber(2021, 1, 10), std::nullopt, 0, {}}));
        timeline.resize(timeline.minimumSizeHint().width(), timeline.sizeHint().height());
        bars << timeline.BarRect();
        heights << timeline.sizeHint().height();
        QVERIFY(timeline.minimumSizeHint().width() > 16 * pixels);
    }
    QVERIFY(std::abs(bars[1].height() - 2 * bars[0].height()) <= 2);
    // Each of the nine measures the height adds up (margins, gaps, a pitch for each of the
    // rows under the bar) may lose a pixel to rounding, and so may the font's line.
    QVERIFY(std::abs(heights[1] - 2 * heights[0]) <= 12);
}

void ExecutionTimelineTest::LabelsStayInsideAndApart_data() {
    QTest::addColumn<Case>("dates");
    QTest::addColumn<int>("width"); // in characters of the font; 0: the minimum width
    const DayNumber tenthOfJanuary = OracleDayNumber(2021, 1, 10);
    const QList<QPair<const char*, Case>> cases = {
        {"six years, semiaberto, today before the end",
         {2160,
          tenthOfJanuary,
          std::nullopt,
          0,
          {QStringLiteral("10/01/2021 in\u00edcio"), QStringLiteral("09/01/2027 t\u00e9rmino"),
           "25/12/2021 aberto", "10/01/2023 livramento", "07/12/2026 hoje"}}},
        {"nine years, fechado: two progressions and parole",
         {3240,
          tenthOfJanuary,
          std::nullopt,
          0,
          {"18/06/2022 semiaberto", "10/01/2024 livramento"}}},
        {"two years from fechado, nearly served: every tick at the start",
         {720, tenthOfJanuary, Regime::Fechado, 700, {}}},
        {"served in full by the detracao: no dates, and the words that say so",
         {800,
          tenthOfJanuary,
          Regime::Fechado,
          800,
          {QStringLiteral("Pena integralmente cumprida: n\u00e3o h\u00e1 datas.")},
          {"10/01/2021 semiaberto", "07/12/2026 hoje"}}},
        {"fifty years: serving ends at the cap of 40",
         {18000,
          tenthOfJanuary,
          Regime::Fechado,
          0,
          {"09/01/2061 fim pelo art. 75", QStringLiteral("09/01/2071 t\u00e9rmino"),
           "07/12/2026 hoje"}}},
        {"fifty years from today, in semiaberto",
         {18000,
          kToday,
          Regime::Semiaberto,
          0,
          {"07/12/2026 hoje", "06/12/2066 fim pelo art. 75"}}},
        {"ended before today", {360, tenthOfJanuary, std::nullopt, 0, {}, {"07/12/2026 hoje"}}},
        {"one day in aberto", {1, tenthOfJanuary, std::nullopt, 0, {}}},
        {"parole and progression on close days", {2160, tenthOfJanuary, Regime::Semiaberto, 0, {}}},
        {"near the calendar's end",
         {3240,
          OracleDayNumber(9990, 12, 31),
          std::nullopt,
          0,
          {QStringLiteral("30/12/9999 t\u00e9rmino")}}},
        {"from its first day", {3240, OracleDayNumber(1, 1, 1), std::nullopt, 0, {}}},
    };
    for (const auto& [name, c] : cases) {
        for (const int width : {0, 50, 120}) {
            QTest::addRow("%s, %d", name, width) << c << width;
        }
    }
}

void ExecutionTimelineTest::LabelsStayInsideAndApart() {
    QFETCH(Case, dates);
    QFETCH(int, width);
    const ExecutionDates answer = DatesOf(dates);
    ExecutionTimeline timeline;
    timeline.SetDates(answer);
    const int pixels = width == 0 ? timeline.minimumSizeHint().width()
                                  : width * timeline.fontMetrics().averageCharWidth();
    timeline.resize(pixels, timeline.heightForWidth(pixels));
    QVERIFY(timeline.height() <= timeline.sizeHint().height());
    const QImage image = timeline.grab().toImage();

    const QList<TimelineLabel>& labels = timeline.Labels();
    const bool todayOnTheBar = kToday >= answer.Start && kToday <= answer.LastDay;
    const qsizetype drawn = answer.FullyServed ? 1
                                               : 2 + qsizetype(answer.Progressions.size()) +
                                                     (answer.Parole ? 1 : 0) +
                                                     (answer.Cap ? 1 : 0) + (todayOnTheBar ? 1 : 0);
    QCOMPARE(labels.size(), 3 + drawn);
    QStringList texts;
    for (qsizetype i = 0; i < labels.size(); ++i) {
        texts << labels[i].Text;
        QVERIFY2(timeline.rect().contains(labels[i].Rect), qPrintable(labels[i].Text));
        QVERIFY(labels[i].Rect.width() >= timeline.fontMetrics().horizontalAdvance(labels[i].Text));
        for (qsizetype j = 0; j < i; ++j) {
            QVERIFY2(!labels[i].Rect.intersects(labels[j].Rect),
                     qPrintable(labels[i].Text + " / " + labels[j].Text));
        }
    }
    for (const QString& expected : dates.Expected) {
        QVERIFY2(texts.contains(expected), qPrintable(expected));
    }
    for (const QString& absent : dates.Absent) {
        QVERIFY2(!texts.contains(absent), qPrintable(absent));
    }
    if (answer.FullyServed) {
        QVERIFY(timeline.BarRect().isEmpty());
        return;
    }

    // The bar shows the initial regime, then each progression's, in their proportions.
    QList<Regime> order = {answer.Initial};
    for (const ProgressionDate& progression : answer.Progressions) {
        order << progression.To;
    }
    const QRect bar = timeline.BarRect();
    const QList<QPair<Regime, int>> runs = PaintedRegimes(image, bar, image.devicePixelRatio());
    const double span = answer.LastDay + 1 - answer.Start;
    QList<Regime> painted;
    for (const auto& run : runs) {
        painted << run.first;
    }
    if (span > 0 && answer.Progressions.size() == 2) {
        const double middle =
            answer.Progressions[1].Due.DueFrom - answer.Progressions[0].Due.DueFrom;
        const double expectedPixels = middle / span * bar.width() * image.devicePixelRatio();
        QVERIFY(painted.contains(Regime::Semiaberto) || expectedPixels < 3);
        for (const auto& run : runs) {
            if (run.first == Regime::Semiaberto) {
                QVERIFY2(std::abs(run.second - expectedPixels) <= 3 + 3 * image.devicePixelRatio(),
                         qPrintable(QString::number(run.second) + " ~ " +
                                    QString::number(expectedPixels)));
            }
        }
    }
    for (const Regime regime : painted) {
        QVERIFY(order.contains(regime));
    }
    QVERIFY(!painted.isEmpty());
    // In order: each painted regime comes at or after the one before it.
    for (qsizetype i = 1; i < painted.size(); ++i) {
        QVERIFY(order.indexOf(painted[i]) > order.indexOf(painted[i - 1]));
    }
}

void ExecutionTimelineTest::RegimeColoursDifferInLightness() {
    const int fechado = qGray(ExecutionTimeline::RegimeColour(Regime::Fechado).rgb());
    const int semiaberto = qGray(ExecutionTimeline::RegimeColour(Regime::Semiaberto).rgb());
    const int aberto = qGray(ExecutionTimeline::RegimeColour(Regime::Aberto).rgb());
    QVERIFY(semiaberto - fechado >= 50);
    QVERIFY(aberto - semiaberto >= 40);
}

void ExecutionTimelineTest::WithoutDatesOnlyTheLegendIsDrawn() {
    ExecutionTimeline timeline;
    timeline.SetDates(DatesOf({2160, OracleDayNumber(2021, 1, 10), std::nullopt, 0, {}}));
    timeline.Clear();
    timeline.resize(timeline.minimumSizeHint());
    QStringList texts;
    for (const TimelineLabel& label : timeline.Labels()) {
        texts << label.Text;
        QVERIFY(timeline.rect().contains(label.Rect));
    }
    QCOMPARE(texts, (QStringList{"fechado", "semiaberto", "aberto"}));
    QVERIFY(timeline.BarRect().isEmpty());
    QVERIFY(!timeline.HasDates());
}

} // namespace zarn

QTEST_MAIN(zarn::ExecutionTimelineTest)
#include "ExecutionTimelineTest.moc"
