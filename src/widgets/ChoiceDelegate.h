#pragma once

// Edits a cell that holds one of a list of entries in a combo box: the entries are the
// cell's ListTableModel::kChoicesRole (a QStringList), its edit value the place of the one
// chosen (an int).

#include <QStyledItemDelegate>

namespace zarn {

class ChoiceDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit ChoiceDelegate(QObject* parent = nullptr);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
};

} // namespace zarn
