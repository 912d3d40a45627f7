#include "CalendarHarness.h"
#include "help/HelpContext.h"
#include "support/DateOracle.h"
#include "support/LayoutChecks.h"
#include "widgets/DialogKeys.h"
#include "widgets/FormFonts.h"
#include "widgets/Scaling.h"

#include <QAbstractItemModel>
#include <QLabel>
#include <QScreen>
#include <QTableView>
#include <QToolButton>
#include <chrono>

namespace zarn {

using testing::CalendarHarness;

namespace {

const QString kFiveYearsSentence = QStringLiteral(" 5 anos, 10 meses e  0 dia, e  11 dias-multa");
const QString kErrorShown = QStringLiteral("Erro!   ");
const QString kEmptyDateShown = QStringLiteral("__/__/____");

// The end date by the standard library's civil calendar.
QString CivilEndDate(QDate start, int years, int months, int days) {
    namespace chr = std::chrono;
    const chr::sys_days day{chr::year{start.year()} /
                            chr::month{static_cast<unsigned>(start.month())} /
                            chr::day{static_cast<unsigned>(start.day())}};
    return QString::fromStdString(
        testing::DateText(*testing::OracleEndDate(day, years, months, days)));
}

} // namespace

class CalendarWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QGuiApplication::setApplicationDisplayName(
            QStringLiteral("Programa para c\u00e1lculo de penas criminais"));
    }
    void EnterComputesThenEnterCloses();
    void OpeningSeedsTheTermFromTheLastResult_data();
    void OpeningSeedsTheTermFromTheLastResult();
    void EndDatesFollowTheCivilCalendar_data();
    void EndDatesFollowTheCivilCalendar();
    void EndDateFieldAcrossClosingAndReopening_data();
    void EndDateFieldAcrossClosingAndReopening();
    void StartDateIsTodayWhateverTheRegionalPattern_data();
    void StartDateIsTodayWhateverTheRegionalPattern();
    void UnreadableStartDateReachesTheErrorBox();
    void ErrorWordIsNotLeftInTheDateMaskByAFailedCalcula();
    void RegionalChangeWhileOpenDoesNotMisreadTheStartDate_data();
    void RegionalChangeWhileOpenDoesNotMisreadTheStartDate();
    void TermFieldsLimitTypingButKeepWhatTheProgramWrites();
    void MainCalculaWhileOpenThenSairLeavesTwoDefaults();
    void KeysOfTheCalendar_data();
    void KeysOfTheCalendar();
    void ControlsCarryTheirCaptions_data();
    void ControlsCarryTheirCaptions();
    void NothingIsClipped();
    void TabFollowsTheLayoutOrder();
    void CentredFirstThenWhereTheUserLeftIt();
    void MonthCalendarSpeaksPortuguese();
};

void CalendarWindowTest::EnterComputesThenEnterCloses() {
    CalendarHarness h;
    QVERIFY(h.WaitActive());
    // Keyboard alone: years 5, day-fines 10, operation +1/6, Enter; Alt+L; 01012008, Enter.
    h.Type(QStringLiteral("5"));
    for (int i = 0; i < 3; ++i) {
        h.Key(Qt::Key_Tab);
    }
    h.Type(QStringLiteral("10"));
    h.Key(Qt::Key_Tab);
    h.Type(QStringLiteral("+1/6"));
    h.Enter();
    QCOMPARE(h.Result(), kFiveYearsSentence);

    QVERIFY(h.Open());
    QCOMPARE(h.Focus(), h.Calendar->MaskEdit1);
    QCOMPARE(h.Calendar->MaskEdit1->selectedText(), QStringLiteral("07/12/2026"));
    QVERIFY(h.OnlyCalendarCalculaIsDefault());
    QVERIFY(h.OnlyCalculaIsDefault());
    h.Type(QStringLiteral("01012008"));
    h.Enter();
    QCOMPARE(h.EndDate(), QStringLiteral("31/10/2013"));
    QVERIFY(h.OnlySairIsDefault());
    QCOMPARE(h.Focus(), h.Calendar->MaskEdit1);

    h.Enter();
    QVERIFY(h.Calendar->isHidden());
    QVERIFY(h.WaitMainActive());
    QCOMPARE(h.Focus(), h.Window->MaskEdit1);
    QCOMPARE(h.Window->MaskEdit1->selectedText(), QStringLiteral("5  "));
    QVERIFY(h.OnlyCalculaIsDefault());
    QCOMPARE(h.EndDate(), kEmptyDateShown);
    QVERIFY(h.Watch.Seen().isEmpty());
}

