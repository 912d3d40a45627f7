#pragma once

// A list a user edits in a table: the table over a ListTableModel, the buttons that add and
// remove a row, and a message line under them that says what in the list is still wrong
// (ListTableModel::FirstProblem). Keys in the table: Insert adds a row, Delete removes the
// selected rows (or the current one), Enter edits the current cell or switches its check
// box; typing in a cell starts editing it, F2 too. Tab leaves the table for the next
// control; inside an editor it goes on to the next cell.

#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>

class QLabel;
class QPushButton;
class QTableView;

namespace zarn {

class ListTableModel;

class EditableTable : public QWidget {
    Q_OBJECT
public:
    // `item` names one row for the buttons' screen-reader names ("crime": "Adicionar
    // crime"). The model belongs to the caller.
    EditableTable(ListTableModel* model, const QString& item, QWidget* parent = nullptr);
    ~EditableTable() override;

    ListTableModel* Model() const { return m_model; }

    // A row added at the end, its first cell current, the keyboard in the table.
    void AddRow();
    // The rows of the selection, or the current row where nothing is selected; the row that
    // takes the first one's place becomes current.
    void RemoveSelectedRows();

    // The table, then the two buttons.
    QList<QWidget*> TabOrder() const;

    // The columns to their contents, filling the table's width (as after a row is added or
    // the table resized); for a window whose cells' contents change their widths.
    void FitColumns();

    QTableView* View = nullptr;
    QPushButton* AddButton = nullptr;
    QPushButton* RemoveButton = nullptr;
    QLabel* MessageLine = nullptr; // empty while the list is whole

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowProblem();
    bool HandleTableKey(int key);

    QPointer<ListTableModel> m_model; // it may go first
};

} // namespace zarn
