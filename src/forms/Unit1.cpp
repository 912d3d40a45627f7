#include "forms/Unit1.h"

#include "engine/Calculation.h"
#include "fields/MaskedField.h"
#include "fields/QtText.h"
#include "forms/CopyCommand.h"
#include "forms/DialogKeys.h"
#include "forms/FocusedSelection.h"
#include "forms/FormFonts.h"
#include "forms/Guarded.h"
#include "forms/HelpContext.h"
#include "forms/HelpRequests.h"
#include "forms/NoticeBar.h"
#include "forms/ResultField.h"
#include "forms/Scaling.h"
#include "forms/Unit3.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <algorithm>
#include <array>

namespace zarn {
namespace {

// Window and client area, in pixels of the 120 pixels-per-inch layout.
constexpr int kClientWidth = 560;
constexpr int kClientHeight = 378;
constexpr int kStatusBarHeight = 19;
constexpr int kFormFontHeight = 14;
constexpr int kStatusFontHeight = 13; // the usual status-bar font, 8 points
constexpr int kTitleFontHeight = 18;
constexpr int kCaptionFontHeight = 15;
constexpr int kButtonTextMargin = 8;

constexpr int kWindowHelpContext = 1;
constexpr int kResultHelpContext = 6;
constexpr int kInputHelpContext = 8;
constexpr int kButtonHelpContext = 11;

const QColor kNavyCaption(0x00, 0x00, 0x80);
const QColor kBlueCaption(0x00, 0x00, 0xFF);

// The notice line under the title, fixed for the life of the window.
constexpr const char* kNoticeFieldText = "Dosimetria da pena";
constexpr const char* kResultsDoNotFit =
    "O resultado n\xE3o cabe nos campos; comece um novo c\xE1lculo.";

struct MaskSetup {
    const char* Mask;
    const char* BlankText;
};
constexpr std::array<MaskSetup, 5> kMasks = {{
    {"999;1; ", "   "},
    {"99;1; ", "  "},
    {"99;1; ", "  "},
    {"99999;1; ", "     "},
    {"c\\ 99\\/999;1; ", "    /   "},
}};

struct Place {
    int Left, Top, Width, Height;
};

QLabel* NewLabel(QWidget* parent, const char* caption, int fontHeight, const QColor* colour) {
    auto* label = new QLabel(ToQString(caption), parent);
    label->setTextFormat(Qt::PlainText);
    label->setFont(LayoutFont(parent, fontHeight, true));
    if (colour) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, *colour);
        label->setPalette(palette);
    }
    return label;
}

QPushButton* NewButton(QWidget* parent, const char* caption) {
    auto* button = new QPushButton(ToQString(caption), parent);
    button->setFont(LayoutFont(parent, kCaptionFontHeight, true));
    button->setAutoDefault(false);
    return button;
}

MaskedField* NewMaskedField(QWidget* parent, const MaskSetup& setup) {
    auto* field = new MaskedField(parent);
    field->SetEditMask(setup.Mask);
    field->SetText(setup.BlankText);
    return field;
}

void PlaceWidget(QWidget* widget, const Place& place) {
    const QWidget* scale = widget->parentWidget();
    widget->setGeometry(Scaled(scale, place.Left), Scaled(scale, place.Top),
                        Scaled(scale, place.Width), Scaled(scale, place.Height));
}

// A label's size follows its caption.
void PlaceLabel(QLabel* label, const Place& place) {
    const QWidget* scale = label->parentWidget();
    label->move(Scaled(scale, place.Left), Scaled(scale, place.Top));
    label->adjustSize();
}

// Captions that the font would draw wider than the layout's places are drawn a little
// smaller, all of a group alike, instead of running into their neighbours.
template <typename Control>
void FitGroup(const QList<QPair<Control*, Place>>& group, int margin) {
    QList<CaptionPlace> captions;
    for (const auto& [control, place] : group) {
        const QWidget* scale = control->parentWidget();
        captions.append(
            {control, control->text(), Scaled(scale, place.Width) - Scaled(scale, margin)});
    }
    FitCommonFont(captions);
}

} // namespace

TForm1::TForm1(QWidget* parent)
    : QMainWindow(parent) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Zarn"));
    SetHelpContext(this, kWindowHelpContext);
    CreateControls();
    PlaceControls();
    CreateActions();
    CreateMenu();
    ConnectHandlers();
    SetTabOrder();
    resize(Scaled(this, kClientWidth),
           MainMenu1->sizeHint().height() + Scaled(this, kClientHeight));
    MaskEdit1->setFocus();
}

