#include "widgets/ExecutionTimeline.h"

#include "dates/Clock.h"
#include "law/LegalText.h"
#include "widgets/QtText.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QStringList>
#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>
#include <string>
#include <string_view>

namespace zarn {
namespace {

constexpr std::string_view kStartWord = "in\xED"
                                        "cio";
constexpr std::string_view kEndWord = "t\xE9rmino";
constexpr std::string_view kParoleWord = "livramento";
constexpr std::string_view kCapWord = "fim pelo art. 75";
constexpr std::string_view kTodayWord = "hoje";
constexpr std::string_view kFullyServedWords = "Pena integralmente cumprida: n\xE3o h\xE1 datas.";
// What a screen reader announces; its description lists the labels.
constexpr std::string_view kTimelineName = "Linha do tempo da execu\xE7\xE3o";

constexpr std::array<Regime, 3> kRegimes = {Regime::Fechado, Regime::Semiaberto, Regime::Aberto};
// Under the bar: at most two progressions, parole, the capped end and today.
constexpr int kMostMilestoneRows = 5;
// The sample dates the widths are measured with: the widest digits of a date.
constexpr std::string_view kWidestDate = "00/00/0000";

// Every size in proportion to the font's line height.
struct Measures {
    explicit Measures(const QFontMetrics& metrics)
        : Line(metrics.height())
        , Margin(std::max(2, Line / 4))
        , Gap(std::max(3, Line / 3))
        , RowPitch(Line + std::max(2, Line / 4))
        , Pen(std::max(1, Line / 12)) {}
    int Line;
    int Margin;   // round the widget, between a swatch and its name, above the bar
    int Gap;      // between labels of a row, between a tick and its label
    int RowPitch; // from one row of labels under the bar to the next
    int Pen;
};

// "25/12/2021 aberto".
QString DateLabel(DayNumber date, std::string_view word) {
    return ToQString(WriteDayMonthYear(date) + " " + std::string(word));
}

int TextWidth(const QFontMetrics& metrics, const QString& text) {
    return metrics.horizontalAdvance(text) + 1;
}

QRect TextRect(const QFontMetrics& metrics, const QString& text, int left, int top) {
    return QRect(left, top, TextWidth(metrics, text), metrics.height());
}

// The legend from the top left, going on to a further row where the width ends; the
// bottom of its last row.
int LayOutLegend(TimelineDrawing& drawing, const QFontMetrics& metrics, const Measures& m,
                 int width) {
    const int left = m.Margin;
    const int right = width - m.Margin;
    const int swatchHeight = m.Line * 2 / 3;
    int x = left;
    int y = m.Margin;
    for (const Regime regime : kRegimes) {
        const QString name = ToQString(RegimeName(regime));
        const int itemWidth = m.Line + m.Margin + TextWidth(metrics, name);
        if (x > left && x + itemWidth > right) {
            x = left;
            y += m.Line;
        }
        drawing.Swatches.append(
            {QRect(x, y + (m.Line - swatchHeight) / 2, m.Line, swatchHeight), regime});
        drawing.Labels.append({name, TextRect(metrics, name, x + m.Line + m.Margin, y)});
        x += itemWidth + m.Line;
    }
    return y + m.Line;
}

// The start at the bar's left end and the last day at its right end, the last day on a row
// of its own when the two do not fit side by side; the bottom of their rows.
int LayOutEnds(TimelineDrawing& drawing, const QFontMetrics& metrics, const Measures& m, int width,
               int top, const ExecutionDates& dates) {
    const QString start = DateLabel(dates.Start, kStartWord);
    const QString end = DateLabel(dates.LastDay, kEndWord);
    const QRect startRect = TextRect(metrics, start, m.Margin, top);
    QRect endRect = TextRect(metrics, end, 0, top);
    endRect.moveRight(width - 1 - m.Margin);
    if (endRect.left() <= startRect.right() + m.Gap) {
        endRect.moveTop(startRect.bottom() + 1);
    }
    drawing.Labels.append({start, startRect});
    drawing.Labels.append({end, endRect});
    return endRect.bottom() + 1;
}

// Where a date falls on the bar: the start at its left edge, the day after the last day at
// its right edge. A term served in full by its deductions has every date at the start.
int XOf(DayNumber date, const ExecutionDates& dates, const QRect& bar) {
    const double span = dates.LastDay + 1 - dates.Start;
    const double share = span > 0 ? std::clamp((date - dates.Start) / span, 0.0, 1.0) : 0.0;
    return std::min(bar.right(), bar.left() + static_cast<int>(std::lround(share * bar.width())));
}

void LayOutSegments(TimelineDrawing& drawing, const ExecutionDates& dates) {
    const QRect& bar = drawing.Bar;
    Regime current = dates.Initial;
    int from = bar.left();
    auto addSegment = [&](int to) {
        if (to >= from) {
            drawing.Segments.append(
                {QRect(QPoint(from, bar.top()), QPoint(to, bar.bottom())), current});
        }
    };
    for (const ProgressionDate& progression : dates.Progressions) {
        const int x = XOf(progression.Due.DueFrom, dates, bar);
        addSegment(x - 1);
        current = progression.To;
        from = x;
    }
    addSegment(bar.right());
}

using MarkKind = TimelineDrawing::MarkKind;

struct Mark {
    int X;
    QString Text;
    MarkKind Kind;
};

// Each progression and parole from the day it is due; the capped end after its last day,
// as the bar's right end stands after the term's; today while it falls on the bar.
QList<Mark> MarksOf(const ExecutionDates& dates, DayNumber today, const QRect& bar) {
    QList<Mark> marks;
    for (const ProgressionDate& progression : dates.Progressions) {
        marks.append({XOf(progression.Due.DueFrom, dates, bar),
                      DateLabel(progression.Due.DueFrom, RegimeName(progression.To)),
                      MarkKind::Progression});
    }
    if (dates.Parole) {
        marks.append({XOf(dates.Parole->DueFrom, dates, bar),
                      DateLabel(dates.Parole->DueFrom, kParoleWord), MarkKind::Parole});
    }
    if (dates.CappedLastDay) {
        marks.append({XOf(*dates.CappedLastDay + 1, dates, bar),
                      DateLabel(*dates.CappedLastDay, kCapWord), MarkKind::Cap});
    }
    if (today >= dates.Start && today <= dates.LastDay) {
        marks.append({XOf(today, dates, bar), DateLabel(today, kTodayWord), MarkKind::Today});
    }
    return marks;
}

// A label hangs to the right of its tick, or to its left where the right has no room; the
// top is set by its row.
QRect FlagRect(const QFontMetrics& metrics, const Mark& mark, const Measures& m, int width) {
    const int textWidth = TextWidth(metrics, mark.Text);
    const int right = width - m.Margin;
    int left = mark.X + m.Gap;
    if (left + textWidth > right) {
        left = mark.X - m.Gap - textWidth;
    }
    if (left < m.Margin) {
        left = std::max(m.Margin, right - textWidth);
    }
    return QRect(left, 0, textWidth, metrics.height());
}

bool Overlap(int leftA, int rightA, int leftB, int rightB) {
    return leftA <= rightB && leftB <= rightA;
}

// The row under the bar of each label. The line from a tick down to its label runs through
// the rows above it, so a label takes the nearest row where it meets no label of its row
// and covers no line going further down; where it can, also where its own line crosses no
// label above. Labels are placed from the right, so the lines of labels placed later, to
// the left, pass the labels hanging to the right of their ticks. A row below all the
// others always takes a label, so every label has a row.
QList<int> StaggerRows(const QList<Mark>& marks, const QList<QRect>& rects, int gap) {
    const auto count = static_cast<int>(marks.size());
    QList<int> order(count);
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&marks](int a, int b) { return marks[a].X > marks[b].X; });
    QList<int> rows(count, -1);
    QList<int> placed;
    for (const int i : order) {
        const QRect wide = rects[i].adjusted(-gap, 0, gap, 0);
        int fallback = -1;
        for (int row = 0; row <= count; ++row) {
            bool free = true;
            bool ownLineCrosses = false;
            for (const int j : placed) {
                const bool sameRow = rows[j] == row && Overlap(wide.left(), wide.right(),
                                                               rects[j].left(), rects[j].right());
                const bool coversLine =
                    rows[j] > row && marks[j].X >= wide.left() && marks[j].X <= wide.right();
                free = free && !sameRow && !coversLine;
                ownLineCrosses =
                    ownLineCrosses || (rows[j] < row && marks[i].X >= rects[j].left() - gap &&
                                       marks[i].X <= rects[j].right() + gap);
            }
            if (free && !ownLineCrosses) {
                fallback = row;
                break;
            }
            if (free && fallback < 0) {
                fallback = row;
            }
        }
        rows[i] = fallback;
        placed.append(i);
    }
    return rows;
}

