#include "forms/ExecutionWindow.h"

#include "dates/Clock.h"
#include "dates/DateSettings.h"
#include "execution/CaseExecution.h"
#include "execution/CaseExecutionText.h"
#include "fields/ProgramMasks.h"
#include "help/HelpContext.h"
#include "widgets/AccessibleNames.h"
#include "widgets/CaseExecutionTimeline.h"
#include "widgets/CaseFactsPanel.h"
#include "widgets/CellValues.h"
#include "widgets/ChoiceDelegate.h"
#include "widgets/DateDelegate.h"
#include "widgets/DateFieldText.h"
#include "widgets/DialogKeys.h"
#include "widgets/EditableTable.h"
#include "widgets/ExecutionConvictionsModel.h"
#include "widgets/ExecutionEventsModel.h"
#include "widgets/ExecutionOptionsPanel.h"
#include "widgets/ExecutionPeriodsModel.h"
#include "widgets/FormLayout.h"
#include "widgets/Guarded.h"
#include "widgets/MaskedField.h"
#include "widgets/QtText.h"
#include "widgets/RemicaoCalculator.h"
#include "widgets/TermDelegate.h"

#include <QApplication>
#include <QClipboard>
#include <QGridLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace zarn {
namespace {

constexpr const char* kCalculationCaption = "&Data do c\xE1lculo:";
constexpr const char* kTodayHint = "em branco: hoje";
constexpr const char* kConvictionsCaption = "Co&ndena\xE7\xF5"
                                            "es:";
constexpr const char* kPeriodsCaption = "&Per\xED"
                                        "odos de cumprimento:";
constexpr const char* kEventsCaption = "&Eventos:";
constexpr const char* kAnswerCaption = "Respos&ta, na ordem das datas:";
constexpr const char* kFactsPage = "&Fatos da condena\xE7\xE3o";
constexpr const char* kOptionsPage = "Op\xE7\xF5"
                                     "e&s";
constexpr const char* kRemicaoPage = "Remi\xE7\xE3o a&vulsa";
constexpr const char* kPagesName = "Fatos, op\xE7\xF5"
                                   "es e remi\xE7\xE3o avulsa";
constexpr const char* kNoConvictionHeading = "Nenhuma condena\xE7\xE3o selecionada.";
constexpr const char* kConvictionWords = "Condena\xE7\xE3o da linha ";
constexpr const char* kSharedWords =
    ": os fatos da janela principal, que valem tamb\xE9m em Consequ\xEAncias da pena.";
// What a row of each table is, for the names of its buttons.
constexpr std::string_view kConvictionItem = "condena\xE7\xE3o";
constexpr std::string_view kPeriodItem = "per\xED"
                                         "odo";
constexpr std::string_view kEventItem = "evento";
// The case document's key of the date of the calculation, as the execution names it in its
// messages.
constexpr std::string_view kCalculationKey = "data_calculo";

// The window's first size, in characters and lines of its font; never beyond the screen.
constexpr int kFirstWidthInCharacters = 270;
constexpr int kFirstHeightInLines = 66;
// The first shares of the height: the question, the answer, the timeline; and of the
// question's width: the tables, the pages.
constexpr std::array<int, 3> kPaneShares = {10, 5, 4};
constexpr std::array<int, 2> kQuestionShares = {3, 2};

// A term as the main window's fields give it, in days; none where nothing reads.
long long TermDaysOf(const std::array<std::string, 3>& term) {
    QStringList texts;
    for (const std::string& part : term) {
        texts << ToQString(part);
    }
    const CellTerm read = ReadCellTerm(texts);
    return read.Ok ? read.Days : 0;
}

// A page that scrolls where the window is too short for it, never sideways: it is as wide
// as its content asks.
QWidget* ScrolledPage(QWidget* content) {
    auto* area = new QScrollArea();
    area->setWidget(content);
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    area->setFocusPolicy(Qt::NoFocus);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area->setMinimumWidth(content->minimumSizeHint().width() +
                          area->verticalScrollBar()->sizeHint().width());
    return area;
}

} // namespace

ExecutionWindow::ExecutionWindow(CaseFacts& sharedFacts, QWidget* parent)
    : ToolWindow(parent, "ExecutionWindow", kExecutionCaption, kExecutionHelpContext)
    , m_sharedFacts(sharedFacts) {
    // The date fields show dd/mm/aaaa, as the calendar's.
    UseCalendarDateSettings();
    CreateControls();
    PlaceControls();
    ConnectHandlers();
    SetTabOrder();
    SizeWindow();
    ShowFacts();
    Answer();
}

