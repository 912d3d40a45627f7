#pragma once

// What the dosimetria window shows of one crime, in four tabs: the crime (its description,
// range, dias-multa, the criterion of its pena-base, the sexual violence against a woman),
// the circumstances of CP art. 59, the agravantes and atenuantes, and the causes with "somente
// a maior" (art. 68, par. único). Each crime of the window has a panel of its own, so what was
// typed for one crime stays there while another is shown. What does not read, or what the
// dosimetria would refuse, stays as typed and is named by Problem(); Crime() keeps the last
// good values meanwhile.

#include "sentencing/SentencingInput.h"

#include <QList>
#include <QString>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTabWidget;

namespace zarn {

class EditableTable;
class JudicialCircumstancesGrid;
class MaskedField;
class SentencingCausesModel;
class SentencingModifiersModel;
class TermFieldsRow;

class SentencingCrimePanel : public QWidget {
    Q_OBJECT
public:
    explicit SentencingCrimePanel(QWidget* parent = nullptr);

    // Shows a crime, every refused typing dropped. Not an edit: Changed() is not emitted.
    void SetCrime(const CrimeInput& crime);
    const CrimeInput& Crime() const { return m_crime; }
    // The description as the list of crimes renames it. Not an edit of the panel.
    void SetDescription(const std::string& description);
    // The first field or cell that does not read, as "place: message"; empty when all do.
    QString Problem() const;
    // The dias-multa are typed only when the options say they are informed.
    void SetFinesInformed(bool informed);

    QList<QWidget*> TabOrder() const;
    // Shows a tab (wrapping around at either end) with the keyboard on its first control.
    void ShowTab(int index);

    // Components, in tab order, then the labels.
    QTabWidget* Tabs = nullptr;
    QLineEdit* Description = nullptr;
    TermFieldsRow* Minimum = nullptr;
    TermFieldsRow* Maximum = nullptr;
    QComboBox* Criterion = nullptr; // 0: the options' criterion
    QCheckBox* Fine = nullptr;
    MaskedField* FinesMinimum = nullptr;
    MaskedField* FinesMaximum = nullptr;
    MaskedField* FinesInformed = nullptr;
    QCheckBox* SexualViolence = nullptr;
    JudicialCircumstancesGrid* Circumstances = nullptr;
    EditableTable* AgravantesTable = nullptr;
    EditableTable* AtenuantesTable = nullptr;
    EditableTable* CausesTable = nullptr;
    QCheckBox* OnlyLargest = nullptr;
    QLabel* DescriptionLabel = nullptr;
    QLabel* MinimumLabel = nullptr;
    QLabel* MaximumLabel = nullptr;
    QLabel* CriterionLabel = nullptr;
    QLabel* FinesMinimumLabel = nullptr;
    QLabel* FinesMaximumLabel = nullptr;
    QLabel* FinesInformedLabel = nullptr;

    SentencingModifiersModel* Agravantes() const { return m_agravantes; }
    SentencingModifiersModel* Atenuantes() const { return m_atenuantes; }
    SentencingCausesModel* Causes() const { return m_causes; }

signals:
    // The user changed the crime.
    void Changed();

private:
    QWidget* CreateCrimeTab();
    QWidget* CreateModifiersTab();
    QWidget* CreateCausesTab();
    void ConnectHandlers();
    void AddTabKeys();
    void FieldChanged();
    void OpenTheFinesFields();
    // Reads every field into the crime where it reads, and notes the first that does not.
    void ReadFields();
    QString ReadRange();
    QString ReadFines();

    CrimeInput m_crime;
    QString m_fieldProblem;
    SentencingModifiersModel* m_agravantes = nullptr;
    SentencingModifiersModel* m_atenuantes = nullptr;
    SentencingCausesModel* m_causes = nullptr;
    bool m_finesInformed = false;
    bool m_loading = false;
};

} // namespace zarn
