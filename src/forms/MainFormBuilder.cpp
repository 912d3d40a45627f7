#include "forms/MainFormBuilder.h"

#include "fields/ProgramMasks.h"
#include "forms/AppliedFractionWindow.h"
#include "forms/CalculationRecordWindow.h"
#include "forms/ConsequencesWindow.h"
#include "forms/ExecutionWindow.h"
#include "forms/PrescriptionWindow.h"
#include "forms/SentencingCaptions.h"
#include "forms/Unit1.h"
#include "help/HelpContext.h"
#include "widgets/AccessibleNames.h"
#include "widgets/CopyCommand.h"
#include "widgets/FocusedSelection.h"
#include "widgets/FormFonts.h"
#include "widgets/FormLayout.h"
#include "widgets/MaskedField.h"
#include "widgets/NoticeBar.h"
#include "widgets/NoticeField.h"
#include "widgets/QtText.h"
#include "widgets/ResultField.h"
#include "widgets/Scaling.h"

#include <QAction>
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

const QColor kNavyCaption(0x00, 0x00, 0x80);
const QColor kBlueCaption(0x00, 0x00, 0xFF);

// The notice line under the title, fixed for the life of the window.
constexpr const char* kNoticeFieldText = "Dosimetria da pena";
// The menu of the analysis windows, between Editar and Ajuda.
constexpr const char* kToolsMenuCaption = "&Ferramentas";
// The status bar's name for screen readers.
constexpr const char* kStatusBarName = "Barra de status";

constexpr std::array<MaskSetup, 5> kMasks = {{
    kYearsFieldSetup,
    kMonthsFieldSetup,
    kDaysFieldSetup,
    {kFinesMask, "     "},
    {kOperationMask, "    /   "},
}};

} // namespace

