#pragma once

// The crimes of a prescription analysis ("prescricao.crimes") as a table: the description,
// the date of the fact, the start of the period where art. 111 IV or V sets another, the
// maximum and the applied penalty (each typed as years, months and days), and the two
// facts that change the period, repeat offending and sexual violence against a woman, as
// check boxes. An edit that does not read is refused and kept in its cell (ListTableModel);
// what the analysis refuses (a missing date, a term of no days) it says itself.

#include "prescription/PrescriptionInput.h"
#include "widgets/ListTableModel.h"

#include <vector>

namespace zarn {

class PrescriptionCrimesModel : public ListTableModel {
    Q_OBJECT
public:
    enum Column {
        DescriptionColumn,
        FactColumn,
        PeriodStartColumn,
        MaximumColumn,
        AppliedColumn,
        RepeatOffenderColumn,
        SexualViolenceColumn,
    };

    explicit PrescriptionCrimesModel(QObject* parent = nullptr);

    // Shows the crimes; every refused typing is dropped.
    void SetCrimes(const std::vector<PrescriptionCrime>& crimes);
    // The crimes as their last accepted values give them, in the table's order.
    std::vector<PrescriptionCrime> Crimes() const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // New crimes are blank: no dates, no terms, no facts.
    bool insertRows(int row, int count, const QModelIndex& parent = QModelIndex()) override;
    bool removeRows(int row, int count, const QModelIndex& parent = QModelIndex()) override;

    QString FirstProblem() const override;

private:
    struct Row {
        PrescriptionCrime Crime;
        RefusedCells Refused;
    };

    QVariant ValueData(const PrescriptionCrime& crime, int column, int role) const;
    bool SetDescription(Row& row, const QModelIndex& index, const QString& text);
    bool SetDate(Row& row, const QModelIndex& index, const QString& text);
    bool SetTerm(Row& row, const QModelIndex& index, const QStringList& texts);
    bool SetFlag(Row& row, const QModelIndex& index, bool checked);

    std::vector<Row> m_rows;
};

} // namespace zarn
