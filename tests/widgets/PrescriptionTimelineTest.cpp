// The prescription timeline, drawn by QWidget::grab at the density the run is given (96, 120
// and 192 dots per inch in CTest) and onto an image as a report page would draw it: every
// label inside the picture and apart from every other, the dates it names, the prescription
// day in red where the calendar (std::chrono) puts it on the line. Today is fixed.

#include "widgets/PrescriptionTimeline.h"

#include "dates/Clock.h"
#include "prescription/Prescription.h"
#include "support/DateOracle.h"
#include "support/DrawingChecks.h"

#include <QImage>
#include <QPainter>
#include <QTest>

namespace zarn {

using testing::LabelFaults;
using testing::OracleDayNumber;
using testing::Texts;

namespace {

constexpr long long kYear = 360;
const CivilDate kToday{2026, 12, 8};

Marco M(MarcoKind kind, int year, unsigned month, unsigned day) {
    return {kind, OracleDayNumber(year, month, day)};
}

PrescriptionCrime Crime(DayNumber fact, long long maximum, std::optional<long long> applied) {
    PrescriptionCrime crime;
    crime.DateOfFact = fact;
    crime.MaximumDays = maximum;
    crime.AppliedDays = applied;
    return crime;
}

struct Case {
    PrescriptionInput Input;
    QStringList Expected; // labels that must be there
};

// The jury case: born 10/10/1990, the fact on 01/11/2010, a maximum of 30 years, the
// complaint, the pronuncia and its confirmation.
PrescriptionInput JuryCase() {
    PrescriptionInput input;
    input.Birth = OracleDayNumber(1990, 10, 10);
    input.CalculationDate = OracleDayNumber(2026, 12, 8);
    input.Crimes = {Crime(OracleDayNumber(2010, 11, 1), 30 * kYear, std::nullopt)};
    input.Marcos = {M(MarcoKind::RecebimentoDenuncia, 2014, 5, 5),
                    M(MarcoKind::Pronuncia, 2014, 10, 12),
                    M(MarcoKind::ConfirmacaoPronuncia, 2014, 12, 12)};
    return input;
}

// Every kind at once, its marcos days apart: two crimes, a sentence, an acordao, both
// final judgments, serving begun and an escape.
PrescriptionInput CrowdedCase() {
    PrescriptionInput input;
    input.CalculationDate = OracleDayNumber(2025, 3, 1);
    input.Crimes = {Crime(OracleDayNumber(2015, 2, 1), 8 * kYear, 3 * kYear),
                    Crime(OracleDayNumber(2015, 2, 3), 4 * kYear, 1 * kYear)};
    input.Marcos = {M(MarcoKind::RecebimentoDenuncia, 2015, 6, 1),
                    M(MarcoKind::Sentenca, 2017, 3, 10),
                    M(MarcoKind::Acordao, 2017, 3, 14),
                    M(MarcoKind::TransitoAcusacao, 2017, 3, 20),
                    M(MarcoKind::TransitoAmbas, 2017, 3, 22),
                    M(MarcoKind::InicioCumprimento, 2017, 4, 2),
                    M(MarcoKind::Fuga, 2018, 1, 5)};
    return input;
}

PrescriptionReport ReportOf(const PrescriptionInput& input) {
    const PrescriptionOutcome outcome = AnalysePrescription(input);
    if (!outcome.Ok()) {
        qFatal("the case is refused: %s", outcome.Error.c_str());
    }
    return outcome.Report;
}

bool RedNear(const QImage& image, qreal x, qreal y) {
    const QColor red = PrescriptionTimeline::ColourOf(PrescriptionDrawing::Mark::Prescription);
    for (int dx = -2; dx <= 2; ++dx) {
        if (image.pixelColor(int(x) + dx, int(y)) == red) {
            return true;
        }
    }
    return false;
}

} // namespace
} // namespace zarn

Q_DECLARE_METATYPE(zarn::Case)

