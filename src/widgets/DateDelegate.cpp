#include "widgets/DateDelegate.h"

#include "widgets/FormLayout.h"
#include "widgets/MaskedField.h"
#include "widgets/QtText.h"

#include <QAbstractItemModel>
#include <algorithm>

namespace zarn {
namespace {

// The widest date the field shows, with room for its caret.
constexpr const char* kWidestDate = "00/00/00000";

// The caption of the cell's column, which names the field for a screen reader.
QString ColumnCaption(const QModelIndex& index) {
    return index.model()->headerData(index.column(), Qt::Horizontal).toString();
}

} // namespace

DateDelegate::DateDelegate(QObject* parent)
    : QStyledItemDelegate(parent) {}

QWidget* DateDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& /*option*/,
                                    const QModelIndex& index) const {
    MaskedField* field = NewMaskedField(parent, kDateFieldSetup);
    field->setFrame(false);
    field->setAccessibleName(ColumnCaption(index));
    return field;
}

void DateDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    auto* field = static_cast<MaskedField*>(editor);
    field->SetText(ToCp1252(index.data(Qt::EditRole).toString()));
    field->SetCaretToStart();
}

void DateDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                const QModelIndex& index) const {
    model->setData(index, ToQString(static_cast<MaskedField*>(editor)->Text()), Qt::EditRole);
}

QSize DateDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    const int field = option.fontMetrics.horizontalAdvance(QString::fromLatin1(kWidestDate)) +
                      2 * option.fontMetrics.averageCharWidth();
    size.setWidth(std::max(size.width(), field));
    return size;
}

} // namespace zarn
