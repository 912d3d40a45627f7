#include "forms/SentencingWindow.h"

#include "forms/EnumChoices.h"
#include "forms/SentencingCrimePanel.h"
#include "forms/SentencingHandOff.h"
#include "forms/SentencingOptionsBox.h"
#include "forms/SentencingPlaces.h"
#include "help/HelpContext.h"
#include "sentencing/Sentencing.h"
#include "sentencing/SentencingNames.h"
#include "sentencing/SentencingText.h"
#include "widgets/DialogKeys.h"
#include "widgets/EditableTable.h"
#include "widgets/FormLayout.h"
#include "widgets/Guarded.h"
#include "widgets/QtText.h"
#include "widgets/SentencingCells.h"
#include "widgets/SentencingCrimesModel.h"
#include "widgets/TermFieldsRow.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QStackedWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace zarn {
namespace {

// In pixels of the 120 pixels-per-inch layout: the window's first size and its margins.
constexpr int kClientWidth = 1180;
constexpr int kClientHeight = 860;
constexpr int kMargin = 12;
constexpr int kAnswerLeastHeight = 140;
constexpr int kFractionFieldWidth = 64;

constexpr const char* kCopiarCaption = "&Copiar";
constexpr const char* kConsequencesCaption = "C&onsequ\xEAncias";
constexpr const char* kRecordCaption = "&Mem\xF3ria do c\xE1lculo";
constexpr const char* kInWordsCaption = "N\xFAmeros por e&xtenso";
constexpr std::string_view kCrimesCaption = "Crimes";
constexpr std::string_view kCrimeItem = "crime";
constexpr std::string_view kAnswerCaption = "Senten\xE7"
                                            "a:";
constexpr std::string_view kConcursoChoiceCaption = "Tipo";
constexpr std::string_view kRecordTooltip = "Envia os aumentos e diminui\xE7\xF5"
                                            "es do crime mostrado \xE0 Mem\xF3ria do c\xE1lculo";
constexpr std::string_view kConsequencesTooltip =
    "Abre Consequ\xEAncias da pena com a pena final e os fatos que a dosimetria fixa";
constexpr std::string_view kNoCrimeHint =
    "Nenhum crime: Adicionar (ou Insert na lista de crimes) cria um.";
constexpr std::string_view kNoRangeHint =
    "Digite a pena m\xEDnima e a m\xE1xima do crime para ver a dosimetria.";
constexpr std::string_view kStepsSentWords = "Passos enviados \xE0 Mem\xF3ria do c\xE1lculo: ";
constexpr std::string_view kFactsNotTakenWords =
    "Os fatos da dosimetria n\xE3o se somam aos da janela principal: ";

QString Caption(std::string_view caption) {
    return ToQString(caption) + QLatin1Char(':');
}

bool NothingTypedOfTheRanges(const QList<SentencingCrimePanel*>& panels) {
    for (const SentencingCrimePanel* panel : panels) {
        if (!panel->Minimum->Blank() || !panel->Maximum->Blank()) {
            return false;
        }
    }
    return true;
}

} // namespace

SentencingWindow::SentencingWindow(CaseFacts& sharedFacts, CalcRecord& record, QWidget* parent)
    : ToolWindow(parent, "SentencingWindow", kSentencingCaption, kSentencingHelpContext)
    , m_sharedFacts(sharedFacts)
    , m_record(record) {
    CreateControls();
    NameControls();
    PlaceControls();
    ConnectHandlers();
    SetInput({{CrimeInput{}}, std::nullopt, {}});
    resize(sizeHint().expandedTo(QSize(Scaled(this, kClientWidth), Scaled(this, kClientHeight))));
}

