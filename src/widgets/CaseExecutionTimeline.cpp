#include "widgets/CaseExecutionTimeline.h"

#include "dates/Clock.h"
#include "law/LegalText.h"
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
#include <string_view>

namespace zarn {
namespace {

using Drawing = CaseExecutionDrawing;
using Mark = CaseExecutionDrawing::Mark;
using Entry = CaseExecutionDrawing::Entry;

// What a screen reader announces; its description lists the labels.
constexpr std::string_view kTimelineName = "Linha do tempo da execu\xE7\xE3o";
constexpr std::string_view kStartWord = "in\xED"
                                        "cio";
constexpr std::string_view kDataBaseWord = "data-base";
constexpr std::string_view kParoleWord = "livramento";
constexpr std::string_view kEndWord = "t\xE9rmino";
constexpr std::string_view kCapWord = "fim pelo art. 75";
constexpr std::string_view kVoidedWords = "sem efeito";
constexpr std::string_view kFaltaWord = "falta grave";
constexpr std::string_view kEscapeWord = "fuga";
constexpr std::string_view kCalculationWord = "data do c\xE1lculo";
constexpr std::string_view kTodayWord = "hoje";

struct LegendEntry {
    Entry Kind;
    std::string_view Text;
};
constexpr std::array<LegendEntry, 6> kLegend = {{
    {Entry::Fechado, "fechado"},
    {Entry::Semiaberto, "semiaberto"},
    {Entry::Aberto, "aberto"},
    {Entry::Projected, "proje\xE7\xE3o"},
    {Entry::Gap, "fora do cumprimento"},
    {Entry::Falta, "falta grave ou fuga"},
}};

// The projected part of the bar: its regime's colour this much paler.
constexpr int kProjectedAlpha = 110;
// The hatch over it, faint enough for the paler colours to show.
constexpr int kHatchAlpha = 120;

struct Measures : TimelineMeasures {
    explicit Measures(const QFontMetricsF& metrics)
        : TimelineMeasures(metrics, 5.0 / 4) {}
};

// A day of the picture: what happens on it.
struct DayMark {
    QStringList Names;
    Mark Kind = Mark::Date;
};

void AddMark(std::map<DayNumber, DayMark>& marks, DayNumber day, std::string_view name,
             Mark kind = Mark::Date) {
    DayMark& mark = marks[std::trunc(day)];
    const QString text = ToQString(name);
    if (!mark.Names.contains(text)) {
        mark.Names << text;
    }
    // A falta is the one to see; today next.
    if (kind == Mark::Falta || (kind == Mark::Today && mark.Kind != Mark::Falta)) {
        mark.Kind = kind;
    }
}

std::optional<DayNumber> MarkDay(const ProgressionStep& step) {
    return step.RecordedOn ? step.RecordedOn : step.DueFrom;
}

class Composer {
public:
    Composer(const QFontMetricsF& metrics, qreal width, const CaseExecutionAnswer* answer,
             DayNumber today)
        : m_metrics(metrics)
        , m_m(metrics)
        , m_width(width)
        , m_answer(answer)
        , m_today(today) {}

    Drawing Compose() {
        const qreal y = LayOutLegend();
        if (m_answer == nullptr) {
            m_drawing.Height = y + m_m.Margin;
            return m_drawing;
        }
        m_span = SpanOf();
        const qreal barTop = y + m_m.Gap + m_m.Margin;
        m_drawing.Bar = QRectF(Left(), barTop, Right() - Left(), m_m.Bar);
        LayOutBar();
        m_drawing.Height = LayOutMarks() + m_m.Margin;
        return m_drawing;
    }

private:
    qreal Left() const { return m_m.Margin; }
    qreal Right() const { return std::max(Left() + 1, m_width - m_m.Margin); }

    qreal XOf(DayNumber day) const { return m_span.XOf(day, Left(), Right()); }

    void AddLabel(const QString& text, qreal left, qreal top, Mark kind) {
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
            m_drawing.Labels.append({places[i].Text, places[i].Label, Mark::Date});
        }
        return bottom;
    }

    DaySpan SpanOf() const {
        const CaseExecutionAnswer& a = *m_answer;
        DaySpan span{a.FirstDay, a.FirstDay + 1};
        span.Take(a.CalculationDate);
        span.Take(m_today);
        span.Take(a.DataBase);
        for (const RegimeStretch& stretch : a.Stretches) {
            span.Take(stretch.First);
            span.Take(stretch.Last);
        }
        for (const ServingGap& gap : a.Gaps) {
            span.Take(gap.First);
            span.Take(gap.Last);
        }
        for (const FaltaMark& falta : a.Faltas) {
            span.Take(falta.Date);
        }
        for (const ProgressionStep& step : a.Progressions) {
            span.Take(MarkDay(step));
        }
        if (a.Parole) {
            span.Take(a.Parole->DueFrom);
        }
        span.Take(a.EndOfTotal);
        span.Take(a.Art75End);
        span.First = std::trunc(span.First);
        span.End = std::trunc(span.End);
        return span;
    }

