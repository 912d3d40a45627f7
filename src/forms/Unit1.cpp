#include "forms/Unit1.h"

#include "dates/Clock.h"
#include "engine/AppliedFraction.h"
#include "engine/CalcFlow.h"
#include "engine/Calculation.h"
#include "engine/TermReading.h"
#include "engine/Texts.h"
#include "forms/AppliedFractionWindow.h"
#include "forms/CalculationRecordWindow.h"
#include "forms/CaseParts.h"
#include "forms/CaseWindowLink.h"
#include "forms/ConsequencesWindow.h"
#include "forms/ExecutionWindow.h"
#include "forms/MainFormBuilder.h"
#include "forms/PrescriptionWindow.h"
#include "forms/SentencingWindow.h"
#include "forms/Unit3.h"
#include "help/HelpContext.h"
#include "help/HelpRequests.h"
#include "widgets/CopyCommand.h"
#include "widgets/DialogKeys.h"
#include "widgets/FormLayout.h"
#include "widgets/Guarded.h"
#include "widgets/MaskedField.h"
#include "widgets/NoticeBar.h"
#include "widgets/QtText.h"
#include "widgets/ResultField.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDialog>
#include <QPushButton>

namespace zarn {

TForm1::TForm1(QWidget* parent)
    : QMainWindow(parent) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Zarn"));
    SetHelpContext(this, kMainWindowHelpContext);
    MainFormBuilder builder(*this);
    builder.CreateControls();
    builder.PlaceControls();
    builder.CreateActions();
    builder.CreateMenu();
    builder.SizeWindow();
    m_copy = builder.Copy();
    ConnectHandlers();
    SetTabOrder();
    MaskEdit1->setFocus();
}

TForm1::~TForm1() {
    // The copy command follows the focus; it goes before the fields it watches.
    delete m_copy;
    m_copy = nullptr;
    // The record's window shows the record, a member that goes before the child windows.
    delete m_recordWindow;
    m_recordWindow = nullptr;
    // So do the windows that share the facts.
    delete m_consequences;
    m_consequences = nullptr;
    delete m_execution;
    m_execution = nullptr;
    // The dosimetria writes the facts and the record.
    delete m_sentencing;
    m_sentencing = nullptr;
    // The three share the case, a member too.
    delete m_prescription;
    m_prescription = nullptr;
}

void TForm1::SetAboutBox(QDialog* aboutBox) {
    m_aboutBox = aboutBox;
}

void TForm1::SetCalendar(TForm3* calendar) {
    if (m_calendar) {
        disconnect(m_calendar, nullptr, this, nullptr);
    }
    m_calendar = calendar;
    if (m_calendar) {
        connect(m_calendar, &TForm3::ClosedBySair, this,
                Guarded([this] { CalendarClosedBySair(); }));
    }
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
    onTrigger(FerramentasMemoria, &TForm1::FerramentasMemoriaExecute);
    onTrigger(FerramentasFracao, &TForm1::FerramentasFracaoExecute);
    onTrigger(FerramentasConsequencias, &TForm1::FerramentasConsequenciasExecute);
    onTrigger(FerramentasExecucao, &TForm1::FerramentasExecucaoExecute);
    onTrigger(FerramentasPrescricao, &TForm1::FerramentasPrescricaoExecute);
    onTrigger(FerramentasDosimetria, &TForm1::FerramentasDosimetriaExecute);

    for (MaskedField* field : {MaskEdit1, MaskEdit2, MaskEdit3, MaskEdit4, MaskEdit5}) {
        connect(field, &MaskedField::Clicked, this, Guarded([this] { CursorIniciaExecute(); }));
    }
    connect(Edit2, &ResultField::DoubleClicked, this, Guarded([this] { CursorIniciaExecute(); }));
    connect(StatusBar1, &NoticeBar::Clicked, this, Guarded([this] { HelpContentsExecute2(); }));

    m_keys = DialogKeys::Install(this);
}

void TForm1::SetTabOrder() {
    ChainTabOrder({MaskEdit1, MaskEdit2, MaskEdit3, MaskEdit4, MaskEdit5, Button1, Button2, Button3,
                   Button4, Button5, Button6});
}

bool TForm1::event(QEvent* event) {
    // The status bar shows notices, never the hints of menu items and actions.
    if (event->type() == QEvent::StatusTip) {
        return true;
    }
    return QMainWindow::event(event);
}

