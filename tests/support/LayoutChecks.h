#pragma once

// What a user sees of a window's layout, checked the same way for every window: no control
// reaches outside the area it sits in, no two controls overlap, no caption is cut, each
// label stands on the left of its field and on its row, and rows read from top to bottom.
// Each check returns what it found wrong, one line each; an empty list when the layout
// holds.

#include "widgets/FormFonts.h"

#include <QAbstractButton>
#include <QLabel>
#include <QList>
#include <QRect>
#include <QStringList>
#include <QWidget>

namespace zarn::testing {

inline QString NameOf(const QWidget* widget) {
    return widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className())
                                          : widget->objectName();
}

// The control's rectangle in the coordinates of `area`.
inline QRect RectIn(const QWidget* area, const QWidget* control) {
    return QRect(control->mapTo(area, QPoint(0, 0)), control->size());
}

inline QStringList ControlsOutside(const QWidget* area, const QList<const QWidget*>& controls) {
    QStringList faults;
    for (const QWidget* control : controls) {
        if (!area->rect().contains(RectIn(area, control))) {
            faults << NameOf(control) + QStringLiteral(" reaches outside ") + NameOf(area);
        }
    }
    return faults;
}

inline QStringList OverlappingControls(const QWidget* area, const QList<const QWidget*>& controls) {
    QStringList faults;
    for (qsizetype i = 0; i < controls.size(); ++i) {
        for (qsizetype j = i + 1; j < controls.size(); ++j) {
            if (RectIn(area, controls[i]).intersects(RectIn(area, controls[j]))) {
                faults << NameOf(controls[i]) + QStringLiteral(" overlaps ") + NameOf(controls[j]);
            }
        }
    }
    return faults;
}

// Labels, buttons and check boxes whose caption the font draws wider than the control.
inline QStringList CutCaptions(const QList<const QWidget*>& controls) {
    QStringList faults;
    for (const QWidget* control : controls) {
        QString caption;
        int room = control->width();
        if (const auto* label = qobject_cast<const QLabel*>(control)) {
            caption = label->text();
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
            caption = button->text();
            room -= button->iconSize().width() * (button->icon().isNull() ? 0 : 1);
        }
        if (!caption.isEmpty() && CaptionWidth(control->font(), caption) > room) {
            faults << NameOf(control) + QStringLiteral(" cuts \"") + caption + QStringLiteral("\"");
        }
    }
    return faults;
}

// Each label ends before its field begins, and the two share a row.
inline QStringList
LabelsBesideTheirFields(const QWidget* area,
                        const QList<QPair<const QWidget*, const QWidget*>>& pairs) {
    QStringList faults;
    for (const auto& [label, field] : pairs) {
        const QRect l = RectIn(area, label);
        const QRect f = RectIn(area, field);
        if (l.right() >= f.left() || l.bottom() < f.top() || l.top() > f.bottom()) {
            faults << NameOf(label) + QStringLiteral(" is not on the left of ") + NameOf(field);
        }
    }
    return faults;
}

// Each row lies wholly below the one before it, and its controls read from left to right.
inline QStringList RowsInReadingOrder(const QWidget* area,
                                      const QList<QList<const QWidget*>>& rows) {
    QStringList faults;
    int previousBottom = -1;
    for (const QList<const QWidget*>& row : rows) {
        int left = -1;
        int bottom = -1;
        for (const QWidget* control : row) {
            const QRect r = RectIn(area, control);
            if (r.top() <= previousBottom) {
                faults << NameOf(control) + QStringLiteral(" is not below the row above it");
            }
            if (r.left() <= left) {
                faults << NameOf(control) + QStringLiteral(" is not right of the one before it");
            }
            left = r.right();
            bottom = std::max(bottom, r.bottom());
        }
        previousBottom = bottom;
    }
    return faults;
}

} // namespace zarn::testing