void CalendarWindowTest::OpeningSeedsTheTermFromTheLastResult_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("term");
    QTest::addColumn<QString>("endDate");
    const QStringList result = {QStringLiteral(" 5"), QStringLiteral("10"), QStringLiteral(" 0")};
    const QStringList empty = {QString(), QString(), QString()};
    const QString date = QStringLiteral("31/10/2013");
    // clang-format off
    QTest::newRow("before any result") << QStringList{} << empty << kErrorShown;
    QTest::newRow("after Calcula") << QStringList{"calcula"} << result << date;
    QTest::newRow("after Continua") << QStringList{"calcula", "continua"}
                                    << QStringList{"5", "10", "0"} << date;
    QTest::newRow("after an input error") << QStringList{"calcula", "error"} << empty << kErrorShown;
    QTest::newRow("after Novo calculo") << QStringList{"calcula", "novo"} << result << date;
    QTest::newRow("typed over, opened again") << QStringList{"calcula", "open", "type"} << result << date;
    QTest::newRow("Calcula while open") << QStringList{"open", "calcula"} << result << date;
    // clang-format on
}

void CalendarWindowTest::OpeningSeedsTheTermFromTheLastResult() {
    QFETCH(QStringList, steps);
    QFETCH(QStringList, term);
    QFETCH(QString, endDate);
    CalendarHarness h;
    QVERIFY(h.WaitActive());
    for (const QString& step : steps) {
        if (step == "open") {
            QVERIFY(h.Open());
        } else if (step == "type") {
            h.TypeTerm(QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"));
            QCOMPARE(h.Term(), (QStringList{"1", "2", "3"}));
        } else {
            h.Window->activateWindow();
            QVERIFY(h.WaitMainActive());
            if (step == "calcula") {
                h.MainCalcula("5", "", "", "10", "+1/6");
            } else if (step == "continua") {
                h.Enter();
            } else if (step == "error") {
                h.Fill("5", "12", "", "10", "+1/6"); // twelve months
                h.Window->Button1->click();
            } else if (step == "novo") {
                h.Window->Button3->click();
            }
        }
    }
    QVERIFY(h.Open());
    QCOMPARE(h.Term(), term);
    h.Type(QStringLiteral("01012008"));
    h.Enter();
    QCOMPARE(h.EndDate(), endDate);
    QCOMPARE(h.EndDateMask(), endDate == kErrorShown ? kEndDateErrorMask : kDateMask);
}

void CalendarWindowTest::EndDatesFollowTheCivilCalendar_data() {
    QTest::addColumn<QDate>("start");
    QTest::addColumn<int>("years");
    QTest::addColumn<int>("months");
    QTest::addColumn<int>("days");
    const QList<std::array<int, 6>> rows = {
        {15, 3, 2008, 2, 3, 10}, {5, 8, 2010, 12, 6, 15},   {10, 10, 2010, 5, 11, 29},
        {31, 12, 2008, 0, 0, 1}, {31, 1, 2008, 0, 1, 0},    {31, 1, 2009, 0, 1, 0},
        {20, 1, 2009, 0, 1, 10}, {31, 1, 2008, 0, 0, 31},   {29, 2, 2008, 1, 0, 0},
        {29, 2, 2008, 4, 0, 0},  {1, 3, 2000, 8, 0, 0},     {31, 8, 1999, 0, 6, 0},
        {31, 10, 1899, 0, 4, 0}, {1, 1, 2008, 999, 11, 29}, {30, 12, 2026, 0, 0, 99},
        {7, 12, 2026, 0, 0, 1},  {28, 2, 2100, 0, 0, 1},    {1, 1, 1, 0, 0, 1},
    };
    for (const auto& [d, m, y, years, months, days] : rows) {
        const QDate start(y, m, d);
        QTest::addRow("%s + %dy %dm %dd", qPrintable(start.toString("dd/MM/yyyy")), years, months,
                      days)
            << start << years << months << days;
    }
}

void CalendarWindowTest::EndDatesFollowTheCivilCalendar() {
    QFETCH(QDate, start);
    QFETCH(int, years);
    QFETCH(int, months);
    QFETCH(int, days);
    CalendarHarness h;
    QVERIFY(h.WaitActive());
    QVERIFY(h.Open());
    h.TypeTerm(QString::number(years), QString::number(months), QString::number(days));
    h.TypeStartDate(start.toString(QStringLiteral("ddMMyyyy")));
    h.Calendar->Button2->click();
    QCOMPARE(h.EndDate(), CivilEndDate(start, years, months, days));
    QCOMPARE(h.EndDateMask(), QString::fromLatin1(kDateMask));
    QVERIFY(h.Watch.Seen().isEmpty());
}

void CalendarWindowTest::EndDateFieldAcrossClosingAndReopening_data() {
    QTest::addColumn<QString>("years");
    QTest::addColumn<bool>("bySair");
    QTest::addColumn<QString>("shownAfter");
    QTest::addColumn<QString>("maskAfter");
    QTest::newRow("date, Sair") << "1" << true << kEmptyDateShown << kDateMask;
    QTest::newRow("error, Sair") << "" << true << "        " << kEndDateErrorMask;
    QTest::newRow("date, close box") << "1" << false << "31/12/2008" << kDateMask;
    QTest::newRow("error, close box") << "" << false << kErrorShown << kEndDateErrorMask;
}

void CalendarWindowTest::EndDateFieldAcrossClosingAndReopening() {
    QFETCH(QString, years);
    QFETCH(bool, bySair);
    QFETCH(QString, shownAfter);
    QFETCH(QString, maskAfter);
    CalendarHarness h;
    QVERIFY(h.WaitActive());
    QVERIFY(h.Open());
    h.TypeTerm(years, QString(), QString());
    h.TypeStartDate(QStringLiteral("01012008"));
    h.Enter();
    QCOMPARE(h.EndDate(), years.isEmpty() ? kErrorShown : QStringLiteral("31/12/2008"));

    h.Window->Button2->setDefault(true); // a flag that only Sair's own steps may move
    if (bySair) {
        h.Enter(); // Sair is the default now
        QVERIFY(h.WaitMainActive());
        QCOMPARE(h.Focus(), h.Window->MaskEdit1);
        QVERIFY(h.Window->Button1->isDefault());
    } else {
        h.Calendar->close();
        QVERIFY(h.OnlySairIsDefault());
    }
    QVERIFY(h.Calendar->isHidden());
    QVERIFY(h.Window->Button2->isDefault());
    QVERIFY(!h.Window->Button5->isDefault());
    QCOMPARE(h.EndDate(), shownAfter);
    QCOMPARE(h.EndDateMask(), maskAfter);

    h.Window->activateWindow();
    QVERIFY(h.WaitMainActive());
    QVERIFY(h.Open());
    QCOMPARE(h.EndDate(), shownAfter);
    QCOMPARE(h.EndDateMask(), maskAfter);
    // The next Calcula puts the date mask back before it writes the date.
    h.TypeTerm(QStringLiteral("2"), QString(), QString());
    h.TypeStartDate(QStringLiteral("01012008"));
    h.Enter();
    QCOMPARE(h.EndDate(), QStringLiteral("31/12/2009"));
    QCOMPARE(h.EndDateMask(), QString::fromLatin1(kDateMask));
}

void CalendarWindowTest::StartDateIsTodayWhateverTheRegionalPattern_data() {
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("shown");
    QTest::newRow("month first") << "/"
                                 << "m/d/yy" << QDate(2026, 12, 7) << "07/12/2026";
    QTest::newRow("dots") << "."
                          << "dd/mm/yyyy" << QDate(2026, 12, 7) << "07/12/2026";
    QTest::newRow("year first") << "-"
                                << "yyyy/mm/dd" << QDate(2028, 2, 29) << "29/02/2028";
    QTest::newRow("short day") << "."
                               << "d/m/yy" << QDate(2030, 1, 5) << "05/01/2030";
    QTest::newRow("last day") << "/"
                              << "m/d/yyyy" << QDate(9999, 12, 31) << "31/12/9999";
}

void CalendarWindowTest::StartDateIsTodayWhateverTheRegionalPattern() {
    QFETCH(QString, separator);
    QFETCH(QString, pattern);
    QFETCH(QDate, today);
    QFETCH(QString, shown);
    CalendarHarness h;
    SetTodayForTesting(CivilDate{static_cast<std::uint16_t>(today.year()),
                                 static_cast<std::uint16_t>(today.month()),
                                 static_cast<std::uint16_t>(today.day())});
    DateSettings() = DateSettingsRecord{separator.at(0).toLatin1(), pattern.toStdString()};
    QVERIFY(h.WaitActive());
    QVERIFY(h.Open());
    QCOMPARE(h.Calendar->MaskEdit1->text(), shown);
    QCOMPARE(CalendarHarness::Text(h.Calendar->MaskEdit1), shown);
    QCOMPARE(h.Focus(), h.Calendar->MaskEdit1);
    QCOMPARE(h.Calendar->MaskEdit1->selectedText(), shown);
    QCOMPARE(DateSettings().Separator, '/');
    QCOMPARE(DateSettings().Pattern, std::string("dd/mm/yyyy"));
    QCOMPARE(h.Calendar->MonthCalendar1->selectedDate(), today);
    QCOMPARE(h.Calendar->MonthCalendar1->monthShown(), today.month());
    QCOMPARE(h.Calendar->MonthCalendar1->yearShown(), today.year());
}

void CalendarWindowTest::UnreadableStartDateReachesTheErrorBox() {
    CalendarHarness h;
    QVERIFY(h.WaitActive());
    h.MainCalcula("5", "", "", "10", "+1/6");
    QVERIFY(h.Open());
    h.Enter(); // a first end date, from today
    QCOMPARE(h.EndDate(), CivilEndDate(QDate(2026, 12, 7), 5, 10, 0));
    h.Calendar->Button2->setDefault(true);
    h.Calendar->Button1->setDefault(false);

    // Day, month and year slices read as numbers, but the text is not a date.
    h.TypeStartDate(QStringLiteral("01052"));
    h.Key(Qt::Key_Right);
    h.Type(QStringLiteral("08"));
    QCOMPARE(CalendarHarness::Text(h.Calendar->MaskEdit1), QStringLiteral("01/05/2 08"));
    h.Enter();

    QCOMPARE(h.Watch.Seen().size(), 1);
    const testing::SeenBox& box = h.Watch.Seen().front();
    QCOMPARE(box.Text, QStringLiteral("'01/05/2 08' is not a valid date."));
    QCOMPARE(box.Caption, QGuiApplication::applicationDisplayName());
    QCOMPARE(box.Icon, QMessageBox::Critical);
    // The steps before the computation have run; the field keeps what it had.
    QVERIFY(h.OnlySairIsDefault());
    QCOMPARE(h.EndDateMask(), QString::fromLatin1(kDateMask));
    QCOMPARE(h.EndDate(), QStringLiteral("06/10/2032"));

    // The program goes on (the box's closing gives the window back its activation).
    h.Calendar->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(h.Calendar.get()));
    h.TypeStartDate(QStringLiteral("01012008"));
    h.Calendar->Button2->click();
    QCOMPARE(h.EndDate(), QStringLiteral("31/10/2013"));
    QCOMPARE(h.Watch.Seen().size(), 1);
}

