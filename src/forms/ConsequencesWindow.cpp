#include "forms/ConsequencesWindow.h"

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
#include <QClipboard>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace zarn {
namespace {

// Client area, in pixels of the 120 pixels-per-inch layout.
constexpr int kClientWidth = 720;
constexpr int kClientHeight = 576;
constexpr int kMargin = 16;
constexpr int kTermTop = 16;
constexpr int kFactsTop = 56;
constexpr int kTextTop = kFactsTop + kCaseFactsPanelHeight + 8;
constexpr int kButtonTop = 536;
constexpr int kButtonWidth = 81;
constexpr int kButtonHeight = 25;
constexpr int kFieldHeight = 24;

struct TermColumn {
    int LabelLeft;
    int FieldLeft;
    int FieldWidth;
};
constexpr TermColumn kYearsColumn{kMargin, 128, 41};
constexpr TermColumn kMonthsColumn{192, 264, 40};
constexpr TermColumn kDaysColumn{336, 392, 41};

Place LabelPlace(const TermColumn& column) {
    return {column.LabelLeft, kTermTop + 8, column.FieldLeft - column.LabelLeft - kLabelGap, 0};
}

Place FieldPlace(const TermColumn& column) {
    return {column.FieldLeft, kTermTop, column.FieldWidth, kFieldHeight};
}

} // namespace

ConsequencesWindow::ConsequencesWindow(QWidget* parent)
    : ToolWindow(parent, "ConsequencesWindow", kConsequencesCaption, kConsequencesHelpContext) {
    CreateControls();
    PlaceControls();
    ConnectHandlers();
    SetTabOrder();
    resize(Scaled(this, kClientWidth), Scaled(this, kClientHeight));
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

void ConsequencesWindow::PlaceControls() {
    const QList<QPair<QLabel*, Place>> labels = {{Label1, LabelPlace(kYearsColumn)},
                                                 {Label2, LabelPlace(kMonthsColumn)},
                                                 {Label3, LabelPlace(kDaysColumn)}};
    const int closeLeft = kClientWidth - kMargin - kButtonWidth;
    const QList<QPair<QPushButton*, Place>> buttons = {
        {Button1, {closeLeft - kMargin - kButtonWidth, kButtonTop, kButtonWidth, kButtonHeight}},
        {Button2, {closeLeft, kButtonTop, kButtonWidth, kButtonHeight}}};
    PlaceCaptions(labels, buttons);
    PlaceWidget(MaskEdit1, FieldPlace(kYearsColumn));
    PlaceWidget(MaskEdit2, FieldPlace(kMonthsColumn));
    PlaceWidget(MaskEdit3, FieldPlace(kDaysColumn));
    PlaceWidget(Facts1, {kMargin, kFactsTop, kCaseFactsPanelWidth, kCaseFactsPanelHeight});
    PlaceWidget(Memo1, {kMargin, kTextTop, kClientWidth - 2 * kMargin,
                        kButtonTop - kMargin / 2 - kTextTop});
}

void ConsequencesWindow::ConnectHandlers() {
    connect(Button1, &QPushButton::clicked, this, Guarded([this] { Button1Click(); }));
    connect(Button2, &QPushButton::clicked, this, Guarded([this] { Button2Click(); }));
    for (MaskedField* field : {MaskEdit1, MaskEdit2, MaskEdit3}) {
        connect(field, &QLineEdit::textChanged, this, Guarded([this] { UpdateAnalysis(); }));
    }
    connect(Facts1, &CaseFactsPanel::FactsChanged, this, Guarded([this] { UpdateAnalysis(); }));
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

void ConsequencesWindow::UpdateAnalysis() {
    const TermReading term = ReadTerm(MaskEdit1->Text(), MaskEdit2->Text(), MaskEdit3->Text());
    std::string text = term.Error;
    if (term.Ok) {
        const CaseFacts facts = Facts1->Facts();
        const ConsequencesOutcome outcome = AnalyseConsequences(term.Days, facts);
        text = outcome.Ok() ? WriteConsequences(outcome.Answers, facts) : outcome.Error;
    }
    Memo1->setPlainText(ToQString(text));
}

} // namespace zarn
