#pragma once

// The facts of a conviction as the analysis windows ask them (law/CaseFacts, law.md 2): the
// natureza, the especie and the reincidencia as choices, the other facts as check boxes, the
// date of the crime in a date field (empty: not given), the days of detracao, and an
// optional inciso of LEP art. 112 that, when picked, sets the facts it implies over those
// shown before it was picked. A control, or an entry of a choice, whose value would
// contradict the facts shown is disabled, and its tooltip gives the library's message; an
// inciso picked anyway by the program is refused, its message in the choice's tooltip, and
// leaves the facts as they were. The controls sit in a grid layout: a window gives the panel its
// sizeHint and chains TabOrder() into its own tab order.

#include "law/CaseFacts.h"

#include <QList>
#include <QWidget>
#include <string>

class QCheckBox;
class QComboBox;
class QLabel;

namespace zarn {

class MaskedField;

// The days of detracao the field holds: five digits.
inline constexpr long long kLargestPanelDetracaoDays = 99999;

// What the windows say, above their answer, of a date of the crime that is typed but is no
// date. Windows-1252.
inline constexpr const char* kInvalidCrimeDateMessage =
    "Data do crime inv\xE1lida: digite dia, m\xEAs e ano (dd/mm/aaaa). Enquanto isso, o "
    "c\xE1lculo a trata como n\xE3o informada.";

class CaseFactsPanel : public QWidget {
    Q_OBJECT
public:
    explicit CaseFactsPanel(QWidget* parent = nullptr);

    // The facts the controls show: an empty detracao field is 0 days, a date field that
    // holds no date is a date not given, the earlier crime is doloso unless the box says
    // otherwise with reincidencia.
    CaseFacts Facts() const;
    // Shows the facts, the detracao held to 0 .. kLargestPanelDetracaoDays, keeps the chosen
    // inciso only while the facts still imply it, and emits FactsChanged once.
    void SetFacts(const CaseFacts& facts);

    // The date field holds something that is not a date of the calendar.
    bool CrimeDateInvalid() const;

    // The panel's controls in their tab order.
    QList<QWidget*> TabOrder() const;

    // Components, in tab order, then the labels.
    QComboBox* Natureza = nullptr;     // kNaturezaNames, in their order
    QComboBox* Especie = nullptr;      // 0: reclusao; 1: detencao
    QComboBox* Reincidencia = nullptr; // 0: nao; 1: sim; 2: sim, especifica
    QCheckBox* Culposo = nullptr;
    QCheckBox* CulposoAnterior = nullptr; // condenacao anterior por crime culposo
    QCheckBox* Violencia = nullptr;
    QCheckBox* Tentativa = nullptr;
    QCheckBox* ViolenciaSexual = nullptr;
    QCheckBox* MausAntecedentes = nullptr;
    QCheckBox* Desfavoraveis = nullptr; // off: favourable circumstances
    QCheckBox* Menor21 = nullptr;
    QCheckBox* Maior70 = nullptr;
    QCheckBox* Paragrafo3 = nullptr;
    MaskedField* DataCrime = nullptr;
    MaskedField* Detracao = nullptr;
    // 0: none; then the rows of kProgressionRows. Its tooltip says why the last one picked
    // was refused, until a fact changes.
    QComboBox* Inciso = nullptr;
    QLabel* NaturezaLabel = nullptr;
    QLabel* EspecieLabel = nullptr;
    QLabel* ReincidenciaLabel = nullptr;
    QLabel* DataCrimeLabel = nullptr;
    QLabel* DetracaoLabel = nullptr;
    QLabel* IncisoLabel = nullptr;

signals:
    // A fact changed, by the user, by an inciso or by SetFacts.
    void FactsChanged();

private:
    void CreateControls();
    void CreateChoices();
    void NameControls();
    void LayOutControls();
    void ConnectHandlers();
    QList<QCheckBox*> CheckBoxes() const;

    void ShowFacts(const CaseFacts& facts);
    void ShowWhatCanApply();
    void KeepIncisoWhileImplied();
    void IncisoPicked();
    void ShowRefusal(const std::string& message);
    void ControlChanged();
    void FactsSettled();

    bool m_settingFacts = false;
    CaseFacts m_factsBeforeInciso;
};

} // namespace zarn
