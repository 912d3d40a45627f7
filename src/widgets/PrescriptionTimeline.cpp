#include "widgets/PrescriptionTimeline.h"

#include "dates/Clock.h"
#include "law/LawTables.h"
#include "law/LegalText.h"
#include "prescription/PrescriptionNames.h"
#include "widgets/HangingLabels.h"
#include "widgets/QtText.h"
#include "widgets/TimelineLayout.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QPainter>
#include <QStringList>
#include <algorithm>
#include <array>
#include <cmath>
#include <map>

namespace zarn {
namespace {

// What a screen reader announces; its description lists the labels.
constexpr std::string_view kTimelineName = "Linha do tempo da prescri\xE7\xE3o";
constexpr std::string_view kPeriodStartWord = "in\xED"
                                              "cio do prazo";
constexpr std::string_view kPrescribedWord = "prescrita";
constexpr std::string_view kPrescribesWord = "prescreve";
constexpr std::string_view kTodayWord = "hoje";
constexpr std::string_view kCalculationWord = "data do c\xE1lculo";
constexpr std::string_view kCrimeWord = "Crime";
constexpr std::string_view kPeriodWord = "prazo de";

struct LegendEntry {
    PrescriptionDrawing::Mark Kind;
    std::string_view Text;
};
constexpr std::array<LegendEntry, 3> kLegend = {{
    {PrescriptionDrawing::Mark::Period, "parte do prazo decorrida"},
    {PrescriptionDrawing::Mark::Prescription, "prescri\xE7\xE3o"},
    {PrescriptionDrawing::Mark::Today, "hoje"},
}};

// The kinds as a prescription day's label names them.
constexpr std::array<std::string_view, 4> kShortKindNames = {"abstrata", "retroativa",
                                                             "intercorrente", "execut\xF3ria"};

constexpr long long kDaysPerMonth = 30;
// A box that reached its period: the prescription's red, pale enough for the red line on it.
const QColor kReachedShade(0xF2, 0xB6, 0xB6);

struct Measures : TimelineMeasures {
    explicit Measures(const QFontMetricsF& metrics)
        : TimelineMeasures(metrics, 3.0 / 2) {}
};

QString DateText(DayNumber day) {
    return ToQString(WriteDayMonthYear(day));
}

// A day of the picture: what happens on it, by its labels.
struct DayMark {
    QStringList Names;
    PrescriptionDrawing::Mark Kind = PrescriptionDrawing::Mark::Period;
};

void AddMark(std::map<DayNumber, DayMark>& marks, DayNumber day, const QString& name,
             PrescriptionDrawing::Mark kind) {
    DayMark& mark = marks[day];
    if (!mark.Names.contains(name)) {
        mark.Names << name;
    }
    // A prescription day is the one to see; today next.
    if (kind == PrescriptionDrawing::Mark::Prescription ||
        (kind == PrescriptionDrawing::Mark::Today &&
         mark.Kind != PrescriptionDrawing::Mark::Prescription)) {
        mark.Kind = kind;
    }
}

std::optional<DayNumber> VerdictDay(const PrescriptionAnalysis& analysis) {
    return analysis.PrescribedOn ? analysis.PrescribedOn : analysis.PrescribesOn;
}

class Composer {
public:
    Composer(const QFontMetricsF& metrics, qreal width, const PrescriptionReport* report,
             const std::vector<Marco>& marcos, DayNumber today)
        : m_metrics(metrics)
        , m_m(metrics)
        , m_width(width)
        , m_report(report)
        , m_marcos(marcos)
        , m_today(today) {}

    PrescriptionDrawing Compose() {
        qreal y = LayOutLegend();
        if (m_report == nullptr) {
            m_drawing.Height = y + m_m.Margin;
            return m_drawing;
        }
        m_span = SpanOf();
        y = LayOutLanes(y + m_m.Gap);
        m_drawing.Height = LayOutAxis(y) + m_m.Margin;
        return m_drawing;
    }

private:
    qreal Left() const { return m_m.Margin; }
    qreal Right() const { return std::max(Left() + 1, m_width - m_m.Margin); }

