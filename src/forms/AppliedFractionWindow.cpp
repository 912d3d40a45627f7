#include "forms/AppliedFractionWindow.h"

#include "forms/ToolWindow.h"
#include "help/HelpContext.h"
#include "widgets/AccessibleNames.h"
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
#include <QShowEvent>
#include <QStringList>

namespace zarn {
namespace {

// Client area, in pixels of the 120 pixels-per-inch layout.
constexpr int kClientWidth = 425;
constexpr int kClientHeight = 328;

// Left edges of the three columns of term fields, and the tops of the two rows.
constexpr int kYearsLeft = 112;
constexpr int kMonthsLeft = 176;
constexpr int kDaysLeft = 240;
constexpr int kBeforeTop = 40;
constexpr int kAfterTop = 76;
constexpr int kFieldHeight = 24;
constexpr int kColumnCaptionTop = 20;
constexpr int kLeftMargin = 16;

// Opening after a Calcula whose result has more digits than the Depois fields hold.
constexpr const char* kResultTooWideText =
    "O resultado do \xFAltimo c\xE1lculo n\xE3o cabe nos campos Depois.";

std::size_t PlaceOf(InputField field) {
    switch (field) {
    case InputField::Months:
        return 1;
    case InputField::Days:
        return 2;
    case InputField::Years:
    case InputField::Fines:
    case InputField::Operation:
        break;
    }
    return 0;
}

QString JoinedLines(const std::vector<std::string>& lines) {
    QStringList shown;
    for (const std::string& line : lines) {
        shown << ToQString(line);
    }
    return shown.join(QLatin1Char('\n'));
}

} // namespace

AppliedFractionWindow::AppliedFractionWindow(QWidget* parent)
    : ToolWindow(parent, "AppliedFractionWindow", kAppliedFractionCaption,
                 kAppliedFractionHelpContext) {
    CreateControls();
    NameControls();
    PlaceControls();
    ConnectHandlers();
    SetTabOrder();
    resize(Scaled(this, kClientWidth), Scaled(this, kClientHeight));
}

void AppliedFractionWindow::CreateControls() {
    MaskEdit1 = NewMaskedField(this, kYearsFieldSetup);
    MaskEdit2 = NewMaskedField(this, kMonthsFieldSetup);
    MaskEdit3 = NewMaskedField(this, kDaysFieldSetup);
    MaskEdit4 = NewMaskedField(this, kYearsFieldSetup);
    MaskEdit5 = NewMaskedField(this, kMonthsFieldSetup);
    MaskEdit6 = NewMaskedField(this, kDaysFieldSetup);
    Button1 = NewButton(this, kToolCalculaCaption, kToolFontHeight);
    Memo1 = NewAnswerText();
    Button2 = NewButton(this, kToolCopyBesideCalculaCaption, kToolFontHeight);
    Label1 = NewLabel(this, "ANOS", kToolFontHeight, nullptr);
    Label2 = NewLabel(this, "MESES", kToolFontHeight, nullptr);
    Label3 = NewLabel(this, "DIAS", kToolFontHeight, nullptr);
    Label4 = NewRowLabel(TermSide::Before);
    Label5 = NewRowLabel(TermSide::After);
    Label6 = NewLabel(this, "Resposta:", kToolFontHeight, nullptr);

    for (MaskedField* field : {MaskEdit1, MaskEdit2, MaskEdit3, MaskEdit4, MaskEdit5, MaskEdit6}) {
        FocusedSelection::Apply(field);
    }
    Memo1->setFocusPolicy(Qt::StrongFocus);
    // Copiar has something to copy only once there is an answer.
    Button2->setEnabled(false);
}

// A row's caption: the term's name and a colon.
QLabel* AppliedFractionWindow::NewRowLabel(TermSide side) {
    QLabel* label = NewLabel(this, "", kToolFontHeight, nullptr);
    label->setText(ToQString(TermName(side)) + QLatin1Char(':'));
    return label;
}

void AppliedFractionWindow::NameControls() {
    NameComponents({
        {MaskEdit1, "MaskEdit1"},
        {MaskEdit2, "MaskEdit2"},
        {MaskEdit3, "MaskEdit3"},
        {MaskEdit4, "MaskEdit4"},
        {MaskEdit5, "MaskEdit5"},
        {MaskEdit6, "MaskEdit6"},
        {Button1, "Button1"},
        {Memo1, "Memo1"},
        {Button2, "Button2"},
        {Label1, "Label1"},
        {Label2, "Label2"},
        {Label3, "Label3"},
        {Label4, "Label4"},
        {Label5, "Label5"},
        {Label6, "Label6"},
    });
    // What a screen reader announces: each term field by its row and its column, the
    // answer by its caption; the buttons and labels by their captions.
    const std::array<QLabel*, 3> columns = {Label1, Label2, Label3};
    for (const TermSide side : {TermSide::Before, TermSide::After}) {
        QLabel* row = side == TermSide::Before ? Label4 : Label5;
        const std::array<MaskedField*, 3> fields = TermFields(side);
        for (std::size_t i = 0; i < fields.size(); ++i) {
            NameAfterRowAndColumn(fields[i], row, columns[i]);
        }
        row->setBuddy(fields[0]);
    }
    NameAfterLabel(Memo1, Label6);
}

void AppliedFractionWindow::PlaceControls() {
    // Each caption has the room up to the control on its right, or to the next column.
    const int columnRoom = kMonthsLeft - kYearsLeft - kLabelGap;
    const int rowRoom = kYearsLeft - kLeftMargin - kLabelGap;
    const QList<QPair<QLabel*, Place>> labels = {
        {Label1, {kYearsLeft, kColumnCaptionTop, columnRoom, 0}},
        {Label2, {kMonthsLeft, kColumnCaptionTop, columnRoom, 0}},
        {Label3, {kDaysLeft, kColumnCaptionTop, columnRoom, 0}},
        {Label4, {kLeftMargin, kBeforeTop, rowRoom, 0}},
        {Label5, {kLeftMargin, kAfterTop, rowRoom, 0}},
        {Label6, {kLeftMargin, 120, 393, 0}},
    };
    const QList<QPair<QPushButton*, Place>> buttons = {{Button1, {320, 75, 89, 25}},
                                                       {Button2, {320, 288, 89, 25}}};
    PlaceCaptions(labels, buttons);
    for (const auto& [top, fields] : {std::pair{kBeforeTop, TermFields(TermSide::Before)},
                                      std::pair{kAfterTop, TermFields(TermSide::After)}}) {
        PlaceWidget(fields[0], {kYearsLeft, top, 41, kFieldHeight});
        PlaceWidget(fields[1], {kMonthsLeft, top, 40, kFieldHeight});
        PlaceWidget(fields[2], {kDaysLeft, top, 41, kFieldHeight});
    }
    PlaceWidget(Memo1, {kLeftMargin, 140, 393, 136});
    CentreCaptions();
}

// Whatever the font's height, each column's caption stands over the middle of its fields
// and each row's caption level with the middle of its row.
void AppliedFractionWindow::CentreCaptions() {
    const std::array<MaskedField*, 3> fields = TermFields(TermSide::Before);
    const std::array<QLabel*, 3> columns = {Label1, Label2, Label3};
    for (std::size_t i = 0; i < columns.size(); ++i) {
        columns[i]->move(fields[i]->geometry().center().x() - columns[i]->width() / 2,
                         columns[i]->y());
    }
    for (const auto& [row, field] : {std::pair{Label4, MaskEdit1}, std::pair{Label5, MaskEdit4}}) {
        row->move(row->x(), field->geometry().center().y() - row->height() / 2);
    }
}

void AppliedFractionWindow::ConnectHandlers() {
    connect(Button1, &QPushButton::clicked, this, Guarded([this] { Button1Click(); }));
    connect(Button2, &QPushButton::clicked, this, Guarded([this] { Button2Click(); }));
    m_keys = DialogKeys::Install(this);
}

void AppliedFractionWindow::SetTabOrder() {
    ChainTabOrder({MaskEdit1, MaskEdit2, MaskEdit3, MaskEdit4, MaskEdit5, MaskEdit6, Button1, Memo1,
                   Button2});
}

// ----- Fields and the answer -----------------------------------------------------------------

std::array<MaskedField*, 3> AppliedFractionWindow::TermFields(TermSide side) const {
    if (side == TermSide::Before) {
        return {MaskEdit1, MaskEdit2, MaskEdit3};
    }
    return {MaskEdit4, MaskEdit5, MaskEdit6};
}

TermTexts AppliedFractionWindow::ReadTerm(TermSide side) const {
    const std::array<MaskedField*, 3> fields = TermFields(side);
    return {fields[0]->Text(), fields[1]->Text(), fields[2]->Text()};
}

void AppliedFractionWindow::WriteTerm(TermSide side, const TermTexts& term) {
    const std::array<MaskedField*, 3> fields = TermFields(side);
    fields[0]->SetText(term.Years);
    fields[1]->SetText(term.Months);
    fields[2]->SetText(term.Days);
}

void AppliedFractionWindow::ShowAnswer(const QString& text) {
    Memo1->setPlainText(text);
    Button2->setEnabled(!text.isEmpty());
}

QString AppliedFractionWindow::AnswerText() const {
    return Memo1->toPlainText();
}

void AppliedFractionWindow::FocusAndSelectAll(MaskedField* field) {
    field->setFocus(Qt::OtherFocusReason);
    field->SelectAll();
}

void AppliedFractionWindow::Open(const std::optional<CalculationTerms>& terms) {
    Present();
    if (terms) {
        WriteTerm(TermSide::Before, terms->Before);
        WriteTerm(TermSide::After, terms->After);
        ShowAnswer(terms->ResultFits ? QString() : ToQString(kResultTooWideText));
    }
    FocusAndSelectAll(MaskEdit1);
    Button1->setDefault(true);
}

// ----- Handlers ---------------------------------------------------------------------------

void AppliedFractionWindow::Button1Click() {
    const FractionAnswer answer =
        FindAppliedFraction(ReadTerm(TermSide::Before), ReadTerm(TermSide::After));
    ShowAnswer(JoinedLines(AnswerLines(answer)));
    if (!answer.Ok) {
        FocusAndSelectAll(TermFields(answer.FaultTerm)[PlaceOf(answer.FaultField)]);
    }
}

void AppliedFractionWindow::Button2Click() {
    if (const QString text = AnswerText(); !text.isEmpty()) {
        QApplication::clipboard()->setText(text);
    }
}

} // namespace zarn
