#pragma once

// The crimes of a dosimetria ("dosimetria.crimes") as a table: each crime's description,
// which the user types here, and its range, which the crime's own fields set and this table
// only shows. The crimes are the library's own input structs, kept whole, so that the window
// reads the dosimetria's input from here. A description with a character the program cannot
// keep is refused and kept in its cell (ListTableModel).

#include "sentencing/SentencingInput.h"
#include "widgets/ListTableModel.h"

#include <vector>

namespace zarn {

class SentencingCrimesModel : public ListTableModel {
    Q_OBJECT
public:
    enum Column { DescriptionColumn, MinimumColumn, MaximumColumn };

    explicit SentencingCrimesModel(QObject* parent = nullptr);

    // Shows the crimes; every refused typing is dropped. Not an edit: Edited() is not emitted.
    void SetCrimes(const std::vector<CrimeInput>& crimes);
    // The crimes as their last accepted values give them, in the table's order.
    std::vector<CrimeInput> Crimes() const;
    const CrimeInput& CrimeAt(int row) const;
    // The crime as its own fields now give it; the row shows it. Not an edit of the list.
    void UpdateCrime(int row, const CrimeInput& crime);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // New crimes have no description and no range yet.
    bool insertRows(int row, int count, const QModelIndex& parent = QModelIndex()) override;
    bool removeRows(int row, int count, const QModelIndex& parent = QModelIndex()) override;

    QString FirstProblem() const override;

private:
    struct Row {
        CrimeInput Crime;
        RefusedCells Refused;
    };

    std::vector<Row> m_rows;
};

} // namespace zarn