void MainFormBuilder::CreateControls() {
    auto* client = new QWidget(&m_form);
    client->setObjectName(QStringLiteral("Client"));
    client->setFont(LayoutFont(&m_form, kFormFontHeight, false));
    m_form.setCentralWidget(client);

    m_form.Label1 = NewLabel(client, "Programa para c\xE1lculo de penas criminais",
                             kTitleFontHeight, &kNavyCaption);
    m_form.Label2 = NewLabel(client, "Resultado:", kTitleFontHeight, &kBlueCaption);
    m_form.StatusBar1 = new NoticeBar(&m_form);
    m_form.setStatusBar(m_form.StatusBar1);
    m_form.Edit1 = new NoticeField(ToQString(kNoticeFieldText), client);
    m_form.Label3 = NewLabel(client, "Pena corporal  ANOS:", kCaptionFontHeight, nullptr);
    m_form.Label4 = NewLabel(client, "MESES:", kCaptionFontHeight, nullptr);
    m_form.Label5 = NewLabel(client, "DIAS:", kCaptionFontHeight, nullptr);
    m_form.Edit2 = new ResultField(client);
    m_form.Label6 = NewLabel(client, "DIAS-MULTA:", kCaptionFontHeight, nullptr);
    m_form.Label7 = NewLabel(client, "OPERA\xC7\xC3O (ex.: + 1/6):", kCaptionFontHeight, nullptr);
    m_form.MaskEdit1 = NewMaskedField(client, kMasks[0]);
    m_form.MaskEdit2 = NewMaskedField(client, kMasks[1]);
    m_form.MaskEdit3 = NewMaskedField(client, kMasks[2]);
    m_form.MaskEdit4 = NewMaskedField(client, kMasks[3]);
    m_form.MaskEdit5 = NewMaskedField(client, kMasks[4]);
    m_form.Button1 = NewButton(client, "&Calcula", kCaptionFontHeight);
    m_form.Button2 = NewButton(client, "Continua o &mesmo c\xE1lculo", kCaptionFontHeight);
    m_form.Button3 = NewButton(client, "&Novo c\xE1lculo", kCaptionFontHeight);
    m_form.Button4 = NewButton(client, "&Volta", kCaptionFontHeight);
    m_form.Button5 = NewButton(client, "Ca&lend\xE1rio", kCaptionFontHeight);
    m_form.Button6 = NewButton(client, "&Sai", kCaptionFontHeight);

    NameComponents({
        {m_form.Label1, "Label1"},         {m_form.Label2, "Label2"},
        {m_form.StatusBar1, "StatusBar1"}, {m_form.Edit1, "Edit1"},
        {m_form.Label3, "Label3"},         {m_form.Label4, "Label4"},
        {m_form.Label5, "Label5"},         {m_form.Edit2, "Edit2"},
        {m_form.Label6, "Label6"},         {m_form.Label7, "Label7"},
        {m_form.MaskEdit1, "MaskEdit1"},   {m_form.MaskEdit2, "MaskEdit2"},
        {m_form.MaskEdit3, "MaskEdit3"},   {m_form.MaskEdit4, "MaskEdit4"},
        {m_form.MaskEdit5, "MaskEdit5"},   {m_form.Button1, "Button1"},
        {m_form.Button2, "Button2"},       {m_form.Button3, "Button3"},
        {m_form.Button4, "Button4"},       {m_form.Button5, "Button5"},
        {m_form.Button6, "Button6"},
    });

    // The notice line: disabled, borderless, on the window's face, never focused.
    m_form.Edit1->setFont(LayoutFont(client, kTitleFontHeight, true));
    m_form.Edit1->setFrame(false);
    m_form.Edit1->setAlignment(Qt::AlignCenter);
    m_form.Edit1->setEnabled(false);
    m_form.Edit1->setFocusPolicy(Qt::NoFocus);
    QPalette face = m_form.Edit1->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        face.setColor(group, QPalette::Base, face.color(group, QPalette::Button));
    }
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        face.setColor(group, QPalette::Text, face.color(QPalette::Active, QPalette::WindowText));
    }
    m_form.Edit1->setPalette(face);

    // The result field takes the focus only by a click.
    m_form.Edit2->setFocusPolicy(Qt::ClickFocus);
    for (QLineEdit* field :
         {static_cast<QLineEdit*>(m_form.Edit2), static_cast<QLineEdit*>(m_form.MaskEdit1),
          static_cast<QLineEdit*>(m_form.MaskEdit2), static_cast<QLineEdit*>(m_form.MaskEdit3),
          static_cast<QLineEdit*>(m_form.MaskEdit4), static_cast<QLineEdit*>(m_form.MaskEdit5)}) {
        FocusedSelection::Apply(field);
    }
    // The status font, scaled like the layout.
    m_form.StatusBar1->setFont(LayoutFont(&m_form, kStatusFontHeight, false));

    m_form.Button1->setDefault(true);
    m_form.StatusBar1->ShowWelcome();

    // What a screen reader announces: each field by the caption beside it, the notice line
    // by its own words; the buttons and labels are announced by their captions.
    NameAfterLabel(m_form.MaskEdit1, m_form.Label3);
    NameAfterLabel(m_form.MaskEdit2, m_form.Label4);
    NameAfterLabel(m_form.MaskEdit3, m_form.Label5);
    NameAfterLabel(m_form.MaskEdit4, m_form.Label6);
    NameAfterLabel(m_form.MaskEdit5, m_form.Label7);
    NameAfterLabel(m_form.Edit2, m_form.Label2);
    m_form.Edit1->setAccessibleName(m_form.Edit1->text());
    m_form.StatusBar1->setAccessibleName(ToQString(kStatusBarName));

    SetHelpContext(m_form.Label1, kMainWindowHelpContext);
    SetHelpContext(m_form.Edit1, kMainWindowHelpContext);
    SetHelpContext(m_form.StatusBar1, kMainWindowHelpContext);
    SetHelpContext(m_form.Edit2, kResultHelpContext);
    for (MaskedField* field : {m_form.MaskEdit1, m_form.MaskEdit2, m_form.MaskEdit3,
                               m_form.MaskEdit4, m_form.MaskEdit5}) {
        SetHelpContext(field, kInputHelpContext);
    }
    for (QPushButton* button : {m_form.Button1, m_form.Button2, m_form.Button3, m_form.Button4,
                                m_form.Button5, m_form.Button6}) {
        SetHelpContext(button, kButtonHelpContext);
    }
}

