#include "widgets/ResultField.h"

#include "widgets/Announcement.h"

#include <QMouseEvent>

namespace zarn {

ResultField::ResultField(QWidget* parent)
    : QLineEdit(parent) {
    setReadOnly(true);
    setMaxLength(32767);
}

void ResultField::SelectAllFromStart() {
    const int length = static_cast<int>(text().size());
    setSelection(length, -length);
}

void ResultField::ShowReport(const QString& text) {
    setText(text);
    SelectAllFromStart();
    AnnounceText(this, text);
}

void ResultField::mouseDoubleClickEvent(QMouseEvent* event) {
    QLineEdit::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton) {
        emit DoubleClicked();
    }
}

} // namespace zarn
