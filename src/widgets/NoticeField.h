#pragma once

// The main window's notice line: a single-line edit that only shows a fixed line (disabled,
// never focused). Screen readers are told it is a line of text, not a field to edit.

#include <QLineEdit>

namespace zarn {

class NoticeField : public QLineEdit {
    Q_OBJECT
public:
    explicit NoticeField(const QString& text, QWidget* parent = nullptr);
};

} // namespace zarn
