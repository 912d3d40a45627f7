#pragma once

// Shared set-up of the calendar window tests: the main window of MainWindowHarness with the
// calendar window beside it, as start-up wires them, and today fixed at 07/12/2026.

#include "MainWindowHarness.h"
#include "dates/Clock.h"
#include "dates/DateSettings.h"
#include "fields/ProgramMasks.h"
#include "forms/Unit3.h"

#include <QCalendarWidget>
#include <QLineEdit>

namespace zarn::testing {

inline constexpr CivilDate kToday{2026, 12, 7};

class CalendarHarness : public MainWindowHarness {
public:
    CalendarHarness() {
        SetTodayForTesting(kToday);
        DateSettings() = DateSettingsRecord{};
        Calendar = std::make_unique<TForm3>();
        Window->SetCalendar(Calendar.get());
    }
    ~CalendarHarness() {
        Calendar.reset();
        SetTodayForTesting(std::nullopt);
    }

    // Calendário by its accelerator, from wherever the main window's focus is.
    bool Open() {
        QTest::keyClick(Window->focusWidget(), Qt::Key_L, Qt::AltModifier);
        return QTest::qWaitForWindowActive(Calendar.get());
    }
    bool WaitMainActive() { return QTest::qWaitForWindowActive(Window.get()); }

    // Calcula on the main window, by Enter in the operation field.
    void MainCalcula(const QString& years, const QString& months, const QString& days,
                     const QString& fines, const QString& operation) {
        Fill(years, months, days, fines, operation);
        Enter();
    }

    // Types the term and the start date into the calendar, as a user does.
    void TypeTerm(const QString& years, const QString& months, const QString& days) {
        const QList<QPair<QLineEdit*, QString>> term = {
            {Calendar->Edit1, years}, {Calendar->Edit2, months}, {Calendar->Edit3, days}};
        for (const auto& [field, text] : term) {
            field->setFocus();
            field->selectAll();
            QTest::keyClick(field, Qt::Key_Delete);
            QTest::keyClicks(field, text);
        }
    }
    void TypeStartDate(const QString& digits) {
        Calendar->MaskEdit1->setFocus();
        Calendar->MaskEdit1->SelectAll();
        Type(digits);
    }

    QStringList Term() const {
        return {Calendar->Edit1->text(), Calendar->Edit2->text(), Calendar->Edit3->text()};
    }
    // What the end-date field shows.
    QString EndDate() const { return Calendar->MaskEdit2->text(); }
    QString EndDateMask() const { return QString::fromStdString(Calendar->MaskEdit2->EditMask()); }

    bool OnlySairIsDefault() const {
        return Calendar->Button1->isDefault() && !Calendar->Button2->isDefault();
    }
    bool OnlyCalendarCalculaIsDefault() const {
        return !Calendar->Button1->isDefault() && Calendar->Button2->isDefault();
    }

    std::unique_ptr<TForm3> Calendar;
};

} // namespace zarn::testing
