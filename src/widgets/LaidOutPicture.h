#pragma once

// What the timelines of the analysis windows share: a picture laid out for a width and
// font (a Picture, with the Labels that name what it shows) before it is painted. The widget
// keeps the picture laid out for its present width, lays it out again when its width, font
// or content changes, describes it to screen readers by its labels, takes the height its
// width needs, and paints it onto itself or, laid out for that device, onto any painter (a
// PDF page too).

#include <QFontMetricsF>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QResizeEvent>
#include <QSizePolicy>
#include <QStringList>
#include <QWidget>
#include <cmath>

namespace zarn {

template <typename Picture>
class LaidOutPicture : public QWidget {
public:
    // The picture laid out for a width and font.
    virtual Picture Compose(const QFontMetricsF& metrics, qreal width) const = 0;

    // Draws the picture into the area with the painter's font and pen colour as its ink.
    void Paint(QPainter& painter, const QRectF& area) const {
        const QFontMetricsF metrics(painter.font(), painter.device());
        PaintLaidOut(painter, Compose(metrics, area.width()), metrics, area.topLeft());
    }

    // As laid out for the widget's present width and font (a hidden widget's resize is
    // laid out here, before its resize event comes).
    const Picture& Drawing() const {
        if (m_laidOutWidth != width()) {
            m_laidOut = Compose(QFontMetricsF(font()), width());
            m_laidOutWidth = width();
        }
        return m_laidOut;
    }

    // Ninety average characters wide, and the height of the picture at that width.
    QSize sizeHint() const override {
        const int width = fontMetrics().averageCharWidth() * 90;
        return QSize(width, heightForWidth(width));
    }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override {
        return static_cast<int>(std::ceil(Compose(QFontMetricsF(font()), width).Height));
    }

protected:
    explicit LaidOutPicture(QWidget* parent)
        : QWidget(parent) {
        QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Preferred);
        // A scroll area gives it the height its width needs.
        policy.setHeightForWidth(true);
        setSizePolicy(policy);
    }

    // Paints a picture laid out for the painter's device, its top left at the origin.
    virtual void PaintLaidOut(QPainter& painter, const Picture& drawing,
                              const QFontMetricsF& metrics, QPointF origin) const = 0;

    // The content changed: lays the picture out again and tells screen readers and layouts.
    void LayOut() {
        m_laidOutWidth = -1;
        QStringList texts;
        for (const auto& label : Drawing().Labels) {
            texts << label.Text;
        }
        setAccessibleDescription(texts.join(QStringLiteral("; ")));
        updateGeometry();
        update();
    }

    void paintEvent(QPaintEvent* /*event*/) override {
        QPainter painter(this);
        painter.setFont(font());
        painter.setPen(palette().color(QPalette::WindowText));
        PaintLaidOut(painter, Drawing(), QFontMetricsF(font()), QPointF(0, 0));
    }
    void resizeEvent(QResizeEvent* event) override {
        QWidget::resizeEvent(event);
        LayOut();
    }
    void changeEvent(QEvent* event) override {
        QWidget::changeEvent(event);
        if (event->type() == QEvent::FontChange) {
            LayOut();
        }
    }

private:
    mutable Picture m_laidOut;
    mutable int m_laidOutWidth = -1;
};

} // namespace zarn
