#pragma once

// The main window's result field: a read-only single-line edit that reports a double-click
// after its own word selection has run.

#include <QLineEdit>

namespace zarn {

class ResultField : public QLineEdit {
    Q_OBJECT
public:
    explicit ResultField(QWidget* parent = nullptr);

    // Selects the whole text with the caret at its start, so that a text wider than the
    // field shows its beginning.
    void SelectAllFromStart();
    // Shows a result or a message: the text, selected whole from its start, and announced
    // to screen readers, which do not read out a change in a field without the focus.
    void ShowReport(const QString& text);

signals:
    void DoubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

} // namespace zarn
