#pragma once

// The window "Prescrição": the date of birth, the date of the calculation (empty: today),
// the option on the confirming acórdão, and three tables, the crimes, the marcos and the
// suspensions, give the prescription of each crime (prescription/Prescription.h) as a text
// that can be copied and as a timeline. The answer follows every change; while something
// typed does not read, the answer is its message instead, and what was typed stays where it
// was typed. A top-level window of the main window, made on the first use of its
// Ferramentas item; closing it only hides it. Its controls sit in layouts and splitters.

#include "forms/ToolWindow.h"
#include "prescription/PrescriptionInput.h"

#include <QString>

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class QSplitter;

namespace zarn {

class EditableTable;
class MaskedField;
class PrescriptionCrimesModel;
class PrescriptionMarcosModel;
class PrescriptionSuspensionsModel;
class PrescriptionTimeline;

// The window's title and its item in the Ferramentas menu.
inline constexpr const char* kPrescriptionCaption = "&Prescri\xE7\xE3o";
// Help context number of the window: the page prescricao.html.
inline constexpr int kPrescriptionHelpContext = 24;

class PrescriptionWindow : public ToolWindow {
    Q_OBJECT
public:
    explicit PrescriptionWindow(QWidget* parent = nullptr);
    ~PrescriptionWindow() override;

    // The window of the main window, made now if it was not yet; shown, in front, the
    // keyboard where it was (the date of birth the first time).
    static PrescriptionWindow* OpenFor(QWidget* mainWindow);

    // The case as the window holds it: the dates as typed (an empty or unreadable date of
    // birth is none; the date of the calculation, today where it is empty or unreadable),
    // the option, and the rows of the tables as their last accepted values give them (a marco
    // or suspension without its date is left out).
    PrescriptionInput Input() const;
    // Shows a case, every refused typing dropped, and answers it. Not a user edit:
    // InputChanged() is not emitted.
    void SetInput(const PrescriptionInput& input);

    // Components, in tab order, then the labels.
    MaskedField* BirthField = nullptr;
    MaskedField* CalculationField = nullptr;
    QCheckBox* AcordaoOption = nullptr;
    EditableTable* CrimesTable = nullptr;
    EditableTable* MarcosTable = nullptr;
    EditableTable* SuspensionsTable = nullptr;
    QPlainTextEdit* AnswerText = nullptr; // read-only
    QPushButton* CopiarButton = nullptr;
    PrescriptionTimeline* Timeline = nullptr;
    QScrollArea* TimelineArea = nullptr;
    QSplitter* Panes = nullptr; // the tables, the answer, the timeline
    QLabel* BirthLabel = nullptr;
    QLabel* CalculationLabel = nullptr;
    QLabel* TodayHint = nullptr;
    QLabel* CrimesLabel = nullptr;
    QLabel* MarcosLabel = nullptr;
    QLabel* SuspensionsLabel = nullptr;
    QLabel* AnswerLabel = nullptr;

    // Handlers.
    void CopiarClick();

signals:
    // The user changed the case: a date, the option, a cell, a row added or removed.
    void InputChanged();

private:
    void CreateControls();
    void CreateTables();
    void NameControls();
    void PlaceControls();
    void ConnectHandlers();
    void SetTabOrder();
    void SizeWindow();

    void UserEdited();
    // The answer, or the first message that stops it, with the timeline.
    void Answer();
    // The first date field or table cell that does not read, as its message; empty when
    // everything reads.
    QString FirstProblem() const;
    // A message of the analysis with its places named as the window names them.
    QString WithPlaceNames(const std::string& message) const;

    PrescriptionCrimesModel* m_crimes = nullptr;
    PrescriptionMarcosModel* m_marcos = nullptr;
    PrescriptionSuspensionsModel* m_suspensions = nullptr;
    bool m_loading = false;
};

} // namespace zarn