    qreal XOf(DayNumber day) const { return m_span.XOf(day, Left(), Right()); }

    void AddLabel(const QString& text, qreal left, qreal top, PrescriptionDrawing::Mark kind) {
        m_drawing.Labels.append(
            {text, QRectF(left, top, TextWidth(m_metrics, text), m_m.Line), kind});
    }

    // The legend from the top left, going on to a further row where the width ends; the
    // bottom of its last row.
    qreal LayOutLegend() {
        qreal bottom = 0;
        const QList<LegendPlace> places =
            LayOutLegendOf(m_metrics, m_m, kLegend, Left(), Right(), m_m.Margin, bottom);
        for (qsizetype i = 0; i < places.size(); ++i) {
            const std::size_t entry = static_cast<std::size_t>(i);
            m_drawing.Swatches.append({places[i].Swatch, kLegend[entry].Kind});
            m_drawing.Labels.append({places[i].Text, places[i].Label, kLegend[entry].Kind});
        }
        return bottom;
    }

    DaySpan SpanOf() const {
        DaySpan span{m_today, m_today + 1};
        span.Take(m_report->CalculationDate);
        for (const Marco& marco : m_marcos) {
            span.Take(marco.Date);
        }
        for (const CrimePrescription& crime : m_report->Crimes) {
            for (const PrescriptionAnalysis& analysis : crime.Analyses) {
                for (const PrescriptionInterval& interval : analysis.Intervals) {
                    span.Take(interval.From);
                    span.Take(interval.To);
                }
                if (const std::optional<DayNumber> day = VerdictDay(analysis)) {
                    span.Take(*day);
                }
            }
        }
        return span;
    }

    QString LaneTitle(std::size_t crime, const PrescriptionAnalysis& analysis) const {
        const long long months = analysis.Period.Years * kMonthsPerYear + analysis.Period.Months;
        return ToQString(std::string(kCrimeWord) + " " + std::to_string(crime + 1) + ": " +
                         std::string(DisplayNameOf(analysis.Kind)) + "; " +
                         std::string(kPeriodWord) + " " + YearsAndMonths(months));
    }

    // A box from the first day to the last, shaded up to the share of the period the
    // interval ran; a box that reached the period shaded whole, up to its prescription day
    // when that falls inside it.
    void AddBox(const PrescriptionAnalysis& analysis, const PrescriptionInterval& interval,
                const QRectF& bar) {
        const QRectF frame(QPointF(XOf(interval.From), bar.top()),
                           QPointF(XOf(interval.To + 1), bar.bottom()));
        const long long periodDays =
            (analysis.Period.Years * kMonthsPerYear + analysis.Period.Months) * kDaysPerMonth;
        const long long ran = 360 * interval.Years + kDaysPerMonth * interval.Months +
                              interval.Days - interval.SuspendedDays;
        QRectF shade = frame;
        if (interval.Reached) {
            if (analysis.PrescribedOn && *analysis.PrescribedOn >= interval.From &&
                *analysis.PrescribedOn <= interval.To) {
                shade.setRight(XOf(*analysis.PrescribedOn + 1));
            }
        } else {
            const double share =
                periodDays > 0 ? std::clamp(double(ran) / double(periodDays), 0.0, 1.0) : 0.0;
            shade.setTop(frame.bottom() - share * frame.height());
        }
        m_drawing.Boxes.append({frame, shade, interval.Reached});
    }

    qreal LayOutLanes(qreal top) {
        qreal y = top;
        for (std::size_t c = 0; c < m_report->Crimes.size(); ++c) {
            for (const PrescriptionAnalysis& analysis : m_report->Crimes[c].Analyses) {
                AddLabel(Fitted(m_metrics, LaneTitle(c, analysis), Right() - Left()), Left(), y,
                         PrescriptionDrawing::Mark::Period);
                const QRectF bar(Left(), y + m_m.Line, Right() - Left(), m_m.Bar);
                m_drawing.Lanes.append(bar);
                for (const PrescriptionInterval& interval : analysis.Intervals) {
                    AddBox(analysis, interval, bar);
                }
                if (const std::optional<DayNumber> day = VerdictDay(analysis)) {
                    const qreal x = XOf(*day + 0.5);
                    m_drawing.Lines.append(
                        {QLineF(x, bar.top() - m_m.Margin, x, bar.bottom() + m_m.Margin),
                         PrescriptionDrawing::Mark::Prescription});
                }
                y = bar.bottom() + m_m.Gap;
            }
        }
        m_lanesTop = top;
        return y;
    }