// The progressions and parole under the bar; the bottom of their last row.
int LayOutMarks(TimelineDrawing& drawing, const QFontMetrics& metrics, const Measures& m, int width,
                const ExecutionDates& dates, DayNumber today) {
    const QList<Mark> marks = MarksOf(dates, today, drawing.Bar);
    QList<QRect> rects;
    for (const Mark& mark : marks) {
        rects.append(FlagRect(metrics, mark, m, width));
    }
    const QList<int> rows = StaggerRows(marks, rects, m.Gap);
    const int firstTop = drawing.Bar.bottom() + 1 + m.Gap;
    int bottom = drawing.Bar.bottom() + 1;
    for (qsizetype i = 0; i < marks.size(); ++i) {
        QRect rect = rects[i];
        rect.moveTop(firstTop + rows[i] * m.RowPitch);
        drawing.Labels.append({marks[i].Text, rect});
        drawing.Ticks.append({marks[i].X, drawing.Bar.top() - m.Margin / 2,
                              rect.top() + rect.height() / 2, marks[i].Kind});
        bottom = std::max(bottom, rect.bottom() + 1);
    }
    return bottom;
}

// Progressions solid, parole dashed, today dotted, the capped end solid and twice as wide.
QPen TickPen(MarkKind kind, const QColor& ink, int width) {
    switch (kind) {
    case MarkKind::Parole:
        return QPen(ink, width, Qt::DashLine, Qt::FlatCap);
    case MarkKind::Today:
        return QPen(ink, width, Qt::DotLine, Qt::FlatCap);
    case MarkKind::Cap:
        return QPen(ink, 2 * width, Qt::SolidLine, Qt::FlatCap);
    case MarkKind::Progression:
        break;
    }
    return QPen(ink, width, Qt::SolidLine, Qt::FlatCap);
}

