#include "widgets/ExecutionConvictionsModel.h"

#include "law/FactNames.h"
#include "widgets/CellValues.h"
#include "widgets/QtText.h"

#include <QStringList>
#include <array>

namespace zarn {
namespace {

using Model = ExecutionConvictionsModel;

constexpr std::array kConvictionColumns{
    ListColumn{"processo", "Processo"},
    ListColumn{"crime", "Crime"},
    ListColumn{"pena", "Pena"},
    ListColumn{"data_crime", "Data do crime"},
    ListColumn{"transito_em_julgado", "Tr\xE2nsito em julgado"},
    ListColumn{"durante_execucao", "Durante a execu\xE7\xE3o"},
    ListColumn{"fatos", "Fatos"},
};

constexpr std::string_view kFactsHint =
    "Os fatos da condena\xE7\xE3o selecionada s\xE3o editados no quadro Fatos.";
constexpr std::string_view kRepeatWord = "reincidente";
constexpr std::string_view kSpecificWord = "reincidente espec\xED"
                                           "fico";
constexpr std::string_view kViolenceWord = "com viol\xEAncia";
constexpr std::string_view kDetencaoWord = "deten\xE7\xE3o";
constexpr std::array<std::string_view, 3> kTermPartWords = {"anos", "meses", "dias"};

// "hediondo ou equiparado, reincidente": what sets the shares, at a glance.
QString FactsSummary(const CaseFacts& facts) {
    QStringList parts;
    for (const NaturezaName& name : kNaturezaNames) {
        if (name.Which == facts.Nature) {
            parts << ToQString(name.Shown);
        }
    }
    if (facts.RepeatOffender) {
        parts << ToQString(facts.SpecificRepeatOffender ? kSpecificWord : kRepeatWord);
    }
    if (facts.Violence) {
        parts << ToQString(kViolenceWord);
    }
    if (facts.Kind == Especie::Detencao) {
        parts << ToQString(kDetencaoWord);
    }
    return parts.join(QStringLiteral(", "));
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

bool IsDate(int column) {
    return column == Model::CrimeDateColumn || column == Model::TransitoColumn;
}

bool IsText(int column) {
    return column == Model::ProcessoColumn || column == Model::CrimeColumn;
}

std::optional<DayNumber>& DateOf(Conviction& conviction, int column) {
    return column == Model::CrimeDateColumn ? conviction.Facts.CrimeDate
                                            : conviction.TransitoEmJulgado;
}

std::string& TextOf(Conviction& conviction, int column) {
    return column == Model::ProcessoColumn ? conviction.Processo : conviction.Crime;
}

} // namespace

ExecutionConvictionsModel::ExecutionConvictionsModel(QObject* parent)
    : ListTableModel("condenacoes",
                     "Condena\xE7\xF5"
                     "es",
                     kConvictionColumns, parent) {}

void ExecutionConvictionsModel::SetConvictions(const std::vector<Conviction>& convictions) {
    beginResetModel();
    m_rows.clear();
    for (const Conviction& conviction : convictions) {
        m_rows.push_back({conviction, {}, false});
    }
    endResetModel();
}

std::vector<Conviction> ExecutionConvictionsModel::Convictions() const {
    std::vector<Conviction> convictions;
    for (const Row& row : m_rows) {
        convictions.push_back(row.Value);
    }
    return convictions;
}

CaseFacts ExecutionConvictionsModel::FactsAt(int row) const {
    if (row < 0 || row >= rowCount()) {
        return {};
    }
    return m_rows[static_cast<std::size_t>(row)].Value.Facts;
}

void ExecutionConvictionsModel::SetFactsAt(int row, const CaseFacts& facts) {
    if (row < 0 || row >= rowCount()) {
        return;
    }
    Row& changed = m_rows[static_cast<std::size_t>(row)];
    if (changed.Value.Facts == facts) {
        return;
    }
    // The panel's date of the crime is the cell's: typing refused there gives way to a new
    // date, and stays while the date is the same.
    const bool newDate = changed.Value.Facts.CrimeDate != facts.CrimeDate;
    changed.Value.Facts = facts;
    Accept(changed.Refused, index(row, newDate ? CrimeDateColumn : NaturezaColumn));
}

void ExecutionConvictionsModel::SetTermAt(int row, long long termDays) {
    if (row < 0 || row >= rowCount()) {
        return;
    }
    Row& changed = m_rows[static_cast<std::size_t>(row)];
    if (changed.Value.TermDays == termDays && !changed.Refused.contains(TermColumn)) {
        return;
    }
    changed.Value.TermDays = termDays;
    Accept(changed.Refused, index(row, TermColumn));
}

int ExecutionConvictionsModel::LinkedRow() const {
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        if (m_rows[i].Linked) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void ExecutionConvictionsModel::SetLinkedRow(int row) {
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        m_rows[i].Linked = static_cast<int>(i) == row;
    }
}

int ExecutionConvictionsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

QVariant ExecutionConvictionsModel::data(const QModelIndex& index, int role) const {
    if (!IsCell(index)) {
        return {};
    }
    const Row& row = m_rows[static_cast<std::size_t>(index.row())];
    const int column = index.column();
    if (row.Refused.contains(column)) {
        if (role == Qt::DisplayRole && column == TermColumn) {
            return TypedTerm(row.Refused.at(column).Typed.toStringList());
        }
        return RefusedData(row.Refused, column, role);
    }
    return ValueData(row.Value, column, role);
}

QVariant ExecutionConvictionsModel::ValueData(const Conviction& conviction, int column,
                                              int role) const {
    if (column == DuringExecutionColumn) {
        return role == Qt::CheckStateRole
                   ? QVariant(
                         static_cast<int>(conviction.DuringExecution ? Qt::Checked : Qt::Unchecked))
                   : QVariant();
    }
    if (column == NaturezaColumn && role == Qt::ToolTipRole) {
        return ToQString(kFactsHint);
    }
    if (role != Qt::DisplayRole && role != Qt::EditRole) {
        return {};
    }
    switch (column) {
    case ProcessoColumn:
        return ToQString(conviction.Processo);
    case CrimeColumn:
        return ToQString(conviction.Crime);
    case TermColumn:
        return role == Qt::EditRole ? QVariant(CellTermTexts(conviction.TermDays))
                                    : QVariant(TermDisplay(conviction.TermDays));
    case CrimeDateColumn:
        return CellDateText(conviction.Facts.CrimeDate);
    case TransitoColumn:
        return CellDateText(conviction.TransitoEmJulgado);
    case NaturezaColumn:
        return FactsSummary(conviction.Facts);
    default:
        return {};
    }
}

bool ExecutionConvictionsModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!IsCell(index)) {
        return false;
    }
    Row& row = m_rows[static_cast<std::size_t>(index.row())];
    const int column = index.column();
    if (column == DuringExecutionColumn) {
        if (role != Qt::CheckStateRole) {
            return false;
        }
        const bool checked = value.toInt() == static_cast<int>(Qt::Checked);
        if (row.Value.DuringExecution != checked) {
            row.Value.DuringExecution = checked;
            Accept(row.Refused, index);
        }
        return true;
    }
    if (role != Qt::EditRole || column == NaturezaColumn) {
        return false;
    }
    if (IsText(column)) {
        return SetText(row, index, value.toString());
    }
    if (IsDate(column)) {
        return SetDate(row, index, value.toString());
    }
    return SetTerm(row, index, value.toStringList());
}