TForm1::~TForm1() {
    // The copy command follows the focus; it goes before the fields it watches.
    delete m_copy;
    m_copy = nullptr;
}

void TForm1::SetAboutBox(QDialog* aboutBox) {
    m_aboutBox = aboutBox;
}

void TForm1::SetCalendar(TForm3* calendar) {
    m_calendar = calendar;
}

void TForm1::CreateControls() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("Client"));
    client->setFont(LayoutFont(this, kFormFontHeight, false));
    setCentralWidget(client);

    Label1 = NewLabel(client, "Programa para c\xE1lculo de penas criminais", kTitleFontHeight,
                      &kNavyCaption);
    Label2 = NewLabel(client, "Resultado:", kTitleFontHeight, &kBlueCaption);
    StatusBar1 = new NoticeBar(this);
    setStatusBar(StatusBar1);
    Edit1 = new QLineEdit(ToQString(kNoticeFieldText), client);
    Label3 = NewLabel(client, "Pena corporal  ANOS:", kCaptionFontHeight, nullptr);
    Label4 = NewLabel(client, "MESES:", kCaptionFontHeight, nullptr);
    Label5 = NewLabel(client, "DIAS:", kCaptionFontHeight, nullptr);
    Edit2 = new ResultField(client);
    Label6 = NewLabel(client, "DIAS-MULTA:", kCaptionFontHeight, nullptr);
    Label7 = NewLabel(client, "OPERA\xC7\xC3O (ex.: + 1/6):", kCaptionFontHeight, nullptr);
    MaskEdit1 = NewMaskedField(client, kMasks[0]);
    MaskEdit2 = NewMaskedField(client, kMasks[1]);
    MaskEdit3 = NewMaskedField(client, kMasks[2]);
    MaskEdit4 = NewMaskedField(client, kMasks[3]);
    MaskEdit5 = NewMaskedField(client, kMasks[4]);
    Button1 = NewButton(client, "&Calcula");
    Button2 = NewButton(client, "Continua o &mesmo c\xE1lculo");
    Button3 = NewButton(client, "&Novo c\xE1lculo");
    Button4 = NewButton(client, "&Volta");
    Button5 = NewButton(client, "Ca&lend\xE1rio");
    Button6 = NewButton(client, "&Sai");

    const std::array<std::pair<QObject*, const char*>, 21> names = {{
        {Label1, "Label1"},       {Label2, "Label2"},       {StatusBar1, "StatusBar1"},
        {Edit1, "Edit1"},         {Label3, "Label3"},       {Label4, "Label4"},
        {Label5, "Label5"},       {Edit2, "Edit2"},         {Label6, "Label6"},
        {Label7, "Label7"},       {MaskEdit1, "MaskEdit1"}, {MaskEdit2, "MaskEdit2"},
        {MaskEdit3, "MaskEdit3"}, {MaskEdit4, "MaskEdit4"}, {MaskEdit5, "MaskEdit5"},
        {Button1, "Button1"},     {Button2, "Button2"},     {Button3, "Button3"},
        {Button4, "Button4"},     {Button5, "Button5"},     {Button6, "Button6"},
    }};
    for (const auto& [object, name] : names) {
        object->setObjectName(QString::fromLatin1(name));
    }

    // The notice line: disabled, borderless, on the window's face, never focused.
    Edit1->setFont(LayoutFont(client, kTitleFontHeight, true));
    Edit1->setFrame(false);
    Edit1->setAlignment(Qt::AlignCenter);
    Edit1->setEnabled(false);
    Edit1->setFocusPolicy(Qt::NoFocus);
    QPalette face = Edit1->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        face.setColor(group, QPalette::Base, face.color(group, QPalette::Button));
    }
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        face.setColor(group, QPalette::Text, face.color(QPalette::Active, QPalette::WindowText));
    }
    Edit1->setPalette(face);

    // The result field takes the focus only by a click.
    Edit2->setFocusPolicy(Qt::ClickFocus);
    for (QLineEdit* field :
         {static_cast<QLineEdit*>(Edit2), static_cast<QLineEdit*>(MaskEdit1),
          static_cast<QLineEdit*>(MaskEdit2), static_cast<QLineEdit*>(MaskEdit3),
          static_cast<QLineEdit*>(MaskEdit4), static_cast<QLineEdit*>(MaskEdit5)}) {
        FocusedSelection::Apply(field);
    }
    // The status font, scaled like the layout.
    StatusBar1->setFont(LayoutFont(this, kStatusFontHeight, false));

    Button1->setDefault(true);
    StatusBar1->ShowWelcome();

    SetHelpContext(Label1, kWindowHelpContext);
    SetHelpContext(Edit1, kWindowHelpContext);
    SetHelpContext(StatusBar1, kWindowHelpContext);
    SetHelpContext(Edit2, kResultHelpContext);
    for (MaskedField* field : {MaskEdit1, MaskEdit2, MaskEdit3, MaskEdit4, MaskEdit5}) {
        SetHelpContext(field, kInputHelpContext);
    }
    for (QPushButton* button : {Button1, Button2, Button3, Button4, Button5, Button6}) {
        SetHelpContext(button, kButtonHelpContext);
    }
}

