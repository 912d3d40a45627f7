#pragma once

// Remição counted alone, outside any case (execution/Remicao.h): days of work, hours of study
// with or without a level of education completed, books read and hours of night confinement
// turned into days, with what the last grant of the kind left over carried in, and what this
// one leaves over said. For a judge's or a defender's quick question beside the execution's
// events; it changes nothing in the case.

#include <QList>
#include <QString>
#include <QWidget>

class QComboBox;
class QLabel;
class QSpinBox;

namespace zarn {

class RemicaoCalculator : public QWidget {
    Q_OBJECT
public:
    // The kinds, in the order of the kind's choice.
    enum Kind { Work, Study, StudyCompleted, Books, NightConfinement };

    explicit RemicaoCalculator(QWidget* parent = nullptr);

    // The controls in their tab order.
    QList<QWidget*> TabOrder() const;

    QComboBox* KindChoice = nullptr;
    QSpinBox* AmountField = nullptr;
    // What the last grant left over; for books, those already counted in the 12 months.
    QSpinBox* CarriedField = nullptr;
    QLabel* Result = nullptr;
    QLabel* Hint = nullptr; // what the counter is for
    QLabel* KindLabel = nullptr;
    QLabel* AmountLabel = nullptr;
    QLabel* CarriedLabel = nullptr;

private:
    void KindChanged();
    void Count();
};

} // namespace zarn