void MainFormBuilder::PlaceControls() {
    const QList<QPair<QLabel*, Place>> titles = {{m_form.Label1, {96, 48, 351, 20}},
                                                 {m_form.Label2, {41, 297, 91, 20}}};
    const QList<QPair<QLabel*, Place>> fieldLabels = {{m_form.Label3, {16, 137, 153, 16}},
                                                      {m_form.Label4, {256, 137, 57, 16}},
                                                      {m_form.Label5, {400, 137, 40, 16}},
                                                      {m_form.Label6, {57, 185, 96, 16}},
                                                      {m_form.Label7, {256, 185, 165, 16}}};
    const QList<QPair<QPushButton*, Place>> buttons = {
        {m_form.Button1, {41, 217, 73, 24}},   {m_form.Button2, {144, 217, 209, 24}},
        {m_form.Button3, {393, 217, 112, 24}}, {m_form.Button4, {41, 256, 73, 25}},
        {m_form.Button5, {217, 256, 104, 25}}, {m_form.Button6, {432, 256, 75, 25}}};
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
    PlaceWidget(m_form.Edit1, {169, 80, 200, 25});
    FitFontToWidth(m_form.Edit1, m_form.Edit1->text(), m_form.Edit1->width());
    PlaceWidget(m_form.Edit2, {169, 297, 336, 24});
    PlaceWidget(m_form.MaskEdit1, {176, 128, 41, 24});
    PlaceWidget(m_form.MaskEdit2, {329, 128, 40, 24});
    PlaceWidget(m_form.MaskEdit3, {464, 128, 41, 24});
    PlaceWidget(m_form.MaskEdit4, {176, 176, 59, 24});
    PlaceWidget(m_form.MaskEdit5, {441, 176, 64, 24});
    m_form.StatusBar1->setFixedHeight(
        std::max(Scaled(&m_form, kStatusBarHeight), m_form.StatusBar1->sizeHint().height()));
}

void MainFormBuilder::CreateActions() {
    m_form.ImageList1 = {QIcon(QStringLiteral(":/images/copy.png")),
                         QIcon(QStringLiteral(":/images/help.png"))};

    auto newAction = [this](const char* name, const char* caption) {
        auto* action = new QAction(ToQString(caption), &m_form);
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };
    m_form.CursorInicia = newAction("CursorInicia", "CursorInicia");
    m_form.ProgramaSai = newAction("ProgramaSai", "Sair");
    m_form.ProgramaSai->setToolTip(ToQString("Sai do programa"));
    m_form.HelpContents = newAction("HelpContents", "Conte\xFA"
                                                    "do");
    m_form.HelpContents->setToolTip(ToQString("Mostra a Ajuda"));
    m_form.HelpContents->setIcon(m_form.ImageList1[1]);
    m_form.HelpIndex = newAction("HelpIndex", "\xCD"
                                              "ndice");
    m_form.HelpAbout = newAction("HelpAbout", "Sobre...");
    m_form.EditCopy1 = newAction("EditCopy1", "Copiar");
    m_form.EditCopy1->setToolTip(ToQString("Copia (Ctrl C)"));
    m_form.EditCopy1->setIcon(m_form.ImageList1[0]);
    m_form.EditCopy1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    m_form.addAction(m_form.CursorInicia);
    m_form.addAction(m_form.EditCopy1);

    SetHelpContext(m_form.ProgramaSai, 0);
    SetHelpContext(m_form.EditCopy1, 0);
    SetHelpContext(m_form.HelpContents, kMainWindowHelpContext);
    SetHelpContext(m_form.HelpIndex, kMainWindowHelpContext);
    SetHelpContext(m_form.HelpAbout, kMainWindowHelpContext);
    m_copy = new CopyCommand(m_form.EditCopy1, &m_form);
}