    std::map<DayNumber, DayMark> Marks() const {
        std::map<DayNumber, DayMark> marks;
        for (const Marco& marco : m_marcos) {
            AddMark(marks, marco.Date, ToQString(DisplayNameOf(marco.Kind)),
                    PrescriptionDrawing::Mark::Period);
        }
        const bool severalCrimes = m_report->Crimes.size() > 1;
        for (std::size_t c = 0; c < m_report->Crimes.size(); ++c) {
            for (const PrescriptionAnalysis& analysis : m_report->Crimes[c].Analyses) {
                if (!analysis.Intervals.empty() && !marks.contains(analysis.Intervals[0].From)) {
                    AddMark(marks, analysis.Intervals[0].From, ToQString(kPeriodStartWord),
                            PrescriptionDrawing::Mark::Period);
                }
                if (const std::optional<DayNumber> day = VerdictDay(analysis)) {
                    std::string name =
                        std::string(analysis.PrescribedOn ? kPrescribedWord : kPrescribesWord) +
                        " (" + std::string(kShortKindNames[std::size_t(analysis.Kind)]);
                    if (severalCrimes) {
                        name += ", crime " + std::to_string(c + 1);
                    }
                    AddMark(marks, *day, ToQString(name + ")"),
                            PrescriptionDrawing::Mark::Prescription);
                }
            }
        }
        if (m_report->CalculationDate != m_today) {
            AddMark(marks, m_report->CalculationDate, ToQString(kCalculationWord),
                    PrescriptionDrawing::Mark::Period);
        }
        AddMark(marks, m_today, ToQString(kTodayWord), PrescriptionDrawing::Mark::Today);
        return marks;
    }

    // The line of time under the lanes, and the labels of its days under it; the bottom of
    // the last row of labels.
    qreal LayOutAxis(qreal top) {
        const qreal axisY = top + m_m.Margin;
        m_drawing.Axis = QLineF(Left(), axisY, Right(), axisY);
        const qreal todayX = XOf(m_today + 0.5);
        m_drawing.Lines.append(
            {QLineF(todayX, m_lanesTop, todayX, axisY), PrescriptionDrawing::Mark::Today});

        QList<QString> texts;
        QList<HangingLabel> hanging;
        QList<PrescriptionDrawing::Mark> kinds;
        for (const auto& [day, mark] : Marks()) {
            const QString text = Fitted(
                m_metrics, DateText(day) + QLatin1Char(' ') + mark.Names.join(QStringLiteral(", ")),
                Right() - Left());
            texts << text;
            hanging.append({XOf(day + 0.5), TextWidth(m_metrics, text)});
            kinds << mark.Kind;
        }
        const QList<HungLabel> hung = HangLabels(hanging, Left(), Right(), m_m.Gap);
        const qreal firstTop = axisY + m_m.Gap;
        qreal bottom = axisY;
        for (qsizetype i = 0; i < texts.size(); ++i) {
            const qreal labelTop = firstTop + hung[i].Row * m_m.RowPitch;
            AddLabel(texts[i], hung[i].Left, labelTop, kinds[i]);
            m_drawing.Lines.append(
                {QLineF(hanging[i].X, axisY - m_m.Margin, hanging[i].X, labelTop + m_m.Line / 2),
                 kinds[i]});
            bottom = std::max(bottom, labelTop + m_m.Line);
        }
        return bottom;
    }