void SentencingWindow::CreateControls() {
    m_crimes = new SentencingCrimesModel(this);
    CrimesTable = new EditableTable(m_crimes, ToQString(kCrimeItem), this);
    CrimesTable->View->setSelectionBehavior(QAbstractItemView::SelectRows);
    CrimesTable->View->setSelectionMode(QAbstractItemView::SingleSelection);
    // The description takes the room the ranges leave.
    CrimesTable->View->horizontalHeader()->setStretchLastSection(false);
    CrimesTable->View->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    CrimesTable->View->horizontalHeader()->setSectionResizeMode(
        SentencingCrimesModel::DescriptionColumn, QHeaderView::Stretch);
    CrimePanels = new QStackedWidget(this);
    auto* hint = new QLabel(ToQString(kNoCrimeHint), CrimePanels);
    hint->setAlignment(Qt::AlignCenter);
    hint->setWordWrap(true);
    CrimePanels->addWidget(hint);
    ConcursoChoice = new QComboBox(this);
    ConcursoChoice->addItem(ToQString(kNoConcursoEntry));
    AddNames(ConcursoChoice, kConcursoNames);
    ConcursoFraction = new QLineEdit(this);
    ConcursoFraction->setMaxLength(16);
    ConcursoFraction->setMaximumWidth(Scaled(this, kFractionFieldWidth));
    Options = new SentencingOptionsBox(this);
    Options->setObjectName(QStringLiteral("Options"));
    AnswerText = NewAnswerText();
    InWords = new QCheckBox(ToQString(kInWordsCaption), this);
    CopiarButton = NewButton(this, kCopiarCaption, kToolFontHeight);
    ConsequencesButton = NewButton(this, kConsequencesCaption, kToolFontHeight);
    RecordButton = NewButton(this, kRecordCaption, kToolFontHeight);
    FecharButton = NewButton(this, kToolCloseCaption, kToolFontHeight);
    ConsequencesButton->setToolTip(ToQString(kConsequencesTooltip));
    RecordButton->setToolTip(ToQString(kRecordTooltip));
    MessageLine = new QLabel(this);
    MessageLine->setWordWrap(true);
    MessageLine->setTextFormat(Qt::PlainText);
    CrimesLabel = new QLabel(Caption(kCrimesCaption), this);
    CrimesLabel->setBuddy(CrimesTable->View);
    AnswerLabel = new QLabel(ToQString(kAnswerCaption), this);
    AnswerLabel->setBuddy(AnswerText);
}

void SentencingWindow::NameControls() {
    NameComponents({
        {CrimesTable, "CrimesTable"},
        {CrimePanels, "CrimePanels"},
        {ConcursoChoice, "ConcursoChoice"},
        {ConcursoFraction, "ConcursoFraction"},
        {AnswerText, "AnswerText"},
        {InWords, "InWords"},
        {CopiarButton, "CopiarButton"},
        {ConsequencesButton, "ConsequencesButton"},
        {RecordButton, "RecordButton"},
        {FecharButton, "FecharButton"},
        {MessageLine, "MessageLine"},
    });
    ConcursoChoice->setAccessibleName(ToQString(kConcursoCaption));
    ConcursoFraction->setAccessibleName(ToQString(kConcursoCaption) + QStringLiteral(", ") +
                                        ToQString(kConcursoFractionCaption));
    AnswerText->setAccessibleName(windowTitle());
    MessageLine->setAccessibleName(windowTitle());
}

// The list of crimes, the concurso and the options on the left; the crime shown on the right;
// the answer under both, the buttons at the bottom.
void SentencingWindow::PlaceControls() {
    auto* left = new QWidget(this);
    auto* leftColumn = new QVBoxLayout(left);
    leftColumn->setContentsMargins(0, 0, 0, 0);
    leftColumn->addWidget(CrimesLabel);
    leftColumn->addWidget(CrimesTable, 1);

    ConcursoBox = new QGroupBox(ToQString(kConcursoCaption), left);
    auto* concurso = new QFormLayout(ConcursoBox);
    concurso->addRow(Caption(kConcursoChoiceCaption), ConcursoChoice);
    concurso->addRow(Caption(kConcursoFractionCaption), ConcursoFraction);
    leftColumn->addWidget(ConcursoBox);

    Options->setParent(left);
    leftColumn->addWidget(Options);

    QuestionPanes = new QSplitter(Qt::Horizontal, this);
    QuestionPanes->addWidget(left);
    QuestionPanes->addWidget(CrimePanels);
    QuestionPanes->setStretchFactor(1, 1);
    QuestionPanes->setChildrenCollapsible(false);

    auto* answer = new QWidget(this);
    auto* answerColumn = new QVBoxLayout(answer);
    answerColumn->setContentsMargins(0, 0, 0, 0);
    answerColumn->addWidget(AnswerLabel);
    AnswerText->setMinimumHeight(Scaled(this, kAnswerLeastHeight));
    answerColumn->addWidget(AnswerText, 1);

    Panes = new QSplitter(Qt::Vertical, this);
    Panes->addWidget(QuestionPanes);
    Panes->addWidget(answer);
    Panes->setStretchFactor(1, 1);
    Panes->setChildrenCollapsible(false);

    auto* buttons = new QHBoxLayout();
    buttons->addWidget(InWords);
    buttons->addWidget(MessageLine, 1);
    for (QPushButton* button : {CopiarButton, ConsequencesButton, RecordButton, FecharButton}) {
        buttons->addWidget(button);
    }

    auto* column = new QVBoxLayout(this);
    const int margin = Scaled(this, kMargin);
    column->setContentsMargins(margin, margin, margin, margin);
    column->addWidget(Panes, 1);
    column->addLayout(buttons);
}

