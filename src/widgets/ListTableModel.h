#pragma once

// What the table models of a case's lists share (the crimes, marcos and suspensions of a
// prescription, and lists like them): their columns with the case document's keys and the
// captions a window shows, the places their messages name ("Marcos, linha 2, Data"), and
// the cells that hold typing the model refused. A refused cell keeps what was typed: it is
// shown in red with its message, and editing it again starts from it, so nothing typed is
// lost; the list's item keeps its last good value meanwhile, and FirstProblem() says what
// is still wrong. Edits come only through setData, insertRows and removeRows, each of which
// emits Edited(); loading a list does not.

#include <QAbstractTableModel>
#include <QString>
#include <QVariant>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zarn {

// A column: the key of its field in the case document and its caption (Windows-1252).
struct ListColumn {
    std::string_view Key;
    std::string_view Caption;
};

// What was typed into a cell and refused, with the message that says why.
struct RefusedCell {
    QVariant Typed;
    QString Message;
};
// The refused cells of one row, by column.
using RefusedCells = std::map<int, RefusedCell>;

class ListTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // The entries a cell edited by choosing offers (a QStringList), for ChoiceDelegate.
    static constexpr int kChoicesRole = Qt::UserRole + 1;

    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // "Marcos", as the messages name the list.
    QString ListName() const;
    // "Marcos, linha 2, Data"; without a column, "Marcos, linha 2".
    QString PlaceOf(int row, int column = -1) const;
    // A message of the analysis with the list's document places ("prescricao.marcos[1]",
    // "prescricao.crimes[0].data_fato") written as the table names them.
    QString WithPlaceNames(QString message) const;

    // The first cell holding refused typing, or the first item the list cannot give without
    // a value, as "place: message"; empty when the list is whole.
    virtual QString FirstProblem() const = 0;

signals:
    // A value was refused; the message names its place.
    void Refused(const QString& message);
    // The user changed the list: a value, a row added or removed.
    void Edited();

protected:
    ListTableModel(std::string_view documentKey, std::string_view listName,
                   std::span<const ListColumn> columns, QObject* parent);

    // A cell of this table: a valid index of the model (checked) at the top level.
    bool IsCell(const QModelIndex& index) const;
    // What a refused cell shows for a role; nothing when the cell holds no refusal.
    static QVariant RefusedData(const RefusedCells& refused, int column, int role);
    // Keeps the typing and its message in the cell and tells the view and the listeners;
    // false, the value refused.
    bool Refuse(RefusedCells& refused, const QModelIndex& index, const QVariant& typed,
                const QString& message);
    // The cell took its value: any refusal it held is gone. Emits Edited().
    void Accept(RefusedCells& refused, const QModelIndex& index);
    // The first refusal of a row, as "place: message".
    QString FirstRefusalOf(const RefusedCells& refused, int row) const;
    // Keeps a value read from a cell: nothing changes while the cell already holds it and no
    // refusal; otherwise the value is kept and the cell accepted (Accept). True.
    template <typename Value, typename Read>
    bool StoreCell(Value& kept, const Read& read, RefusedCells& refused, const QModelIndex& index) {
        if (kept == read && !refused.contains(index.column())) {
            return true;
        }
        kept = read;
        Accept(refused, index);
        return true;
    }
    // Keeps the text typed into a cell, or refuses it for a character a case cannot store.
    bool StoreTextCell(std::string& kept, const QString& text, RefusedCells& refused,
                       const QModelIndex& index);
    // "place: message" for a cell that a list item cannot go without.
    QString MissingAt(int row, int column, std::string_view message) const;

    // The rows of a list as the model edits them, each edit emitting Edited(); false for a
    // range outside the list. Rows are made one at a time by `make`, so a row may follow
    // the one before it.
    template <typename Row, typename Make>
    bool InsertListRows(std::vector<Row>& rows, int row, int count, const QModelIndex& parent,
                        Make make) {
        if (parent.isValid() || row < 0 || row > static_cast<int>(rows.size()) || count < 1) {
            return false;
        }
        beginInsertRows(QModelIndex(), row, row + count - 1);
        for (int i = 0; i < count; ++i) {
            rows.insert(rows.begin() + row + i, make());
        }
        endInsertRows();
        emit Edited();
        return true;
    }
    template <typename Row>
    bool InsertListRows(std::vector<Row>& rows, int row, int count, const QModelIndex& parent) {
        return InsertListRows(rows, row, count, parent, [] { return Row{}; });
    }
    template <typename Row>
    bool RemoveListRows(std::vector<Row>& rows, int row, int count, const QModelIndex& parent) {
        if (parent.isValid() || row < 0 || count < 1 ||
            row + count > static_cast<int>(rows.size())) {
            return false;
        }
        beginRemoveRows(QModelIndex(), row, row + count - 1);
        rows.erase(rows.begin() + row, rows.begin() + row + count);
        endRemoveRows();
        emit Edited();
        return true;
    }
    // The first problem of the rows, in their order: a cell's refusal, or else what
    // `missing(row, index)` says the row lacks ("place: message", empty when nothing).
    template <typename Row, typename Missing>
    QString FirstProblemOf(const std::vector<Row>& rows, Missing missing) const {
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const int index = static_cast<int>(i);
            QString problem = FirstRefusalOf(rows[i].Refused, index);
            if (problem.isEmpty()) {
                problem = missing(rows[i], index);
            }
            if (!problem.isEmpty()) {
                return problem;
            }
        }
        return {};
    }
    template <typename Row>
    QString FirstProblemOf(const std::vector<Row>& rows) const {
        return FirstProblemOf(rows, [](const Row&, int) { return QString(); });
    }

private:
    std::string_view m_documentKey;
    QString m_listName;
    std::span<const ListColumn> m_columns;
};

} // namespace zarn
