#pragma once

// The agravantes or the atenuantes of one crime ("agravantes", "atenuantes") as a table: the
// name, chosen from those of CP arts. 61, 62, 65 and 66 that the library offers for the crime
// or typed freely, and the fraction, 1/6 unless another is typed. A name or fraction the
// dosimetria would refuse is refused here with its message and kept in its cell
// (ListTableModel); a row without a name is the list's problem until one is given.

#include "sentencing/SentencingInput.h"
#include "sentencing/SentencingNames.h"
#include "widgets/ListTableModel.h"

#include <vector>

namespace zarn {

class SentencingModifiersModel : public ListTableModel {
    Q_OBJECT
public:
    enum Column { NameColumn, FractionColumn };

    explicit SentencingModifiersModel(ModifierRole role, QObject* parent = nullptr);

    ModifierRole Role() const { return m_role; }

    // Shows the list; every refused typing is dropped. Not an edit.
    void SetModifiers(const std::vector<ModifierInput>& modifiers);
    // The list as its last accepted values give it.
    std::vector<ModifierInput> Modifiers() const;
    // The crime's sexual violence against a woman, which takes the age atenuante out of the
    // names offered (law.md 13).
    void SetSexualViolence(bool sexualViolence);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // New rows have no name and the fraction of the law's default.
    bool insertRows(int row, int count, const QModelIndex& parent = QModelIndex()) override;
    bool removeRows(int row, int count, const QModelIndex& parent = QModelIndex()) override;

    QString FirstProblem() const override;

private:
    struct Row {
        ModifierInput Modifier;
        RefusedCells Refused;
    };

    QStringList OfferedNames() const;
    QVariant NameData(const ModifierInput& modifier, int role) const;
    bool SetName(Row& row, const QModelIndex& index, const QString& text);
    bool SetFraction(Row& row, const QModelIndex& index, const QString& text);
    // The library's message on the row's item alone at a key ("nome", "fracao").
    QString ItemFault(const ModifierInput& modifier, std::string_view key) const;

    ModifierRole m_role;
    bool m_sexualViolence = false;
    std::vector<Row> m_rows;
};

} // namespace zarn
