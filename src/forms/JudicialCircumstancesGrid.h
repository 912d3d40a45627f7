#pragma once

// The eight circumstances of CP art. 59 of one crime, a row each: neutral or unfavourable by
// the crime's criterion, or unfavourable by a fraction or a term the user types with the
// reason for it. The fraction, the term and the reason are open only where the weight asks
// for them. What does not read, or what the dosimetria would refuse, is kept as typed and
// named by Problem(); the circumstances keep their last good values meanwhile.

#include "sentencing/SentencingInput.h"

#include <QList>
#include <QString>
#include <QWidget>
#include <array>

class QComboBox;
class QLabel;
class QLineEdit;

namespace zarn {

class TermFieldsRow;

class JudicialCircumstancesGrid : public QWidget {
    Q_OBJECT
public:
    explicit JudicialCircumstancesGrid(QWidget* parent = nullptr);

    // Shows the circumstances. Not an edit: Changed() is not emitted.
    void SetCircumstances(const std::array<CircumstanceInput, kJudicialCircumstanceCount>& given);
    // Reads the rows: each one that reads, and that the library takes, replaces its last good
    // value.
    const std::array<CircumstanceInput, kJudicialCircumstanceCount>& Circumstances() const {
        return m_circumstances;
    }
    // "culpabilidade, fra\xE7\xE3o: ..." for the first row that does not read; empty when all do.
    QString Problem() const { return m_problem; }

    QList<QWidget*> TabOrder() const;

    struct Row {
        QLabel* Name = nullptr;
        QComboBox* Weight = nullptr;
        QLineEdit* Fraction = nullptr;
        TermFieldsRow* Increase = nullptr;
        QLineEdit* Reason = nullptr;
    };
    std::array<Row, kJudicialCircumstanceCount> Rows{};

signals:
    void Changed();

private:
    void CreateRow(std::size_t index);
    void LayOutRows();
    void RowChanged();
    void OpenWhatTheWeightAsks(const Row& row);
    // The row read into the circumstance, or the message of what does not read.
    QString ReadRow(std::size_t index, CircumstanceInput& circumstance) const;
    void ReadRows();

    std::array<CircumstanceInput, kJudicialCircumstanceCount> m_circumstances{};
    QString m_problem;
    bool m_loading = false;
};

} // namespace zarn