// After "Erro!" Calcula puts the date mask back before it reads the start date; when that
// reading fails, the field shows the empty date form, not the error word re-fitted into
// the date positions ("__/_E/rro!").
void CalendarWindowTest::ErrorWordIsNotLeftInTheDateMaskByAFailedCalcula() {
    CalendarHarness h;
    QVERIFY(h.WaitActive());
    QVERIFY(h.Open());
    h.Enter(); // no result on the main window: an empty term
    QCOMPARE(h.EndDate(), kErrorShown);

    h.TypeTerm(QStringLiteral("1"), QString(), QString());
    h.TypeStartDate(QStringLiteral("01052"));
    h.Key(Qt::Key_Right);
    h.Type(QStringLiteral("08"));
    h.Calendar->Button2->click();

    QCOMPARE(h.Watch.Seen().size(), 1);
    QCOMPARE(h.Watch.Seen().front().Text, QStringLiteral("'01/05/2 08' is not a valid date."));
    QCOMPARE(h.EndDateMask(), QString::fromLatin1(kDateMask));
    QCOMPARE(h.EndDate(), kEmptyDateShown);
}

void CalendarWindowTest::RegionalChangeWhileOpenDoesNotMisreadTheStartDate_data() {
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("pattern");
    QTest::newRow("month first") << "/"
                                 << "m/d/yyyy";
    QTest::newRow("year first, dashes") << "-"
                                        << "yyyy/mm/dd";
    QTest::newRow("day first, dots") << "."
                                     << "dd/mm/yy";
}

