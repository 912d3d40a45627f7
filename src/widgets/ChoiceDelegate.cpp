#include "widgets/ChoiceDelegate.h"

#include "widgets/ListTableModel.h"

#include <QAbstractItemModel>
#include <QComboBox>

namespace zarn {

ChoiceDelegate::ChoiceDelegate(QObject* parent)
    : QStyledItemDelegate(parent) {}

QWidget* ChoiceDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& /*option*/,
                                      const QModelIndex& index) const {
    auto* choice = new QComboBox(parent);
    choice->addItems(index.data(ListTableModel::kChoicesRole).toStringList());
    choice->setAccessibleName(index.model()->headerData(index.column(), Qt::Horizontal).toString());
    return choice;
}

void ChoiceDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    static_cast<QComboBox*>(editor)->setCurrentIndex(index.data(Qt::EditRole).toInt());
}

void ChoiceDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                  const QModelIndex& index) const {
    model->setData(index, static_cast<QComboBox*>(editor)->currentIndex(), Qt::EditRole);
}

} // namespace zarn
