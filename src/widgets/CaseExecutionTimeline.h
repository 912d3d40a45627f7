#pragma once

// An execution of several convictions drawn on a line of time from its answer alone
// (execution/ExecutionAnswer.h): the periods of serving as a bar coloured by regime, the part
// projected past the date of the calculation lighter and hatched, the gaps between periods
// left as gaps (a dashed line through them), each falta grave and escape marked in red across
// the bar, and the stretch after the end of serving under art. 75 cross-hatched. Under the bar,
// the first day, the data-base, each progression, parole, the end of the term, the end under
// art. 75, the faltas, the date of the calculation and today each have a label with the date
// and what it is, on further rows where they would meet (HangingLabels.h); labels too wide
// for the width are shortened with "...". A legend names the colours and the marks. Every
// size follows the font, so the picture reads alike at 96 and at 192 dots per inch, and
// Paint draws it onto any device (a PDF page too).

#include "execution/ExecutionAnswer.h"
#include "widgets/LaidOutPicture.h"

#include <QColor>
#include <QLineF>
#include <QList>
#include <QRectF>
#include <QString>
#include <optional>

class QFontMetricsF;
class QPainter;

namespace zarn {

// What the picture holds for one width and font, laid out from the top left before it is
// painted.
struct CaseExecutionDrawing {
    enum class Mark { Date, Falta, Today };
    struct Label {
        QString Text;
        QRectF Rect;
        Mark Kind = Mark::Date;
    };
    // A stretch of serving in one regime.
    struct Segment {
        QRectF Rect;
        Regime In = Regime::Fechado;
        bool Projected = false;
    };
    // A tick across the bar and the line down to its label, or a falta across the bar.
    struct Line {
        QLineF Segment;
        Mark Kind = Mark::Date;
    };
    // An entry of the legend.
    enum class Entry { Fechado, Semiaberto, Aberto, Projected, Gap, Falta };
    struct Swatch {
        QRectF Rect;
        Entry Kind = Entry::Fechado;
    };

    QList<Label> Labels; // the legend's names, then the dates under the bar
    QList<Segment> Segments;
    QList<QLineF> Gaps; // through the bar where serving stopped
    QRectF BeyondCap;   // after the end of serving under art. 75
    QList<Line> Lines;
    QList<Swatch> Swatches;
    QRectF Bar;
    qreal Height = 0;
};

class CaseExecutionTimeline : public LaidOutPicture<CaseExecutionDrawing> {
    Q_OBJECT
public:
    explicit CaseExecutionTimeline(QWidget* parent = nullptr);

    // Draws the answer; today is read now (dates/Clock.h).
    void SetAnswer(const CaseExecutionAnswer& answer);
    // Only the legend.
    void Clear();
    bool HasAnswer() const { return m_answer.has_value(); }

    static QColor ColourOf(CaseExecutionDrawing::Mark mark);
    // Dark, middle and light, so the regimes also read apart in grey.
    static QColor RegimeColour(Regime regime);

    QSize minimumSizeHint() const override;

    CaseExecutionDrawing Compose(const QFontMetricsF& metrics, qreal width) const override;

protected:
    void PaintLaidOut(QPainter& painter, const CaseExecutionDrawing& drawing,
                      const QFontMetricsF& metrics, QPointF origin) const override;

private:
    std::optional<CaseExecutionAnswer> m_answer;
    DayNumber m_today = 0;
};

} // namespace zarn
