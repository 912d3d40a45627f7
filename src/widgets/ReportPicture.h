#pragma once

// A picture a report draws among its text, in vectors: the height it takes for a width
// and the report's font, and the painting into the place the text layout gives it. The
// timelines of the analysis windows supply both (their Paint draws with the painter's
// font, so the picture follows the report's font and the page's resolution).

#include <QtGlobal>
#include <functional>

class QFontMetricsF;
class QPainter;
class QRectF;

namespace zarn {

struct ReportPicture {
    // In the units of the device the report is laid out for. Without it the picture takes
    // kDefaultLines lines of the report's font.
    std::function<qreal(const QFontMetricsF& metrics, qreal width)> Height;
    std::function<void(QPainter& painter, const QRectF& area)> Paint;

    static constexpr int kDefaultLines = 8;

    bool Empty() const { return !Paint; }
};

} // namespace zarn