ExecutionWindow::~ExecutionWindow() {
    // Closing the controls can still commit an open cell's typing; by then there is no window
    // left to answer it.
    for (const QObject* sender : std::initializer_list<const QObject*>{
             CalculationField, Options, Facts, CopiarButton, m_convictions, m_periods, m_events,
             ConvictionsTable->View->selectionModel()}) {
        disconnect(sender, nullptr, this, nullptr);
    }
    // The tables go before their models, which were made first.
    delete Panes;
}

void ExecutionWindow::CreateControls() {
    CalculationField = NewDateField();
    CreateTables();
    CreatePages();
    AnswerText = NewAnswerText();
    CopiarButton = new QPushButton(ToQString(kToolCopyCaption), this);
    CopiarButton->setAutoDefault(false);
    Timeline = new CaseExecutionTimeline();
    TimelineArea = NewTimelineArea(Timeline);
    Panes = new QSplitter(Qt::Vertical, this);
    QuestionPanes = new QSplitter(Qt::Horizontal);
    CalculationLabel = new QLabel(ToQString(kCalculationCaption), this);
    TodayHint = new QLabel(ToQString(kTodayHint), this);
    ConvictionsLabel = new QLabel(ToQString(kConvictionsCaption), this);
    PeriodsLabel = new QLabel(ToQString(kPeriodsCaption), this);
    EventsLabel = new QLabel(ToQString(kEventsCaption), this);
    AnswerLabel = new QLabel(ToQString(kAnswerCaption), this);
    NameControls();
}

void ExecutionWindow::CreateTables() {
    m_convictions = new ExecutionConvictionsModel(this);
    m_periods = new ExecutionPeriodsModel(this);
    m_events = new ExecutionEventsModel(this);
    ConvictionsTable = new EditableTable(m_convictions, ToQString(kConvictionItem), this);
    PeriodsTable = new EditableTable(m_periods, ToQString(kPeriodItem), this);
    EventsTable = new EditableTable(m_events, ToQString(kEventItem), this);

    // Each table its own delegates: a delegate tells every view it serves of each editor it
    // closes.
    QTableView* convictions = ConvictionsTable->View;
    auto* convictionDates = new DateDelegate(convictions);
    convictions->setItemDelegateForColumn(ExecutionConvictionsModel::TermColumn,
                                          new TermDelegate(convictions));
    convictions->setItemDelegateForColumn(ExecutionConvictionsModel::CrimeDateColumn,
                                          convictionDates);
    convictions->setItemDelegateForColumn(ExecutionConvictionsModel::TransitoColumn,
                                          convictionDates);
    QTableView* periods = PeriodsTable->View;
    auto* periodDates = new DateDelegate(periods);
    periods->setItemDelegateForColumn(ExecutionPeriodsModel::StartColumn, periodDates);
    periods->setItemDelegateForColumn(ExecutionPeriodsModel::EndColumn, periodDates);
    QTableView* events = EventsTable->View;
    auto* eventChoices = new ChoiceDelegate(events);
    events->setItemDelegateForColumn(ExecutionEventsModel::KindColumn, eventChoices);
    events->setItemDelegateForColumn(ExecutionEventsModel::DateColumn, new DateDelegate(events));
    events->setItemDelegateForColumn(ExecutionEventsModel::RegimeColumn, eventChoices);
}

void ExecutionWindow::CreatePages() {
    SidePages = new QTabWidget();
    auto* factsPage = new QWidget();
    FactsHeading = new QLabel(factsPage);
    FactsHeading->setWordWrap(true);
    Facts = new CaseFactsPanel(factsPage);
    auto* factsColumn = new QVBoxLayout(factsPage);
    factsColumn->addWidget(FactsHeading);
    factsColumn->addWidget(Facts);
    factsColumn->addStretch(1);
    Options = new ExecutionOptionsPanel();
    Remicao = new RemicaoCalculator();
    auto* remicaoPage = new QWidget();
    auto* remicaoColumn = new QVBoxLayout(remicaoPage);
    remicaoColumn->addWidget(Remicao);
    remicaoColumn->addStretch(1);
    SidePages->addTab(ScrolledPage(factsPage), ToQString(kFactsPage));
    SidePages->addTab(ScrolledPage(Options), ToQString(kOptionsPage));
    SidePages->addTab(ScrolledPage(remicaoPage), ToQString(kRemicaoPage));
    // F1 anywhere in the window opens its page, in the facts too.
    SetHelpContext(Facts, kExecutionHelpContext);
    for (QWidget* control : Facts->TabOrder()) {
        SetHelpContext(control, kExecutionHelpContext);
    }
}

