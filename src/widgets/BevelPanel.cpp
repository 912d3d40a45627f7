#include "widgets/BevelPanel.h"

#include <QPainter>
#include <QPalette>

namespace zarn {
namespace {

// One rectangle outline: top and left edges in one colour, bottom and right in the other.
void DrawBevel(QPainter& p, const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
    p.setPen(topLeft);
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(bottomRight);
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
}

} // namespace

BevelPanel::BevelPanel(QWidget* parent)
    : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
}

void BevelPanel::paintEvent(QPaintEvent* /*event*/) {
    QPainter p(this);
    const QColor shadow = palette().color(QPalette::Dark);
    const QColor light = palette().color(QPalette::Light);
    const QRect outer = rect().adjusted(0, 0, -1, -1);
    DrawBevel(p, outer, shadow, light);                        // lowered
    DrawBevel(p, outer.adjusted(1, 1, -1, -1), light, shadow); // raised
}

} // namespace zarn
