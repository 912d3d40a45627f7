#include "forms/Unit1.h"

#include "dates/Clock.h"
#include "dates/DateSettings.h"
#include "dates/DateText.h"
#include "engine/Calculation.h"
#include "fields/MaskedField.h"
#include "fields/QtText.h"
#include "forms/CopyCommand.h"
#include "forms/DialogKeys.h"
#include "forms/Guarded.h"
#include "forms/HelpContext.h"
#include "forms/HelpRequests.h"
#include "forms/MainFormBuilder.h"
#include "forms/NoticeBar.h"
#include "forms/ResultField.h"
#include "forms/TypingLimit.h"
#include "forms/Unit3.h"

#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QClipboard>
#include <QDialog>
#include <QPushButton>
#include <algorithm>
#include <array>
#include <utility>

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
    TForm3& calendar = *m_calendar;
    const CivilDate today = CivilFromDate(CurrentDate());
    calendar.ShowMonthOf(QDate(today.Year, today.Month, today.Day));

    calendar.setWindowState(calendar.windowState() & ~Qt::WindowMinimized);
    calendar.show();
    calendar.raise();
    calendar.activateWindow();

    const bool hasResult = !m_state.OutYearsText.empty() || !m_state.OutMonthsText.empty() ||
                           !m_state.OutDaysText.empty();
    const std::array<std::pair<QLineEdit*, const std::string*>, 3> terms = {{
        {calendar.Edit1, &m_state.OutYearsText},
        {calendar.Edit2, &m_state.OutMonthsText},
        {calendar.Edit3, &m_state.OutDaysText},
    }};
    for (const auto& [field, text] : terms) {
        TypingLimit::SetText(field, hasResult ? ToQString(*text) : QString());
    }

    UseCalendarDateSettings();
    calendar.MaskEdit1->SetText(WriteDateText(CurrentDate()));
    calendar.MaskEdit1->setFocus(Qt::OtherFocusReason);
    calendar.MaskEdit1->SelectAll();

    Button5->setDefault(false);
    Button1->setDefault(true);
    Button2->setDefault(false);
    calendar.Button1->setDefault(false);
    calendar.Button2->setDefault(true);
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
    Edit2->selectAll();
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

} // namespace zarn
