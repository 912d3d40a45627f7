#include "widgets/ExecutionPeriodsModel.h"

#include "widgets/CellValues.h"
#include "widgets/DatedRowOrder.h"
#include "widgets/QtText.h"

#include <algorithm>
#include <array>

namespace zarn {
namespace {

constexpr std::array kPeriodColumns{
    ListColumn{"inicio", "In\xED"
                         "cio"},
    ListColumn{"fim", "Fim"},
    ListColumn{"descricao", "Descri\xE7\xE3o"},
};

constexpr std::string_view kMissingStartMessage = "informe o primeiro dia.";
constexpr std::string_view kOpenEndHint = "em branco: o cumprimento continua";

} // namespace

ExecutionPeriodsModel::ExecutionPeriodsModel(QObject* parent)
    : ListTableModel("periodos",
                     "Per\xED"
                     "odos",
                     kPeriodColumns, parent) {}

void ExecutionPeriodsModel::SetPeriods(const std::vector<ServingPeriod>& periods) {
    beginResetModel();
    m_rows.clear();
    for (const ServingPeriod& period : periods) {
        m_rows.push_back({period.Start, period.End, period.Description, {}});
    }
    std::stable_sort(m_rows.begin(), m_rows.end(),
                     [](const Row& a, const Row& b) { return *a.Start < *b.Start; });
    endResetModel();
}

std::vector<ServingPeriod> ExecutionPeriodsModel::Periods() const {
    std::vector<ServingPeriod> periods;
    for (const Row& row : m_rows) {
        if (row.Start) {
            periods.push_back({*row.Start, row.End, row.Description});
        }
    }
    return periods;
}

int ExecutionPeriodsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

QVariant ExecutionPeriodsModel::data(const QModelIndex& index, int role) const {
    if (!IsCell(index)) {
        return {};
    }
    const Row& row = m_rows[static_cast<std::size_t>(index.row())];
    if (row.Refused.contains(index.column())) {
        return RefusedData(row.Refused, index.column(), role);
    }
    if (index.column() == EndColumn && role == Qt::ToolTipRole) {
        return ToQString(kOpenEndHint);
    }
    if (role != Qt::DisplayRole && role != Qt::EditRole) {
        return {};
    }
    switch (index.column()) {
    case StartColumn:
        return CellDateText(row.Start);
    case EndColumn:
        return CellDateText(row.End);
    default:
        return ToQString(row.Description);
    }
}

bool ExecutionPeriodsModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!IsCell(index) || role != Qt::EditRole) {
        return false;
    }
    if (index.column() == DescriptionColumn) {
        return SetDescription(m_rows[static_cast<std::size_t>(index.row())], index,
                              value.toString());
    }
    return SetDate(index.row(), index, value.toString());
}

bool ExecutionPeriodsModel::SetDate(int row, const QModelIndex& index, const QString& text) {
    Row& period = m_rows[static_cast<std::size_t>(row)];
    const CellDate read = ReadCellDate(text);
    if (!read.Ok) {
        return Refuse(period.Refused, index, text, ToQString(kUnreadableCellDateMessage));
    }
    std::optional<DayNumber>& date = index.column() == StartColumn ? period.Start : period.End;
    if (date == read.Date && !period.Refused.contains(index.column())) {
        return true;
    }
    date = read.Date;
    Accept(period.Refused, index);
    if (index.column() == StartColumn) {
        KeepInOrder(row);
    }
    return true;
}

bool ExecutionPeriodsModel::SetDescription(Row& row, const QModelIndex& index,
                                           const QString& text) {
    return StoreTextCell(row.Description, text, row.Refused, index);
}

void ExecutionPeriodsModel::KeepInOrder(int row) {
    const int place = DatedPlace(m_rows, row, [](const Row& r) { return r.Start; });
    if (place == row) {
        return;
    }
    beginMoveRows(QModelIndex(), row, row, QModelIndex(), place > row ? place + 1 : place);
    MoveElement(m_rows, row, place);
    endMoveRows();
}

Qt::ItemFlags ExecutionPeriodsModel::flags(const QModelIndex& index) const {
    if (!IsCell(index)) {
        return Qt::NoItemFlags;
    }
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

bool ExecutionPeriodsModel::insertRows(int row, int count, const QModelIndex& parent) {
    // Rows are added at the end only.
    return row == rowCount() && InsertListRows(m_rows, row, count, parent);
}

bool ExecutionPeriodsModel::removeRows(int row, int count, const QModelIndex& parent) {
    return RemoveListRows(m_rows, row, count, parent);
}

QString ExecutionPeriodsModel::FirstProblem() const {
    return FirstProblemOf(m_rows, [this](const Row& row, int index) {
        return row.Start ? QString() : MissingAt(index, StartColumn, kMissingStartMessage);
    });
}

} // namespace zarn
