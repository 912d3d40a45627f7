#pragma once

// The periods of serving of an execution ("periodos") as a table of their first day, their
// last day (empty: still serving at the date of the calculation) and a description, always in
// the order of their first days (DatedRowOrder.h); a new period, which has no first day yet,
// waits at the end. A period without its first day is not given to the execution;
// FirstProblem() asks for it. Overlaps and ends before starts are the execution's to refuse.

#include "execution/ExecutionCase.h"
#include "widgets/ListTableModel.h"

#include <optional>
#include <vector>

namespace zarn {

class ExecutionPeriodsModel : public ListTableModel {
    Q_OBJECT
public:
    enum Column { StartColumn, EndColumn, DescriptionColumn };

    explicit ExecutionPeriodsModel(QObject* parent = nullptr);

    // Shows the periods in the order of their first days, the given order kept within a day.
    void SetPeriods(const std::vector<ServingPeriod>& periods);
    // The periods that have a first day, in order.
    std::vector<ServingPeriod> Periods() const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Only at the end, where periods without a first day stand.
    bool insertRows(int row, int count, const QModelIndex& parent = QModelIndex()) override;
    bool removeRows(int row, int count, const QModelIndex& parent = QModelIndex()) override;

    QString FirstProblem() const override;

private:
    struct Row {
        std::optional<DayNumber> Start;
        std::optional<DayNumber> End;
        std::string Description;
        RefusedCells Refused;
    };

    bool SetDate(int row, const QModelIndex& index, const QString& text);
    bool SetDescription(Row& row, const QModelIndex& index, const QString& text);
    void KeepInOrder(int row);

    std::vector<Row> m_rows;
};

} // namespace zarn
