#pragma once

// The main window's result field: a read-only single-line edit that reports a double-click
// after its own word selection has run.

#include <QLineEdit>

namespace zarn {

class ResultField : public QLineEdit {
    Q_OBJECT
public:
    explicit ResultField(QWidget* parent = nullptr);

signals:
    void DoubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

} // namespace zarn
