#include "widgets/SentencingCrimesModel.h"

#include "widgets/CellValues.h"
#include "widgets/QtText.h"
#include "widgets/SentencingCells.h"

#include <array>

namespace zarn {
namespace {

constexpr std::array kCrimeColumns{
    ListColumn{"crime", "Crime"},
    ListColumn{"minimo", "Pena m\xEDnima"},
    ListColumn{"maximo", "Pena m\xE1xima"},
};

} // namespace

SentencingCrimesModel::SentencingCrimesModel(QObject* parent)
    : ListTableModel("dosimetria.crimes", "Crimes", kCrimeColumns, parent) {}

void SentencingCrimesModel::SetCrimes(const std::vector<CrimeInput>& crimes) {
    beginResetModel();
    m_rows.clear();
    for (const CrimeInput& crime : crimes) {
        m_rows.push_back({crime, {}});
    }
    endResetModel();
}

std::vector<CrimeInput> SentencingCrimesModel::Crimes() const {
    std::vector<CrimeInput> crimes;
    for (const Row& row : m_rows) {
        crimes.push_back(row.Crime);
    }
    return crimes;
}

const CrimeInput& SentencingCrimesModel::CrimeAt(int row) const {
    return m_rows.at(static_cast<std::size_t>(row)).Crime;
}

void SentencingCrimesModel::UpdateCrime(int row, const CrimeInput& crime) {
    if (row < 0 || row >= rowCount()) {
        return;
    }
    Row& kept = m_rows[static_cast<std::size_t>(row)];
    kept.Crime = crime;
    emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

int SentencingCrimesModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

QVariant SentencingCrimesModel::data(const QModelIndex& index, int role) const {
    if (!IsCell(index)) {
        return {};
    }
    const Row& row = m_rows[static_cast<std::size_t>(index.row())];
    if (row.Refused.contains(index.column())) {
        return RefusedData(row.Refused, index.column(), role);
    }
    if (role != Qt::DisplayRole && role != Qt::EditRole) {
        return {};
    }
    switch (index.column()) {
    case DescriptionColumn:
        return ToQString(row.Crime.Crime);
    case MinimumColumn:
        return TermDisplay(row.Crime.MinimoDias);
    case MaximumColumn:
        return TermDisplay(row.Crime.MaximoDias);
    default:
        return {};
    }
}

bool SentencingCrimesModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!IsCell(index) || index.column() != DescriptionColumn || role != Qt::EditRole) {
        return false;
    }
    Row& row = m_rows[static_cast<std::size_t>(index.row())];
    return StoreTextCell(row.Crime.Crime, value.toString(), row.Refused, index);
}

Qt::ItemFlags SentencingCrimesModel::flags(const QModelIndex& index) const {
    if (!IsCell(index)) {
        return Qt::NoItemFlags;
    }
    const Qt::ItemFlags usable = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return index.column() == DescriptionColumn ? usable | Qt::ItemIsEditable : usable;
}

bool SentencingCrimesModel::insertRows(int row, int count, const QModelIndex& parent) {
    return InsertListRows(m_rows, row, count, parent);
}

bool SentencingCrimesModel::removeRows(int row, int count, const QModelIndex& parent) {
    return RemoveListRows(m_rows, row, count, parent);
}

QString SentencingCrimesModel::FirstProblem() const {
    return FirstProblemOf(m_rows);
}

} // namespace zarn
