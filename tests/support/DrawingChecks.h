#pragma once

// Checks of a timeline's picture as laid out (widgets/LaidOutPicture.h): the texts of its
// labels, and the labels that leave the picture's area or lie over each other.

#include <QRectF>
#include <QString>
#include <QStringList>

namespace zarn::testing {

template <typename Drawing>
QStringList Texts(const Drawing& drawing) {
    QStringList texts;
    for (const auto& label : drawing.Labels) {
        texts << label.Text;
    }
    return texts;
}

// Labels outside the area or over each other, one line each.
template <typename Drawing>
QStringList LabelFaults(const Drawing& drawing, const QRectF& area) {
    QStringList faults;
    const auto& labels = drawing.Labels;
    for (qsizetype i = 0; i < labels.size(); ++i) {
        const QRectF& rect = labels[i].Rect;
        if (!area.contains(rect)) {
            faults << QStringLiteral("outside: %1 %2,%3 %4x%5 in %6x%7")
                          .arg(labels[i].Text)
                          .arg(rect.x())
                          .arg(rect.y())
                          .arg(rect.width())
                          .arg(rect.height())
                          .arg(area.width())
                          .arg(area.height());
        }
        for (qsizetype j = 0; j < i; ++j) {
            if (rect.intersects(labels[j].Rect)) {
                faults << labels[i].Text + QStringLiteral(" / ") + labels[j].Text;
            }
        }
    }
    return faults;
}

} // namespace zarn::testing