    const QFontMetricsF& m_metrics;
    Measures m_m;
    qreal m_width;
    const PrescriptionReport* m_report;
    const std::vector<Marco>& m_marcos;
    DayNumber m_today;
    DaySpan m_span;
    qreal m_lanesTop = 0;
    PrescriptionDrawing m_drawing;
};

void PaintDrawing(QPainter& painter, const PrescriptionDrawing& drawing,
                  const QFontMetricsF& metrics, const QPointF& origin) {
    const Measures m(metrics);
    const QColor ink = painter.pen().color();
    painter.save();
    painter.translate(origin);
    const QColor faint(0xC8, 0xC8, 0xC8);
    painter.setPen(QPen(faint, m.Pen));
    for (const QRectF& lane : drawing.Lanes) {
        painter.drawRect(lane);
    }
    for (const PrescriptionDrawing::Box& box : drawing.Boxes) {
        painter.fillRect(box.Shade, box.Reached ? kReachedShade
                                                : PrescriptionTimeline::ColourOf(
                                                      PrescriptionDrawing::Mark::Period));
        painter.setPen(QPen(ink, m.Pen));
        painter.drawRect(box.Frame);
    }
    for (const PrescriptionDrawing::Swatch& swatch : drawing.Swatches) {
        painter.fillRect(swatch.Rect, PrescriptionTimeline::ColourOf(swatch.Kind));
    }
    painter.setPen(QPen(ink, m.Pen));
    painter.drawLine(drawing.Axis);
    for (const PrescriptionDrawing::Line& line : drawing.Lines) {
        const bool prescription = line.Kind == PrescriptionDrawing::Mark::Prescription;
        const bool today = line.Kind == PrescriptionDrawing::Mark::Today;
        painter.setPen(QPen(prescription || today ? PrescriptionTimeline::ColourOf(line.Kind) : ink,
                            prescription ? 2 * m.Pen : m.Pen, today ? Qt::DashLine : Qt::SolidLine,
                            Qt::FlatCap));
        painter.drawLine(line.Segment);
    }
    for (const PrescriptionDrawing::Label& label : drawing.Labels) {
        painter.setPen(label.Kind == PrescriptionDrawing::Mark::Period
                           ? ink
                           : PrescriptionTimeline::ColourOf(label.Kind));
        painter.drawText(label.Rect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                         label.Text);
    }
    painter.restore();
}

} // namespace

PrescriptionTimeline::PrescriptionTimeline(QWidget* parent)
    : LaidOutPicture(parent) {
    setAccessibleName(ToQString(kTimelineName));
    LayOut();
}

void PrescriptionTimeline::SetAnswer(const PrescriptionReport& report,
                                     const std::vector<Marco>& marcos) {
    m_report = report;
    m_marcos = marcos;
    m_today = CurrentDate();
    LayOut();
}

void PrescriptionTimeline::Clear() {
    m_report.reset();
    m_marcos.clear();
    LayOut();
}

PrescriptionDrawing PrescriptionTimeline::Compose(const QFontMetricsF& metrics, qreal width) const {
    return Composer(metrics, width, m_report ? &*m_report : nullptr, m_marcos, m_today).Compose();
}

QColor PrescriptionTimeline::ColourOf(PrescriptionDrawing::Mark mark) {
    switch (mark) {
    case PrescriptionDrawing::Mark::Prescription:
        return kAlertMarkColour;
    case PrescriptionDrawing::Mark::Today:
        return kTodayMarkColour;
    case PrescriptionDrawing::Mark::Period:
        break;
    }
    return QColor(0x7A, 0x9C, 0xC6); // light steel blue
}

QSize PrescriptionTimeline::minimumSizeHint() const {
    // Room for the legend's widest entry; the height of the picture at that width.
    const QFontMetricsF metrics(font());
    const int width = LegendMinimumWidth(metrics, Measures(metrics), kLegend);
    return QSize(width, heightForWidth(width));
}

void PrescriptionTimeline::PaintLaidOut(QPainter& painter, const PrescriptionDrawing& drawing,
                                        const QFontMetricsF& metrics, QPointF origin) const {
    PaintDrawing(painter, drawing, metrics, origin);
}

} // namespace zarn
