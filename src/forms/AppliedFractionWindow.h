#pragma once

// The window "Fração aplicada": a starting term (Antes) and a resulting term (Depois) give
// every usual increase or reduction that the calculator turns the one into the other with,
// and the change as a percentage. A top-level window beside the main window, made by the
// first use of its Ferramentas item; closing it only hides it. Each opening after a
// Calcula of the main window that gave a result compares that calculation's two terms;
// otherwise the window keeps what was typed there last.

#include "engine/AppliedFraction.h"
#include "forms/ToolWindow.h"

#include <QWidget>
#include <array>
#include <optional>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QShowEvent;

namespace zarn {

class DialogKeys;
class MaskedField;

// The Ferramentas item that opens the window; the window's title is its caption.
inline constexpr const char* kAppliedFractionCaption = "&Fra\xE7\xE3o aplicada";

// Help context number of the window (the page fracao.html).
inline constexpr int kAppliedFractionHelpContext = 21;

class AppliedFractionWindow : public ToolWindow {
    Q_OBJECT
public:
    explicit AppliedFractionWindow(QWidget* parent = nullptr);

    DialogKeys* Keys() const { return m_keys; }

    // Shows the window (or brings it to the front) with the keyboard in the first Antes
    // field and Calcula the default. With the terms of a calculation, the fields take them
    // and the answer is emptied; without, fields and answer stay as they were.
    void Open(const std::optional<CalculationTerms>& terms);

    // The answer as the answer area shows it, one line each.
    QString AnswerText() const;

    // Components, in tab order, then the labels.
    MaskedField* MaskEdit1 = nullptr; // Antes: years
    MaskedField* MaskEdit2 = nullptr; // Antes: months
    MaskedField* MaskEdit3 = nullptr; // Antes: days
    MaskedField* MaskEdit4 = nullptr; // Depois: years
    MaskedField* MaskEdit5 = nullptr; // Depois: months
    MaskedField* MaskEdit6 = nullptr; // Depois: days
    QPushButton* Button1 = nullptr;   // Calcula
    QPlainTextEdit* Memo1 = nullptr;  // the answer, read-only
    QPushButton* Button2 = nullptr;   // Copiar
    QLabel* Label1 = nullptr;         // ANOS
    QLabel* Label2 = nullptr;         // MESES
    QLabel* Label3 = nullptr;         // DIAS
    QLabel* Label4 = nullptr;         // Antes
    QLabel* Label5 = nullptr;         // Depois
    QLabel* Label6 = nullptr;         // Resposta

    // Handlers.
    void Button1Click(); // Calcula
    void Button2Click(); // Copiar

protected:
private:
    void CreateControls();
    QLabel* NewRowLabel(TermSide side);
    void NameControls();
    void PlaceControls();
    void CentreCaptions();
    void ConnectHandlers();
    void SetTabOrder();

    std::array<MaskedField*, 3> TermFields(TermSide side) const;
    TermTexts ReadTerm(TermSide side) const;
    void WriteTerm(TermSide side, const TermTexts& term);
    void ShowAnswer(const QString& text);
    void FocusAndSelectAll(MaskedField* field);

    DialogKeys* m_keys = nullptr;
};

} // namespace zarn