void CalendarWindowTest::RegionalChangeWhileOpenDoesNotMisreadTheStartDate() {
    QFETCH(QString, separator);
    QFETCH(QString, pattern);
    CalendarHarness h;
    QVERIFY(h.WaitActive());
    QVERIFY(h.Open());
    h.TypeTerm(QStringLiteral("12"), QStringLiteral("6"), QStringLiteral("15"));
    h.TypeStartDate(QStringLiteral("05082010"));
    // The regional settings change while the window is open.
    DateSettings() = DateSettingsRecord{separator.at(0).toLatin1(), pattern.toStdString()};
    h.Calendar->Button2->click();
    QCOMPARE(h.EndDate(), QStringLiteral("19/02/2023"));
    QCOMPARE(h.EndDate(), CivilEndDate(QDate(2010, 8, 5), 12, 6, 15));
    QVERIFY(h.Watch.Seen().isEmpty());
}

void CalendarWindowTest::TermFieldsLimitTypingButKeepWhatTheProgramWrites() {
    CalendarHarness h;
    QVERIFY(h.WaitActive());
    h.MainCalcula("999", "", "", "", "x2"); // 1998 years
    QVERIFY(h.Open());
    QCOMPARE(h.Term(), (QStringList{"1998", " 0", " 0"}));
    h.Enter();
    QCOMPARE(h.EndDate(), CivilEndDate(QDate(2026, 12, 7), 1998, 0, 0));

    const QList<QPair<QLineEdit*, QString>> limits = {
        {h.Calendar->Edit1, "123"}, {h.Calendar->Edit2, "12"}, {h.Calendar->Edit3, "12"}};
    h.Calendar->Edit1->setFocus();
    h.Key(Qt::Key_End);
    h.Type(QStringLiteral("7"));
    QCOMPARE(h.Calendar->Edit1->text(), QStringLiteral("1998"));
    for (const auto& [field, kept] : limits) {
        field->setFocus();
        field->selectAll();
        h.Type(QStringLiteral("1234"));
        QCOMPARE(field->text(), kept);
    }
}

