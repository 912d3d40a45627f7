#pragma once

// The options of the dosimetria (law.md 13 and 14), each a choice with its default: the
// criterion of the pena-base, how the second phase applies its fractions, the order of the
// third phase, how the dias-multa are fixed and the fine of a crime continuado.

#include "sentencing/SentencingInput.h"

#include <QGroupBox>
#include <QList>

class QComboBox;

namespace zarn {

class SentencingOptionsBox : public QGroupBox {
    Q_OBJECT
public:
    explicit SentencingOptionsBox(QWidget* parent = nullptr);

    SentencingOptions Options() const;
    // Not an edit: Changed() is not emitted.
    void SetOptions(const SentencingOptions& options);

    QList<QWidget*> TabOrder() const;

    QComboBox* BaseCriterionChoice = nullptr;
    QComboBox* SecondPhaseChoice = nullptr;
    QComboBox* ThirdPhaseChoice = nullptr;
    QComboBox* FinesMethodChoice = nullptr;
    QComboBox* ContinuedFinesChoice = nullptr;

signals:
    // The user chose another option.
    void Changed();

private:
    bool m_loading = false;
};

} // namespace zarn
