#include "forms/Unit3.h"

#include "dates/DateSettings.h"
#include "dates/DateText.h"
#include "dates/EndDate.h"
#include "fields/ProgramMasks.h"
#include "help/HelpContext.h"
#include "widgets/AccessibleNames.h"
#include "widgets/DialogKeys.h"
#include "widgets/FocusedSelection.h"
#include "widgets/FormLayout.h"
#include "widgets/Guarded.h"
#include "widgets/MaskedField.h"
#include "widgets/QtText.h"
#include "widgets/TypingLimit.h"

#include <QCalendarWidget>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <array>

namespace zarn {
namespace {

// Client area and font, in pixels of the 120 pixels-per-inch layout: the window is
// 564 x 437 with its frame, 4 pixels at each side and a caption bar of 26 above.
constexpr int kClientWidth = 556;
constexpr int kClientHeight = 403;
constexpr int kFormFontHeight = 13;

// The month calendar's name for screen readers, and the names of its own navigation
// controls, which the toolkit leaves unnamed (found by the names it gives them).
constexpr const char* kMonthCalendarName = "Calend\xE1rio";
constexpr std::array<std::pair<const char*, const char*>, 3> kCalendarNavigationNames = {{
    {"qt_calendar_prevmonth", "M\xEAs anterior"},
    {"qt_calendar_nextmonth", "Pr\xF3ximo m\xEAs"},
    {"qt_calendar_yearedit", "Ano"},
}};

QLineEdit* NewTermField(QWidget* parent, int typingLimit) {
    auto* field = new QLineEdit(parent);
    TypingLimit::Apply(field, typingLimit);
    return field;
}

} // namespace

TForm3::TForm3(QWidget* parent)
    : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(ToQString("Calend\xE1rio"));
    setFont(LayoutFont(this, kFormFontHeight, false));
    SetHelpContext(this, kCalendarHelpContext);
    CreateControls();
    PlaceControls();
    ConnectHandlers();
    SetTabOrder();
    resize(Scaled(this, kClientWidth), Scaled(this, kClientHeight));
}

void TForm3::CreateControls() {
    MaskEdit1 = NewMaskedField(this, kDateFieldSetup);
    Button2 = NewButton(this, "&Calcula", kFormFontHeight);
    Button1 = NewButton(this, "&Sair", kFormFontHeight);
    Edit1 = NewTermField(this, kYearsTypingLimit);
    Edit2 = NewTermField(this, kMonthsTypingLimit);
    Edit3 = NewTermField(this, kDaysTypingLimit);
    MaskEdit2 = NewMaskedField(this, kDateFieldSetup);
    MaskEdit2->SetReadOnly(true);
    Label1 = NewLabel(this, "Pena a ser cumprida - ANOS:", kFormFontHeight, nullptr);
    Label4 = NewLabel(this, "MESES:", kFormFontHeight, nullptr);
    Label5 = NewLabel(this, "DIAS:", kFormFontHeight, nullptr);
    Label2 = NewLabel(this,
                      "Data do in\xED"
                      "cio do cumprimento da pena:",
                      kFormFontHeight, nullptr);
    Label3 = NewLabel(this, "Data do t\xE9rmino do cumprimento da pena:", kFormFontHeight, nullptr);

    NameComponents({
        {MaskEdit1, "MaskEdit1"},
        {Button2, "Button2"},
        {Button1, "Button1"},
        {Edit1, "Edit1"},
        {Edit2, "Edit2"},
        {Edit3, "Edit3"},
        {MaskEdit2, "MaskEdit2"},
        {Label1, "Label1"},
        {Label4, "Label4"},
        {Label5, "Label5"},
        {Label2, "Label2"},
        {Label3, "Label3"},
    });

    for (QLineEdit* field : {static_cast<QLineEdit*>(MaskEdit1), Edit1, Edit2, Edit3,
                             static_cast<QLineEdit*>(MaskEdit2)}) {
        FocusedSelection::Apply(field);
        SetHelpContext(field, kCalendarFieldHelpContext);
    }
    SetHelpContext(Button2, kCalendarFieldHelpContext);

    // What a screen reader announces: each field by the caption beside it; the buttons and
    // labels are announced by their captions.
    NameAfterLabel(Edit1, Label1);
    NameAfterLabel(Edit2, Label4);
    NameAfterLabel(Edit3, Label5);
    NameAfterLabel(MaskEdit1, Label2);
    NameAfterLabel(MaskEdit2, Label3);
}

void TForm3::ShowMonthOf(const QDate& date) {
    if (!MonthCalendar1) {
        CreateMonthCalendar();
    }
    MonthCalendar1->setSelectedDate(date);
}

