#include "widgets/TermDelegate.h"

#include "widgets/TermEditor.h"

#include <QAbstractItemModel>

namespace zarn {

TermDelegate::TermDelegate(QObject* parent)
    : QStyledItemDelegate(parent) {}

QWidget* TermDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& /*option*/,
                                    const QModelIndex& index) const {
    auto* editor = new TermEditor(parent);
    editor->setAccessibleName(index.model()->headerData(index.column(), Qt::Horizontal).toString());
    return editor;
}

void TermDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    static_cast<TermEditor*>(editor)->SetTexts(index.data(Qt::EditRole).toStringList());
}

void TermDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                const QModelIndex& index) const {
    model->setData(index, static_cast<TermEditor*>(editor)->Texts(), Qt::EditRole);
}

QSize TermDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    // An editor is measured once for each font the cells are drawn in.
    if (m_editorSize.isEmpty() || m_measuredFont != option.font) {
        TermEditor probe;
        probe.setFont(option.font);
        m_editorSize = probe.sizeHint();
        m_measuredFont = option.font;
    }
    return QStyledItemDelegate::sizeHint(option, index).expandedTo(m_editorSize);
}

} // namespace zarn
