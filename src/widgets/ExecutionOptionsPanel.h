#pragma once

// The options of an execution (law.md 10 and 11, caso.md `opcoes`, `regime_inicial`,
// `convencao`), each a choice with its default first: the order time served is imputed in,
// a conviction whose parole is barred, the cap of art. 75, the initial regime (or the one
// the law gives the sum) and the counting convention. The names are the library's
// (execution/ExecutionNames.h).

#include "execution/ExecutionCase.h"

#include <QList>
#include <QWidget>
#include <optional>

class QComboBox;
class QLabel;

namespace zarn {

// What the panel holds of a case.
struct ExecutionChoices {
    ExecutionOptions Options;
    std::optional<Regime> InitialRegime; // none: law.md 3 for the sum
    CountingConvention Convention = CountingConvention::Base360;

    friend bool operator==(const ExecutionChoices&, const ExecutionChoices&) = default;
};

class ExecutionOptionsPanel : public QWidget {
    Q_OBJECT
public:
    explicit ExecutionOptionsPanel(QWidget* parent = nullptr);

    ExecutionChoices Choices() const;
    // Not an edit: Changed() is not emitted.
    void SetChoices(const ExecutionChoices& choices);

    QList<QWidget*> TabOrder() const;

    QComboBox* ImputationChoice = nullptr;
    QComboBox* BarredParoleChoice = nullptr;
    QComboBox* Art75Choice = nullptr;
    QComboBox* RegimeChoice = nullptr; // 0: as the law gives it for the sum
    QComboBox* ConventionChoice = nullptr;
    QLabel* ImputationLabel = nullptr;
    QLabel* BarredParoleLabel = nullptr;
    QLabel* Art75Label = nullptr;
    QLabel* RegimeLabel = nullptr;
    QLabel* ConventionLabel = nullptr;

signals:
    // The user chose another option.
    void Changed();

private:
    bool m_loading = false;
};

} // namespace zarn
