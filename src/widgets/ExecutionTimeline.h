#pragma once

// The dates of a term's execution drawn across the widget's width: one bar from the start to
// the last day, coloured by regime, the start and the last day labelled at its ends, and a
// tick with a label (the date and what it is) for each progression and for parole. Labels
// that would run into each other go on further rows under the bar, each tied to its tick by
// a line that crosses no other label. A legend names the three colours. Every size follows
// the widget's font, so the timeline reads alike at 96 and at 192 dots per inch.

#include "law/ExecutionDates.h"

#include <QColor>
#include <QList>
#include <QRect>
#include <QString>
#include <QWidget>
#include <optional>

namespace zarn {

// One text the timeline drew and its place in the widget.
struct TimelineLabel {
    QString Text;
    QRect Rect;
};

// What the timeline draws for one width and font, laid out before it is painted.
struct TimelineDrawing {
    // A stretch of the bar in one regime.
    struct Segment {
        QRect Rect;
        Regime Kind;
    };
    // A progression or parole: its tick across the bar and the line down to its label.
    struct Tick {
        int X;
        int Top;
        int Bottom;
        bool Parole;
    };
    // A colour of the legend.
    struct Swatch {
        QRect Rect;
        Regime Kind;
    };

    QList<TimelineLabel> Labels;
    QRect Bar;
    QList<Segment> Segments;
    QList<Tick> Ticks;
    QList<Swatch> Swatches;
    int Height = 0;
};

class ExecutionTimeline : public QWidget {
    Q_OBJECT
public:
    explicit ExecutionTimeline(QWidget* parent = nullptr);

    // Draws the dates; Clear leaves the legend alone.
    void SetDates(const ExecutionDates& dates);
    void Clear();
    bool HasDates() const { return m_dates.has_value(); }

    // The texts as they are laid out for the present size and font: the legend's names, the
    // start and the last day, then each progression and parole.
    const QList<TimelineLabel>& Labels() const { return m_drawing.Labels; }
    // The bar; empty without dates.
    QRect BarRect() const { return m_drawing.Bar; }

    // The bar's colour for a regime: dark for fechado, middle for semiaberto, light for
    // aberto, so the regimes tell apart in grey and without telling red from green.
    static QColor RegimeColour(Regime regime);

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void LayOut();

    std::optional<ExecutionDates> m_dates;
    TimelineDrawing m_drawing;
};

} // namespace zarn
