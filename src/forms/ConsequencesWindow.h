#pragma once

// The window "Consequências da pena": a term in years, months and days and the facts of
// the case give the initial regime, substitution, sursis, parole, the first progression and
// the prescription periods, as the text of law/ConsequencesText, written again whenever the
// term or a fact changes; a term the calculator refuses shows its message instead, and no
// term at all a hint. A top-level window that the main window creates on the first use of
// its Ferramentas item and opens, seeded with its last result; closing it only hides it.
// The facts are the main window's, shared with the execution window: read on opening,
// written on every change. Its controls sit in layouts.

#include "forms/ToolWindow.h"
#include "law/CaseFacts.h"

#include <QWidget>
#include <array>
#include <optional>
#include <string>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace zarn {

class CaseFactsPanel;
class DialogKeys;
class MaskedField;

// The window's title and its item in the Ferramentas menu.
inline constexpr const char* kConsequencesCaption = "&Consequ\xEAncias da pena";
// Help context number of the window: the page consequencias.html.
inline constexpr int kConsequencesHelpContext = 22;
// What the text shows while no term is typed.
inline constexpr const char* kConsequencesNoTermHint =
    "Digite a pena (anos, meses e dias) para ver suas consequ\xEAncias.";

class ConsequencesWindow : public ToolWindow {
    Q_OBJECT
public:
    // The window shows and edits the shared facts, which outlive it.
    explicit ConsequencesWindow(CaseFacts& sharedFacts, QWidget* parent = nullptr);

    // The window's Enter, default-button and accelerator keys.
    DialogKeys* Keys() const { return m_keys; }

    // Shows the window, or brings it to the front. The term fields take the years, months
    // and days of the main window's last result when there is one, and otherwise keep what
    // was typed there; the facts panel shows the shared facts. The keyboard goes to the
    // years field.
    void Open(const std::optional<std::array<std::string, 3>>& lastResult);

    // Components, in tab order (the facts panel's own in between), then the labels.
    MaskedField* MaskEdit1 = nullptr; // years
    MaskedField* MaskEdit2 = nullptr; // months
    MaskedField* MaskEdit3 = nullptr; // days
    CaseFactsPanel* Facts1 = nullptr;
    QPlainTextEdit* Memo1 = nullptr; // the consequences, read-only
    QPushButton* Button1 = nullptr;  // Copiar, the default
    QPushButton* Button2 = nullptr;  // Fechar
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;

    // Handlers.
    void Button1Click();   // Copiar: the whole text to the clipboard
    void Button2Click();   // Fechar
    void UpdateAnalysis(); // the text for the term and the facts shown

private:
    void CreateControls();
    void LayOutControls();
    void ConnectHandlers();
    void SetTabOrder();
    void FactsChanged();
    bool TermTyped() const;

    CaseFacts& m_sharedFacts;
    DialogKeys* m_keys = nullptr;
};

} // namespace zarn
