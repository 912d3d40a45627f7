#include "widgets/PrescriptionCrimesModel.h"

#include "widgets/CellValues.h"
#include "widgets/QtText.h"

#include <array>

namespace zarn {
namespace {

constexpr std::array kCrimeColumns{
    ListColumn{"descricao", "Descri\xE7\xE3o"},
    ListColumn{"data_fato", "Data do fato"},
    ListColumn{"data_inicio_prazo", "In\xED"
                                    "cio do prazo"},
    ListColumn{"pena_maxima", "Pena m\xE1xima"},
    ListColumn{"pena_aplicada", "Pena aplicada"},
    ListColumn{"reincidente", "Reincidente"},
    ListColumn{"violencia_sexual_mulher", "Viol\xEAncia sexual contra a mulher"},
};

constexpr std::string_view kUnstorableCharacterMessage = "caractere que o programa n\xE3o guarda: ";
constexpr std::array<std::string_view, 3> kTermPartWords = {"anos", "meses", "dias"};

bool IsFlag(int column) {
    return column == PrescriptionCrimesModel::RepeatOffenderColumn ||
           column == PrescriptionCrimesModel::SexualViolenceColumn;
}

bool IsDate(int column) {
    return column == PrescriptionCrimesModel::FactColumn ||
           column == PrescriptionCrimesModel::PeriodStartColumn;
}

bool IsTerm(int column) {
    return column == PrescriptionCrimesModel::MaximumColumn ||
           column == PrescriptionCrimesModel::AppliedColumn;
}

// "5 anos, 13 meses": a refused term as it was typed, each part with its word.
QString TypedTerm(const QStringList& texts) {
    QStringList parts;
    for (qsizetype i = 0; i < texts.size() && i < qsizetype(kTermPartWords.size()); ++i) {
        const QString part = texts[i].trimmed();
        if (!part.isEmpty()) {
            parts << part + QLatin1Char(' ') + ToQString(kTermPartWords[std::size_t(i)]);
        }
    }
    return parts.join(QStringLiteral(", "));
}

std::optional<DayNumber>& DateOf(PrescriptionCrime& crime, int column) {
    return column == PrescriptionCrimesModel::FactColumn ? crime.DateOfFact : crime.PeriodStart;
}

bool& FlagOf(PrescriptionCrime& crime, int column) {
    return column == PrescriptionCrimesModel::RepeatOffenderColumn
               ? crime.RepeatOffender
               : crime.SexualViolenceAgainstWoman;
}

} // namespace

PrescriptionCrimesModel::PrescriptionCrimesModel(QObject* parent)
    : ListTableModel("prescricao.crimes", "Crimes", kCrimeColumns, parent) {}

void PrescriptionCrimesModel::SetCrimes(const std::vector<PrescriptionCrime>& crimes) {
    beginResetModel();
    m_rows.clear();
    for (const PrescriptionCrime& crime : crimes) {
        m_rows.push_back({crime, {}});
    }
    endResetModel();
}

std::vector<PrescriptionCrime> PrescriptionCrimesModel::Crimes() const {
    std::vector<PrescriptionCrime> crimes;
    for (const Row& row : m_rows) {
        crimes.push_back(row.Crime);
    }
    return crimes;
}

int PrescriptionCrimesModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

QVariant PrescriptionCrimesModel::data(const QModelIndex& index, int role) const {
    if (!IsCell(index)) {
        return {};
    }
    const Row& row = m_rows[static_cast<std::size_t>(index.row())];
    const int column = index.column();
    if (row.Refused.contains(column)) {
        if (role == Qt::DisplayRole && IsTerm(column)) {
            return TypedTerm(row.Refused.at(column).Typed.toStringList());
        }
        return RefusedData(row.Refused, column, role);
    }
    return ValueData(row.Crime, column, role);
}

QVariant PrescriptionCrimesModel::ValueData(const PrescriptionCrime& crime, int column,
                                            int role) const {
    if (IsFlag(column)) {
        const bool set = column == RepeatOffenderColumn ? crime.RepeatOffender
                                                        : crime.SexualViolenceAgainstWoman;
        return role == Qt::CheckStateRole
                   ? QVariant(static_cast<int>(set ? Qt::Checked : Qt::Unchecked))
                   : QVariant();
    }
    if (role != Qt::DisplayRole && role != Qt::EditRole) {
        return {};
    }
    switch (column) {
    case DescriptionColumn:
        return ToQString(crime.Description);
    case FactColumn:
        return CellDateText(crime.DateOfFact);
    case PeriodStartColumn:
        return CellDateText(crime.PeriodStart);
    case MaximumColumn:
        return role == Qt::EditRole ? QVariant(CellTermTexts(crime.MaximumDays))
                                    : QVariant(TermDisplay(crime.MaximumDays));
    case AppliedColumn: {
        const long long days = crime.AppliedDays.value_or(0);
        return role == Qt::EditRole ? QVariant(CellTermTexts(days)) : QVariant(TermDisplay(days));
    }
    default:
        return {};
    }
}

bool PrescriptionCrimesModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!IsCell(index)) {
        return false;
    }
    Row& row = m_rows[static_cast<std::size_t>(index.row())];
    const int column = index.column();
    if (IsFlag(column)) {
        return role == Qt::CheckStateRole &&
               SetFlag(row, index, value.toInt() == static_cast<int>(Qt::Checked));
    }
    if (role != Qt::EditRole) {
        return false;
    }
    if (column == DescriptionColumn) {
        return SetDescription(row, index, value.toString());
    }
    if (IsDate(column)) {
        return SetDate(row, index, value.toString());
    }
    return SetTerm(row, index, value.toStringList());
}