void CalendarWindowTest::MainCalculaWhileOpenThenSairLeavesTwoDefaults() {
    CalendarHarness h;
    QVERIFY(h.WaitActive());
    QVERIFY(h.Open());
    h.Window->activateWindow();
    QVERIFY(h.WaitMainActive());
    h.MainCalcula("5", "", "", "10", "+1/6");
    QVERIFY(h.OnlyContinuaIsDefault());
    QVERIFY(h.Calendar->isVisible());

    h.Calendar->Button1->click();
    QVERIFY(h.WaitMainActive());
    QCOMPARE(h.Focus(), h.Window->MaskEdit1);
    QVERIFY(h.Window->Button1->isDefault());
    QVERIFY(h.Window->Button2->isDefault());
    QVERIFY(!h.Window->Button5->isDefault());
    QCOMPARE(h.Window->Keys()->DefaultButton(), h.Window->Button1);

    h.Enter(); // Calcula again, not Continua
    QCOMPARE(h.CalculaCount(), 2);
    QCOMPARE(h.Result(), kFiveYearsSentence);
    QVERIFY(h.OnlyContinuaIsDefault());
}

void CalendarWindowTest::KeysOfTheCalendar_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("shownAfter");
    QTest::addColumn<QString>("endDate");
    QTest::addColumn<QString>("startDate");
    QTest::newRow("Alt+C") << int(Qt::Key_C) << int(Qt::AltModifier) << true << "31/10/2013"
                           << "01/01/2008";
    QTest::newRow("Enter") << int(Qt::Key_Return) << 0 << true << "31/10/2013"
                           << "01/01/2008";
    QTest::newRow("Alt+S") << int(Qt::Key_S) << int(Qt::AltModifier) << false << kEmptyDateShown
                           << "01/01/2008";
    QTest::newRow("Esc") << int(Qt::Key_Escape) << 0 << true << kEmptyDateShown << "07/12/2026";
    QTest::newRow("Alt+X") << int(Qt::Key_X) << int(Qt::AltModifier) << true << kEmptyDateShown
                           << "01/01/2008";
}

