#pragma once

// The window "Execução penal": a term, the day serving began (the data-base), the facts of
// the case with the days of detração, the days of remição, the initial regime and the
// counting convention give the dates of the execution (each progression, parole and the
// last day of the term) as a text that can be copied and as a timeline across the window.
// A top-level window of the main window, made on the first use of its Ferramentas item;
// closing it only hides it. Calcula, the default button, answers; from then on the answer
// follows every change of the question. The facts are the main window's, shared with the
// consequences window: read on opening, written on every change.

#include "dates/CivilDate.h"
#include "forms/ToolWindow.h"
#include "law/CaseFacts.h"
#include "law/ExecutionInput.h"

#include <QWidget>
#include <array>
#include <optional>
#include <string>

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace zarn {

class CaseFactsPanel;
class DialogKeys;
class ExecutionTimeline;
class MaskedField;

inline constexpr int kExecutionHelpContext = 23;
// The window's item in the Ferramentas menu; its title is the caption without the "&".
inline constexpr const char* kExecutionCaption = "&Execu\xE7\xE3o penal";

class ExecutionWindow : public ToolWindow {
    Q_OBJECT
public:
    // The window shows and edits the shared facts, which outlive it.
    explicit ExecutionWindow(CaseFacts& sharedFacts, QWidget* parent = nullptr);

    // The window's Enter, default-button and accelerator keys.
    DialogKeys* Keys() const { return m_keys; }

    // Opens the window (or brings it to the front) for a new question: the term fields with
    // the given years, months and days when there are some (else they keep theirs), the start
    // date at today, the facts panel with the shared facts, the keyboard on the start date,
    // and Calcula the default.
    void Open(const std::optional<std::array<std::string, 3>>& term, DayNumber today);

    // Components, in tab order, then the labels.
    MaskedField* YearsField = nullptr;
    MaskedField* MonthsField = nullptr;
    MaskedField* DaysField = nullptr;
    MaskedField* StartField = nullptr;
    CaseFactsPanel* Facts = nullptr; // with the days of detracao
    MaskedField* RemicaoField = nullptr;
    QComboBox* RegimeChoice = nullptr;     // 0: as the term and the facts give it
    QComboBox* ConventionChoice = nullptr; // 0: base 360/30; 1: calendar days
    QPushButton* CalculaButton = nullptr;
    QPushButton* CopiarButton = nullptr;
    QPlainTextEdit* AnswerText = nullptr; // read-only
    ExecutionTimeline* Timeline = nullptr;
    QLabel* YearsLabel = nullptr;
    QLabel* MonthsLabel = nullptr;
    QLabel* DaysLabel = nullptr;
    QLabel* StartLabel = nullptr;
    QLabel* RemicaoLabel = nullptr;
    QLabel* RegimeLabel = nullptr;
    QLabel* ConventionLabel = nullptr;
    QLabel* AnswerLabel = nullptr;

    // Handlers.
    void CalculaClick();
    void CopiarClick();

private:
    void CreateControls();
    void CreateChoices();
    void NameControls();
    void PlaceControls();
    void ConnectHandlers();
    void SetTabOrder();

    ExecutionFields ReadFields() const;
    void FactsChanged();
    void QuestionChanged();

    CaseFacts& m_sharedFacts;
    DialogKeys* m_keys = nullptr;
    bool m_answering = false; // set by the first Calcula: the answer follows the question
};

} // namespace zarn
