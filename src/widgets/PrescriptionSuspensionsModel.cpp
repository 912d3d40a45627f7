#include "widgets/PrescriptionSuspensionsModel.h"

#include "prescription/PrescriptionNames.h"
#include "widgets/CellValues.h"
#include "widgets/QtText.h"

#include <QStringList>
#include <array>

namespace zarn {
namespace {

constexpr std::array kSuspensionColumns{
    ListColumn{"tipo", "Tipo"},
    ListColumn{"inicio", "In\xED"
                         "cio"},
    ListColumn{"fim", "Fim"},
};

constexpr std::string_view kMissingStartMessage = "informe o in\xED"
                                                  "cio.";

QStringList SuspensionKindChoices() {
    QStringList choices;
    for (const auto& name : kSuspensionKindNames) {
        choices << ToQString(name.Display);
    }
    return choices;
}

} // namespace

PrescriptionSuspensionsModel::PrescriptionSuspensionsModel(QObject* parent)
    : ListTableModel("prescricao.suspensoes",
                     "Suspens\xF5"
                     "es",
                     kSuspensionColumns, parent) {}

void PrescriptionSuspensionsModel::SetSuspensions(const std::vector<Suspension>& suspensions) {
    beginResetModel();
    m_rows.clear();
    for (const Suspension& suspension : suspensions) {
        m_rows.push_back({suspension.Kind, suspension.Start, suspension.End, {}});
    }
    endResetModel();
}

std::vector<Suspension> PrescriptionSuspensionsModel::Suspensions() const {
    std::vector<Suspension> suspensions;
    for (const Row& row : m_rows) {
        if (row.Start) {
            suspensions.push_back({row.Kind, *row.Start, row.End});
        }
    }
    return suspensions;
}

int PrescriptionSuspensionsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

QVariant PrescriptionSuspensionsModel::data(const QModelIndex& index, int role) const {
    if (!IsCell(index)) {
        return {};
    }
    const Row& row = m_rows[static_cast<std::size_t>(index.row())];
    if (row.Refused.contains(index.column())) {
        return RefusedData(row.Refused, index.column(), role);
    }
    if (index.column() == KindColumn) {
        switch (role) {
        case Qt::DisplayRole:
            return ToQString(DisplayNameOf(row.Kind));
        case Qt::EditRole:
            return static_cast<int>(row.Kind);
        case kChoicesRole:
            return SuspensionKindChoices();
        default:
            return {};
        }
    }
    if (role == Qt::DisplayRole || role == Qt::EditRole) {
        return CellDateText(index.column() == StartColumn ? row.Start : row.End);
    }
    return {};
}

bool PrescriptionSuspensionsModel::setData(const QModelIndex& index, const QVariant& value,
                                           int role) {
    if (!IsCell(index) || role != Qt::EditRole) {
        return false;
    }
    Row& row = m_rows[static_cast<std::size_t>(index.row())];
    if (index.column() == KindColumn) {
        return SetKind(row, index, value);
    }
    return SetDate(row, index, value.toString());
}

bool PrescriptionSuspensionsModel::SetKind(Row& row, const QModelIndex& index,
                                           const QVariant& value) {
    bool read = false;
    const int kind = value.toInt(&read);
    if (!read || kind < 0 || kind >= static_cast<int>(kSuspensionKindNames.size())) {
        return false;
    }
    if (static_cast<int>(row.Kind) != kind) {
        row.Kind = kSuspensionKindNames[static_cast<std::size_t>(kind)].Value;
        Accept(row.Refused, index);
    }
    return true;
}

bool PrescriptionSuspensionsModel::SetDate(Row& row, const QModelIndex& index,
                                           const QString& text) {
    const CellDate read = ReadCellDate(text);
    if (!read.Ok) {
        return Refuse(row.Refused, index, text, ToQString(kUnreadableCellDateMessage));
    }
    std::optional<DayNumber>& date = index.column() == StartColumn ? row.Start : row.End;
    return StoreCell(date, read.Date, row.Refused, index);
}

Qt::ItemFlags PrescriptionSuspensionsModel::flags(const QModelIndex& index) const {
    if (!IsCell(index)) {
        return Qt::NoItemFlags;
    }
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

bool PrescriptionSuspensionsModel::insertRows(int row, int count, const QModelIndex& parent) {
    return InsertListRows(m_rows, row, count, parent);
}

bool PrescriptionSuspensionsModel::removeRows(int row, int count, const QModelIndex& parent) {
    return RemoveListRows(m_rows, row, count, parent);
}

QString PrescriptionSuspensionsModel::FirstProblem() const {
    return FirstProblemOf(m_rows, [this](const Row& row, int index) {
        return row.Start ? QString() : MissingAt(index, StartColumn, kMissingStartMessage);
    });
}

} // namespace zarn