bool ExecutionConvictionsModel::SetText(Row& row, const QModelIndex& index, const QString& text) {
    return StoreTextCell(TextOf(row.Value, index.column()), text, row.Refused, index);
}

bool ExecutionConvictionsModel::SetDate(Row& row, const QModelIndex& index, const QString& text) {
    const CellDate read = ReadCellDate(text);
    if (!read.Ok) {
        return Refuse(row.Refused, index, text, ToQString(kUnreadableCellDateMessage));
    }
    std::optional<DayNumber>& date = DateOf(row.Value, index.column());
    return StoreCell(date, read.Date, row.Refused, index);
}

bool ExecutionConvictionsModel::SetTerm(Row& row, const QModelIndex& index,
                                        const QStringList& texts) {
    const CellTerm read = ReadCellTerm(texts);
    if (!read.Ok) {
        return Refuse(row.Refused, index, texts, read.Message);
    }
    return StoreCell(row.Value.TermDays, read.Days, row.Refused, index);
}

Qt::ItemFlags ExecutionConvictionsModel::flags(const QModelIndex& index) const {
    if (!IsCell(index)) {
        return Qt::NoItemFlags;
    }
    const Qt::ItemFlags usable = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    switch (index.column()) {
    case DuringExecutionColumn:
        return usable | Qt::ItemIsUserCheckable;
    case NaturezaColumn:
        return usable;
    default:
        return usable | Qt::ItemIsEditable;
    }
}

bool ExecutionConvictionsModel::insertRows(int row, int count, const QModelIndex& parent) {
    return InsertListRows(m_rows, row, count, parent);
}

bool ExecutionConvictionsModel::removeRows(int row, int count, const QModelIndex& parent) {
    return RemoveListRows(m_rows, row, count, parent);
}

QString ExecutionConvictionsModel::FirstProblem() const {
    return FirstProblemOf(m_rows);
}

} // namespace zarn
