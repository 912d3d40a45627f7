#include "widgets/ListTableModel.h"

#include "widgets/CellValues.h"
#include "widgets/QtText.h"

#include <QColor>
#include <QStringList>

namespace zarn {
namespace {

constexpr std::string_view kRowWord = "linha";
// Refused typing shows in this red, dark enough to read on white.
const QColor kRefusedInk(0xB0, 0x00, 0x00);

QString Typed(const QVariant& typed) {
    if (typed.typeId() == QMetaType::QStringList) {
        return typed.toStringList().join(QLatin1Char(' ')).simplified();
    }
    return typed.toString();
}

} // namespace

ListTableModel::ListTableModel(std::string_view documentKey, std::string_view listName,
                               std::span<const ListColumn> columns, QObject* parent)
    : QAbstractTableModel(parent)
    , m_documentKey(documentKey)
    , m_listName(ToQString(listName))
    , m_columns(columns) {}

int ListTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_columns.size());
}

QVariant ListTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || section < 0) {
        return {};
    }
    if (orientation == Qt::Vertical) {
        return section + 1;
    }
    if (section >= columnCount()) {
        return {};
    }
    return ToQString(m_columns[static_cast<std::size_t>(section)].Caption);
}

QString ListTableModel::ListName() const {
    return m_listName;
}

QString ListTableModel::PlaceOf(int row, int column) const {
    QString place = m_listName + QStringLiteral(", ") + ToQString(kRowWord) + QLatin1Char(' ') +
                    QString::number(row + 1);
    if (column >= 0 && column < columnCount()) {
        place +=
            QStringLiteral(", ") + ToQString(m_columns[static_cast<std::size_t>(column)].Caption);
    }
    return place;
}

QString ListTableModel::WithPlaceNames(QString message) const {
    const QString list = ToQString(m_documentKey);
    qsizetype at = 0;
    while ((at = message.indexOf(list, at)) >= 0) {
        qsizetype end = at + list.size();
        QString place = m_listName;
        if (end < message.size() && message[end] == QLatin1Char('[')) {
            const qsizetype close = message.indexOf(QLatin1Char(']'), end);
            bool read = false;
            const int row = close > end ? message.mid(end + 1, close - end - 1).toInt(&read) : 0;
            if (!read) {
                at = end;
                continue;
            }
            end = close + 1;
            int column = -1;
            if (end < message.size() && message[end] == QLatin1Char('.')) {
                for (std::size_t c = 0; c < m_columns.size(); ++c) {
                    const QString key = ToQString(m_columns[c].Key);
                    const qsizetype keyEnd = end + 1 + key.size();
                    const bool whole =
                        keyEnd >= message.size() || !(message[keyEnd].isLetterOrNumber() ||
                                                      message[keyEnd] == QLatin1Char('_'));
                    if (message.mid(end + 1, key.size()) == key && whole) {
                        column = static_cast<int>(c);
                        end = keyEnd;
                        break;
                    }
                }
            }
            place = PlaceOf(row, column);
        }
        message.replace(at, end - at, place);
        at += place.size();
    }
    return message;
}

bool ListTableModel::IsCell(const QModelIndex& index) const {
    return index.isValid() && checkIndex(index, CheckIndexOption::ParentIsInvalid);
}

QVariant ListTableModel::RefusedData(const RefusedCells& refused, int column, int role) {
    const auto found = refused.find(column);
    if (found == refused.end()) {
        return {};
    }
    switch (role) {
    case Qt::DisplayRole:
        return Typed(found->second.Typed);
    case Qt::EditRole:
        return found->second.Typed;
    case Qt::ForegroundRole:
        return kRefusedInk;
    case Qt::ToolTipRole:
        return found->second.Message;
    default:
        return {};
    }
}

bool ListTableModel::Refuse(RefusedCells& refused, const QModelIndex& index, const QVariant& typed,
                            const QString& message) {
    refused[index.column()] = RefusedCell{typed, message};
    emit dataChanged(index, index);
    emit Refused(PlaceOf(index.row(), index.column()) + QStringLiteral(": ") + message);
    emit Edited();
    return false;
}

void ListTableModel::Accept(RefusedCells& refused, const QModelIndex& index) {
    refused.erase(index.column());
    emit dataChanged(index.siblingAtColumn(0), index.siblingAtColumn(columnCount() - 1));
    emit Edited();
}

QString ListTableModel::FirstRefusalOf(const RefusedCells& refused, int row) const {
    if (refused.empty()) {
        return {};
    }
    const auto& [column, cell] = *refused.begin();
    return PlaceOf(row, column) + QStringLiteral(": ") + cell.Message;
}

bool ListTableModel::StoreTextCell(std::string& kept, const QString& text, RefusedCells& refused,
                                   const QModelIndex& index) {
    const QString unstorable = UnstorableCharacterMessage(text);
    if (!unstorable.isEmpty()) {
        return Refuse(refused, index, text, unstorable);
    }
    return StoreCell(kept, ToCp1252(text), refused, index);
}

QString ListTableModel::MissingAt(int row, int column, std::string_view message) const {
    return PlaceOf(row, column) + QStringLiteral(": ") + ToQString(message);
}

} // namespace zarn
