#include "widgets/SentencingModifiersModel.h"

#include "widgets/CellValues.h"
#include "widgets/QtText.h"
#include "widgets/SentencingCells.h"

#include <array>

namespace zarn {
namespace {

constexpr std::array kModifierColumns{
    ListColumn{"nome", "Nome"},
    ListColumn{"fracao", "Fra\xE7\xE3o"},
};

constexpr std::string_view kMissingNameMessage = "Escolha ou digite o nome.";

std::string_view ListKey(ModifierRole role) {
    return role == ModifierRole::Agravante ? "agravantes" : "atenuantes";
}

std::string_view ListCaption(ModifierRole role) {
    return role == ModifierRole::Agravante ? "Agravantes" : "Atenuantes";
}

// A row of the table of names, by its document name or by the words the window shows.
const ModifierName* KnownName(ModifierRole role, const std::string& name) {
    if (const ModifierName* row = FindModifier(role, name)) {
        return row;
    }
    for (const ModifierName& row : kModifierNames) {
        if (row.Role == role && row.DisplayName == name) {
            return &row;
        }
    }
    return nullptr;
}

} // namespace

SentencingModifiersModel::SentencingModifiersModel(ModifierRole role, QObject* parent)
    : ListTableModel(ListKey(role), ListCaption(role), kModifierColumns, parent)
    , m_role(role) {}

void SentencingModifiersModel::SetModifiers(const std::vector<ModifierInput>& modifiers) {
    beginResetModel();
    m_rows.clear();
    for (const ModifierInput& modifier : modifiers) {
        m_rows.push_back({modifier, {}});
    }
    endResetModel();
}

std::vector<ModifierInput> SentencingModifiersModel::Modifiers() const {
    std::vector<ModifierInput> modifiers;
    for (const Row& row : m_rows) {
        modifiers.push_back(row.Modifier);
    }
    return modifiers;
}

void SentencingModifiersModel::SetSexualViolence(bool sexualViolence) {
    if (m_sexualViolence == sexualViolence) {
        return;
    }
    m_sexualViolence = sexualViolence;
    if (rowCount() > 0) {
        emit dataChanged(index(0, NameColumn), index(rowCount() - 1, NameColumn));
    }
}

QStringList SentencingModifiersModel::OfferedNames() const {
    QStringList names;
    for (const ModifierName* row : OfferedModifiers(m_role, m_sexualViolence)) {
        names << ToQString(row->DisplayName);
    }
    return names;
}

int SentencingModifiersModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

QVariant SentencingModifiersModel::data(const QModelIndex& index, int role) const {
    if (!IsCell(index)) {
        return {};
    }
    const Row& row = m_rows[static_cast<std::size_t>(index.row())];
    const int column = index.column();
    if (column == NameColumn && role == kChoicesRole) {
        return OfferedNames();
    }
    if (row.Refused.contains(column)) {
        return RefusedData(row.Refused, column, role);
    }
    if (column == NameColumn) {
        return NameData(row.Modifier, role);
    }
    if (role == Qt::DisplayRole || role == Qt::EditRole) {
        return CellFractionText(row.Modifier.Fracao);
    }
    return {};
}

QVariant SentencingModifiersModel::NameData(const ModifierInput& modifier, int role) const {
    const ModifierName* known = KnownName(m_role, modifier.Nome);
    if (role == Qt::DisplayRole || role == Qt::EditRole) {
        return ToQString(known ? known->DisplayName : modifier.Nome);
    }
    if (role == Qt::ToolTipRole && known) {
        return ToQString(known->Source.Article);
    }
    return {};
}

bool SentencingModifiersModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!IsCell(index) || role != Qt::EditRole) {
        return false;
    }
    Row& row = m_rows[static_cast<std::size_t>(index.row())];
    return index.column() == NameColumn ? SetName(row, index, value.toString())
                                        : SetFraction(row, index, value.toString());
}

QString SentencingModifiersModel::ItemFault(const ModifierInput& modifier,
                                            std::string_view key) const {
    CrimeInput probe;
    probe.ViolenciaSexualMulher = m_sexualViolence;
    probe = ProbeCrime(probe);
    (m_role == ModifierRole::Agravante ? probe.Agravantes : probe.Atenuantes).push_back(modifier);
    const std::string place = std::string(ListKey(m_role)) + "[0]." + std::string(key);
    return ToQString(SentencingItemFault(probe, place));
}

bool SentencingModifiersModel::SetName(Row& row, const QModelIndex& index, const QString& text) {
    const QString typed = text.trimmed();
    const QString unstorable = UnstorableCharacterMessage(typed);
    if (!unstorable.isEmpty()) {
        return Refuse(row.Refused, index, text, unstorable);
    }
    ModifierInput modifier = row.Modifier;
    modifier.Nome = ToCp1252(typed);
    if (const ModifierName* known = KnownName(m_role, modifier.Nome)) {
        modifier.Nome = std::string(known->CasoName);
    }
    const QString fault = ItemFault(modifier, "nome");
    if (!fault.isEmpty()) {
        return Refuse(row.Refused, index, text, fault);
    }
    if (modifier.Nome != row.Modifier.Nome || row.Refused.contains(index.column())) {
        row.Modifier.Nome = modifier.Nome;
        Accept(row.Refused, index);
    }
    return true;
}

bool SentencingModifiersModel::SetFraction(Row& row, const QModelIndex& index,
                                           const QString& text) {
    const CellFraction read = ReadCellFraction(text);
    if (!read.Ok) {
        return Refuse(row.Refused, index, text, ToQString(read.Message));
    }
    ModifierInput modifier = row.Modifier;
    modifier.Fracao = read.Value;
    const QString fault = ItemFault(modifier, "fracao");
    if (!fault.isEmpty()) {
        return Refuse(row.Refused, index, text, fault);
    }
    if (!(read.Value == row.Modifier.Fracao) || row.Refused.contains(index.column())) {
        row.Modifier.Fracao = read.Value;
        Accept(row.Refused, index);
    }
    return true;
}

Qt::ItemFlags SentencingModifiersModel::flags(const QModelIndex& index) const {
    if (!IsCell(index)) {
        return Qt::NoItemFlags;
    }
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

bool SentencingModifiersModel::insertRows(int row, int count, const QModelIndex& parent) {
    return InsertListRows(m_rows, row, count, parent);
}

bool SentencingModifiersModel::removeRows(int row, int count, const QModelIndex& parent) {
    return RemoveListRows(m_rows, row, count, parent);
}

QString SentencingModifiersModel::FirstProblem() const {
    return FirstProblemOf(m_rows, [this](const Row& row, int index) {
        return row.Modifier.Nome.empty() ? MissingAt(index, NameColumn, kMissingNameMessage)
                                         : QString();
    });
}

} // namespace zarn
