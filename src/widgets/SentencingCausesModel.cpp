#include "widgets/SentencingCausesModel.h"

#include "sentencing/SentencingNames.h"
#include "widgets/CellValues.h"
#include "widgets/QtText.h"
#include "widgets/SentencingCells.h"

#include <array>

namespace zarn {
namespace {

constexpr std::array kCauseColumns{
    ListColumn{"nome", "Nome"},
    ListColumn{"tipo", "Tipo"},
    ListColumn{"fracao", "Fra\xE7\xE3o"},
    ListColumn{"parte_especial", "Parte especial"},
};

constexpr std::string_view kMissingNameMessage = "Digite o nome da causa.";
constexpr std::string_view kCauseFractionPlace = "causas[0].fracao";

QStringList KindNames() {
    QStringList names;
    for (const auto& row : kCauseKindNames) {
        names << ToQString(row.DisplayName);
    }
    return names;
}

std::optional<CauseKind> KindAt(int place) {
    if (place < 0 || place >= static_cast<int>(kCauseKindNames.size())) {
        return std::nullopt;
    }
    return kCauseKindNames[static_cast<std::size_t>(place)].Value;
}

int PlaceOfKind(CauseKind kind) {
    for (std::size_t i = 0; i < kCauseKindNames.size(); ++i) {
        if (kCauseKindNames[i].Value == kind) {
            return static_cast<int>(i);
        }
    }
    return 0;
}

// The library's message on the cause's fraction, the cause alone in a sound crime.
QString FractionFault(const CauseInput& cause) {
    CrimeInput probe = ProbeCrime({});
    probe.Causas.push_back(cause);
    return ToQString(SentencingItemFault(probe, kCauseFractionPlace));
}

} // namespace

SentencingCausesModel::SentencingCausesModel(QObject* parent)
    : ListTableModel("causas", "Causas", kCauseColumns, parent) {}

void SentencingCausesModel::SetCauses(const std::vector<CauseInput>& causes) {
    beginResetModel();
    m_rows.clear();
    for (const CauseInput& cause : causes) {
        m_rows.push_back({cause, {}});
    }
    endResetModel();
}

std::vector<CauseInput> SentencingCausesModel::Causes() const {
    std::vector<CauseInput> causes;
    for (const Row& row : m_rows) {
        causes.push_back(row.Cause);
    }
    return causes;
}

int SentencingCausesModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

QVariant SentencingCausesModel::data(const QModelIndex& index, int role) const {
    if (!IsCell(index)) {
        return {};
    }
    const Row& row = m_rows[static_cast<std::size_t>(index.row())];
    const int column = index.column();
    if (column == KindColumn && role == kChoicesRole) {
        return KindNames();
    }
    if (row.Refused.contains(column)) {
        return RefusedData(row.Refused, column, role);
    }
    return ValueData(row.Cause, column, role);
}

QVariant SentencingCausesModel::ValueData(const CauseInput& cause, int column, int role) const {
    if (column == SpecialPartColumn) {
        return role == Qt::CheckStateRole
                   ? QVariant(static_cast<int>(cause.ParteEspecial ? Qt::Checked : Qt::Unchecked))
                   : QVariant();
    }
    if (role != Qt::DisplayRole && role != Qt::EditRole) {
        return {};
    }
    switch (column) {
    case NameColumn:
        return ToQString(cause.Nome);
    case KindColumn:
        return role == Qt::EditRole ? QVariant(PlaceOfKind(cause.Tipo))
                                    : QVariant(ToQString(DisplayName(cause.Tipo)));
    case FractionColumn:
        return CellFractionText(cause.Fracao);
    default:
        return {};
    }
}

bool SentencingCausesModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!IsCell(index)) {
        return false;
    }
    Row& row = m_rows[static_cast<std::size_t>(index.row())];
    const int column = index.column();
    if (column == SpecialPartColumn) {
        return role == Qt::CheckStateRole &&
               SetSpecialPart(row, index, value.toInt() == static_cast<int>(Qt::Checked));
    }
    if (role != Qt::EditRole) {
        return false;
    }
    switch (column) {
    case NameColumn:
        return SetName(row, index, value.toString());
    case KindColumn:
        return SetKind(row, index, value);
    default:
        return SetFraction(row, index, value.toString());
    }
}

bool SentencingCausesModel::SetName(Row& row, const QModelIndex& index, const QString& text) {
    const QString typed = text.trimmed();
    const QString unstorable = UnstorableCharacterMessage(typed);
    if (!unstorable.isEmpty()) {
        return Refuse(row.Refused, index, text, unstorable);
    }
    const std::string name = ToCp1252(typed);
    if (name != row.Cause.Nome || row.Refused.contains(index.column())) {
        row.Cause.Nome = name;
        Accept(row.Refused, index);
    }
    return true;
}

bool SentencingCausesModel::SetKind(Row& row, const QModelIndex& index, const QVariant& value) {
    bool read = false;
    const std::optional<CauseKind> kind = KindAt(value.toInt(&read));
    if (!read || !kind) {
        return false;
    }
    if (*kind != row.Cause.Tipo) {
        row.Cause.Tipo = *kind;
        Accept(row.Refused, index);
    }
    return true;
}

bool SentencingCausesModel::SetFraction(Row& row, const QModelIndex& index, const QString& text) {
    const CellFraction read = ReadCellFraction(text);
    if (!read.Ok) {
        return Refuse(row.Refused, index, text, ToQString(read.Message));
    }
    CauseInput cause = row.Cause;
    cause.Fracao = read.Value;
    const QString fault = FractionFault(cause);
    if (!fault.isEmpty()) {
        return Refuse(row.Refused, index, text, fault);
    }
    if (!(read.Value == row.Cause.Fracao) || row.Refused.contains(index.column())) {
        row.Cause.Fracao = read.Value;
        Accept(row.Refused, index);
    }
    return true;
}

bool SentencingCausesModel::SetSpecialPart(Row& row, const QModelIndex& index, bool checked) {
    if (row.Cause.ParteEspecial != checked) {
        row.Cause.ParteEspecial = checked;
        Accept(row.Refused, index);
    }
    return true;
}

Qt::ItemFlags SentencingCausesModel::flags(const QModelIndex& index) const {
    if (!IsCell(index)) {
        return Qt::NoItemFlags;
    }
    const Qt::ItemFlags usable = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return usable |
           (index.column() == SpecialPartColumn ? Qt::ItemIsUserCheckable : Qt::ItemIsEditable);
}

bool SentencingCausesModel::insertRows(int row, int count, const QModelIndex& parent) {
    return InsertListRows(m_rows, row, count, parent);
}

bool SentencingCausesModel::removeRows(int row, int count, const QModelIndex& parent) {
    return RemoveListRows(m_rows, row, count, parent);
}

QString SentencingCausesModel::FirstProblem() const {
    return FirstProblemOf(m_rows, [this](const Row& row, int index) {
        if (row.Cause.Nome.empty()) {
            return MissingAt(index, NameColumn, kMissingNameMessage);
        }
        if (row.Cause.Fracao.Numerator == 0) {
            return MissingAt(index, FractionColumn, kUnreadableFractionMessage);
        }
        return QString();
    });
}

} // namespace zarn
