#pragma once

// Edits a term cell of a table in a TermEditor: years, months and days as the main window
// types them. The cell's edit value is the three texts (a QStringList); what was typed goes
// back to the model as it is, and the model reads it with the calculator's rules
// (CellValues.h) or refuses it.

#include <QFont>
#include <QSize>
#include <QStyledItemDelegate>

namespace zarn {

class TermDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit TermDelegate(QObject* parent = nullptr);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
    // Wide and tall enough for the editor.
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    mutable QFont m_measuredFont;
    mutable QSize m_editorSize;
};

} // namespace zarn
