#include "widgets/NameChoiceDelegate.h"

#include "widgets/ListTableModel.h"

#include <QAbstractItemModel>
#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>

namespace zarn {

NameChoiceDelegate::NameChoiceDelegate(QObject* parent)
    : QStyledItemDelegate(parent) {}

QWidget* NameChoiceDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& /*option*/,
                                          const QModelIndex& index) const {
    auto* choice = new QComboBox(parent);
    choice->setEditable(true);
    // A typed name stays typed: Enter must not add it to the entries or pick another one.
    choice->setInsertPolicy(QComboBox::NoInsert);
    choice->completer()->setCompletionMode(QCompleter::PopupCompletion);
    choice->completer()->setCaseSensitivity(Qt::CaseInsensitive);
    choice->completer()->setFilterMode(Qt::MatchContains);
    choice->addItems(index.data(ListTableModel::kChoicesRole).toStringList());
    choice->setAccessibleName(index.model()->headerData(index.column(), Qt::Horizontal).toString());
    return choice;
}

void NameChoiceDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    auto* choice = static_cast<QComboBox*>(editor);
    const QString text = index.data(Qt::EditRole).toString();
    const int entry = choice->findText(text, Qt::MatchFixedString);
    choice->setCurrentIndex(entry);
    choice->setEditText(text);
}

void NameChoiceDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                      const QModelIndex& index) const {
    model->setData(index, static_cast<QComboBox*>(editor)->currentText(), Qt::EditRole);
}

} // namespace zarn