void CalendarWindowTest::KeysOfTheCalendar() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, shownAfter);
    QFETCH(QString, endDate);
    QFETCH(QString, startDate);
    CalendarHarness h;
    QVERIFY(h.WaitActive());
    h.MainCalcula("5", "", "", "10", "+1/6");
    QVERIFY(h.Open());
    h.Type(QStringLiteral("01012008"));
    h.Key(static_cast<Qt::Key>(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(h.Calendar->isVisible(), shownAfter);
    QCOMPARE(h.EndDate(), endDate);
    if (shownAfter) {
        QCOMPARE(h.Focus(), h.Calendar->MaskEdit1);
        QCOMPARE(CalendarHarness::Text(h.Calendar->MaskEdit1), startDate);
    }
}

void CalendarWindowTest::ControlsCarryTheirCaptions_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("help");
    // clang-format off
    QTest::newRow("MonthCalendar1") << "MonthCalendar1" << "" << 0;
    QTest::newRow("MaskEdit1") << "MaskEdit1" << "  /  /    " << 11;
    QTest::newRow("Button2") << "Button2" << "&Calcula" << 11;
    QTest::newRow("Button1") << "Button1" << "&Sair" << 0;
    QTest::newRow("Edit1") << "Edit1" << "" << 11;
    QTest::newRow("Edit2") << "Edit2" << "" << 11;
    QTest::newRow("Edit3") << "Edit3" << "" << 11;
    QTest::newRow("MaskEdit2") << "MaskEdit2" << "  /  /    " << 11;
    QTest::newRow("Label1") << "Label1" << "Pena a ser cumprida - ANOS:" << 0;
    QTest::newRow("Label4") << "Label4" << "MESES:" << 0;
    QTest::newRow("Label5") << "Label5" << "DIAS:" << 0;
    QTest::newRow("Label2") << "Label2" << QStringLiteral("Data do in\u00edcio do cumprimento da pena:") << 0;
    QTest::newRow("Label3") << "Label3" << QStringLiteral("Data do t\u00e9rmino do cumprimento da pena:") << 0;
    // clang-format on
}

void CalendarWindowTest::ControlsCarryTheirCaptions() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(int, help);
    TForm3 form;
    form.ShowMonthOf(QDate(2026, 12, 7)); // as the window's opening does
    QCOMPARE(form.windowTitle(), QStringLiteral("Calend\u00e1rio"));
    QCOMPARE(HelpContextOf(&form), 1);
    QCOMPARE(form.font().pixelSize(), Scaled(&form, 13));
    QCOMPARE(form.font().families().value(0), QStringLiteral("MS Sans Serif"));
    QVERIFY(!form.isModal());
    QVERIFY(form.isHidden());

    auto* widget = form.findChild<QWidget*>(name);
    QVERIFY(widget);
    QCOMPARE(widget->parentWidget(), &form);
    QString shown;
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        shown = label->text();
        QVERIFY(label->font().bold());
    } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
        shown = button->text();
        QVERIFY(button->font().bold());
        QVERIFY(!button->isDefault());
    } else if (auto* field = qobject_cast<MaskedField*>(widget)) {
        shown = CalendarHarness::Text(field);
        QCOMPARE(field->EditMask(), std::string(kDateMask));
        QCOMPARE(field->IsReadOnly(), name == "MaskEdit2");
    } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        shown = edit->text();
        QVERIFY(!edit->isReadOnly());
    }
    QCOMPARE(shown, caption);
    QCOMPARE(HelpContextOf(widget), help);
}