    void LayOutBar() {
        const QRectF& bar = m_drawing.Bar;
        for (const RegimeStretch& stretch : m_answer->Stretches) {
            const DayNumber end = stretch.Last ? *stretch.Last + 1 : m_span.End;
            m_drawing.Segments.append(
                {QRectF(QPointF(XOf(stretch.First), bar.top()), QPointF(XOf(end), bar.bottom())),
                 stretch.In, stretch.Projected});
        }
        for (const ServingGap& gap : m_answer->Gaps) {
            const DayNumber end = gap.Last ? *gap.Last + 1 : m_span.End;
            m_drawing.Gaps.append(
                QLineF(XOf(gap.First), bar.center().y(), XOf(end), bar.center().y()));
        }
        if (m_answer->Art75Applies && m_answer->Art75End && m_answer->EndOfTotal) {
            m_drawing.BeyondCap = QRectF(QPointF(XOf(*m_answer->Art75End + 1), bar.top()),
                                         QPointF(XOf(*m_answer->EndOfTotal + 1), bar.bottom()));
        }
    }

    std::map<DayNumber, DayMark> Marks() const {
        const CaseExecutionAnswer& a = *m_answer;
        std::map<DayNumber, DayMark> marks;
        AddMark(marks, a.FirstDay, kStartWord);
        AddMark(marks, a.DataBase, kDataBaseWord);
        for (const ProgressionStep& step : a.Progressions) {
            if (const std::optional<DayNumber> day = MarkDay(step)) {
                std::string name(RegimeName(step.To));
                if (step.VoidedOn) {
                    name += ", " + std::string(kVoidedWords);
                }
                AddMark(marks, *day, name);
            }
        }
        if (a.Parole && a.Parole->DueFrom) {
            AddMark(marks, *a.Parole->DueFrom, kParoleWord);
        }
        if (a.EndOfTotal) {
            AddMark(marks, *a.EndOfTotal, kEndWord);
        }
        if (a.Art75Applies && a.Art75End) {
            AddMark(marks, *a.Art75End, kCapWord);
        }
        for (const FaltaMark& falta : a.Faltas) {
            AddMark(marks, falta.Date, falta.Escape ? kEscapeWord : kFaltaWord, Mark::Falta);
        }
        if (std::trunc(a.CalculationDate) != std::trunc(m_today)) {
            AddMark(marks, a.CalculationDate, kCalculationWord);
        }
        AddMark(marks, m_today, kTodayWord, Mark::Today);
        return marks;
    }

    // The labels of the days under the bar, each tied to its tick; the bottom of the last
    // row of labels.
    qreal LayOutMarks() {
        const QRectF& bar = m_drawing.Bar;
        QList<QString> texts;
        QList<HangingLabel> hanging;
        QList<Mark> kinds;
        for (const auto& [day, mark] : Marks()) {
            const QString text = Fitted(m_metrics,
                                        ToQString(WriteDayMonthYear(day)) + QLatin1Char(' ') +
                                            mark.Names.join(QStringLiteral(", ")),
                                        Right() - Left());
            texts << text;
            hanging.append({XOf(day + 0.5), TextWidth(m_metrics, text)});
            kinds << mark.Kind;
        }
        const QList<HungLabel> hung = HangLabels(hanging, Left(), Right(), m_m.Gap);
        const qreal firstTop = bar.bottom() + m_m.Margin + m_m.Gap;
        qreal bottom = bar.bottom() + m_m.Margin;
        for (qsizetype i = 0; i < texts.size(); ++i) {
            const qreal labelTop = firstTop + hung[i].Row * m_m.RowPitch;
            AddLabel(texts[i], hung[i].Left, labelTop, kinds[i]);
            m_drawing.Lines.append({QLineF(hanging[i].X, bar.top() - m_m.Margin, hanging[i].X,
                                           labelTop + m_m.Line / 2),
                                    kinds[i]});
            bottom = std::max(bottom, labelTop + m_m.Line);
        }
        return bottom;
    }