void SentencingWindow::ConnectHandlers() {
    connect(CopiarButton, &QPushButton::clicked, this, Guarded([this] { CopiarClick(); }));
    connect(ConsequencesButton, &QPushButton::clicked, this,
            Guarded([this] { ConsequencesClick(); }));
    connect(RecordButton, &QPushButton::clicked, this, Guarded([this] { RecordClick(); }));
    connect(FecharButton, &QPushButton::clicked, this, Guarded([this] { FecharClick(); }));
    connect(InWords, &QCheckBox::toggled, this, Guarded([this] { Answer(); }));

    connect(m_crimes, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) {
                Guarded([this, first, last] { AddPanels(first, last); })();
            });
    connect(m_crimes, &QAbstractItemModel::rowsRemoved, this,
            [this](const QModelIndex&, int first, int last) {
                Guarded([this, first, last] { RemovePanels(first, last); })();
            });
    connect(m_crimes, &QAbstractItemModel::modelReset, this, Guarded([this] { RebuildPanels(); }));
    connect(m_crimes, &ListTableModel::Edited, this, Guarded([this] {
                for (int row = 0; row < m_panels.size(); ++row) {
                    m_panels[row]->SetDescription(m_crimes->CrimeAt(row).Crime);
                }
                UserEdited();
            }));
    connect(CrimesTable->View->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                Guarded([this, row = current.row()] { ShowCrime(row); })();
            });

    connect(ConcursoChoice, &QComboBox::currentIndexChanged, this,
            Guarded([this] { ConcursoChanged(); }));
    connect(ConcursoFraction, &QLineEdit::textChanged, this,
            Guarded([this] { ConcursoChanged(); }));
    // Any option may be the dias-multa's, which opens or closes the crimes' informed fines.
    connect(Options, &SentencingOptionsBox::Changed, this,
            Guarded([this] { FinesMethodChanged(); }));
    m_keys = DialogKeys::Install(this);
}

void SentencingWindow::SetTabOrder() {
    QList<QWidget*> order = CrimesTable->TabOrder();
    for (const SentencingCrimePanel* panel : m_panels) {
        order += panel->TabOrder();
    }
    order += {ConcursoChoice, ConcursoFraction};
    order += Options->TabOrder();
    order += {AnswerText, InWords, CopiarButton, ConsequencesButton, RecordButton, FecharButton};
    ChainTabOrder(order);
}

// ----- The crimes and their panels ------------------------------------------------------

void SentencingWindow::AddPanels(int first, int last) {
    const bool informed = FinesInformed();
    for (int row = first; row <= last; ++row) {
        auto* panel = new SentencingCrimePanel(CrimePanels);
        panel->SetCrime(m_crimes->CrimeAt(row));
        panel->SetFinesInformed(informed);
        // F1 anywhere in the panel, the tables' editors too, opens the window's page.
        SetHelpContext(panel, kSentencingHelpContext);
        connect(panel, &SentencingCrimePanel::Changed, this,
                Guarded([this, panel] { PanelChanged(panel); }));
        m_panels.insert(row, panel);
        CrimePanels->insertWidget(row + 1, panel);
    }
    SetTabOrder();
    ShowCrime(ShownCrime());
}