void ExecutionWindow::NameControls() {
    NameComponents({
        {CalculationField, "CalculationField"},
        {ConvictionsTable, "ConvictionsTable"},
        {SidePages, "SidePages"},
        {Facts, "Facts"},
        {Options, "Options"},
        {Remicao, "Remicao"},
        {PeriodsTable, "PeriodsTable"},
        {EventsTable, "EventsTable"},
        {AnswerText, "AnswerText"},
        {CopiarButton, "CopiarButton"},
        {Timeline, "Timeline"},
        {TimelineArea, "TimelineArea"},
        {Panes, "Panes"},
        {QuestionPanes, "QuestionPanes"},
        {CalculationLabel, "CalculationLabel"},
        {TodayHint, "TodayHint"},
        {ConvictionsLabel, "ConvictionsLabel"},
        {FactsHeading, "FactsHeading"},
        {PeriodsLabel, "PeriodsLabel"},
        {EventsLabel, "EventsLabel"},
        {AnswerLabel, "AnswerLabel"},
    });
    // What a screen reader announces: each field, table and the answer by the caption above
    // or beside it; the buttons by their captions; the pages by their tabs; the timeline by
    // its own name.
    NameAfterLabel(CalculationField, CalculationLabel);
    NameAfterLabel(ConvictionsTable->View, ConvictionsLabel);
    NameAfterLabel(PeriodsTable->View, PeriodsLabel);
    NameAfterLabel(EventsTable->View, EventsLabel);
    NameAfterLabel(AnswerText, AnswerLabel);
    CalculationField->setAccessibleDescription(TodayHint->text());
    SidePages->setAccessibleName(ToQString(kPagesName));
    Facts->setAccessibleName(AccessibleNameOf(ToQString(kFactsPage)));
}

// The date of the calculation on top; under it a splitter of the question (the convictions
// over the periods and events, beside the pages of the facts, the options and the counter of
// remição), the answer and the timeline.
void ExecutionWindow::PlaceControls() {
    auto* column = new QVBoxLayout(this);

    auto* dates = new QGridLayout();
    dates->addWidget(CalculationLabel, 0, 0);
    dates->addWidget(CalculationField, 0, 1);
    dates->addWidget(TodayHint, 0, 2);
    dates->setColumnStretch(3, 1);
    column->addLayout(dates);

    auto* tables = new QWidget(QuestionPanes);
    auto* tablesGrid = new QGridLayout(tables);
    tablesGrid->setContentsMargins(0, 0, 0, 0);
    tablesGrid->addWidget(ConvictionsLabel, 0, 0, 1, 2);
    tablesGrid->addWidget(ConvictionsTable, 1, 0, 1, 2);
    tablesGrid->addWidget(PeriodsLabel, 2, 0);
    tablesGrid->addWidget(EventsLabel, 2, 1);
    tablesGrid->addWidget(PeriodsTable, 3, 0);
    tablesGrid->addWidget(EventsTable, 3, 1);
    tablesGrid->setRowStretch(1, 1);
    tablesGrid->setRowStretch(3, 1);
    tablesGrid->setColumnStretch(0, 2);
    tablesGrid->setColumnStretch(1, 3);
    QuestionPanes->addWidget(tables);
    QuestionPanes->addWidget(SidePages);
    QuestionPanes->setChildrenCollapsible(false);
    SetPaneShares(*QuestionPanes, kQuestionShares);

    auto* answer = new QWidget(Panes);
    auto* answerGrid = new QGridLayout(answer);
    answerGrid->setContentsMargins(0, 0, 0, 0);
    answerGrid->addWidget(AnswerLabel, 0, 0);
    answerGrid->addWidget(CopiarButton, 0, 1);
    answerGrid->addWidget(AnswerText, 1, 0, 1, 2);
    answerGrid->setColumnStretch(0, 1);

    Panes->addWidget(QuestionPanes);
    Panes->addWidget(answer);
    Panes->addWidget(TimelineArea);
    Panes->setChildrenCollapsible(false);
    SetPaneShares(*Panes, kPaneShares);
    column->addWidget(Panes, 1);
}

