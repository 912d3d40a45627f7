#pragma once

// The convictions of an execution ("condenacoes") as a table, in the order entered (the order
// the imputation falls back on): the process number, the crime, the term (typed as years,
// months and days), the date of the crime, the trânsito em julgado, whether the crime was
// committed during the execution, as a check box, and the facts that set its shares (shown;
// the facts are edited in a facts panel beside the table, through SetFactsAt). An edit that does
// not read is refused and kept in its cell (ListTableModel); what the execution refuses (a term of
// no days, a date after the calculation) it says itself. One row may be the one the main window
// seeded: its facts are the main window's shared facts (Linked).

#include "execution/ExecutionCase.h"
#include "widgets/ListTableModel.h"

#include <vector>

namespace zarn {

class ExecutionConvictionsModel : public ListTableModel {
    Q_OBJECT
public:
    enum Column {
        ProcessoColumn,
        CrimeColumn,
        TermColumn,
        CrimeDateColumn,
        TransitoColumn,
        DuringExecutionColumn,
        NaturezaColumn, // shown only: the facts panel edits it
    };

    explicit ExecutionConvictionsModel(QObject* parent = nullptr);

    // Shows the convictions, none of them linked; every refused typing is dropped.
    void SetConvictions(const std::vector<Conviction>& convictions);
    // The convictions as their last accepted values give them, in the table's order.
    std::vector<Conviction> Convictions() const;

    // The facts of a row (its date of crime and detracao among them); the defaults for no
    // such row.
    CaseFacts FactsAt(int row) const;
    // Sets a row's facts, as a user edit: Edited() where they changed.
    void SetFactsAt(int row, const CaseFacts& facts);
    // Sets a row's term, as a user edit: Edited() where it changed; a refusal in the cell is
    // dropped.
    void SetTermAt(int row, long long termDays);

    // The row whose facts are the shared facts, or -1; it follows its conviction as rows
    // come and go, and is gone with it.
    int LinkedRow() const;
    void SetLinkedRow(int row);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // New convictions are blank: no term, no dates, the default facts.
    bool insertRows(int row, int count, const QModelIndex& parent = QModelIndex()) override;
    bool removeRows(int row, int count, const QModelIndex& parent = QModelIndex()) override;

    QString FirstProblem() const override;

private:
    struct Row {
        Conviction Value;
        RefusedCells Refused;
        bool Linked = false;
    };

    QVariant ValueData(const Conviction& conviction, int column, int role) const;
    bool SetText(Row& row, const QModelIndex& index, const QString& text);
    bool SetDate(Row& row, const QModelIndex& index, const QString& text);
    bool SetTerm(Row& row, const QModelIndex& index, const QStringList& texts);

    std::vector<Row> m_rows;
};

} // namespace zarn
