#include "widgets/TimelineLayout.h"

#include <algorithm>
#include <cmath>

namespace zarn {

TimelineMeasures::TimelineMeasures(const QFontMetricsF& metrics, qreal barInLines)
    : Line(std::ceil(metrics.height()))
    , Margin(std::max(2.0, std::floor(Line / 4)))
    , Gap(std::max(3.0, std::floor(Line / 3)))
    , RowPitch(Line + std::max(2.0, std::floor(Line / 4)))
    , Pen(std::max(1.0, std::floor(Line / 12)))
    , Bar(std::round(Line * barInLines)) {}

qreal TextWidth(const QFontMetricsF& metrics, const QString& text) {
    return std::ceil(metrics.horizontalAdvance(text)) + 1;
}

QString Fitted(const QFontMetricsF& metrics, const QString& text, qreal width) {
    return TextWidth(metrics, text) <= width
               ? text
               : metrics.elidedText(text, Qt::ElideRight, std::max(0.0, width - 2));
}

void DaySpan::Take(DayNumber day) {
    First = std::min(First, day);
    End = std::max(End, day + 1);
}

void DaySpan::Take(const std::optional<DayNumber>& day) {
    if (day) {
        Take(*day);
    }
}

qreal DaySpan::XOf(DayNumber day, qreal left, qreal right) const {
    const double share = (day - First) / (End - First);
    return left + std::clamp(share, 0.0, 1.0) * (right - left);
}

QList<LegendPlace> LayOutLegend(const QFontMetricsF& metrics, const TimelineMeasures& m,
                                const QStringList& texts, qreal left, qreal right, qreal top,
                                qreal& bottom) {
    QList<LegendPlace> places;
    qreal x = left;
    qreal y = top;
    const qreal swatchHeight = std::round(m.Line * 2 / 3);
    for (const QString& whole : texts) {
        const QString text = Fitted(metrics, whole, right - left - m.Line - m.Margin);
        const qreal textWidth = TextWidth(metrics, text);
        const qreal itemWidth = m.Line + m.Margin + textWidth;
        if (x > left && x + itemWidth > right) {
            x = left;
            y += m.Line;
        }
        places.append({QRectF(x, y + (m.Line - swatchHeight) / 2, m.Line, swatchHeight),
                       QRectF(x + m.Line + m.Margin, y, textWidth, m.Line), text});
        x += itemWidth + m.Line;
    }
    bottom = y + m.Line;
    return places;
}

} // namespace zarn
