#pragma once

// Edits a date cell of a table in the calendar's masked date field (dd/mm/aaaa). The cell's
// edit value is the date's text ("05/05/2014", or empty); the field's text goes back to the
// model as it was typed, and the model reads it (CellValues.h) or refuses it.

#include <QStyledItemDelegate>

namespace zarn {

class DateDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit DateDelegate(QObject* parent = nullptr);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
    // Wide enough for the field.
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

} // namespace zarn
