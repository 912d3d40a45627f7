#pragma once

// The calendar window "Calendário": a term in years, months and days and the date on which
// serving begins give the last day of the sentence. A top-level window created hidden at
// start-up and shown, without blocking the main window, by the main window's Calendário
// button, which also seeds it; closing it only hides it. Sair also hands the keyboard back
// to the main window, which learns of it through ClosedBySair.

#include "dates/CivilDate.h"

#include <QWidget>
#include <array>
#include <string>

class QDate;

class QCalendarWidget;
class QLabel;
class QLineEdit;
class QPushButton;
class QShowEvent;

namespace zarn {

class DialogKeys;
class MaskedField;

// Typing limits of the term fields: years, months, days.
inline constexpr int kYearsTypingLimit = 3;
inline constexpr int kMonthsTypingLimit = 2;
inline constexpr int kDaysTypingLimit = 2;

// Help context numbers of the calendar window.
inline constexpr int kCalendarHelpContext = 1;
inline constexpr int kCalendarFieldHelpContext = 11;

class TForm3 : public QWidget {
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent = nullptr);

    // The window's Enter, default-button and accelerator keys.
    DialogKeys* Keys() const { return m_keys; }

    // Opens the window (or brings it to the front) for a new question: the month calendar
    // and the start date at today, the term fields with the given years, months and days,
    // the keyboard on the start date and Calcula the default.
    void Open(const std::array<std::string, 3>& term, DayNumber today);

    // Sets the month calendar to the date. The month calendar is made by the first call:
    // nothing shows it before the window's first opening, and it costs start-up time and
    // memory.
    void ShowMonthOf(const QDate& date);

    // Components, in tab order, then the labels.
    QCalendarWidget* MonthCalendar1 = nullptr; // for looking dates up; read by nothing
    MaskedField* MaskEdit1 = nullptr;          // start date
    QPushButton* Button2 = nullptr;            // Calcula
    QPushButton* Button1 = nullptr;            // Sair
    QLineEdit* Edit1 = nullptr;                // years
    QLineEdit* Edit2 = nullptr;                // months
    QLineEdit* Edit3 = nullptr;                // days
    MaskedField* MaskEdit2 = nullptr;          // end date, read-only
    QLabel* Label1 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;

    // Handlers.
    void Button1Click(); // Sair
    void Button2Click(); // Calcula

signals:
    // Sair has hidden the window.
    void ClosedBySair();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void CreateControls();
    void CreateMonthCalendar();
    void PlaceControls();
    void FitMonthCalendar();
    void ConnectHandlers();
    void SetTabOrder();
    void CentreOnScreen();

    DialogKeys* m_keys = nullptr;
    bool m_placed = false;
};

} // namespace zarn
