#pragma once

// The facts of a case as the analysis windows ask them (law/CaseFacts): the especie, the
// record, the circumstances and the ages as check boxes, the inciso of LEP art. 112 as a
// choice, and the days of detracao. The first entry of the choice is the inciso the facts
// give ("derivado dos fatos: I"), updated as they change; every inciso of the table follows
// with its case. The panel lays its controls out in pixels of the 120 pixels-per-inch
// layout over kCaseFactsPanelWidth x kCaseFactsPanelHeight; a window places it at that size
// (PlaceWidget) and chains TabOrder() into its own tab order.

#include "law/CaseFacts.h"

#include <QList>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;

namespace zarn {

class MaskedField;

// The panel's size in pixels of the layout.
inline constexpr int kCaseFactsPanelWidth = 688;
inline constexpr int kCaseFactsPanelHeight = 152;
// The days of detracao the field holds: five digits.
inline constexpr long long kLargestPanelDetracaoDays = 99999;

class CaseFactsPanel : public QWidget {
    Q_OBJECT
public:
    explicit CaseFactsPanel(QWidget* parent = nullptr);

    // The facts the controls show; an empty detracao field is 0 days.
    CaseFacts Facts() const;
    // Shows the facts, the detracao held to 0 .. kLargestPanelDetracaoDays, and emits
    // FactsChanged once.
    void SetFacts(const CaseFacts& facts);

    // The panel's controls in their tab order.
    QList<QWidget*> TabOrder() const;

    // Components, in tab order, then the labels.
    QCheckBox* Detencao = nullptr; // off: reclusao
    QCheckBox* Reincidente = nullptr;
    QCheckBox* Desfavoraveis = nullptr; // off: favourable circumstances
    QCheckBox* Violencia = nullptr;
    QCheckBox* Culposo = nullptr;
    QCheckBox* Menor21 = nullptr;
    QCheckBox* Maior70 = nullptr;
    MaskedField* Detracao = nullptr;
    QComboBox* Inciso = nullptr; // 0: derived from the facts; then the table's rows
    QLabel* DetracaoLabel = nullptr;
    QLabel* IncisoLabel = nullptr;

signals:
    // A fact changed, by the user or by SetFacts.
    void FactsChanged();

private:
    void CreateControls();
    void PlaceControls();
    void ConnectHandlers();
    QList<QCheckBox*> CheckBoxes() const;
    void ShowDerivedInciso();
    void ControlChanged();

    bool m_settingFacts = false;
};

} // namespace zarn