void TForm1::PlaceControls() {
    const QList<QPair<QLabel*, Place>> titles = {{Label1, {96, 48, 351, 20}},
                                                 {Label2, {41, 297, 91, 20}}};
    const QList<QPair<QLabel*, Place>> fieldLabels = {{Label3, {16, 137, 153, 16}},
                                                      {Label4, {256, 137, 57, 16}},
                                                      {Label5, {400, 137, 40, 16}},
                                                      {Label6, {57, 185, 96, 16}},
                                                      {Label7, {256, 185, 165, 16}}};
    const QList<QPair<QPushButton*, Place>> buttons = {
        {Button1, {41, 217, 73, 24}},   {Button2, {144, 217, 209, 24}},
        {Button3, {393, 217, 112, 24}}, {Button4, {41, 256, 73, 25}},
        {Button5, {217, 256, 104, 25}}, {Button6, {432, 256, 75, 25}}};
    FitGroup(titles, 0);
    FitGroup(fieldLabels, 0);
    FitGroup(buttons, kButtonTextMargin);
    for (const auto& group : {titles, fieldLabels}) {
        for (const auto& [label, place] : group) {
            PlaceLabel(label, place);
        }
    }
    for (const auto& [button, place] : buttons) {
        PlaceWidget(button, place);
    }
    PlaceWidget(Edit1, {169, 80, 200, 25});
    FitFontToWidth(Edit1, Edit1->text(), Edit1->width());
    PlaceWidget(Edit2, {169, 297, 336, 24});
    PlaceWidget(MaskEdit1, {176, 128, 41, 24});
    PlaceWidget(MaskEdit2, {329, 128, 40, 24});
    PlaceWidget(MaskEdit3, {464, 128, 41, 24});
    PlaceWidget(MaskEdit4, {176, 176, 59, 24});
    PlaceWidget(MaskEdit5, {441, 176, 64, 24});
    StatusBar1->setFixedHeight(
        std::max(Scaled(this, kStatusBarHeight), StatusBar1->sizeHint().height()));
}

void TForm1::CreateActions() {
    ImageList1 = {QIcon(QStringLiteral(":/images/copy.png")),
                  QIcon(QStringLiteral(":/images/help.png"))};

    auto newAction = [this](const char* name, const char* caption) {
        auto* action = new QAction(ToQString(caption), this);
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };
    CursorInicia = newAction("CursorInicia", "CursorInicia");
    ProgramaSai = newAction("ProgramaSai", "Sair");
    ProgramaSai->setToolTip(ToQString("Sai do programa"));
    HelpContents = newAction("HelpContents", "Conte\xFA"
                                             "do");
    HelpContents->setToolTip(ToQString("Mostra a Ajuda"));
    HelpContents->setIcon(ImageList1[1]);
    HelpIndex = newAction("HelpIndex", "\xCD"
                                       "ndice");
    HelpAbout = newAction("HelpAbout", "Sobre...");
    EditCopy1 = newAction("EditCopy1", "Copiar");
    EditCopy1->setToolTip(ToQString("Copia (Ctrl C)"));
    EditCopy1->setIcon(ImageList1[0]);
    EditCopy1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    addAction(CursorInicia);
    addAction(EditCopy1);

    SetHelpContext(ProgramaSai, 0);
    SetHelpContext(EditCopy1, 0);
    SetHelpContext(HelpContents, kWindowHelpContext);
    SetHelpContext(HelpIndex, kWindowHelpContext);
    SetHelpContext(HelpAbout, kWindowHelpContext);
    m_copy = new CopyCommand(EditCopy1, this);
}

