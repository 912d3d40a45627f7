#include "widgets/ResultField.h"

#include <QMouseEvent>

namespace zarn {

ResultField::ResultField(QWidget* parent)
    : QLineEdit(parent) {
    setReadOnly(true);
    setMaxLength(32767);
}

void ResultField::mouseDoubleClickEvent(QMouseEvent* event) {
    QLineEdit::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton) {
        emit DoubleClicked();
    }
}

} // namespace zarn
