#include "forms/ExecutionWindow.h"

#include "dates/DateSettings.h"
#include "dates/DateText.h"
#include "fields/ProgramMasks.h"
#include "forms/ToolWindow.h"
#include "help/HelpContext.h"
#include "law/LegalText.h"
#include "widgets/AccessibleNames.h"
#include "widgets/CaseFactsPanel.h"
#include "widgets/DialogKeys.h"
#include "widgets/EmptyFieldClick.h"
#include "widgets/ExecutionTimeline.h"
#include "widgets/FocusedSelection.h"
#include "widgets/FormLayout.h"
#include "widgets/Guarded.h"
#include "widgets/MaskedField.h"
#include "widgets/QtText.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <algorithm>
#include <cmath>

namespace zarn {
namespace {

// In pixels of the 120 pixels-per-inch layout. The width is the least the rows under the
// facts take, or the facts panel's own where it is wider; the rows under the panel start
// below its height, and the window's height follows the timeline at the bottom.
constexpr int kMargin = 16;
constexpr int kContentWidth = 688;
// A label's caption sits this much below the top of the field on its right.
constexpr int kLabelDrop = 8;
constexpr int kFieldHeight = 24;
constexpr int kButtonWidth = 89;
constexpr int kButtonHeight = 25;

// Rows, from the top; those under the facts from the panel's bottom.
constexpr int kTermTop = 16;
constexpr int kFactsTop = 52;
constexpr int kChoicesBelowFacts = 12;
constexpr int kSecondChoiceBelow = 32;
constexpr int kAnswerLabelBelow = 40;
constexpr int kAnswerBelowLabel = 20;
constexpr int kAnswerHeight = 184;
constexpr int kTimelineBelowAnswer = 8;

// Columns of the choices row.
constexpr int kRemicaoFieldLeft = 136;
constexpr int kChoiceLabelLeft = 232;
constexpr int kChoiceLeft = 352;
constexpr int kChoiceWidth = 184;

// Device pixels back in pixels of the layout, rounded up so that what follows clears them.
int LayoutPixels(const QWidget* widget, int devicePixels) {
    return static_cast<int>(std::ceil(devicePixels / LayoutScale(widget)));
}

std::string WithCrimeDateNotice(const CaseFactsPanel& facts, const std::string& text) {
    if (!facts.CrimeDateInvalid()) {
        return text;
    }
    return std::string(kInvalidCrimeDateMessage) + "\n\n" + text;
}

constexpr const char* kStartCaption = "In\xED"
                                      "cio (data-base):";
constexpr const char* kRemicaoCaption = "Dias de remi\xE7\xE3o:";
constexpr const char* kRegimeCaption = "Regime inicial:";
constexpr const char* kConventionCaption = "Contagem:";
constexpr const char* kAnswerCaption = "Datas da execu\xE7\xE3o:";
constexpr const char* kRegimeFromTerm = "conforme a pena";

constexpr MaskSetup kStartMask = {kDateMask, "  /  /    "};
// Five digits, as the days of detracao and the day-fines.
constexpr MaskSetup kRemicaoMask = {kFinesMask, "     "};

// The regime choice's entries after the first, and the conventions, in their order.
constexpr std::array<Regime, 3> kChosenRegimes = {Regime::Fechado, Regime::Semiaberto,
                                                  Regime::Aberto};
constexpr std::array<CountingConvention, 2> kConventions = {CountingConvention::Base360,
                                                            CountingConvention::CalendarDays};

} // namespace

ExecutionWindow::ExecutionWindow(CaseFacts& sharedFacts, QWidget* parent)
    : ToolWindow(parent, "ExecutionWindow", kExecutionCaption, kExecutionHelpContext)
    , m_sharedFacts(sharedFacts) {
    CreateControls();
    Facts->SetFacts(m_sharedFacts);
    PlaceControls();
    ConnectHandlers();
    SetTabOrder();
}

void ExecutionWindow::CreateControls() {
    YearsField = NewMaskedField(this, kYearsFieldSetup);
    MonthsField = NewMaskedField(this, kMonthsFieldSetup);
    DaysField = NewMaskedField(this, kDaysFieldSetup);
    StartField = NewMaskedField(this, kStartMask);
    Facts = new CaseFactsPanel(this);
    RemicaoField = NewMaskedField(this, kRemicaoMask);
    CreateChoices();
    CalculaButton = NewButton(this, kToolCalculaCaption, kToolFontHeight);
    CopiarButton = NewButton(this, kToolCopyBesideCalculaCaption, kToolFontHeight);
    AnswerText = NewAnswerText();
    Timeline = new ExecutionTimeline(this);
    YearsLabel = NewLabel(this, kToolYearsCaption, kToolFontHeight, nullptr);
    MonthsLabel = NewLabel(this, kToolMonthsCaption, kToolFontHeight, nullptr);
    DaysLabel = NewLabel(this, kToolDaysCaption, kToolFontHeight, nullptr);
    StartLabel = NewLabel(this, kStartCaption, kToolFontHeight, nullptr);
    RemicaoLabel = NewLabel(this, kRemicaoCaption, kToolFontHeight, nullptr);
    RegimeLabel = NewLabel(this, kRegimeCaption, kToolFontHeight, nullptr);
    ConventionLabel = NewLabel(this, kConventionCaption, kToolFontHeight, nullptr);
    AnswerLabel = NewLabel(this, kAnswerCaption, kToolFontHeight, nullptr);
    NameControls();

    for (MaskedField* field : {YearsField, MonthsField, DaysField, StartField, RemicaoField}) {
        FocusedSelection::Apply(field);
    }
    StartAtFirstPositionWhenEmpty(RemicaoField);
    // F1 anywhere in the window opens its page, in the facts too.
    SetHelpContext(Facts, kExecutionHelpContext);
    for (QWidget* control : Facts->TabOrder()) {
        SetHelpContext(control, kExecutionHelpContext);
    }
}

void ExecutionWindow::CreateChoices() {
    RegimeChoice = new QComboBox(this);
    RegimeChoice->addItem(ToQString(kRegimeFromTerm));
    for (const Regime regime : kChosenRegimes) {
        RegimeChoice->addItem(ToQString(RegimeName(regime)));
    }
    ConventionChoice = new QComboBox(this);
    for (const CountingConvention convention : kConventions) {
        ConventionChoice->addItem(ToQString(ConventionName(convention)));
    }
}

void ExecutionWindow::NameControls() {
    NameComponents({
        {YearsField, "YearsField"},
        {MonthsField, "MonthsField"},
        {DaysField, "DaysField"},
        {StartField, "StartField"},
        {Facts, "Facts"},
        {RemicaoField, "RemicaoField"},
        {RegimeChoice, "RegimeChoice"},
        {ConventionChoice, "ConventionChoice"},
        {CalculaButton, "CalculaButton"},
        {CopiarButton, "CopiarButton"},
        {AnswerText, "AnswerText"},
        {Timeline, "Timeline"},
        {YearsLabel, "YearsLabel"},
        {MonthsLabel, "MonthsLabel"},
        {DaysLabel, "DaysLabel"},
        {StartLabel, "StartLabel"},
        {RemicaoLabel, "RemicaoLabel"},
        {RegimeLabel, "RegimeLabel"},
        {ConventionLabel, "ConventionLabel"},
        {AnswerLabel, "AnswerLabel"},
    });
    // What a screen reader announces: each field and choice by the caption beside it; the
    // buttons by their captions, the timeline by its own name.
    const std::array<std::pair<QWidget*, QLabel*>, 8> captions = {{
        {YearsField, YearsLabel},
        {MonthsField, MonthsLabel},
        {DaysField, DaysLabel},
        {StartField, StartLabel},
        {RemicaoField, RemicaoLabel},
        {RegimeChoice, RegimeLabel},
        {ConventionChoice, ConventionLabel},
        {AnswerText, AnswerLabel},
    }};
    for (const auto& [control, label] : captions) {
        NameAfterLabel(control, label);
    }
}

void ExecutionWindow::PlaceControls() {
    // The facts panel at the size its layout asks for; the rows under it follow.
    const QSize facts = Facts->sizeHint();
    const int contentWidth = std::max(kContentWidth, LayoutPixels(this, facts.width()));
    const int choicesTop = kFactsTop + LayoutPixels(this, facts.height()) + kChoicesBelowFacts;
    const int secondChoiceTop = choicesTop + kSecondChoiceBelow;
    const int answerLabelTop = secondChoiceTop + kAnswerLabelBelow;
    const int answerTop = answerLabelTop + kAnswerBelowLabel;
    const int buttonLeft = kMargin + contentWidth - kButtonWidth;
    // Each label has the room up to the control on its right.
    const QList<QPair<QLabel*, Place>> labels = {
        {YearsLabel, {kMargin, kTermTop + kLabelDrop, 120 - kMargin - kLabelGap, 0}},
        {MonthsLabel, {176, kTermTop + kLabelDrop, 232 - 176 - kLabelGap, 0}},
        {DaysLabel, {288, kTermTop + kLabelDrop, 336 - 288 - kLabelGap, 0}},
        {StartLabel, {408, kTermTop + kLabelDrop, 576 - 408 - kLabelGap, 0}},
        {RemicaoLabel,
         {kMargin, choicesTop + kLabelDrop, kRemicaoFieldLeft - kMargin - kLabelGap, 0}},
        {RegimeLabel,
         {kChoiceLabelLeft, choicesTop + kLabelDrop, kChoiceLeft - kChoiceLabelLeft - kLabelGap,
          0}},
        {ConventionLabel,
         {kChoiceLabelLeft, secondChoiceTop + kLabelDrop,
          kChoiceLeft - kChoiceLabelLeft - kLabelGap, 0}},
        {AnswerLabel, {kMargin, answerLabelTop, contentWidth, 0}},
    };
    const QList<QPair<QPushButton*, Place>> buttons = {
        {CalculaButton, {buttonLeft, choicesTop, kButtonWidth, kButtonHeight}},
        {CopiarButton, {buttonLeft, secondChoiceTop, kButtonWidth, kButtonHeight}}};
    PlaceCaptions(labels, buttons);
    PlaceWidget(YearsField, {120, kTermTop, 41, kFieldHeight});
    PlaceWidget(MonthsField, {232, kTermTop, 40, kFieldHeight});
    PlaceWidget(DaysField, {336, kTermTop, 41, kFieldHeight});
    PlaceWidget(StartField, {576, kTermTop, 97, kFieldHeight});
    Facts->setGeometry(Scaled(this, kMargin), Scaled(this, kFactsTop),
                       std::max(facts.width(), Scaled(this, contentWidth)), facts.height());
    PlaceWidget(RemicaoField, {kRemicaoFieldLeft, choicesTop, 59, kFieldHeight});
    PlaceWidget(RegimeChoice, {kChoiceLeft, choicesTop, kChoiceWidth, kFieldHeight});
    PlaceWidget(ConventionChoice, {kChoiceLeft, secondChoiceTop, kChoiceWidth, kFieldHeight});
    PlaceWidget(AnswerText, {kMargin, answerTop, contentWidth, kAnswerHeight});
    // The timeline is as tall as its font needs for every row it can draw.
    PlaceWidget(Timeline,
                {kMargin, answerTop + kAnswerHeight + kTimelineBelowAnswer, contentWidth, 0});
    Timeline->resize(Timeline->width(), Timeline->sizeHint().height());
    resize(Scaled(this, kMargin + contentWidth + kMargin),
           Timeline->geometry().bottom() + 1 + Scaled(this, kMargin));
}

void ExecutionWindow::ConnectHandlers() {
    connect(CalculaButton, &QPushButton::clicked, this, Guarded([this] { CalculaClick(); }));
    connect(CopiarButton, &QPushButton::clicked, this, Guarded([this] { CopiarClick(); }));
    auto follow = Guarded([this] { QuestionChanged(); });
    for (MaskedField* field : {YearsField, MonthsField, DaysField, StartField, RemicaoField}) {
        connect(field, &QLineEdit::textChanged, this, follow);
    }
    connect(Facts, &CaseFactsPanel::FactsChanged, this, Guarded([this] { FactsChanged(); }));
    for (QComboBox* choice : {RegimeChoice, ConventionChoice}) {
        connect(choice, &QComboBox::currentIndexChanged, this, follow);
    }
    m_keys = DialogKeys::Install(this);
}

void ExecutionWindow::SetTabOrder() {
    QList<QWidget*> order = {YearsField, MonthsField, DaysField, StartField};
    order.append(Facts->TabOrder());
    order.append(
        {RemicaoField, RegimeChoice, ConventionChoice, CalculaButton, CopiarButton, AnswerText});
    ChainTabOrder(order);
}

void ExecutionWindow::Open(const std::optional<std::array<std::string, 3>>& term, DayNumber today) {
    Present();

    SeedTerm({YearsField, MonthsField, DaysField}, term);
    // What the panel shows stays, a date typed but not a date included, while it is what
    // the other window last left.
    if (Facts->Facts() != m_sharedFacts) {
        Facts->SetFacts(m_sharedFacts);
    }
    UseCalendarDateSettings();
    StartField->SetText(WriteDateText(today));
    StartField->setFocus(Qt::OtherFocusReason);
    StartField->SelectAll();
    CalculaButton->setDefault(true);
}

ExecutionFields ExecutionWindow::ReadFields() const {
    ExecutionFields fields;
    fields.Years = YearsField->Text();
    fields.Months = MonthsField->Text();
    fields.Days = DaysField->Text();
    ExecutionQuestion& question = fields.Question;
    question.Start = StartField->Text();
    question.Remicao = RemicaoField->Text();
    question.Facts = Facts->Facts();
    if (const int regime = RegimeChoice->currentIndex(); regime > 0) {
        question.InitialRegime = kChosenRegimes[static_cast<std::size_t>(regime - 1)];
    }
    question.Convention = kConventions[static_cast<std::size_t>(ConventionChoice->currentIndex())];
    return fields;
}

void ExecutionWindow::FactsChanged() {
    m_sharedFacts = Facts->Facts();
    QuestionChanged();
}

void ExecutionWindow::QuestionChanged() {
    if (m_answering) {
        CalculaClick();
    }
}

// ----- Handlers ---------------------------------------------------------------------------

void ExecutionWindow::CalculaClick() {
    m_answering = true;
    // The start date is read as dd/mm/yyyy, whatever the regional settings since opening.
    UseCalendarDateSettings();
    const ExecutionAnswer answer = AnswerExecution(ReadFields());
    AnswerText->setPlainText(ToQString(WithCrimeDateNotice(*Facts, answer.Text)));
    if (answer.Dates) {
        Timeline->SetDates(*answer.Dates);
    } else {
        Timeline->Clear();
    }
}

void ExecutionWindow::CopiarClick() {
    QApplication::clipboard()->setText(AnswerText->toPlainText());
}

} // namespace zarn
