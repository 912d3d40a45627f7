#pragma once

// The dates of a term's execution drawn across the widget's width: one bar from the start to
// the last day, coloured by regime, the start and the last day labelled at its ends, and a
// tick with a label (the date and what it is) for each progression, for parole, for the end
// of serving where the cap of art. 75 holds it (law.md 11), and for today while the term
// runs. Labels that would run into each other go on further rows under the bar, each tied
// to its tick by a line that crosses no other label. A term served in full by its
// deductions draws no dates and says so. A legend names the three colours. Every size
// follows the widget's font, so the timeline reads alike at 96 and at 192 dots per inch.

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
    // What a tick marks; each kind is drawn with a line of its own.
    enum class MarkKind { Progression, Parole, Cap, Today };
    // A mark: its tick across the bar and the line down to its label.
    struct Tick {
        int X;
        int Top;
        int Bottom;
        MarkKind Kind;
    };
    // A colour of the legend.
    struct Swatch {
        QRect Rect;
        Regime Kind;
    };

    QList<TimelineLabel> Labels;
    QRect Bar;
    // The stretch of the bar after the end of serving where art. 75 caps it, hatched.
    QRect BeyondCap;
    QList<Segment> Segments;
    QList<Tick> Ticks;
    QList<Swatch> Swatches;
    int Height = 0;
};

class ExecutionTimeline : public QWidget {
    Q_OBJECT
public:
    explicit ExecutionTimeline(QWidget* parent = nullptr);

    // Draws the dates, today's (dates/Clock) as it is now among them; Clear leaves the
    // legend alone.
    void SetDates(const ExecutionDates& dates);
    void Clear();
    bool HasDates() const { return m_dates.has_value(); }

    // The texts as they are laid out for the present size and font: the legend's names, the
    // start and the last day, then each progression, parole, the capped end and today; for a
    // term served in full, the legend's names and the words that say so.
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
    DayNumber m_today = 0;
    TimelineDrawing m_drawing;
};

} // namespace zarn
