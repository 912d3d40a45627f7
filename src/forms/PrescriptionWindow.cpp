#include "forms/PrescriptionWindow.h"

#include "dates/Clock.h"
#include "dates/DateSettings.h"
#include "fields/ProgramMasks.h"
#include "prescription/Prescription.h"
#include "prescription/PrescriptionText.h"
#include "widgets/AccessibleNames.h"
#include "widgets/CellValues.h"
#include "widgets/ChoiceDelegate.h"
#include "widgets/DateDelegate.h"
#include "widgets/DateFieldText.h"
#include "widgets/DialogKeys.h"
#include "widgets/EditableTable.h"
#include "widgets/FormLayout.h"
#include "widgets/Guarded.h"
#include "widgets/ListTableModel.h"
#include "widgets/MaskedField.h"
#include "widgets/PrescriptionCrimesModel.h"
#include "widgets/PrescriptionMarcosModel.h"
#include "widgets/PrescriptionSuspensionsModel.h"
#include "widgets/PrescriptionTimeline.h"
#include "widgets/QtText.h"
#include "widgets/TermDelegate.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>
#include <array>
#include <optional>
#include <utility>

namespace zarn {
namespace {

constexpr const char* kBirthCaption = "&Nascimento:";
constexpr const char* kCalculationCaption = "&Data do c\xE1lculo:";
constexpr const char* kTodayHint = "em branco: hoje";
constexpr const char* kAcordaoCaption =
    "Ac\xF3rd\xE3o confirmat\xF3rio da condena\xE7\xE3o &interrompe a prescri\xE7\xE3o";
constexpr const char* kCrimesCaption = "C&rimes:";
constexpr const char* kMarcosCaption = "&Marcos interruptivos:";
constexpr const char* kSuspensionsCaption = "&Suspens\xF5"
                                            "es:";
constexpr const char* kAnswerCaption = "Res&posta:";
// What a row of each table is, for the names of its buttons.
constexpr std::string_view kCrimeItem = "crime";
constexpr std::string_view kMarcoItem = "marco";
constexpr std::string_view kSuspensionItem = "suspens\xE3o";

// The case document's keys of the two dates, as the analysis names them in its messages.
constexpr std::string_view kBirthKey = "nascimento";
constexpr std::string_view kCalculationKey = "data_calculo";

// The window's first size, in characters and lines of its font; never beyond the screen.
constexpr int kFirstWidthInCharacters = 180;
constexpr int kFirstHeightInLines = 64;
// The first shares of the height: the tables, the answer, the timeline.
constexpr std::array<int, 3> kPaneShares = {11, 5, 4};

QString DateFieldProblem(const MaskedField* field, const QLabel* label) {
    if (ReadCellDate(ToQString(field->Text())).Ok) {
        return {};
    }
    return AccessibleNameOf(label->text()) + QStringLiteral(": ") +
           ToQString(kUnreadableCellDateMessage);
}

} // namespace

PrescriptionWindow::PrescriptionWindow(QWidget* parent)
    : ToolWindow(parent, "PrescriptionWindow", kPrescriptionCaption, kPrescriptionHelpContext) {
    // The date fields show dd/mm/aaaa, as the calendar's.
    UseCalendarDateSettings();
    CreateControls();
    PlaceControls();
    ConnectHandlers();
    SetTabOrder();
    SizeWindow();
    Answer();
}

PrescriptionWindow::~PrescriptionWindow() {
    // Closing the controls can still commit an open cell's typing; by then there is no window
    // left to answer it.
    for (const QObject* sender :
         std::initializer_list<const QObject*>{BirthField, CalculationField, AcordaoOption,
                                               CopiarButton, m_crimes, m_marcos, m_suspensions}) {
        disconnect(sender, nullptr, this, nullptr);
    }
    // The tables go before their models, which were made first.
    delete Panes;
}

PrescriptionWindow* PrescriptionWindow::OpenFor(QWidget* mainWindow) {
    auto* window =
        mainWindow->findChild<PrescriptionWindow*>(QString(), Qt::FindDirectChildrenOnly);
    const bool first = window == nullptr;
    if (first) {
        window = new PrescriptionWindow(mainWindow);
    }
    UseCalendarDateSettings();
    window->Present();
    if (first) {
        window->BirthField->setFocus(Qt::OtherFocusReason);
    }
    // Today may have changed since the last answer.
    window->Answer();
    return window;
}

void PrescriptionWindow::CreateControls() {
    BirthField = NewDateField();
    CalculationField = NewDateField();
    AcordaoOption = new QCheckBox(ToQString(kAcordaoCaption), this);
    AcordaoOption->setChecked(true);
    CreateTables();
    AnswerText = NewAnswerText();
    CopiarButton = new QPushButton(ToQString(kToolCopyCaption), this);
    CopiarButton->setAutoDefault(false);
    Timeline = new PrescriptionTimeline();
    TimelineArea = NewTimelineArea(Timeline);
    Panes = new QSplitter(Qt::Vertical, this);
    BirthLabel = new QLabel(ToQString(kBirthCaption), this);
    CalculationLabel = new QLabel(ToQString(kCalculationCaption), this);
    TodayHint = new QLabel(ToQString(kTodayHint), this);
    CrimesLabel = new QLabel(ToQString(kCrimesCaption), this);
    MarcosLabel = new QLabel(ToQString(kMarcosCaption), this);
    SuspensionsLabel = new QLabel(ToQString(kSuspensionsCaption), this);
    AnswerLabel = new QLabel(ToQString(kAnswerCaption), this);
    NameControls();
}

void PrescriptionWindow::CreateTables() {
    m_crimes = new PrescriptionCrimesModel(this);
    m_marcos = new PrescriptionMarcosModel(this);
    m_suspensions = new PrescriptionSuspensionsModel(this);
    CrimesTable = new EditableTable(m_crimes, ToQString(kCrimeItem), this);
    MarcosTable = new EditableTable(m_marcos, ToQString(kMarcoItem), this);
    SuspensionsTable = new EditableTable(m_suspensions, ToQString(kSuspensionItem), this);

    // Each table its own delegates: a delegate tells every view it serves of each editor
    // it closes.
    QTableView* crimes = CrimesTable->View;
    auto* crimeDates = new DateDelegate(crimes);
    auto* terms = new TermDelegate(crimes);
    crimes->setItemDelegateForColumn(PrescriptionCrimesModel::FactColumn, crimeDates);
    crimes->setItemDelegateForColumn(PrescriptionCrimesModel::PeriodStartColumn, crimeDates);
    crimes->setItemDelegateForColumn(PrescriptionCrimesModel::MaximumColumn, terms);
    crimes->setItemDelegateForColumn(PrescriptionCrimesModel::AppliedColumn, terms);
    QTableView* marcos = MarcosTable->View;
    marcos->setItemDelegateForColumn(PrescriptionMarcosModel::KindColumn,
                                     new ChoiceDelegate(marcos));
    marcos->setItemDelegateForColumn(PrescriptionMarcosModel::DateColumn, new DateDelegate(marcos));
    QTableView* suspensions = SuspensionsTable->View;
    auto* suspensionDates = new DateDelegate(suspensions);
    suspensions->setItemDelegateForColumn(PrescriptionSuspensionsModel::KindColumn,
                                          new ChoiceDelegate(suspensions));
    suspensions->setItemDelegateForColumn(PrescriptionSuspensionsModel::StartColumn,
                                          suspensionDates);
    suspensions->setItemDelegateForColumn(PrescriptionSuspensionsModel::EndColumn, suspensionDates);
}

void PrescriptionWindow::NameControls() {
    NameComponents({
        {BirthField, "BirthField"},
        {CalculationField, "CalculationField"},
        {AcordaoOption, "AcordaoOption"},
        {CrimesTable, "CrimesTable"},
        {MarcosTable, "MarcosTable"},
        {SuspensionsTable, "SuspensionsTable"},
        {AnswerText, "AnswerText"},
        {CopiarButton, "CopiarButton"},
        {Timeline, "Timeline"},
        {TimelineArea, "TimelineArea"},
        {Panes, "Panes"},
        {BirthLabel, "BirthLabel"},
        {CalculationLabel, "CalculationLabel"},
        {TodayHint, "TodayHint"},
        {CrimesLabel, "CrimesLabel"},
        {MarcosLabel, "MarcosLabel"},
        {SuspensionsLabel, "SuspensionsLabel"},
        {AnswerLabel, "AnswerLabel"},
    });
    // What a screen reader announces: each field, table and the answer by the caption
    // above or beside it; the buttons and the option by their captions; the timeline by its
    // own name.
    NameAfterLabel(BirthField, BirthLabel);
    NameAfterLabel(CalculationField, CalculationLabel);
    NameAfterLabel(CrimesTable->View, CrimesLabel);
    NameAfterLabel(MarcosTable->View, MarcosLabel);
    NameAfterLabel(SuspensionsTable->View, SuspensionsLabel);
    NameAfterLabel(AnswerText, AnswerLabel);
    CalculationField->setAccessibleDescription(TodayHint->text());
}

// The dates and the option on top; under them a splitter of the tables (the crimes across
// the window, the marcos and the suspensions side by side), the answer and the timeline.
void PrescriptionWindow::PlaceControls() {
    auto* column = new QVBoxLayout(this);

    auto* dates = new QGridLayout();
    dates->addWidget(BirthLabel, 0, 0);
    dates->addWidget(BirthField, 0, 1);
    dates->addWidget(CalculationLabel, 0, 2);
    dates->addWidget(CalculationField, 0, 3);
    dates->addWidget(TodayHint, 0, 4);
    dates->addWidget(AcordaoOption, 1, 0, 1, 5);
    dates->setColumnStretch(5, 1);
    column->addLayout(dates);

    auto* tables = new QWidget(Panes);
    auto* tablesGrid = new QGridLayout(tables);
    tablesGrid->setContentsMargins(0, 0, 0, 0);
    tablesGrid->addWidget(CrimesLabel, 0, 0, 1, 2);
    tablesGrid->addWidget(CrimesTable, 1, 0, 1, 2);
    tablesGrid->addWidget(MarcosLabel, 2, 0);
    tablesGrid->addWidget(SuspensionsLabel, 2, 1);
    tablesGrid->addWidget(MarcosTable, 3, 0);
    tablesGrid->addWidget(SuspensionsTable, 3, 1);
    tablesGrid->setRowStretch(1, 1);
    tablesGrid->setRowStretch(3, 1);
    tablesGrid->setColumnStretch(0, 1);
    tablesGrid->setColumnStretch(1, 1);

    auto* answer = new QWidget(Panes);
    auto* answerGrid = new QGridLayout(answer);
    answerGrid->setContentsMargins(0, 0, 0, 0);
    answerGrid->addWidget(AnswerLabel, 0, 0);
    answerGrid->addWidget(CopiarButton, 0, 1);
    answerGrid->addWidget(AnswerText, 1, 0, 1, 2);
    answerGrid->setColumnStretch(0, 1);

    Panes->addWidget(tables);
    Panes->addWidget(answer);
    Panes->addWidget(TimelineArea);
    Panes->setChildrenCollapsible(false);
    SetPaneShares(*Panes, kPaneShares);
    column->addWidget(Panes, 1);
}

void PrescriptionWindow::ConnectHandlers() {
    connect(CopiarButton, &QPushButton::clicked, this, Guarded([this] { CopiarClick(); }));
    auto edited = Guarded([this] { UserEdited(); });
    for (MaskedField* field : {BirthField, CalculationField}) {
        connect(field, &QLineEdit::textChanged, this, edited);
    }
    connect(AcordaoOption, &QCheckBox::toggled, this, edited);
    for (const EditableTable* table : {CrimesTable, MarcosTable, SuspensionsTable}) {
        connect(table->Model(), &ListTableModel::Edited, this, edited);
    }
    // Alt and a button's letter press it, as in the other analysis windows; with no default
    // button, Enter is the tables' and the focused button's.
    DialogKeys::Install(this);
}

void PrescriptionWindow::SetTabOrder() {
    QList<QWidget*> order = {BirthField, CalculationField, AcordaoOption};
    for (const EditableTable* table : {CrimesTable, MarcosTable, SuspensionsTable}) {
        order.append(table->TabOrder());
    }
    order.append({AnswerText, CopiarButton});
    ChainTabOrder(order);
}

void PrescriptionWindow::SizeWindow() {
    const QSize size = ResizeInCharacters(kFirstWidthInCharacters, kFirstHeightInLines);
    SpreadPanes(*Panes, kPaneShares, size.height());
}

PrescriptionInput PrescriptionWindow::Input() const {
    PrescriptionInput input;
    input.Birth = ReadCellDate(ToQString(BirthField->Text())).Date;
    input.CalculationDate =
        ReadCellDate(ToQString(CalculationField->Text())).Date.value_or(CurrentDate());
    input.Crimes = m_crimes->Crimes();
    input.Marcos = m_marcos->Marcos();
    input.Suspensions = m_suspensions->Suspensions();
    input.ConfirmingAcordaoInterrupts = AcordaoOption->isChecked();
    return input;
}

void PrescriptionWindow::SetInput(const PrescriptionInput& input) {
    m_loading = true;
    BirthField->SetText(input.Birth ? WriteDateField(*input.Birth, *BirthField) : std::string());
    CalculationField->SetText(WriteDateField(input.CalculationDate, *CalculationField));
    AcordaoOption->setChecked(input.ConfirmingAcordaoInterrupts);
    m_crimes->SetCrimes(input.Crimes);
    m_marcos->SetMarcos(input.Marcos);
    m_suspensions->SetSuspensions(input.Suspensions);
    m_loading = false;
    Answer();
}

void PrescriptionWindow::UserEdited() {
    if (m_loading) {
        return;
    }
    emit InputChanged();
    Answer();
}

QString PrescriptionWindow::FirstProblem() const {
    QString problem = DateFieldProblem(BirthField, BirthLabel);
    if (problem.isEmpty()) {
        problem = DateFieldProblem(CalculationField, CalculationLabel);
    }
    for (const EditableTable* table : {CrimesTable, MarcosTable, SuspensionsTable}) {
        if (problem.isEmpty()) {
            problem = table->Model()->FirstProblem();
        }
    }
    return problem;
}

QString PrescriptionWindow::WithPlaceNames(const std::string& message) const {
    QString named = ToQString(message);
    for (const auto& [key, label] :
         {std::pair{kBirthKey, BirthLabel}, std::pair{kCalculationKey, CalculationLabel}}) {
        const QString place = ToQString(key) + QLatin1Char(':');
        if (named.startsWith(place)) {
            named.replace(0, place.size() - 1, AccessibleNameOf(label->text()));
        }
    }
    for (const EditableTable* table : {CrimesTable, MarcosTable, SuspensionsTable}) {
        named = table->Model()->WithPlaceNames(named);
    }
    return named;
}

void PrescriptionWindow::Answer() {
    if (m_loading) {
        return;
    }
    QString text = FirstProblem();
    std::optional<PrescriptionOutcome> outcome;
    const PrescriptionInput input = Input();
    if (text.isEmpty()) {
        outcome = AnalysePrescription(input);
        text = outcome->Ok() ? ToQString(WritePrescription(outcome->Report))
                             : WithPlaceNames(outcome->Error);
    }
    AnswerText->setPlainText(text);
    if (outcome && outcome->Ok()) {
        Timeline->SetAnswer(outcome->Report, input.Marcos);
    } else {
        Timeline->Clear();
    }
}

// ----- Handlers ---------------------------------------------------------------------------

void PrescriptionWindow::CopiarClick() {
    QApplication::clipboard()->setText(AnswerText->toPlainText());
}

} // namespace zarn
