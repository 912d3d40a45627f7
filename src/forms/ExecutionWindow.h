#pragma once

// The window "Execução penal": the convictions of an execution, the periods in which they
// were being served and the dated events (faltas graves, escapes, remição in each of its
// forms, night confinement, progressions and regressions), with the options of law.md 10 and
// 11 and the date of the calculation, give the execution at that date
// (execution/CaseExecution.h) as a text in the order of its dates, which can be copied, and
// as a timeline. Each list is a table over a model of its own (widgets/Execution*Model.h);
// the facts of the conviction selected in its table are edited in the facts panel beside it,
// with the options and a counter of remição on pages of their own. The answer follows every
// change; while something typed does not read, the answer is its message instead, and what
// was typed stays where it was typed. A top-level window of the main window, made on the
// first use of its Ferramentas item; closing it only hides it. Its controls sit in layouts
// and splitters. Enter in a table edits the cell, Insert adds a row and Delete removes the
// selected rows: the window has no default button.
//
// The first opening seeds the case with one conviction, the main window's last result with
// the facts shared with "Consequências da pena", and one period of serving from today. That
// conviction stays tied to the shared facts: its edits go to them, and each opening brings
// them (and the last result, when there is one) back into it.

#include "dates/CivilDate.h"
#include "execution/ExecutionCase.h"
#include "forms/ToolWindow.h"
#include "law/CaseFacts.h"

#include <QString>
#include <array>
#include <optional>
#include <string>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class QSplitter;
class QTabWidget;

namespace zarn {

class CaseExecutionTimeline;
class CaseFactsPanel;
class DialogKeys;
class EditableTable;
class ExecutionConvictionsModel;
class ExecutionEventsModel;
class ExecutionOptionsPanel;
class ExecutionPeriodsModel;
class MaskedField;
class RemicaoCalculator;

inline constexpr int kExecutionHelpContext = 23;
// The window's item in the Ferramentas menu; its title is the caption without the "&".
inline constexpr const char* kExecutionCaption = "&Execu\xE7\xE3o penal";

class ExecutionWindow : public ToolWindow {
    Q_OBJECT
public:
    // The window shows and edits the shared facts, which outlive it.
    explicit ExecutionWindow(CaseFacts& sharedFacts, QWidget* parent = nullptr);
    ~ExecutionWindow() override;

    // The window's Enter and accelerator keys.
    DialogKeys* Keys() const { return m_keys; }

    // Opens the window (or brings it to the front). The first time, and whenever the table
    // has no conviction, a conviction of the given term (the main window's last result; no
    // term without one) with the shared facts is seeded, the keyboard on it; the first time,
    // also a period of serving from `today`. Later, the seeded conviction, while it is there,
    // takes the given term (when there is one) and the shared facts.
    void Open(const std::optional<std::array<std::string, 3>>& term, DayNumber today);

    // The case as the window holds it: the convictions, periods and events as their last
    // accepted values give them (a period or event without its date is left out), the
    // options, and the date of the calculation (today where it is empty or unreadable).
    ExecutionCase Input() const;
    // Shows a case, every refused typing dropped, and answers it; no conviction of it is tied
    // to the shared facts. Not a user edit: InputChanged() is not emitted.
    void SetInput(const ExecutionCase& input);

    // Components, in tab order, then the labels.
    MaskedField* CalculationField = nullptr; // empty: today
    EditableTable* ConvictionsTable = nullptr;
    QTabWidget* SidePages = nullptr; // the facts, the options, the counter of remição
    CaseFactsPanel* Facts = nullptr; // of the conviction selected
    ExecutionOptionsPanel* Options = nullptr;
    RemicaoCalculator* Remicao = nullptr;
    EditableTable* PeriodsTable = nullptr;
    EditableTable* EventsTable = nullptr;
    QPlainTextEdit* AnswerText = nullptr; // read-only
    QPushButton* CopiarButton = nullptr;
    CaseExecutionTimeline* Timeline = nullptr;
    QScrollArea* TimelineArea = nullptr;
    QSplitter* Panes = nullptr;         // the question, the answer, the timeline
    QSplitter* QuestionPanes = nullptr; // the tables beside the pages
    QLabel* CalculationLabel = nullptr;
    QLabel* TodayHint = nullptr;
    QLabel* ConvictionsLabel = nullptr;
    QLabel* FactsHeading = nullptr; // names the conviction whose facts are shown
    QLabel* PeriodsLabel = nullptr;
    QLabel* EventsLabel = nullptr;
    QLabel* AnswerLabel = nullptr;

    // Handlers.
    void CopiarClick();

signals:
    // The user changed the case: a date, a cell, a row added or removed, a fact, an option;
    // also an opening that brought a new term or new facts into the seeded conviction.
    void InputChanged();

private:
    void CreateControls();
    void CreateTables();
    void CreatePages();
    void NameControls();
    void PlaceControls();
    void ConnectHandlers();
    void SetTabOrder();
    void SizeWindow();

    void SeedConviction(const std::optional<std::array<std::string, 3>>& term);
    void SelectConviction(int row);
    int ShownConviction() const;
    // The panel shows the facts of the conviction selected, unless it shows them already
    // (a date of the crime typed there but not a date stays as typed).
    void ShowFacts();
    void FactsEdited();
    void UserEdited();
    // The answer, or the first message that stops it, with the timeline.
    void Answer();
    QString FirstProblem() const;
    QString WithPlaceNames(const std::string& message) const;

    CaseFacts& m_sharedFacts;
    DialogKeys* m_keys = nullptr;
    ExecutionConvictionsModel* m_convictions = nullptr;
    ExecutionPeriodsModel* m_periods = nullptr;
    ExecutionEventsModel* m_events = nullptr;
    bool m_loading = false;
    bool m_showingFacts = false;
    bool m_seeded = false; // the first opening, or a case set, is past
};

} // namespace zarn