void TForm1::CreateMenu() {
    MainMenu1 = menuBar();
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    MainMenu1->addAction(ProgramaSai);
    Editar1 = MainMenu1->addMenu(QStringLiteral("Editar"));
    Editar1->setObjectName(QStringLiteral("Editar1"));
    Editar1->addAction(EditCopy1);
    Contedo1 = MainMenu1->addMenu(QStringLiteral("&Ajuda"));
    Contedo1->setObjectName(QStringLiteral("Contedo1"));
    Contedo1->addAction(HelpContents);
    Contedo1->addAction(HelpIndex);
    N1 = Contedo1->addSeparator();
    Contedo1->addAction(HelpAbout);
    SetHelpContext(Editar1, 0);
    SetHelpContext(Editar1->menuAction(), 0);
    SetHelpContext(Contedo1, kWindowHelpContext);
    SetHelpContext(Contedo1->menuAction(), kWindowHelpContext);
}

void TForm1::ConnectHandlers() {
    auto onClick = [this](QPushButton* button, void (TForm1::*handler)()) {
        connect(button, &QPushButton::clicked, this,
                Guarded([this, handler] { (this->*handler)(); }));
    };
    onClick(Button1, &TForm1::Button1Click);
    onClick(Button2, &TForm1::Button2Click);
    onClick(Button3, &TForm1::Button3Click);
    onClick(Button4, &TForm1::Button4Click);
    onClick(Button5, &TForm1::Button5Click);
    onClick(Button6, &TForm1::Button6Click);

    auto onTrigger = [this](QAction* action, void (TForm1::*handler)()) {
        connect(action, &QAction::triggered, this,
                Guarded([this, handler] { (this->*handler)(); }));
    };
    onTrigger(CursorInicia, &TForm1::CursorIniciaExecute);
    onTrigger(ProgramaSai, &TForm1::ProgramaSaiExecute);
    onTrigger(HelpContents, &TForm1::HelpContentsExecute);
    onTrigger(HelpIndex, &TForm1::HelpIndexExecute);
    onTrigger(HelpAbout, &TForm1::HelpAboutExecute);

    for (MaskedField* field : {MaskEdit1, MaskEdit2, MaskEdit3, MaskEdit4, MaskEdit5}) {
        connect(field, &MaskedField::Clicked, this, Guarded([this] { CursorIniciaExecute(); }));
    }
    connect(Edit2, &ResultField::DoubleClicked, this, Guarded([this] { CursorIniciaExecute(); }));
    connect(StatusBar1, &NoticeBar::Clicked, this, Guarded([this] { HelpContentsExecute2(); }));

    m_keys = DialogKeys::Install(this);
}