namespace zarn {

class PrescriptionTimelineTest : public QObject {
    Q_OBJECT
private slots:
    void init() { SetTodayForTesting(kToday); }
    void cleanup() { SetTodayForTesting(std::nullopt); }
    void LabelsStayInsideAndApart_data();
    void LabelsStayInsideAndApart();
    void ThePrescriptionDayIsRedWhereTheCalendarPutsIt();
    void APageGetsTheSamePictureInsideItsArea();
    void WithoutAnAnswerOnlyTheLegend();
};

void PrescriptionTimelineTest::LabelsStayInsideAndApart_data() {
    QTest::addColumn<Case>("picture");
    QTest::addColumn<int>("width"); // in characters of the font; 0: the minimum width
    PrescriptionInput pending = JuryCase();
    pending.Birth.reset(); // twenty years from the confirmation: still to come
    PrescriptionInput earlier = JuryCase();
    earlier.CalculationDate = OracleDayNumber(2016, 1, 1); // today long after it
    const QList<QPair<const char*, Case>> cases = {
        {"jury case",
         {JuryCase(),
          {"01/11/2010 in\u00edcio do prazo", "11/12/2024 prescrita (abstrata)", "08/12/2026 hoje",
           QStringLiteral("05/05/2014 recebimento da den\u00fancia ou queixa"),
           QStringLiteral("Crime 1: prescri\u00e7\u00e3o da pretens\u00e3o punitiva em abstrato; "
                          "prazo de 10 anos")}}},
        {"still to prescribe", {pending, {"11/12/2034 prescreve (abstrata)"}}},
        {"calculated long before today", {earlier, {"01/01/2016 data do c\u00e1lculo"}}},
        {"every kind, marcos days apart", {CrowdedCase(), {}}},
    };
    for (const auto& [name, c] : cases) {
        for (const int width : {0, 60, 160}) {
            QTest::addRow("%s, %d", name, width) << c << width;
        }
    }
}

void PrescriptionTimelineTest::LabelsStayInsideAndApart() {
    QFETCH(Case, picture);
    QFETCH(int, width);
    PrescriptionTimeline timeline;
    timeline.SetAnswer(ReportOf(picture.Input), picture.Input.Marcos);
    const int pixels = width == 0 ? timeline.minimumSizeHint().width()
                                  : width * timeline.fontMetrics().averageCharWidth();
    timeline.resize(pixels, timeline.heightForWidth(pixels));
    const PrescriptionDrawing& drawing = timeline.Drawing();
    const QStringList faults = LabelFaults(drawing, QRectF(timeline.rect()));
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    for (const PrescriptionDrawing::Label& label : drawing.Labels) {
        QVERIFY(label.Rect.width() >= timeline.fontMetrics().horizontalAdvance(label.Text));
    }
    if (width == 160) { // wide enough that nothing is shortened
        for (const QString& expected : picture.Expected) {
            QVERIFY2(Texts(drawing).contains(expected), qPrintable(expected));
        }
    }
    QVERIFY(timeline.accessibleDescription().contains(QStringLiteral("hoje")));
}

void PrescriptionTimelineTest::ThePrescriptionDayIsRedWhereTheCalendarPutsIt() {
    PrescriptionTimeline timeline;
    timeline.SetAnswer(ReportOf(JuryCase()), JuryCase().Marcos);
    const int width = 120 * timeline.fontMetrics().averageCharWidth();
    timeline.resize(width, timeline.heightForWidth(width));
    const PrescriptionDrawing& drawing = timeline.Drawing();
    // The line runs from the fact (its first day) to the day after today.
    const double first = OracleDayNumber(2010, 11, 1);
    const double end = OracleDayNumber(2026, 12, 9);
    const double share = (OracleDayNumber(2024, 12, 11) + 0.5 - first) / (end - first);
    const QLineF& axis = drawing.Axis;
    const qreal expected = axis.x1() + share * (axis.x2() - axis.x1());
    QList<QLineF> red;
    for (const PrescriptionDrawing::Line& line : drawing.Lines) {
        if (line.Kind == PrescriptionDrawing::Mark::Prescription) {
            red << line.Segment;
        }
    }
    QCOMPARE(red.size(), 2); // across the lane, and down to its label
    const QImage image = timeline.grab().toImage();
    const qreal ratio = image.devicePixelRatio();
    for (const QLineF& line : red) {
        QVERIFY2(std::abs(line.x1() - expected) < 0.5,
                 qPrintable(QString::number(line.x1()) + " ~ " + QString::number(expected)));
        QVERIFY(RedNear(image, line.x1() * ratio, (line.y1() + line.y2()) / 2 * ratio));
    }
    // The box that reached the period is shaded up to that day, and no further.
    const auto reached = std::find_if(drawing.Boxes.begin(), drawing.Boxes.end(),
                                      [](const auto& box) { return box.Reached; });
    QVERIFY(reached != drawing.Boxes.end());
    const double after = (OracleDayNumber(2024, 12, 12) - first) / (end - first);
    QVERIFY(std::abs(reached->Shade.right() - (axis.x1() + after * (axis.x2() - axis.x1()))) < 0.5);
    QCOMPARE(reached->Shade.height(), reached->Frame.height());
}

void PrescriptionTimelineTest::APageGetsTheSamePictureInsideItsArea() {
    PrescriptionTimeline timeline;
    timeline.SetAnswer(ReportOf(CrowdedCase()), CrowdedCase().Marcos);
    QImage page(1600, 1400, QImage::Format_RGB32);
    page.fill(Qt::white);
    QFont font;
    font.setPixelSize(22);
    const PrescriptionDrawing drawing = timeline.Compose(QFontMetricsF(font, &page), 1200);
    const QRectF area(200, 100, 1200, drawing.Height);
    QVERIFY(area.bottom() < page.height());
    {
        QPainter painter(&page);
        painter.setFont(font);
        painter.setPen(Qt::black);
        timeline.Paint(painter, area);
    }
    QVERIFY(LabelFaults(drawing, QRectF(0, 0, area.width(), area.height())).isEmpty());
    int red = 0;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            const QColor pixel = page.pixelColor(x, y);
            if (pixel != Qt::white) {
                QVERIFY2(area.adjusted(-1, -1, 1, 1).contains(QPointF(x, y)),
                         qPrintable(QStringLiteral("painted at %1,%2").arg(x).arg(y)));
            }
            red += pixel == PrescriptionTimeline::ColourOf(PrescriptionDrawing::Mark::Prescription);
        }
    }
    QVERIFY(red > 0);
}

void PrescriptionTimelineTest::WithoutAnAnswerOnlyTheLegend() {
    PrescriptionTimeline timeline;
    timeline.SetAnswer(ReportOf(JuryCase()), JuryCase().Marcos);
    timeline.Clear();
    timeline.resize(timeline.minimumSizeHint());
    QVERIFY(!timeline.HasAnswer());
    QCOMPARE(
        Texts(timeline.Drawing()),
        (QStringList{"parte do prazo decorrida", QStringLiteral("prescri\u00e7\u00e3o"), "hoje"}));
    QVERIFY(timeline.Drawing().Boxes.isEmpty());
    QVERIFY(LabelFaults(timeline.Drawing(), QRectF(timeline.rect())).isEmpty());
}

} // namespace zarn

namespace zarn {

int RunPrescriptionTimelineTest(int argc, char** argv) {
    PrescriptionTimelineTest test;
    return QTest::qExec(&test, argc, argv);
}

} // namespace zarn

#include "PrescriptionTimelineTest.moc"
