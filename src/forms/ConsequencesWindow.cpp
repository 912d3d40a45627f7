#include "forms/ConsequencesWindow.h"

#include "engine/NumberText.h"
#include "engine/TermReading.h"
#include "forms/ToolWindow.h"
#include "help/HelpContext.h"
#include "law/Consequences.h"
#include "law/ConsequencesText.h"
#include "widgets/AccessibleNames.h"
#include "widgets/CaseFactsPanel.h"
#include "widgets/DialogKeys.h"
#include "widgets/FocusedSelection.h"
#include "widgets/FormLayout.h"
#include "widgets/Guarded.h"
#include "widgets/MaskedField.h"
#include "widgets/QtText.h"

#include <QApplication>
#include <QBoxLayout>
#include <QClipboard>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <array>
#include <tuple>

namespace zarn {
namespace {

// In pixels of the 120 pixels-per-inch layout: the window's least client size, its margins
// and the spaces between its rows, the term fields' widths and the buttons' size.
constexpr int kClientWidth = 720;
constexpr int kClientHeight = 576;
constexpr int kMargin = 16;
constexpr int kRowGap = 8;
constexpr int kFieldGap = 24;
constexpr int kYearsWidth = 41;
constexpr int kMonthsWidth = 40;
constexpr int kDaysWidth = 41;
constexpr int kButtonWidth = 81;
constexpr int kButtonHeight = 25;
constexpr int kTextLeastHeight = 160;

// The text over the answer: the date of the crime typed but not a date.
std::string WithCrimeDateNotice(const CaseFactsPanel& facts, const std::string& text) {
    if (!facts.CrimeDateInvalid()) {
        return text;
    }
    return std::string(kInvalidCrimeDateMessage) + "\n\n" + text;
}

} // namespace

ConsequencesWindow::ConsequencesWindow(CaseFacts& sharedFacts, QWidget* parent)
    : ToolWindow(parent, "ConsequencesWindow", kConsequencesCaption, kConsequencesHelpContext)
    , m_sharedFacts(sharedFacts) {
    CreateControls();
    Facts1->SetFacts(m_sharedFacts);
    LayOutControls();
    ConnectHandlers();
    SetTabOrder();
    resize(sizeHint().expandedTo(QSize(Scaled(this, kClientWidth), Scaled(this, kClientHeight))));
    UpdateAnalysis();
}

void ConsequencesWindow::CreateControls() {
    MaskEdit1 = NewMaskedField(this, kYearsFieldSetup);
    MaskEdit2 = NewMaskedField(this, kMonthsFieldSetup);
    MaskEdit3 = NewMaskedField(this, kDaysFieldSetup);
    Facts1 = new CaseFactsPanel(this);
    Memo1 = NewAnswerText();
    Button1 = NewButton(this, kToolCopyCaption, kToolFontHeight);
    Button2 = NewButton(this, kToolCloseCaption, kToolFontHeight);
    Label1 = NewLabel(this, kToolYearsCaption, kToolFontHeight, nullptr);
    Label2 = NewLabel(this, kToolMonthsCaption, kToolFontHeight, nullptr);
    Label3 = NewLabel(this, kToolDaysCaption, kToolFontHeight, nullptr);

    NameComponents({
        {MaskEdit1, "MaskEdit1"},
        {MaskEdit2, "MaskEdit2"},
        {MaskEdit3, "MaskEdit3"},
        {Facts1, "Facts1"},
        {Memo1, "Memo1"},
        {Button1, "Button1"},
        {Button2, "Button2"},
        {Label1, "Label1"},
        {Label2, "Label2"},
        {Label3, "Label3"},
    });

    for (MaskedField* field : {MaskEdit1, MaskEdit2, MaskEdit3}) {
        FocusedSelection::Apply(field);
    }
    // What a screen reader announces: each field by the caption beside it, the text by the
    // window's title; the buttons and labels by their captions.
    NameAfterLabel(MaskEdit1, Label1);
    NameAfterLabel(MaskEdit2, Label2);
    NameAfterLabel(MaskEdit3, Label3);
    Memo1->setAccessibleName(windowTitle());
    Button1->setDefault(true);
}

// The term's row, the facts, the text taking what height the window has, and the buttons on
// the right.
void ConsequencesWindow::LayOutControls() {
    auto* column = new QVBoxLayout(this);
    const int margin = Scaled(this, kMargin);
    column->setContentsMargins(margin, margin, margin, margin);
    column->setSpacing(Scaled(this, kRowGap));

    auto* term = new QHBoxLayout();
    term->setSpacing(Scaled(this, kRowGap));
    const std::array<std::tuple<QLabel*, MaskedField*, int>, 3> fields = {{
        {Label1, MaskEdit1, kYearsWidth},
        {Label2, MaskEdit2, kMonthsWidth},
        {Label3, MaskEdit3, kDaysWidth},
    }};
    for (const auto& [label, field, width] : fields) {
        if (label != Label1) {
            term->addSpacing(Scaled(this, kFieldGap));
        }
        term->addWidget(label);
        field->setFixedWidth(Scaled(this, width));
        term->addWidget(field);
    }
    term->addStretch(1);
    column->addLayout(term);

    column->addWidget(Facts1);
    Memo1->setMinimumHeight(Scaled(this, kTextLeastHeight));
    column->addWidget(Memo1, 1);

    auto* buttons = new QHBoxLayout();
    buttons->setSpacing(margin);
    buttons->addStretch(1);
    for (QPushButton* button : {Button1, Button2}) {
        button->setMinimumSize(Scaled(this, kButtonWidth), Scaled(this, kButtonHeight));
        buttons->addWidget(button);
    }
    column->addLayout(buttons);
}

void ConsequencesWindow::ConnectHandlers() {
    connect(Button1, &QPushButton::clicked, this, Guarded([this] { Button1Click(); }));
    connect(Button2, &QPushButton::clicked, this, Guarded([this] { Button2Click(); }));
    for (MaskedField* field : {MaskEdit1, MaskEdit2, MaskEdit3}) {
        connect(field, &QLineEdit::textChanged, this, Guarded([this] { UpdateAnalysis(); }));
    }
    connect(Facts1, &CaseFactsPanel::FactsChanged, this, Guarded([this] { FactsChanged(); }));
    m_keys = DialogKeys::Install(this);
}

void ConsequencesWindow::SetTabOrder() {
    QList<QWidget*> order = {MaskEdit1, MaskEdit2, MaskEdit3};
    order += Facts1->TabOrder();
    order += {Memo1, Button1, Button2};
    ChainTabOrder(order);
}

void ConsequencesWindow::Open(const std::optional<std::array<std::string, 3>>& lastResult) {
    SeedTerm({MaskEdit1, MaskEdit2, MaskEdit3}, lastResult);
    // What the panel shows stays, a date typed but not a date included, while it is what
    // the other window last left.
    if (Facts1->Facts() != m_sharedFacts) {
        Facts1->SetFacts(m_sharedFacts);
    }
    Present();
    MaskEdit1->setFocus(Qt::OtherFocusReason);
    MaskEdit1->SelectAll();
}

// ----- Handlers ---------------------------------------------------------------------------

void ConsequencesWindow::Button1Click() {
    QApplication::clipboard()->setText(Memo1->toPlainText());
}

void ConsequencesWindow::Button2Click() {
    close();
}

void ConsequencesWindow::FactsChanged() {
    m_sharedFacts = Facts1->Facts();
    UpdateAnalysis();
}

bool ConsequencesWindow::TermTyped() const {
    for (const MaskedField* field : {MaskEdit1, MaskEdit2, MaskEdit3}) {
        if (!RemoveBlanks(field->Text()).empty()) {
            return true;
        }
    }
    return false;
}

void ConsequencesWindow::UpdateAnalysis() {
    std::string text = kConsequencesNoTermHint;
    if (TermTyped()) {
        const TermReading term = ReadTerm(MaskEdit1->Text(), MaskEdit2->Text(), MaskEdit3->Text());
        text = term.Error;
        if (term.Ok) {
            const CaseFacts facts = Facts1->Facts();
            const ConsequencesOutcome outcome = AnalyseConsequences(term.Days, facts);
            text = outcome.Ok() ? WriteConsequences(outcome.Answers, facts) : outcome.Error;
        }
    }
    Memo1->setPlainText(ToQString(WithCrimeDateNotice(*Facts1, text)));
}

} // namespace zarn