bool PrescriptionCrimesModel::SetDescription(Row& row, const QModelIndex& index,
                                             const QString& text) {
    for (const QChar c : text) {
        char byte = 0;
        if (!ToCp1252Char(c, byte)) {
            return Refuse(row.Refused, index, text,
                          ToQString(kUnstorableCharacterMessage) + c + QLatin1Char('.'));
        }
    }
    const std::string description = ToCp1252(text);
    return StoreCell(row.Crime.Description, description, row.Refused, index);
}

bool PrescriptionCrimesModel::SetDate(Row& row, const QModelIndex& index, const QString& text) {
    const CellDate read = ReadCellDate(text);
    if (!read.Ok) {
        return Refuse(row.Refused, index, text, ToQString(kUnreadableCellDateMessage));
    }
    std::optional<DayNumber>& date = DateOf(row.Crime, index.column());
    return StoreCell(date, read.Date, row.Refused, index);
}

bool PrescriptionCrimesModel::SetTerm(Row& row, const QModelIndex& index,
                                      const QStringList& texts) {
    const CellTerm read = ReadCellTerm(texts);
    if (!read.Ok) {
        return Refuse(row.Refused, index, texts, read.Message);
    }
    PrescriptionCrime& crime = row.Crime;
    const bool maximum = index.column() == MaximumColumn;
    const std::optional<long long> applied =
        read.Days > 0 ? std::optional<long long>(read.Days) : std::nullopt;
    const bool same = maximum ? crime.MaximumDays == read.Days : crime.AppliedDays == applied;
    if (same && !row.Refused.contains(index.column())) {
        return true;
    }
    if (maximum) {
        crime.MaximumDays = read.Days;
    } else {
        crime.AppliedDays = applied;
    }
    Accept(row.Refused, index);
    return true;
}

bool PrescriptionCrimesModel::SetFlag(Row& row, const QModelIndex& index, bool checked) {
    bool& flag = FlagOf(row.Crime, index.column());
    if (flag != checked) {
        flag = checked;
        Accept(row.Refused, index);
    }
    return true;
}

Qt::ItemFlags PrescriptionCrimesModel::flags(const QModelIndex& index) const {
    if (!IsCell(index)) {
        return Qt::NoItemFlags;
    }
    const Qt::ItemFlags usable = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return usable | (IsFlag(index.column()) ? Qt::ItemIsUserCheckable : Qt::ItemIsEditable);
}

bool PrescriptionCrimesModel::insertRows(int row, int count, const QModelIndex& parent) {
    return InsertListRows(m_rows, row, count, parent);
}

bool PrescriptionCrimesModel::removeRows(int row, int count, const QModelIndex& parent) {
    return RemoveListRows(m_rows, row, count, parent);
}

QString PrescriptionCrimesModel::FirstProblem() const {
    return FirstProblemOf(m_rows);
}

} // namespace zarn