TimelineDrawing Compose(const QFontMetrics& metrics, int width,
                        const std::optional<ExecutionDates>& dates, DayNumber today) {
    const Measures m(metrics);
    TimelineDrawing drawing;
    const int legendBottom = LayOutLegend(drawing, metrics, m, width);
    if (!dates) {
        drawing.Height = legendBottom + m.Margin;
        return drawing;
    }
    if (dates->FullyServed) {
        const QString words = ToQString(kFullyServedWords);
        const QRect rect = TextRect(metrics, words, m.Margin, legendBottom + m.Gap);
        drawing.Labels.append({words, rect});
        drawing.Height = rect.bottom() + 1 + m.Margin;
        return drawing;
    }
    const int endsBottom = LayOutEnds(drawing, metrics, m, width, legendBottom + m.Gap, *dates);
    drawing.Bar = QRect(m.Margin, endsBottom + m.Margin, std::max(1, width - 2 * m.Margin), m.Line);
    LayOutSegments(drawing, *dates);
    if (dates->CappedLastDay) {
        const QRect& bar = drawing.Bar;
        drawing.BeyondCap = QRect(QPoint(XOf(*dates->CappedLastDay + 1, *dates, bar), bar.top()),
                                  bar.bottomRight());
    }
    drawing.Height = LayOutMarks(drawing, metrics, m, width, *dates, today) + m.Margin;
    return drawing;
}

} // namespace

