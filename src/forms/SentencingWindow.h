#pragma once

// The window "Dosimetria": the crimes of a sentence, each through the three phases of CP
// arts. 59 and 61-68 with its range, circumstances, agravantes, atenuantes and causes (a panel
// per crime, SentencingCrimePanel), the concurso de crimes and the options of law.md 13 and
// 14 give the sentence as a text in the manner of a judgment (sentencing/SentencingText.h),
// written again on every change. While something typed does not read, the text is its
// message instead, and what was typed stays where it was typed. From the answer, the final
// term goes to "Consequências da pena" with the facts the dosimetria settles, and a crime's
// operations to the calculation record. A top-level window of the main window, made on the
// first use of its Ferramentas item; closing it only hides it. Its controls sit in layouts
// and splitters. Enter in a table edits the cell, Delete removes the selected rows: the
// window has no default button.

#include "forms/SentencingCaptions.h"
#include "forms/ToolWindow.h"
#include "law/CaseFacts.h"
#include "sentencing/SentencingAnswer.h"
#include "sentencing/SentencingInput.h"

#include <QList>
#include <QString>
#include <array>
#include <optional>
#include <string>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSplitter;
class QStackedWidget;

namespace zarn {

class CalcRecord;
class DialogKeys;
class EditableTable;
class SentencingCrimePanel;
class SentencingCrimesModel;
class SentencingOptionsBox;

// The years, months and days of a term as the term fields take them.
using FieldTermTexts = std::array<std::string, 3>;

class SentencingWindow : public ToolWindow {
    Q_OBJECT
public:
    // The window writes the shared facts and the record, which outlive it.
    SentencingWindow(CaseFacts& sharedFacts, CalcRecord& record, QWidget* parent = nullptr);

    DialogKeys* Keys() const { return m_keys; }

    // Shows the window, or brings it to the front; the first time, the keyboard goes to the
    // first crime's description.
    void Open();

    // The dosimetria as the window holds it: the crimes as their last good values give them,
    // the concurso and the options.
    SentencingInput Input() const;
    // Shows a dosimetria, every refused typing dropped, and answers it. Not a user edit:
    // InputChanged() is not emitted.
    void SetInput(const SentencingInput& input);

    // The panel of the crime of a row of the list; null for no such row.
    SentencingCrimePanel* PanelAt(int row) const;
    // The crime shown: the list's current row, or the first.
    int ShownCrime() const;

    // Components, in tab order (the crime panels' own after the list), then the labels.
    EditableTable* CrimesTable = nullptr;
    QStackedWidget* CrimePanels = nullptr; // a hint, then a panel for each crime
    QComboBox* ConcursoChoice = nullptr;   // 0: none
    QLineEdit* ConcursoFraction = nullptr; // continuado especifico only
    SentencingOptionsBox* Options = nullptr;
    QPlainTextEdit* AnswerText = nullptr; // read-only
    QCheckBox* InWords = nullptr;         // Números por extenso
    QPushButton* CopiarButton = nullptr;
    QPushButton* ConsequencesButton = nullptr;
    QPushButton* RecordButton = nullptr; // the shown crime's steps to the calculation record
    QPushButton* FecharButton = nullptr;
    QLabel* MessageLine = nullptr;      // what the last Consequências or record command did
    QSplitter* Panes = nullptr;         // the question over the answer
    QSplitter* QuestionPanes = nullptr; // the crimes and options beside the crime shown
    QGroupBox* ConcursoBox = nullptr;
    QLabel* CrimesLabel = nullptr;
    QLabel* AnswerLabel = nullptr;

    // Handlers.
    void CopiarClick();
    void ConsequencesClick();
    void RecordClick();
    void FecharClick();

signals:
    // The user changed the dosimetria: a crime, the concurso or an option.
    void InputChanged();
    // Consequências: the final term, for the consequences window; the shared facts are
    // written already.
    void ConsequencesRequested(const FieldTermTexts& term);
    // The shown crime's steps were appended to the calculation record.
    void StepsRecorded();

private:
    void CreateControls();
    void NameControls();
    void PlaceControls();
    void ConnectHandlers();
    void SetTabOrder();

    void AddPanels(int first, int last);
    void RemovePanels(int first, int last);
    void RebuildPanels();
    void PanelChanged(SentencingCrimePanel* panel);
    void ShowCrime(int row);
    void FinesMethodChanged();
    void ConcursoChanged();
    void UserEdited();

    bool FinesInformed() const;
    // The concurso as its fields give it, or its last good value and the message of the
    // fraction that does not read.
    void ReadConcurso();
    // The first field or cell that does not read, named with its crime; empty when all do.
    QString FirstProblem() const;
    // The text, or the message that stops it; the answer kept for the buttons.
    void Answer();

    CaseFacts& m_sharedFacts;
    CalcRecord& m_record;
    DialogKeys* m_keys = nullptr;
    SentencingCrimesModel* m_crimes = nullptr;
    QList<SentencingCrimePanel*> m_panels;
    std::optional<ConcursoInput> m_concurso;
    QString m_concursoProblem;
    std::optional<SentencingAnswer> m_answer; // the last answer given, while it stands
    bool m_loading = false;
    bool m_opened = false;
};

} // namespace zarn
