#pragma once

// What the timelines of the analysis windows lay out alike: their sizes in proportion to
// the font, texts measured and fitted to a width, the days a picture spans and where a day
// falls on it, and the legend's rows.

#include "dates/CivilDate.h"
#include "widgets/QtText.h"

#include <QColor>
#include <QFontMetricsF>
#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <optional>

namespace zarn {

// The marks every timeline has: the one to see (a prescription, a falta), red dark enough for
// its labels; today, blue.
inline const QColor kAlertMarkColour(0xC0, 0x10, 0x10);
inline const QColor kTodayMarkColour(0x00, 0x4C, 0xB0);

// Every size in proportion to the font's line height.
struct TimelineMeasures {
    // A bar `barInLines` lines high.
    TimelineMeasures(const QFontMetricsF& metrics, qreal barInLines);

    qreal Line;
    qreal Margin;   // round the picture, above the bars
    qreal Gap;      // between labels, between a mark and its label, between lanes
    qreal RowPitch; // from one row of labels under the line to the next
    qreal Pen;
    qreal Bar; // the height of a bar or lane
};

// The width a text takes, rounded up, with a pixel to spare.
qreal TextWidth(const QFontMetricsF& metrics, const QString& text);
// The text as it fits the width: whole, or cut short with an ellipsis.
QString Fitted(const QFontMetricsF& metrics, const QString& text, qreal width);

// The days a picture spans, the day after the last one included.
struct DaySpan {
    DayNumber First = 0;
    DayNumber End = 1;

    void Take(DayNumber day);
    void Take(const std::optional<DayNumber>& day);
    // Where a day falls between left and right; days outside the span at its ends.
    qreal XOf(DayNumber day, qreal left, qreal right) const;
};

// An entry of a legend: its swatch and its text, fitted to the width, and where it goes.
struct LegendPlace {
    QRectF Swatch;
    QRectF Label;
    QString Text;
};

// The legend's entries in order from (left, top), going on to a further row where the
// width ends at `right`; `bottom` gets the bottom of its last row.
QList<LegendPlace> LayOutLegend(const QFontMetricsF& metrics, const TimelineMeasures& m,
                                const QStringList& texts, qreal left, qreal right, qreal top,
                                qreal& bottom);
// The same for a table of entries, each with its Text (Windows-1252).
template <typename Entries>
QList<LegendPlace> LayOutLegendOf(const QFontMetricsF& metrics, const TimelineMeasures& m,
                                  const Entries& entries, qreal left, qreal right, qreal top,
                                  qreal& bottom) {
    QStringList texts;
    for (const auto& entry : entries) {
        texts << ToQString(entry.Text);
    }
    return LayOutLegend(metrics, m, texts, left, right, top, bottom);
}

// The narrowest width that shows the legend's widest entry whole.
template <typename Entries>
int LegendMinimumWidth(const QFontMetricsF& metrics, const TimelineMeasures& m,
                       const Entries& entries) {
    qreal widest = 0;
    for (const auto& entry : entries) {
        widest = std::max(widest, TextWidth(metrics, ToQString(entry.Text)));
    }
    return static_cast<int>(std::ceil(widest + m.Line + 3 * m.Margin));
}

} // namespace zarn
