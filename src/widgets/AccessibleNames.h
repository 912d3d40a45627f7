#pragma once

// Names for screen readers. A field is announced by the caption beside it ("Pena corporal
// ANOS"), not by its kind ("edit"); controls without a caption get a name of their own.

#include <QString>

class QLabel;
class QWidget;

namespace zarn {

// The name that a caption gives the control beside it: without the "&" that marks its
// shortcut ("&&" stays one "&"), without the closing colon, its blanks run together.
QString AccessibleNameOf(const QString& caption);

// Names the control after the label beside it, and makes the label its buddy so the two
// are also tied together for assistive technology.
void NameAfterLabel(QWidget* control, QLabel* label);

// Names a control of a grid after the caption of its row and that of its column, as they
// read together ("Antes ANOS"): the column's caption alone would name every row alike.
void NameAfterRowAndColumn(QWidget* control, const QLabel* row, const QLabel* column);

} // namespace zarn