void MainFormBuilder::CreateMenu() {
    m_form.MainMenu1 = m_form.menuBar();
    m_form.MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    m_form.MainMenu1->addAction(m_form.ProgramaSai);
    m_form.Editar1 = m_form.MainMenu1->addMenu(QStringLiteral("Editar"));
    m_form.Editar1->setObjectName(QStringLiteral("Editar1"));
    m_form.Editar1->addAction(m_form.EditCopy1);
    CreateToolsMenu();
    m_form.Contedo1 = m_form.MainMenu1->addMenu(QStringLiteral("&Ajuda"));
    m_form.Contedo1->setObjectName(QStringLiteral("Contedo1"));
    m_form.Contedo1->addAction(m_form.HelpContents);
    m_form.Contedo1->addAction(m_form.HelpIndex);
    m_form.N1 = m_form.Contedo1->addSeparator();
    m_form.Contedo1->addAction(m_form.HelpAbout);
    SetHelpContext(m_form.Editar1, 0);
    SetHelpContext(m_form.Editar1->menuAction(), 0);
    SetHelpContext(m_form.Contedo1, kMainWindowHelpContext);
    SetHelpContext(m_form.Contedo1->menuAction(), kMainWindowHelpContext);
}

// Ferramentas: one item for each analysis window, each item its own block.
void MainFormBuilder::CreateToolsMenu() {
    m_form.Ferramentas1 = m_form.MainMenu1->addMenu(ToQString(kToolsMenuCaption));
    m_form.Ferramentas1->setObjectName(QStringLiteral("Ferramentas1"));
    SetHelpContext(m_form.Ferramentas1, kMainWindowHelpContext);
    SetHelpContext(m_form.Ferramentas1->menuAction(), kMainWindowHelpContext);

    // Memória do cálculo: the written record of the chain.
    m_form.FerramentasMemoria =
        AddTool("FerramentasMemoria", kCalculationRecordCaption, kCalculationRecordHelpContext);
    m_form.FerramentasMemoria->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    // Fração aplicada: which usual fraction turned one term into another.
    m_form.FerramentasFracao =
        AddTool("FerramentasFracao", kAppliedFractionCaption, kAppliedFractionHelpContext);
    // Consequências da pena: regime, substitution, sursis, parole, progression, prescription.
    m_form.FerramentasConsequencias =
        AddTool("FerramentasConsequencias", kConsequencesCaption, kConsequencesHelpContext);
    // Execução penal: the dates of a term's execution.
    m_form.FerramentasExecucao =
        AddTool("FerramentasExecucao", kExecutionCaption, kExecutionHelpContext);
    // Prescrição: the prescription of each crime by the dates of its process.
    m_form.FerramentasPrescricao =
        AddTool("FerramentasPrescricao", kPrescriptionCaption, kPrescriptionHelpContext);
    // Dosimetria: the three phases of each crime and the concurso.
    m_form.FerramentasDosimetria =
        AddTool("FerramentasDosimetria", kSentencingCaption, kSentencingHelpContext);
}

QAction* MainFormBuilder::AddTool(const char* name, const char* caption, int helpContext) {
    auto* action = new QAction(ToQString(caption), &m_form);
    action->setObjectName(QString::fromLatin1(name));
    SetHelpContext(action, helpContext);
    m_form.Ferramentas1->addAction(action);
    // Its shortcut works wherever the main window's focus is.
    m_form.addAction(action);
    return action;
}

void MainFormBuilder::SizeWindow() {
    // The controls keep their places when the window is resized, so the window is never
    // made smaller than the layout, nor than the controls where a caption widened one.
    QRect controls;
    for (const QWidget* control :
         m_form.centralWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        controls |= control->geometry();
    }
    const int menuHeight = m_form.MainMenu1->sizeHint().height();
    const int statusHeight = m_form.StatusBar1->height();
    const QSize layout(Scaled(&m_form, kClientWidth), menuHeight + Scaled(&m_form, kClientHeight));
    const QSize needed(controls.right() + 1, menuHeight + controls.bottom() + 1 + statusHeight);
    m_form.setMinimumSize(layout.expandedTo(needed));
    m_form.resize(layout);
}

} // namespace zarn