void ExecutionWindow::ConnectHandlers() {
    connect(CopiarButton, &QPushButton::clicked, this, Guarded([this] { CopiarClick(); }));
    auto edited = Guarded([this] { UserEdited(); });
    connect(CalculationField, &QLineEdit::textChanged, this, edited);
    connect(Options, &ExecutionOptionsPanel::Changed, this, edited);
    for (EditableTable* table : {ConvictionsTable, PeriodsTable, EventsTable}) {
        connect(table->Model(), &ListTableModel::Edited, this, edited);
        // A description or a process number typed takes the room it needs.
        connect(table->Model(), &QAbstractItemModel::dataChanged, table,
                [table] { table->FitColumns(); });
    }
    connect(Facts, &CaseFactsPanel::FactsChanged, this, Guarded([this] { FactsEdited(); }));
    connect(ConvictionsTable->View->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            Guarded([this] { ShowFacts(); }));
    for (const auto signal :
         {&QAbstractItemModel::rowsRemoved, &QAbstractItemModel::rowsInserted}) {
        connect(m_convictions, signal, this, Guarded([this] { ShowFacts(); }));
    }
    connect(m_convictions, &QAbstractItemModel::modelReset, this, Guarded([this] { ShowFacts(); }));
    // Alt and a button's letter press it, as in the other analysis windows; with no default
    // button, Enter is the tables' and the focused button's.
    m_keys = DialogKeys::Install(this);
}

void ExecutionWindow::SetTabOrder() {
    QList<QWidget*> order = {CalculationField};
    order.append(ConvictionsTable->TabOrder());
    order.append(SidePages); // its tabs
    order.append(Facts->TabOrder());
    order.append(Options->TabOrder());
    order.append(Remicao->TabOrder());
    order.append(PeriodsTable->TabOrder());
    order.append(EventsTable->TabOrder());
    order.append({AnswerText, CopiarButton});
    ChainTabOrder(order);
}

void ExecutionWindow::SizeWindow() {
    const QSize size = ResizeInCharacters(kFirstWidthInCharacters, kFirstHeightInLines);
    SpreadPanes(*Panes, kPaneShares, size.height());
    SpreadPanes(*QuestionPanes, kQuestionShares, size.width());
}

void ExecutionWindow::Open(const std::optional<std::array<std::string, 3>>& term, DayNumber today) {
    UseCalendarDateSettings();
    Present();
    const bool first = !m_seeded;
    m_seeded = true;
    if (first) {
        m_loading = true;
        m_periods->SetPeriods({ServingPeriod{today, std::nullopt, {}}});
        m_loading = false;
    }
    SeedConviction(term);
    if (first) {
        ConvictionsTable->View->setFocus(Qt::OtherFocusReason);
    }
    Answer();
}

void ExecutionWindow::SeedConviction(const std::optional<std::array<std::string, 3>>& term) {
    int linked = m_convictions->LinkedRow();
    if (linked < 0 && m_convictions->rowCount() > 0) {
        return;
    }
    m_loading = true;
    if (linked < 0) {
        linked = 0;
        m_convictions->insertRows(linked, 1);
        m_convictions->SetLinkedRow(linked);
        SelectConviction(linked);
    }
    const Conviction before = m_convictions->Convictions()[static_cast<std::size_t>(linked)];
    m_convictions->SetFactsAt(linked, m_sharedFacts);
    if (term) {
        m_convictions->SetTermAt(linked, TermDaysOf(*term));
    }
    m_loading = false;
    const Conviction after = m_convictions->Convictions()[static_cast<std::size_t>(linked)];
    // Bringing the main window's term and facts in is an edit of the case, as typing them is.
    if (before.TermDays != after.TermDays || before.Facts != after.Facts) {
        UserEdited();
    } else {
        ShowFacts();
    }
}

void ExecutionWindow::SelectConviction(int row) {
    QTableView* view = ConvictionsTable->View;
    view->setCurrentIndex(m_convictions->index(row, ExecutionConvictionsModel::TermColumn));
}

int ExecutionWindow::ShownConviction() const {
    const int row = ConvictionsTable->View->currentIndex().row();
    if (row >= 0 && row < m_convictions->rowCount()) {
        return row;
    }
    return m_convictions->rowCount() > 0 ? 0 : -1;
}

