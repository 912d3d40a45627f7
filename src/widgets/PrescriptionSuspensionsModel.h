#pragma once

// The suspensions of a prescription analysis ("prescricao.suspensoes") as a table of their
// kind, first day and last day; an empty last day means still suspended at the date of the
// calculation. A suspension without its first day is not given to the analysis;
// FirstProblem() asks for it.

#include "prescription/PrescriptionInput.h"
#include "widgets/ListTableModel.h"

#include <optional>
#include <vector>

namespace zarn {

class PrescriptionSuspensionsModel : public ListTableModel {
    Q_OBJECT
public:
    enum Column { KindColumn, StartColumn, EndColumn };

    explicit PrescriptionSuspensionsModel(QObject* parent = nullptr);

    void SetSuspensions(const std::vector<Suspension>& suspensions);
    // The suspensions that have a first day, in the table's order.
    std::vector<Suspension> Suspensions() const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // The kind by its place in kSuspensionKindNames (an int); the dates as their texts.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // New suspensions are of the first kind, without dates.
    bool insertRows(int row, int count, const QModelIndex& parent = QModelIndex()) override;
    bool removeRows(int row, int count, const QModelIndex& parent = QModelIndex()) override;

    QString FirstProblem() const override;

private:
    struct Row {
        SuspensionKind Kind = SuspensionKind::Art116IAndII;
        std::optional<DayNumber> Start;
        std::optional<DayNumber> End;
        RefusedCells Refused;
    };

    bool SetKind(Row& row, const QModelIndex& index, const QVariant& value);
    bool SetDate(Row& row, const QModelIndex& index, const QString& text);

    std::vector<Row> m_rows;
};

} // namespace zarn