    const QFontMetricsF& m_metrics;
    Measures m_m;
    qreal m_width;
    const CaseExecutionAnswer* m_answer;
    DayNumber m_today;
    DaySpan m_span;
    Drawing m_drawing;
};

QColor SwatchColour(Entry entry) {
    switch (entry) {
    case Entry::Fechado:
        return CaseExecutionTimeline::RegimeColour(Regime::Fechado);
    case Entry::Semiaberto:
        return CaseExecutionTimeline::RegimeColour(Regime::Semiaberto);
    case Entry::Aberto:
        return CaseExecutionTimeline::RegimeColour(Regime::Aberto);
    case Entry::Falta:
        return CaseExecutionTimeline::ColourOf(Mark::Falta);
    case Entry::Projected:
    case Entry::Gap:
        break;
    }
    return Qt::transparent;
}

// The regime's colour, paler over white, hatched.
void PaintProjected(QPainter& painter, const QRectF& rect, Regime regime, const QColor& ink) {
    QColor pale = CaseExecutionTimeline::RegimeColour(regime);
    pale.setAlpha(kProjectedAlpha);
    painter.fillRect(rect, Qt::white);
    painter.fillRect(rect, pale);
    QColor hatch = ink;
    hatch.setAlpha(kHatchAlpha);
    painter.fillRect(rect, QBrush(hatch, Qt::BDiagPattern));
}

void PaintSwatches(QPainter& painter, const Drawing& drawing, const Measures& m,
                   const QColor& ink) {
    for (const Drawing::Swatch& swatch : drawing.Swatches) {
        if (swatch.Kind == Entry::Projected) {
            PaintProjected(painter, swatch.Rect, Regime::Semiaberto, ink);
        } else if (swatch.Kind == Entry::Gap) {
            painter.setPen(QPen(ink, m.Pen, Qt::DashLine, Qt::FlatCap));
            const qreal y = swatch.Rect.center().y();
            painter.drawLine(QLineF(swatch.Rect.left(), y, swatch.Rect.right(), y));
            continue;
        } else {
            painter.fillRect(swatch.Rect, SwatchColour(swatch.Kind));
        }
        painter.setPen(QPen(ink, m.Pen));
        painter.drawRect(swatch.Rect);
    }
}

void PaintDrawing(QPainter& painter, const Drawing& drawing, const QFontMetricsF& metrics,
                  const QPointF& origin) {
    const Measures m(metrics);
    const QColor ink = painter.pen().color();
    painter.save();
    painter.translate(origin);
    PaintSwatches(painter, drawing, m, ink);
    for (const Drawing::Segment& segment : drawing.Segments) {
        if (segment.Projected) {
            PaintProjected(painter, segment.Rect, segment.In, ink);
        } else {
            painter.fillRect(segment.Rect, CaseExecutionTimeline::RegimeColour(segment.In));
        }
        painter.setPen(QPen(ink, m.Pen));
        painter.drawRect(segment.Rect);
    }
    painter.fillRect(drawing.BeyondCap, QBrush(ink, Qt::DiagCrossPattern));
    painter.setPen(QPen(ink, m.Pen, Qt::DashLine, Qt::FlatCap));
    for (const QLineF& gap : drawing.Gaps) {
        painter.drawLine(gap);
    }
    for (const Drawing::Line& line : drawing.Lines) {
        const bool falta = line.Kind == Mark::Falta;
        const bool today = line.Kind == Mark::Today;
        painter.setPen(QPen(falta || today ? CaseExecutionTimeline::ColourOf(line.Kind) : ink,
                            falta ? 2 * m.Pen : m.Pen, today ? Qt::DashLine : Qt::SolidLine,
                            Qt::FlatCap));
        painter.drawLine(line.Segment);
    }
    for (const Drawing::Label& label : drawing.Labels) {
        painter.setPen(label.Kind == Mark::Date ? ink
                                                : CaseExecutionTimeline::ColourOf(label.Kind));
        painter.drawText(label.Rect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                         label.Text);
    }
    painter.restore();
}

} // namespace

CaseExecutionTimeline::CaseExecutionTimeline(QWidget* parent)
    : LaidOutPicture(parent) {
    setAccessibleName(ToQString(kTimelineName));
    LayOut();
}

void CaseExecutionTimeline::SetAnswer(const CaseExecutionAnswer& answer) {
    m_answer = answer;
    m_today = CurrentDate();
    LayOut();
}

void CaseExecutionTimeline::Clear() {
    m_answer.reset();
    LayOut();
}

CaseExecutionDrawing CaseExecutionTimeline::Compose(const QFontMetricsF& metrics,
                                                    qreal width) const {
    return Composer(metrics, width, m_answer ? &*m_answer : nullptr, m_today).Compose();
}

QColor CaseExecutionTimeline::ColourOf(CaseExecutionDrawing::Mark mark) {
    switch (mark) {
    case Mark::Falta:
        return kAlertMarkColour;
    case Mark::Today:
        return kTodayMarkColour;
    case Mark::Date:
        break;
    }
    return Qt::black;
}

QSize CaseExecutionTimeline::minimumSizeHint() const {
    // Room for the legend's widest entry; the height of the picture at the width it has, so
    // that a scroll area scrolls only where the picture is taller than its room.
    const QFontMetricsF metrics(font());
    const int width = LegendMinimumWidth(metrics, Measures(metrics), kLegend);
    return QSize(width, heightForWidth(std::max(width, this->width())));
}

void CaseExecutionTimeline::PaintLaidOut(QPainter& painter, const CaseExecutionDrawing& drawing,
                                         const QFontMetricsF& metrics, QPointF origin) const {
    PaintDrawing(painter, drawing, metrics, origin);
}

QColor CaseExecutionTimeline::RegimeColour(Regime regime) {
    switch (regime) {
    case Regime::Fechado:
        return QColor(0x0B, 0x3C, 0x6F); // dark blue
    case Regime::Semiaberto:
        return QColor(0xE6, 0x9F, 0x00); // orange
    case Regime::Aberto:
        break;
    }
    return QColor(0xF5, 0xE6, 0x6E); // light yellow
}

} // namespace zarn