ExecutionTimeline::ExecutionTimeline(QWidget* parent)
    : QWidget(parent) {
    setAccessibleName(ToQString(kTimelineName));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    LayOut();
}

void ExecutionTimeline::SetDates(const ExecutionDates& dates) {
    m_dates = dates;
    m_today = CurrentDate();
    LayOut();
}

void ExecutionTimeline::Clear() {
    m_dates.reset();
    LayOut();
}

QColor ExecutionTimeline::RegimeColour(Regime regime) {
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

int ExecutionTimeline::heightForWidth(int width) const {
    return Compose(fontMetrics(), width, m_dates, m_today).Height;
}

QSize ExecutionTimeline::minimumSizeHint() const {
    // Room for the legend, for the start and the last day side by side, and for the words
    // of a term served in full.
    const QFontMetrics metrics = fontMetrics();
    const Measures m(metrics);
    int legend = 0;
    for (const Regime regime : kRegimes) {
        legend += m.Line + m.Margin + TextWidth(metrics, ToQString(RegimeName(regime))) + m.Line;
    }
    const std::string date(kWidestDate);
    const int ends = TextWidth(metrics, ToQString(date + " " + std::string(kStartWord))) +
                     TextWidth(metrics, ToQString(date + " " + std::string(kEndWord))) + m.Gap;
    const int served = TextWidth(metrics, ToQString(kFullyServedWords));
    return QSize(std::max({legend, ends, served}) + 2 * m.Margin, sizeHint().height());
}

QSize ExecutionTimeline::sizeHint() const {
    // The height that holds every row: the legend, the ends, the bar and the rows that a
    // fechado start with parole, a capped end and today can need.
    const Measures m(fontMetrics());
    const int height = m.Margin + m.Line + m.Gap + m.Line + m.Margin + m.Line + m.Gap +
                       (kMostMilestoneRows - 1) * m.RowPitch + m.Line + m.Margin;
    return QSize(m.Line * 36, height);
}

void ExecutionTimeline::LayOut() {
    m_drawing = Compose(fontMetrics(), width(), m_dates, m_today);
    QStringList texts;
    for (const TimelineLabel& label : m_drawing.Labels) {
        texts.append(label.Text);
    }
    setAccessibleDescription(texts.join(QStringLiteral("; ")));
    updateGeometry();
    update();
}

void ExecutionTimeline::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    LayOut();
}

void ExecutionTimeline::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        LayOut();
    }
}

void ExecutionTimeline::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const Measures m(fontMetrics());
    const QColor ink = palette().color(QPalette::WindowText);
    const QPen outline(ink, m.Pen, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);

    painter.setPen(outline);
    for (const TimelineDrawing::Swatch& swatch : m_drawing.Swatches) {
        painter.fillRect(swatch.Rect, RegimeColour(swatch.Kind));
        painter.drawRect(swatch.Rect);
    }
    for (const TimelineDrawing::Segment& segment : m_drawing.Segments) {
        painter.fillRect(segment.Rect, RegimeColour(segment.Kind));
    }
    painter.fillRect(m_drawing.BeyondCap, QBrush(ink, Qt::BDiagPattern));
    if (!m_drawing.Bar.isEmpty() && m_dates) {
        painter.drawRect(m_drawing.Bar);
    }
    for (const TimelineDrawing::Tick& tick : m_drawing.Ticks) {
        painter.setPen(TickPen(tick.Kind, ink, m.Pen));
        painter.drawLine(tick.X, tick.Top, tick.X, tick.Bottom);
    }
    painter.setPen(ink);
    for (const TimelineLabel& label : m_drawing.Labels) {
        painter.drawText(label.Rect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                         label.Text);
    }
}

} // namespace zarn