void CalendarWindowTest::NothingIsClipped() {
    TForm3 form;
    form.ShowMonthOf(QDate(2026, 12, 7)); // as the window's opening does
    const QList<QPair<QLabel*, QWidget*>> labels = {{form.Label1, form.Edit1},
                                                    {form.Label4, form.Edit2},
                                                    {form.Label5, form.Edit3},
                                                    {form.Label2, form.MaskEdit1},
                                                    {form.Label3, form.MaskEdit2}};
    for (const auto& [label, field] : labels) {
        QVERIFY2(label->geometry().right() < field->x(), qPrintable(label->text()));
        QVERIFY(CaptionWidth(label->font(), label->text()) <= label->width());
    }
    for (QPushButton* button : {form.Button1, form.Button2}) {
        QVERIFY2(CaptionWidth(button->font(), button->text()) < button->width(),
                 qPrintable(button->text()));
    }
    const QSize calendarNeeds = form.MonthCalendar1->minimumSizeHint();
    QVERIFY(calendarNeeds.width() <= form.MonthCalendar1->width());
    QVERIFY(calendarNeeds.height() <= form.MonthCalendar1->height());
    for (QWidget* child : form.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        QVERIFY2(form.rect().contains(child->geometry()), qPrintable(child->objectName()));
    }
    // The month calendar, then the term on one row, the start date with Calcula beside it,
    // the end date with Sair beside it; nothing overlaps.
    const QList<const QWidget*> controls = {
        form.MonthCalendar1, form.Label1,    form.Edit1,  form.Label4,    form.Edit2,
        form.Label5,         form.Edit3,     form.Label2, form.MaskEdit1, form.Button2,
        form.Label3,         form.MaskEdit2, form.Button1};
    QStringList faults = testing::OverlappingControls(&form, controls);
    faults << testing::RowsInReadingOrder(
        &form, {{form.MonthCalendar1},
                {form.Label1, form.Edit1, form.Label4, form.Edit2, form.Label5, form.Edit3},
                {form.Label2, form.MaskEdit1, form.Button2}});
    faults << testing::RowsInReadingOrder(&form, {{form.MaskEdit1}, {form.MaskEdit2}});
    faults << testing::RowsInReadingOrder(&form, {{form.Label3, form.MaskEdit2, form.Button1}});
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    const QString date = QStringLiteral("31/12/2008");
    QVERIFY(form.MaskEdit2->fontMetrics().horizontalAdvance(date) < form.MaskEdit2->width());
}

void CalendarWindowTest::TabFollowsTheLayoutOrder() {
    CalendarHarness h;
    QVERIFY(h.WaitActive());
    QVERIFY(h.Open());
    TForm3& c = *h.Calendar;
    const QList<QWidget*> cycle = {c.MaskEdit1, c.Button2,   c.Button1,        c.Edit1,    c.Edit2,
                                   c.Edit3,     c.MaskEdit2, c.MonthCalendar1, c.MaskEdit1};
    auto isFocused = [&h](QWidget* widget) {
        return h.Focus() == widget || widget->isAncestorOf(h.Focus());
    };
    QVERIFY(isFocused(cycle.front()));
    for (qsizetype i = 1; i < cycle.size(); ++i) {
        h.Key(Qt::Key_Tab);
        QVERIFY2(isFocused(cycle[i]), qPrintable(cycle[i]->objectName()));
    }
}

void CalendarWindowTest::CentredFirstThenWhereTheUserLeftIt() {
    CalendarHarness h;
    QVERIFY(h.WaitActive());
    QVERIFY(h.Open());
    const QRect available = h.Calendar->screen()->availableGeometry();
    const QPoint off = h.Calendar->frameGeometry().center() - available.center();
    QVERIFY2(off.manhattanLength() <= 1,
             qPrintable(QStringLiteral("%1, %2").arg(off.x()).arg(off.y())));

    const QPoint left(available.left() + 30, available.top() + 40);
    h.Calendar->move(left);
    h.Calendar->Button1->click();
    QVERIFY(h.WaitMainActive());
    QVERIFY(h.Open());
    QCOMPARE(h.Calendar->pos(), left);
}

void CalendarWindowTest::MonthCalendarSpeaksPortuguese() {
    CalendarHarness h;
    QVERIFY(h.WaitActive());
    QVERIFY(h.Open());
    auto* month = h.Calendar->MonthCalendar1->findChild<QToolButton*>(
        QStringLiteral("qt_calendar_monthbutton"));
    QVERIFY(month);
    QCOMPARE(month->text(), QStringLiteral("dezembro"));
    auto* view = h.Calendar->MonthCalendar1->findChild<QTableView*>(
        QStringLiteral("qt_calendar_calendarview"));
    QVERIFY(view);
    QStringList header;
    for (int column = 0; column < view->model()->columnCount(); ++column) {
        header.append(view->model()->index(0, column).data().toString());
    }
    QCOMPARE(header, (QStringList{"dom.", "seg.", "ter.", "qua.", "qui.", "sex.",
                                  QStringLiteral("s\u00e1b.")}));
}

} // namespace zarn

QTEST_MAIN(zarn::CalendarWindowTest)
#include "CalendarWindowTest.moc"
