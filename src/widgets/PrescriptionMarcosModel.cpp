#include "widgets/PrescriptionMarcosModel.h"

#include "prescription/PrescriptionNames.h"
#include "widgets/CellValues.h"
#include "widgets/QtText.h"

#include <QStringList>
#include <algorithm>
#include <array>

namespace zarn {
namespace {

constexpr std::array kMarcoColumns{
    ListColumn{"tipo", "Tipo"},
    ListColumn{"data", "Data"},
};

constexpr std::string_view kMissingDateMessage = "informe a data.";

QStringList MarcoKindChoices() {
    QStringList choices;
    for (const auto& name : kMarcoKindNames) {
        choices << ToQString(name.Display);
    }
    return choices;
}

int IndexOf(MarcoKind kind) {
    return static_cast<int>(kind);
}

// The kind after the last marco's, where a list of marcos usually goes on.
MarcoKind KindAfter(MarcoKind kind) {
    const int next = std::min(IndexOf(kind) + 1, static_cast<int>(kMarcoKindNames.size()) - 1);
    return kMarcoKindNames[static_cast<std::size_t>(next)].Value;
}

} // namespace

PrescriptionMarcosModel::PrescriptionMarcosModel(QObject* parent)
    : ListTableModel("prescricao.marcos", "Marcos", kMarcoColumns, parent) {}

void PrescriptionMarcosModel::SetMarcos(const std::vector<Marco>& marcos) {
    beginResetModel();
    m_rows.clear();
    for (const Marco& marco : marcos) {
        m_rows.push_back({marco.Kind, marco.Date, {}});
    }
    std::stable_sort(m_rows.begin(), m_rows.end(),
                     [](const Row& a, const Row& b) { return *a.Date < *b.Date; });
    endResetModel();
}

std::vector<Marco> PrescriptionMarcosModel::Marcos() const {
    std::vector<Marco> marcos;
    for (const Row& row : m_rows) {
        if (row.Date) {
            marcos.push_back({row.Kind, *row.Date});
        }
    }
    return marcos;
}

int PrescriptionMarcosModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

QVariant PrescriptionMarcosModel::data(const QModelIndex& index, int role) const {
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
            return IndexOf(row.Kind);
        case kChoicesRole:
            return MarcoKindChoices();
        default:
            return {};
        }
    }
    if (role == Qt::DisplayRole || role == Qt::EditRole) {
        return CellDateText(row.Date);
    }
    return {};
}

bool PrescriptionMarcosModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!IsCell(index) || role != Qt::EditRole) {
        return false;
    }
    Row& row = m_rows[static_cast<std::size_t>(index.row())];
    if (index.column() == KindColumn) {
        return SetKind(row, index, value);
    }
    return SetDate(index.row(), index, value.toString());
}

bool PrescriptionMarcosModel::SetKind(Row& row, const QModelIndex& index, const QVariant& value) {
    bool read = false;
    const int kind = value.toInt(&read);
    if (!read || kind < 0 || kind >= static_cast<int>(kMarcoKindNames.size())) {
        return false;
    }
    if (IndexOf(row.Kind) != kind) {
        row.Kind = kMarcoKindNames[static_cast<std::size_t>(kind)].Value;
        Accept(row.Refused, index);
    }
    return true;
}

bool PrescriptionMarcosModel::SetDate(int row, const QModelIndex& index, const QString& text) {
    Row& marco = m_rows[static_cast<std::size_t>(row)];
    const CellDate read = ReadCellDate(text);
    if (!read.Ok) {
        return Refuse(marco.Refused, index, text, ToQString(kUnreadableCellDateMessage));
    }
    if (marco.Date == read.Date && !marco.Refused.contains(DateColumn)) {
        return true;
    }
    marco.Date = read.Date;
    Accept(marco.Refused, index);
    KeepInOrder(row);
    return true;
}

void PrescriptionMarcosModel::KeepInOrder(int row) {
    const Row& moving = m_rows[static_cast<std::size_t>(row)];
    // Its place among the others, which are in order: after every dated one of its day or
    // earlier; a marco without a date after all of them.
    int place = 0;
    for (int i = 0; i < rowCount(); ++i) {
        const Row& other = m_rows[static_cast<std::size_t>(i)];
        if (i != row && other.Date && (!moving.Date || *other.Date <= *moving.Date)) {
            ++place;
        }
    }
    if (!moving.Date) {
        place = rowCount() - 1;
    }
    if (place == row) {
        return;
    }
    beginMoveRows(QModelIndex(), row, row, QModelIndex(), place > row ? place + 1 : place);
    const auto from = m_rows.begin() + row;
    const auto to = m_rows.begin() + place;
    if (place > row) {
        std::rotate(from, from + 1, to + 1);
    } else {
        std::rotate(to, from, from + 1);
    }
    endMoveRows();
}

Qt::ItemFlags PrescriptionMarcosModel::flags(const QModelIndex& index) const {
    if (!IsCell(index)) {
        return Qt::NoItemFlags;
    }
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

bool PrescriptionMarcosModel::insertRows(int row, int count, const QModelIndex& parent) {
    // Rows are added at the end only, each of the kind that usually follows the one before.
    return row == rowCount() && InsertListRows(m_rows, row, count, parent, [this] {
               Row added;
               if (!m_rows.empty()) {
                   added.Kind = KindAfter(m_rows.back().Kind);
               }
               return added;
           });
}

bool PrescriptionMarcosModel::removeRows(int row, int count, const QModelIndex& parent) {
    return RemoveListRows(m_rows, row, count, parent);
}

QString PrescriptionMarcosModel::FirstProblem() const {
    return FirstProblemOf(m_rows, [this](const Row& row, int index) {
        return row.Date ? QString() : MissingAt(index, DateColumn, kMissingDateMessage);
    });
}

} // namespace zarn
