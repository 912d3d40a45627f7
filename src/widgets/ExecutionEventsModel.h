#pragma once

// The dated events of an execution ("eventos") as a table, always in the order of their dates
// (DatedRowOrder.h): the kind, the date, the quantity the kind takes (the days of remicao a
// falta grave takes away; the days, days of work, hours of study or books of a remicao; the
// hours of night confinement), the regime of a progression or regression, and a description.
// Each form of remicao is a kind of its own here, so that one quantity column holds what the
// case document keeps under several keys. A cell the kind does not use is empty and cannot be
// edited. An event without its date is not given to the execution, and FirstProblem() asks for
// it, as for a quantity the kind needs.

#include "execution/ExecutionCase.h"
#include "widgets/ListTableModel.h"

#include <optional>
#include <vector>

namespace zarn {

class ExecutionEventsModel : public ListTableModel {
    Q_OBJECT
public:
    enum Column { KindColumn, DateColumn, AmountColumn, RegimeColumn, DescriptionColumn };

    // The kinds the table offers, in their order (the kind column's edit value).
    enum Form {
        FaltaGraveForm,
        FugaForm,
        RemicaoDaysForm,
        RemicaoWorkForm,
        RemicaoStudyForm,
        RemicaoStudyCompletedForm,
        RemicaoBooksForm,
        NightConfinementForm,
        ProgressionForm,
        RegressionForm,
    };

    explicit ExecutionEventsModel(QObject* parent = nullptr);

    // Shows the events in the order of their dates, the given order kept within a day.
    void SetEvents(const std::vector<ExecutionEvent>& events);
    // The events that have a date, in order.
    std::vector<ExecutionEvent> Events() const;

    // A message of the execution with the events' places written as the table names them:
    // each key of a quantity ("eventos[1].trabalho_dias") is the quantity's column.
    QString WithEventPlaceNames(const QString& message) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // The kind and the regime by their places in their lists (an int); the date, the
    // quantity and the description as texts.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Only at the end, where events without a date stand: each new one a falta grave.
    bool insertRows(int row, int count, const QModelIndex& parent = QModelIndex()) override;
    bool removeRows(int row, int count, const QModelIndex& parent = QModelIndex()) override;

    QString FirstProblem() const override;

private:
    struct Row {
        Form Kind = FaltaGraveForm;
        std::optional<DayNumber> Date;
        std::optional<long long> Amount;
        std::optional<Regime> To;
        std::string Description;
        RefusedCells Refused;
    };

    static bool Uses(const Row& row, int column);
    QVariant ValueData(const Row& row, int column, int role) const;
    bool SetKind(Row& row, const QModelIndex& index, const QVariant& value);
    bool SetDate(int row, const QModelIndex& index, const QString& text);
    bool SetAmount(Row& row, const QModelIndex& index, const QString& text);
    bool SetRegime(Row& row, const QModelIndex& index, const QVariant& value);
    bool SetDescription(Row& row, const QModelIndex& index, const QString& text);
    void KeepInOrder(int row);

    std::vector<Row> m_rows;
};

} // namespace zarn