void TForm3::CreateMonthCalendar() {
    MonthCalendar1 = new QCalendarWidget(this);
    MonthCalendar1->setObjectName(QStringLiteral("MonthCalendar1"));
    // Portuguese month and day names, whatever the system's language.
    MonthCalendar1->setLocale(QLocale(QLocale::Portuguese, QLocale::Brazil));
    MonthCalendar1->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    MonthCalendar1->setAccessibleName(ToQString(kMonthCalendarName));
    for (const auto& [control, name] : kCalendarNavigationNames) {
        if (auto* found = MonthCalendar1->findChild<QWidget*>(QString::fromLatin1(control))) {
            found->setAccessibleName(ToQString(name));
        }
    }
    PlaceWidget(MonthCalendar1, {152, 24, 258, 209});
    FitMonthCalendar();
    SetTabOrder();
    MonthCalendar1->show();
}

void TForm3::PlaceControls() {
    // Each label has the room up to the field on its right.
    const QList<QPair<QLabel*, Place>> labels = {
        {Label1, {16, 264, 240 - 16 - kLabelGap, 0}},
        {Label4, {296, 264, 368 - 296 - kLabelGap, 0}},
        {Label5, {424, 264, 480 - 424 - kLabelGap, 0}},
        {Label2, {16, 320, 312 - 16 - kLabelGap, 0}},
        {Label3, {16, 352, 312 - 16 - kLabelGap, 0}},
    };
    const QList<QPair<QPushButton*, Place>> buttons = {{Button2, {440, 312, 89, 25}},
                                                       {Button1, {448, 352, 75, 25}}};
    PlaceCaptions(labels, buttons);
    PlaceWidget(MaskEdit1, {312, 312, 97, 24});
    PlaceWidget(Edit1, {240, 256, 41, 24});
    PlaceWidget(Edit2, {368, 256, 41, 24});
    PlaceWidget(Edit3, {480, 256, 41, 24});
    PlaceWidget(MaskEdit2, {312, 344, 97, 24});
}

void TForm3::FitMonthCalendar() {
    // The month calendar's look is the toolkit's: where its day and month names need more
    // room than the layout's place, it grows around the place's centre.
    QRect place = MonthCalendar1->geometry();
    const QPoint centre = place.center();
    place.setSize(place.size().expandedTo(MonthCalendar1->minimumSizeHint()));
    place.moveCenter(centre);
    MonthCalendar1->setGeometry(place);
}

void TForm3::ConnectHandlers() {
    connect(Button1, &QPushButton::clicked, this, Guarded([this] { Button1Click(); }));
    connect(Button2, &QPushButton::clicked, this, Guarded([this] { Button2Click(); }));
    m_keys = DialogKeys::Install(this);
}

void TForm3::SetTabOrder() {
    QList<QWidget*> order = {MaskEdit1, Button2, Button1, Edit1, Edit2, Edit3, MaskEdit2};
    if (MonthCalendar1) {
        order.prepend(MonthCalendar1);
    }
    ChainTabOrder(order);
}

void TForm3::showEvent(QShowEvent* event) {
    if (!m_placed && !event->spontaneous()) {
        m_placed = true;
        CentreOnScreen();
    }
    QWidget::showEvent(event);
}

void TForm3::CentreOnScreen() {
    if (const QScreen* shown = screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(shown->availableGeometry().center());
        move(frame.topLeft());
    }
}

void TForm3::Open(const std::array<std::string, 3>& term, DayNumber today) {
    const CivilDate day = CivilFromDate(today);
    ShowMonthOf(QDate(day.Year, day.Month, day.Day));

    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();

    const std::array<QLineEdit*, 3> fields = {Edit1, Edit2, Edit3};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        TypingLimit::SetText(fields[i], ToQString(term[i]));
    }

    UseCalendarDateSettings();
    MaskEdit1->SetText(WriteDateText(today));
    MaskEdit1->setFocus(Qt::OtherFocusReason);
    MaskEdit1->SelectAll();

    Button1->setDefault(false);
    Button2->setDefault(true);
}

// ----- Handlers ---------------------------------------------------------------------------

void TForm3::Button1Click() {
    hide();
    MaskEdit2->SetText({});
    emit ClosedBySair();
}

void TForm3::Button2Click() {
    // The error word is no date: it does not come back re-fitted into the date positions
    // when the start date then fails to read and nothing is written.
    if (MaskEdit2->EditMask() == kEndDateErrorMask) {
        MaskEdit2->SetText({});
    }
    MaskEdit2->SetEditMask(kDateMask);
    Button1->setDefault(true);
    Button2->setDefault(false);
    // The start date is written and read as dd/mm/yyyy: a change of the regional settings
    // since the window opened must not make it read day for month.
    UseCalendarDateSettings();
    const std::string years = ToCp1252(Edit1->text());
    const std::string months = ToCp1252(Edit2->text());
    const std::string days = ToCp1252(Edit3->text());
    const std::string startDate = MaskEdit1->Text();
    const EndDateOutcome outcome = ComputeEndDate(years, months, days, startDate);
    if (outcome.IsError) {
        MaskEdit2->SetEditMask(kEndDateErrorMask);
    }
    MaskEdit2->SetText(outcome.Text);
}

} // namespace zarn
