#pragma once

// The marcos of a prescription analysis ("prescricao.marcos") as a table of their kind and
// date, always in the order of their dates: a marco whose date is set goes to its place
// among the others, after those of the same day, and a new marco, which has no date yet,
// waits at the end. A marco without a date is not given to the analysis; FirstProblem()
// asks for its date.

#include "prescription/PrescriptionInput.h"
#include "widgets/ListTableModel.h"

#include <optional>
#include <vector>

namespace zarn {

class PrescriptionMarcosModel : public ListTableModel {
    Q_OBJECT
public:
    enum Column { KindColumn, DateColumn };

    explicit PrescriptionMarcosModel(QObject* parent = nullptr);

    // Shows the marcos in the order of their dates, the given order kept within a day.
    void SetMarcos(const std::vector<Marco>& marcos);
    // The marcos that have a date, in order.
    std::vector<Marco> Marcos() const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // The kind by its place in kMarcoKindNames (an int); the date as its text.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Only at the end, where marcos without a date stand: each new one of the kind after the
    // last marco's, the first of all a recebimento da denuncia.
    bool insertRows(int row, int count, const QModelIndex& parent = QModelIndex()) override;
    bool removeRows(int row, int count, const QModelIndex& parent = QModelIndex()) override;

    QString FirstProblem() const override;

private:
    struct Row {
        MarcoKind Kind = MarcoKind::RecebimentoDenuncia;
        std::optional<DayNumber> Date;
        RefusedCells Refused;
    };

    bool SetKind(Row& row, const QModelIndex& index, const QVariant& value);
    bool SetDate(int row, const QModelIndex& index, const QString& text);
    // Moves a row whose date changed to its place in the order.
    void KeepInOrder(int row);

    std::vector<Row> m_rows;
};

} // namespace zarn