// Closing the window ends the program, and with it the case: unsaved changes are asked
// about once, whichever analysis windows show them.
void TForm1::closeEvent(QCloseEvent* event) {
    bool mayClose = true;
    Guarded([this, &mayClose] { mayClose = m_caseCommands.MayCloseProgram(this); })();
    if (!mayClose) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
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

void TForm1::ShowAndCopyResult(const CalcOutcome& outcome) {
    Edit2->ShowReport(ToQString(outcome.OutcomeText));
    QApplication::clipboard()->setText(Edit2->selectedText());
}

void TForm1::ReportInputError(const CalcOutcome& outcome) {
    ShowAndCopyResult(outcome);
    FocusAndSelectAll(FieldOf(outcome.FaultField));
}

void TForm1::ReportResult(const CalcOutcome& outcome) {
    ShowAndCopyResult(outcome);
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

void TForm1::WriteTermFields(const TermFieldTexts& texts) {
    const QList<MaskedField*> fields = TermFields();
    for (std::size_t i = 0; i < texts.size(); ++i) {
        fields[static_cast<qsizetype>(i)]->SetText(texts[i]);
    }
}

// ----- The written record ------------------------------------------------------------

void TForm1::RecordCalcula(const CalcOutcome& outcome, const std::string& operationField) {
    m_record.AppendStep(m_state, outcome, operationField);
    ShowRecordChange();
}

void TForm1::ForgetLastCalcula() {
    m_record.ForgetLastCalcula();
    ShowRecordChange();
}

void TForm1::ClearRecord() {
    m_record.Clear();
    ShowRecordChange();
}

void TForm1::ShowRecordChange() {
    if (m_recordWindow) {
        m_recordWindow->Refresh();
    }
}

void TForm1::ReportResultsDoNotFit() {
    Edit2->ShowReport(ToQString(kResultsDoNotFitFieldMessage));
    MakeCalculaDefault();
}

// ----- Handlers ---------------------------------------------------------------------------

void TForm1::Button1Click() {
    Edit2->clear();
    StatusBar1->ShowNotice(ChooseNotice());
    // The operation as typed, for the record: the calculation consumes its own copy.
    const std::string operation = MaskEdit5->Text();
    const CalcOutcome outcome = RunCalculation(m_state, MaskEdit1->Text(), MaskEdit2->Text(),
                                               MaskEdit3->Text(), MaskEdit4->Text(), operation);
    if (outcome.Ok) {
        ReportResult(outcome);
    } else {
        ReportInputError(outcome);
    }
    RecordCalcula(outcome, operation);
}

void TForm1::Button2Click() {
    if (!ResultsFitTheFields(m_state)) {
        ReportResultsDoNotFit();
        return;
    }
    WriteTermFields(CarryResultsForward(m_state));
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
    ClearRecord();
}

void TForm1::Button4Click() {
    WriteTermFields(RestoreInputs(m_state));
    MaskEdit5->SetText({});
    Edit2->clear();
    FocusAndSelectAll(MaskEdit5);
    MakeCalculaDefault();
    ForgetLastCalcula();
}

void TForm1::Button5Click() {
    if (!m_calendar) {
        return;
    }
    m_calendar->Open(CalendarTerm(m_state), CurrentDate());
    Button5->setDefault(false);
    Button1->setDefault(true);
    Button2->setDefault(false);
}

void TForm1::CalendarClosedBySair() {
    activateWindow();
    MaskEdit1->setFocus(Qt::OtherFocusReason);
    Button1->setDefault(true);
    Button5->setDefault(false);
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
    Edit2->SelectAllFromStart();
}

void TForm1::HelpContentsExecute() {
    if (HelpRequests* help = Help()) {
        help->ShowContents();
    }
}

void TForm1::HelpContentsExecute2() {
    if (HelpRequests* help = Help()) {
        help->ShowContext(kMainWindowHelpContext);
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

void TForm1::FerramentasMemoriaExecute() {
    // Made on first use: nothing of it costs start-up time.
    if (!m_recordWindow) {
        m_recordWindow = new CalculationRecordWindow(m_record, this);
    }
    m_recordWindow->Open();
}

void TForm1::FerramentasFracaoExecute() {
    if (!m_fractionWindow) {
        m_fractionWindow = new AppliedFractionWindow(this);
    }
    m_fractionWindow->Open(LastCalculationTerms(m_state));
}

void TForm1::FerramentasConsequenciasExecute() {
    if (!m_consequences) {
        m_consequences = new ConsequencesWindow(m_sharedFacts, this);
    }
    m_consequences->Open(LastResultTerm(m_state));
}

void TForm1::FerramentasExecucaoExecute() {
    if (!m_execution) {
        m_execution = new ExecutionWindow(m_sharedFacts, this);
        CaseWindowLink::Join(*m_execution, m_caseCommands, ExecutionPart(*m_execution));
    }
    m_execution->Open(LastResultTerm(m_state), CurrentDate());
}

void TForm1::FerramentasPrescricaoExecute() {
    const bool first = !m_prescription;
    m_prescription = PrescriptionWindow::OpenFor(this);
    if (first) {
        CaseWindowLink::Join(*m_prescription, m_caseCommands, PrescriptionPart(*m_prescription));
    }
}

void TForm1::FerramentasDosimetriaExecute() {
    if (!m_sentencing) {
        m_sentencing = new SentencingWindow(m_sharedFacts, m_record, this);
        // Its final term opens the consequences as the menu item does, with that term.
        connect(m_sentencing, &SentencingWindow::ConsequencesRequested, this,
                [this](const FieldTermTexts& term) {
                    Guarded([this, term] {
                        FerramentasConsequenciasExecute();
                        m_consequences->Open(term);
                    })();
                });
        connect(m_sentencing, &SentencingWindow::StepsRecorded, this,
                Guarded([this] { FerramentasMemoriaExecute(); }));
        CaseWindowLink::Join(*m_sentencing, m_caseCommands, SentencingPart(*m_sentencing));
    }
    m_sentencing->Open();
}

void TForm1::ShowCaseWindows() {
    const CaseDocument& document = m_case.Document();
    const CaseDocument empty;
    if (document.Execution || document.CalculationDate || document.Convention != empty.Convention ||
        document.Options.Execution != empty.Options.Execution) {
        FerramentasExecucaoExecute();
    }
    if (document.Prescription || document.Birth || document.CalculationDate ||
        document.Options.ConfirmingAcordaoInterrupts != empty.Options.ConfirmingAcordaoInterrupts) {
        FerramentasPrescricaoExecute();
    }
    if (document.Sentencing || document.Options.Sentencing != empty.Options.Sentencing) {
        FerramentasDosimetriaExecute();
    }
}

} // namespace zarn