void SentencingWindow::RemovePanels(int first, int last) {
    for (int row = last; row >= first; --row) {
        SentencingCrimePanel* panel = m_panels.takeAt(row);
        CrimePanels->removeWidget(panel);
        panel->deleteLater();
    }
    SetTabOrder();
    ShowCrime(ShownCrime());
}

void SentencingWindow::RebuildPanels() {
    for (SentencingCrimePanel* panel : m_panels) {
        CrimePanels->removeWidget(panel);
        panel->deleteLater();
    }
    m_panels.clear();
    if (m_crimes->rowCount() > 0) {
        AddPanels(0, m_crimes->rowCount() - 1);
        CrimesTable->View->setCurrentIndex(m_crimes->index(0, 0));
    }
    ShowCrime(ShownCrime());
}

SentencingCrimePanel* SentencingWindow::PanelAt(int row) const {
    return row >= 0 && row < m_panels.size() ? m_panels[row] : nullptr;
}

int SentencingWindow::ShownCrime() const {
    const int current = CrimesTable->View->currentIndex().row();
    if (current >= 0 && current < m_panels.size()) {
        return current;
    }
    return m_panels.isEmpty() ? -1 : 0;
}

void SentencingWindow::ShowCrime(int row) {
    SentencingCrimePanel* panel = PanelAt(row);
    CrimePanels->setCurrentWidget(panel ? static_cast<QWidget*>(panel) : CrimePanels->widget(0));
}

void SentencingWindow::PanelChanged(SentencingCrimePanel* panel) {
    const auto row = static_cast<int>(m_panels.indexOf(panel));
    if (row < 0) {
        return;
    }
    m_crimes->UpdateCrime(row, panel->Crime());
    UserEdited();
}

void SentencingWindow::FinesMethodChanged() {
    const bool informed = FinesInformed();
    for (SentencingCrimePanel* panel : m_panels) {
        panel->SetFinesInformed(informed);
        m_crimes->UpdateCrime(static_cast<int>(m_panels.indexOf(panel)), panel->Crime());
    }
    UserEdited();
}

void SentencingWindow::ConcursoChanged() {
    ReadConcurso();
    const bool specific = m_concurso && m_concurso->Tipo == ConcursoKind::ContinuadoEspecifico;
    ConcursoFraction->setEnabled(specific);
    UserEdited();
}

void SentencingWindow::UserEdited() {
    if (m_loading) {
        return;
    }
    MessageLine->clear();
    Answer();
    emit InputChanged();
}

// ----- The input and the answer ----------------------------------------------------------

bool SentencingWindow::FinesInformed() const {
    return Options->Options().MultaDosimetria == FinesMethod::Informada;
}

void SentencingWindow::ReadConcurso() {
    m_concursoProblem.clear();
    if (ConcursoChoice->currentIndex() <= 0) {
        m_concurso.reset();
        return;
    }
    ConcursoInput concurso;
    concurso.Tipo = *ChosenValue(ConcursoChoice, kConcursoNames, 1);
    if (concurso.Tipo == ConcursoKind::ContinuadoEspecifico &&
        !ConcursoFraction->text().trimmed().isEmpty()) {
        const CellFraction fraction = ReadCellFraction(ConcursoFraction->text());
        if (!fraction.Ok) {
            m_concursoProblem = ToQString(kConcursoCaption) + QStringLiteral(", ") +
                                ToQString(kFractionWord) + QStringLiteral(": ") +
                                ToQString(fraction.Message);
            if (m_concurso && m_concurso->Tipo == concurso.Tipo) {
                concurso.Fracao = m_concurso->Fracao;
            }
        } else {
            concurso.Fracao = fraction.Value;
        }
    }
    m_concurso = concurso;
}

SentencingInput SentencingWindow::Input() const {
    SentencingInput input;
    input.Crimes = m_crimes->Crimes();
    input.Concurso = m_concurso;
    input.Opcoes = Options->Options();
    return input;
}

