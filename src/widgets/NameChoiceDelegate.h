#pragma once

// Edits a name cell that offers a list of names but takes any other text too: an editable
// combo box whose entries are the cell's ListTableModel::kChoicesRole (a QStringList) and whose
// text starts as the cell's edit value. What the box holds goes back to the model as text,
// for the model to take or refuse.

#include <QStyledItemDelegate>

namespace zarn {

class NameChoiceDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit NameChoiceDelegate(QObject* parent = nullptr);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
};

} // namespace zarn
