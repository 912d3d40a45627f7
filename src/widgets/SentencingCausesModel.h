#pragma once

// The causas de aumento and de diminuição of one crime ("causas") as a table: the name, typed
// freely; whether it increases or decreases, chosen; the fraction the user picks within the
// law's range; and whether it is a cause of the special part (CP art. 68, par. único). A
// fraction the dosimetria would refuse is refused here with its message and kept in its cell
// (ListTableModel); a row without a name is the list's problem until one is given.

#include "sentencing/SentencingInput.h"
#include "widgets/ListTableModel.h"

#include <vector>

namespace zarn {

class SentencingCausesModel : public ListTableModel {
    Q_OBJECT
public:
    enum Column { NameColumn, KindColumn, FractionColumn, SpecialPartColumn };

    explicit SentencingCausesModel(QObject* parent = nullptr);

    // Shows the list; every refused typing is dropped. Not an edit.
    void SetCauses(const std::vector<CauseInput>& causes);
    // The list as its last accepted values give it.
    std::vector<CauseInput> Causes() const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // New rows are causes of increase, with no name and no fraction yet.
    bool insertRows(int row, int count, const QModelIndex& parent = QModelIndex()) override;
    bool removeRows(int row, int count, const QModelIndex& parent = QModelIndex()) override;

    QString FirstProblem() const override;

private:
    struct Row {
        CauseInput Cause;
        RefusedCells Refused;
    };

    QVariant ValueData(const CauseInput& cause, int column, int role) const;
    bool SetName(Row& row, const QModelIndex& index, const QString& text);
    bool SetKind(Row& row, const QModelIndex& index, const QVariant& value);
    bool SetFraction(Row& row, const QModelIndex& index, const QString& text);
    bool SetSpecialPart(Row& row, const QModelIndex& index, bool checked);

    std::vector<Row> m_rows;
};

} // namespace zarn
