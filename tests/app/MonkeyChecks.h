#pragma once

// What must hold in the running program after every event of the monkey test, written
// independently of the product's own tables: the shapes of the masked fields, the default
// buttons of both windows, what the result field and the end-date field may show, and the
// boxes that may appear.

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

namespace zarn {

class ZarnApplication;

namespace testing {

struct SeenBox;

// How often the result fields changed to each kind of content: how much of the program a
// run reached.
struct MonkeyTally {
    long long Sentences = 0;
    long long Messages = 0;
    long long EndDates = 0;
    long long ErrorWords = 0;
};

class MonkeyChecks : public QObject {
public:
    // Watches the windows of one launch. regionalSeparator is the date separator that the
    // regional settings gave at the launch: date fields laid out before the calendar first
    // opened show it.
    MonkeyChecks(ZarnApplication& app, QChar regionalSeparator, MonkeyTally& tally);

    // Every broken rule, one line each; empty when all hold.
    QStringList Check();

    // The boxes closed by the modal watch: the about box and the error box of a date error
    // are the only ones the program may show.
    static QStringList CheckBoxes(const QList<SeenBox>& boxes);

private:
    // The calendar window appears with the first Calendario: from then on its Sair is
    // watched.
    void WatchCalendar();
    QStringList CheckMaskedFields() const;
    QStringList CheckMainDefaults();
    QStringList CheckCalendarDefaults() const;
    QStringList CheckResultField();
    QStringList CheckEndDateField();

    ZarnApplication& m_app;
    QChar m_regionalSeparator;
    bool m_watchingCalendar = false;
    bool m_calendarOpened = false; // no default button before the first opening
    bool m_sairSinceSingleDefault = false;
    MonkeyTally& m_tally;
    QString m_lastResult;
    QString m_lastEndDate;
};

} // namespace testing
} // namespace zarn