void ExecutionWindow::ShowFacts() {
    const int row = ShownConviction();
    Facts->setEnabled(row >= 0);
    if (row < 0) {
        FactsHeading->setText(ToQString(kNoConvictionHeading));
        return;
    }
    QString heading = ToQString(kConvictionWords) + QString::number(row + 1);
    heading += row == m_convictions->LinkedRow() ? ToQString(kSharedWords) : QStringLiteral(".");
    FactsHeading->setText(heading);
    const CaseFacts facts = m_convictions->FactsAt(row);
    if (Facts->Facts() != facts) {
        m_showingFacts = true;
        Facts->SetFacts(facts);
        m_showingFacts = false;
    }
}

void ExecutionWindow::FactsEdited() {
    if (m_showingFacts) {
        return;
    }
    const int row = ShownConviction();
    if (row < 0) {
        return;
    }
    if (m_convictions->FactsAt(row) == Facts->Facts()) {
        // Nothing the case holds changed: a date typed that is not yet a date, whose notice
        // the answer carries.
        Answer();
        return;
    }
    m_convictions->SetFactsAt(row, Facts->Facts());
}

void ExecutionWindow::UserEdited() {
    if (m_loading) {
        return;
    }
    if (const int linked = m_convictions->LinkedRow(); linked >= 0) {
        m_sharedFacts = m_convictions->FactsAt(linked);
    }
    ShowFacts();
    emit InputChanged();
    Answer();
}

ExecutionCase ExecutionWindow::Input() const {
    ExecutionCase input;
    input.Convictions = m_convictions->Convictions();
    input.Periods = m_periods->Periods();
    input.Events = m_events->Events();
    const ExecutionChoices choices = Options->Choices();
    input.Options = choices.Options;
    input.InitialRegime = choices.InitialRegime;
    input.Convention = choices.Convention;
    input.CalculationDate =
        ReadCellDate(ToQString(CalculationField->Text())).Date.value_or(CurrentDate());
    return input;
}

void ExecutionWindow::SetInput(const ExecutionCase& input) {
    m_loading = true;
    m_seeded = true;
    CalculationField->SetText(WriteDateField(input.CalculationDate, *CalculationField));
    m_convictions->SetConvictions(input.Convictions);
    m_periods->SetPeriods(input.Periods);
    m_events->SetEvents(input.Events);
    Options->SetChoices({input.Options, input.InitialRegime, input.Convention});
    m_loading = false;
    if (m_convictions->rowCount() > 0) {
        SelectConviction(0);
    }
    ShowFacts();
    Answer();
}

QString ExecutionWindow::FirstProblem() const {
    QString problem;
    if (!ReadCellDate(ToQString(CalculationField->Text())).Ok) {
        problem = AccessibleNameOf(CalculationLabel->text()) + QStringLiteral(": ") +
                  ToQString(kUnreadableCellDateMessage);
    }
    for (const EditableTable* table : {ConvictionsTable, PeriodsTable, EventsTable}) {
        if (problem.isEmpty()) {
            problem = table->Model()->FirstProblem();
        }
    }
    return problem;
}

QString ExecutionWindow::WithPlaceNames(const std::string& message) const {
    QString named = ToQString(message);
    const QString place = ToQString(kCalculationKey) + QLatin1Char(':');
    if (named.startsWith(place)) {
        named.replace(0, place.size() - 1, AccessibleNameOf(CalculationLabel->text()));
    }
    named = m_convictions->WithPlaceNames(named);
    named = m_periods->WithPlaceNames(named);
    return m_events->WithEventPlaceNames(named);
}

void ExecutionWindow::Answer() {
    if (m_loading) {
        return;
    }
    QString text = FirstProblem();
    std::optional<CaseExecutionResult> result;
    const ExecutionCase input = Input();
    if (text.isEmpty()) {
        result = ComputeCaseExecution(input);
        text = result->Ok() ? ToQString(WriteCaseExecution(result->Answer, input))
                            : WithPlaceNames(result->Error);
    }
    if (Facts->isEnabled() && Facts->CrimeDateInvalid()) {
        text = ToQString(kInvalidCrimeDateMessage) + QStringLiteral("\n\n") + text;
    }
    AnswerText->setPlainText(text);
    if (result && result->Ok()) {
        Timeline->SetAnswer(result->Answer);
    } else {
        Timeline->Clear();
    }
}

// ----- Handlers ---------------------------------------------------------------------------

void ExecutionWindow::CopiarClick() {
    QApplication::clipboard()->setText(AnswerText->toPlainText());
}

} // namespace zarn