void TForm1::SetTabOrder() {
    const std::array<QWidget*, 11> order = {MaskEdit1, MaskEdit2, MaskEdit3, MaskEdit4,
                                            MaskEdit5, Button1,   Button2,   Button3,
                                            Button4,   Button5,   Button6};
    for (std::size_t i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
}

bool TForm1::event(QEvent* event) {
    // The status bar shows notices, never the hints of menu items and actions.
    if (event->type() == QEvent::StatusTip) {
        return true;
    }
    return QMainWindow::event(event);
}

// ----- Fields, reports and the default button -------------------------------------------

MaskedField* TForm1::FieldOf(InputField field) const {
    switch (field) {
    case InputField::Years:
        return MaskEdit1;
    case InputField::Months:
        return MaskEdit2;
    case InputField::Days:
        return MaskEdit3;
    case InputField::Fines:
        return MaskEdit4;
    case InputField::Operation:
        break;
    }
    return MaskEdit5;
}

QList<MaskedField*> TForm1::TermFields() const {
    return {MaskEdit1, MaskEdit2, MaskEdit3, MaskEdit4};
}

void TForm1::SelectAndCopyResult() {
    Edit2->selectAll();
    QApplication::clipboard()->setText(Edit2->selectedText());
}

void TForm1::ReportInputError(const CalcOutcome& outcome) {
    Edit2->setText(ToQString(outcome.OutcomeText));
    SelectAndCopyResult();
    FocusAndSelectAll(FieldOf(outcome.FaultField));
}

void TForm1::ReportResult(const CalcOutcome& outcome) {
    Edit2->setText(ToQString(outcome.OutcomeText));
    SelectAndCopyResult();
    Button1->setDefault(false);
    Button2->setDefault(true);
}

void TForm1::MakeCalculaDefault() {
    Button1->setDefault(true);
    Button2->setDefault(false);
}

void TForm1::FocusAndSelectAll(MaskedField* field) {
    field->setFocus(Qt::OtherFocusReason);
    field->SelectAll();
}

bool TForm1::ResultsFitTheFields() const {
    const std::array<const std::string*, 4> results = {
        &m_state.OutYearsText, &m_state.OutMonthsText, &m_state.OutDaysText, &m_state.OutFinesText};
    const QList<MaskedField*> fields = TermFields();
    for (std::size_t i = 0; i < results.size(); ++i) {
        const auto length = static_cast<std::size_t>(
            std::count_if(results[i]->begin(), results[i]->end(), [](char c) { return c != ' '; }));
        if (length > fields[static_cast<qsizetype>(i)]->Text().size()) {
            return false;
        }
    }
    return true;
}

void TForm1::ReportResultsDoNotFit() {
    Edit2->setText(ToQString(kResultsDoNotFit));
    Edit2->selectAll();
    MakeCalculaDefault();
}

// ----- Handlers ---------------------------------------------------------------------------

void TForm1::Button1Click() {
    Edit2->clear();
    StatusBar1->ShowNotice(ChooseNotice());
    const CalcOutcome outcome =
        RunCalculation(m_state, MaskEdit1->Text(), MaskEdit2->Text(), MaskEdit3->Text(),
                       MaskEdit4->Text(), MaskEdit5->Text());
    if (outcome.Ok) {
        ReportResult(outcome);
    } else {
        ReportInputError(outcome);
    }
}

void TForm1::Button2Click() {
    if (!ResultsFitTheFields()) {
        ReportResultsDoNotFit();
        return;
    }
    const std::array<std::string*, 4> results = {&m_state.OutYearsText, &m_state.OutMonthsText,
                                                 &m_state.OutDaysText, &m_state.OutFinesText};
    const QList<MaskedField*> fields = TermFields();
    for (std::size_t i = 0; i < results.size(); ++i) {
        std::string& text = *results[i];
        std::erase(text, ' ');
        fields[static_cast<qsizetype>(i)]->SetText(text == "0" ? std::string() : text);
    }
    MaskEdit5->SetText({});
    Edit2->clear();
    FocusAndSelectAll(MaskEdit5);
    MakeCalculaDefault();
}

void TForm1::Button3Click() {
    for (MaskedField* field : {MaskEdit1, MaskEdit2, MaskEdit3, MaskEdit4, MaskEdit5}) {
        field->SetText({});
    }
    Edit2->clear();
    FocusAndSelectAll(MaskEdit1);
    MakeCalculaDefault();
}

void TForm1::Button4Click() {
    const std::array<std::string*, 4> inputs = {&m_state.YearsText, &m_state.MonthsText,
                                                &m_state.DaysText, &m_state.FinesText};
    const QList<MaskedField*> fields = TermFields();
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        std::string& text = *inputs[i];
        if (text == "0") {
            text.clear();
        }
        fields[static_cast<qsizetype>(i)]->SetText(text);
    }
    MaskEdit5->SetText({});
    Edit2->clear();
    FocusAndSelectAll(MaskEdit5);
    MakeCalculaDefault();
}

void TForm1::Button5Click() {
    if (!m_calendar) {
        return;
    }
    m_calendar->show();
    m_calendar->raise();
    m_calendar->activateWindow();
}

void TForm1::Button6Click() {
    close();
}

void TForm1::ProgramaSaiExecute() {
    close();
}

void TForm1::CursorIniciaExecute() {
    for (MaskedField* field : {MaskEdit1, MaskEdit2, MaskEdit3, MaskEdit4, MaskEdit5}) {
        field->SetCaretToStart();
    }
    Edit2->selectAll();
}

void TForm1::HelpContentsExecute() {
    if (HelpRequests* help = Help()) {
        help->ShowContents();
    }
}

void TForm1::HelpContentsExecute2() {
    if (HelpRequests* help = Help()) {
        help->ShowContext(kWindowHelpContext);
    }
}

void TForm1::HelpIndexExecute() {
    if (HelpRequests* help = Help()) {
        help->ShowIndex();
    }
}

void TForm1::HelpAboutExecute() {
    if (m_aboutBox) {
        m_aboutBox->exec();
    }
}

} // namespace zarn