void SentencingWindow::SetInput(const SentencingInput& input) {
    m_loading = true;
    Options->SetOptions(input.Opcoes);
    ConcursoChoice->setCurrentIndex(0);
    if (input.Concurso) {
        Choose(ConcursoChoice, kConcursoNames, input.Concurso->Tipo, 1);
    }
    ConcursoFraction->setText(input.Concurso && input.Concurso->Fracao
                                  ? CellFractionText(*input.Concurso->Fracao)
                                  : QString());
    m_crimes->SetCrimes(input.Crimes);
    ConcursoChanged();
    m_loading = false;
    MessageLine->clear();
    Answer();
}

QString SentencingWindow::FirstProblem() const {
    const QString list = m_crimes->FirstProblem();
    if (!list.isEmpty()) {
        return list;
    }
    for (int row = 0; row < m_panels.size(); ++row) {
        const QString problem = m_panels[row]->Problem();
        if (!problem.isEmpty()) {
            const std::string label =
                CrimeLabel(static_cast<std::size_t>(row), m_panels[row]->Crime().Crime);
            return ToQString(label) + QStringLiteral(", ") + problem;
        }
    }
    return m_concursoProblem;
}

void SentencingWindow::Answer() {
    m_answer.reset();
    const SentencingInput input = Input();
    QString text = FirstProblem();
    if (text.isEmpty() && !m_panels.isEmpty() && NothingTypedOfTheRanges(m_panels)) {
        text = ToQString(kNoRangeHint);
    }
    if (text.isEmpty()) {
        SentencingAnswer answer = ComputeSentencing(input);
        if (answer.Ok()) {
            text = ToQString(WriteSentencing(input, answer, InWords->isChecked()));
            m_answer = std::move(answer);
        } else {
            text = WithWindowPlaces(answer.Erro, input.Crimes);
        }
    }
    AnswerText->setPlainText(text);
    ConsequencesButton->setEnabled(m_answer.has_value());
    RecordButton->setEnabled(m_answer.has_value());
}

void SentencingWindow::Open() {
    Present();
    if (!m_opened) {
        m_opened = true;
        if (SentencingCrimePanel* panel = PanelAt(ShownCrime())) {
            panel->Description->setFocus(Qt::OtherFocusReason);
        }
    }
}

// ----- Handlers ---------------------------------------------------------------------------

void SentencingWindow::CopiarClick() {
    QApplication::clipboard()->setText(AnswerText->toPlainText());
}

void SentencingWindow::ConsequencesClick() {
    if (!m_answer) {
        return;
    }
    const std::optional<FieldTermTexts> term = FieldTerm(m_answer->PenaFinal);
    if (!term) {
        MessageLine->setText(ToQString(kFinalTermDoesNotFitMessage));
        return;
    }
    const CaseFacts facts = WithSentencingFacts(m_sharedFacts, Input());
    const std::string contradiction = FactsContradiction(facts);
    if (contradiction.empty()) {
        m_sharedFacts = facts;
        MessageLine->clear();
    } else {
        MessageLine->setText(ToQString(kFactsNotTakenWords) + ToQString(contradiction));
    }
    emit ConsequencesRequested(*term);
}

void SentencingWindow::RecordClick() {
    const int row = ShownCrime();
    if (!m_answer || row < 0 || static_cast<std::size_t>(row) >= m_answer->Crimes.size()) {
        return;
    }
    const SentencingInput input = Input();
    const CrimeInput& crime = input.Crimes[static_cast<std::size_t>(row)];
    const bool finesFollowPhases =
        crime.Multa && input.Opcoes.MultaDosimetria == FinesMethod::Proporcional;
    const std::string refused = AppendCrimeSteps(m_answer->Crimes[static_cast<std::size_t>(row)],
                                                 finesFollowPhases, m_record);
    if (!refused.empty()) {
        MessageLine->setText(ToQString(refused));
        return;
    }
    MessageLine->setText(ToQString(kStepsSentWords) +
                         ToQString(CrimeLabel(static_cast<std::size_t>(row), crime.Crime)) +
                         QLatin1Char('.'));
    emit StepsRecorded();
}

void SentencingWindow::FecharClick() {
    close();
}

} // namespace zarn
