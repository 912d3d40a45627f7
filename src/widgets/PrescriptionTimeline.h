#pragma once

// A prescription answer drawn on a line of time, from the answer alone (and the marcos it
// was asked with, which name the dates): for each crime and kind a lane with its intervals,
// each a box from its first day to its last, shaded up to the share of the period it ran
// (a box that reached the period is shaded whole); the day prescription was or will be
// reached marked in red across its lane and on the line; "hoje" marked by a dashed line.
// Under the line, each marco, each start of a period, each prescription day and today
// have a label with the date and what it is, on further rows where they would meet (see
// HangingLabels.h); labels too wide for the width are shortened with "...". A legend
// names the shading and the marks. Every size follows the font, so the picture reads alike
// at 96 and at 192 dots per inch, and Paint draws it onto any device (a PDF page too).

#include "prescription/PrescriptionInput.h"
#include "prescription/PrescriptionReport.h"
#include "widgets/LaidOutPicture.h"

#include <QColor>
#include <QLineF>
#include <QList>
#include <QRectF>
#include <QString>
#include <optional>
#include <vector>

class QFontMetricsF;
class QPainter;

namespace zarn {

// What the picture holds for one width and font, laid out from the top left before it is
// painted.
struct PrescriptionDrawing {
    enum class Mark { Period, Prescription, Today };
    struct Label {
        QString Text;
        QRectF Rect;
        Mark Kind = Mark::Period;
    };
    // An interval: its frame and the part shaded.
    struct Box {
        QRectF Frame;
        QRectF Shade;
        bool Reached = false;
    };
    // A vertical line: a tick on the line of time and the line down to its label, or the
    // prescription or today across the lanes.
    struct Line {
        QLineF Segment;
        Mark Kind = Mark::Period;
    };
    struct Swatch {
        QRectF Rect;
        Mark Kind = Mark::Period;
    };

    QList<Label> Labels; // the legend, the lanes' titles, then the dates under the line
    QList<Box> Boxes;
    QList<QRectF> Lanes;
    QList<Line> Lines;
    QList<Swatch> Swatches;
    QLineF Axis;
    qreal Height = 0;
};

class PrescriptionTimeline : public LaidOutPicture<PrescriptionDrawing> {
    Q_OBJECT
public:
    explicit PrescriptionTimeline(QWidget* parent = nullptr);

    // Draws the answer; today is read now (dates/Clock.h).
    void SetAnswer(const PrescriptionReport& report, const std::vector<Marco>& marcos);
    // Only the legend.
    void Clear();
    bool HasAnswer() const { return m_report.has_value(); }

    static QColor ColourOf(PrescriptionDrawing::Mark mark);

    QSize minimumSizeHint() const override;

    PrescriptionDrawing Compose(const QFontMetricsF& metrics, qreal width) const override;

protected:
    void PaintLaidOut(QPainter& painter, const PrescriptionDrawing& drawing,
                      const QFontMetricsF& metrics, QPointF origin) const override;

private:
    std::optional<PrescriptionReport> m_report;
    std::vector<Marco> m_marcos;
    DayNumber m_today = 0;
};

} // namespace zarn
