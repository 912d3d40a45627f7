// Random user events on the running program, seeded streams many events long, with the
// rules that must always hold checked after every event. Each seed starts the windows as
// start-up does, with help requests recorded and the about box's desktop services recorded,
// so nothing outside the program starts. When a stream closes the main window the program
// has ended, and it is started again. The environment sets the length of a run
// (`make monkey` for long runs):
//   ZARN_MONKEY_SEEDS       how many seeds (default 8)
//   ZARN_MONKEY_FIRST_SEED  the first seed (default 1)
//   ZARN_MONKEY_EVENTS      events per seed (default 2000)
//   ZARN_MONKEY_VERBOSE=1   prints every event and what the result fields then hold
// Each seed is a row of the test; a failure names the seed and the event and lists the
// events before it. The same seed replays the same stream: ZARN_MONKEY_FIRST_SEED=<seed>
// ZARN_MONKEY_SEEDS=1 ZARN_MONKEY_VERBOSE=1 shows it event by event.

#include "Monkey.h"

#include "MonkeyChecks.h"
#include "app/RegionalDates.h"
#include "app/ZarnApplication.h"
#include "dates/Clock.h"
#include "dates/DateSettings.h"
#include "forms/Unit1.h"
#include "forms/Unit2.h"
#include "forms/Unit3.h"
#include "notices/Notices.h"
#include "support/ModalWatch.h"
#include "support/RecordingHelpEngine.h"
#include "support/RecordingUrlOpener.h"
#include "widgets/MaskedField.h"
#include "widgets/ResultField.h"

#include <QCalendarWidget>
#include <QClipboard>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <random>

namespace zarn {

namespace {

int EnvironmentNumber(const char* name, int fallback) {
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok && value >= 0 ? value : fallback;
}

// How many events before a failure its report lists.
constexpr int kEventsReported = 40;

} // namespace

class MonkeyTest : public QObject {
    Q_OBJECT
public:
    MonkeyTest(ZarnApplication& app, RecordingHelpEngine& help)
        : m_app(app)
        , m_help(help) {}

private slots:
    void initTestCase();
    void RandomEventsKeepTheRules_data();
    void RandomEventsKeepTheRules();
    void cleanupTestCase();

private:
    // Starts the windows as start-up does and watches them.
    bool Launch(testing::Monkey& monkey);
    // Runs the program's message loop and plays events inside it until the stream ends, a
    // rule breaks, or the main window closes, after which the loop must end by itself.
    QStringList RunProgram(testing::Monkey& monkey, int events);
    // Plays events; stops early when a rule breaks or the main window has closed.
    QStringList PlayEvents(testing::Monkey& monkey, int events);
    QString Report(const QStringList& broken) const;

    ZarnApplication& m_app;
    RecordingHelpEngine& m_help;
    testing::RecordingUrlOpener m_opener;
    std::unique_ptr<testing::ModalWatch> m_watch;
    std::unique_ptr<testing::MonkeyChecks> m_checks;
    QStringList m_recent;
    std::uint32_t m_seed = 0;
    int m_event = 0;
    qsizetype m_boxesChecked = 0;
    int m_events = 0;
    bool m_verbose = false;
    // Totals over the run.
    QElapsedTimer m_clock;
    int m_seeds = 0;
    long long m_performed = 0;
    int m_launches = 0;
    testing::MonkeyTally m_tally;
};

// The month calendar's own date editor (typing digits on the month calendar opens it) frees
// what it holds only when it closes: by Esc, Enter or its timer. Qt forgets to free it
// when the window goes while the editor is open, which the leak checker would report at
// every new start. A user's Esc closes it first.
static void CloseMonthCalendarDateEditor(ZarnApplication& app) {
    const QCalendarWidget* month = app.Form3() ? app.Form3()->MonthCalendar1 : nullptr;
    if (!month) {
        return;
    }
    if (auto* days = month->findChild<QTableView*>()) {
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QCoreApplication::sendEvent(days, &escape);
    }
}

bool MonkeyTest::Launch(testing::Monkey& monkey) {
    CloseMonthCalendarDateEditor(m_app);
    // A new process reads the regional settings afresh.
    ReadRegionalDateSettings();
    const QChar regionalSeparator = QLatin1Char(DateSettings().Separator);
    m_checks.reset();
    m_app.CreateWindows();
    m_app.AboutBox()->SetUrlOpener(&m_opener);
    m_app.ShowMainWindow();
    ++m_launches;
    m_checks = std::make_unique<testing::MonkeyChecks>(m_app, regionalSeparator, m_tally);
    monkey.WatchAboutBox();
    return QTest::qWaitForWindowActive(m_app.Form1());
}

QString MonkeyTest::Report(const QStringList& broken) const {
    return QStringLiteral("seed %1, event %2:\n  %3\nthe events before it:\n  %4")
        .arg(m_seed)
        .arg(m_event)
        .arg(broken.join(QStringLiteral("\n  ")), m_recent.join(QStringLiteral("\n  ")));
}

QStringList MonkeyTest::PlayEvents(testing::Monkey& monkey, int events) {
    // A popup menu that waits in a loop deeper than this one is closed by the watch.
    m_watch->CloseBlockingPopups();
    for (; m_event < events; ++m_event) {
        m_recent << monkey.Step();
        if (m_verbose) {
            std::printf("%d: %s | result \"%s\" | end date \"%s\"\n", m_event,
                        qPrintable(m_recent.last()), qPrintable(m_app.Form1()->Edit2->text()),
                        qPrintable(m_app.Form3() ? m_app.Form3()->MaskEdit2->text()
                                                 : QStringLiteral("(no calendar yet)")));
        }
        if (m_recent.size() > kEventsReported) {
            m_recent.removeFirst();
        }
        QStringList broken = m_checks->Check();
        broken << testing::MonkeyChecks::CheckBoxes(m_watch->Seen().mid(m_boxesChecked));
        m_boxesChecked = m_watch->Seen().size();
        if (!broken.isEmpty() || !m_app.Form1()->isVisible()) {
            if (m_verbose && broken.isEmpty()) {
                std::printf("the main window closed: the program ends\n");
            }
            ++m_event;
            return broken;
        }
    }
    return {};
}

QStringList MonkeyTest::RunProgram(testing::Monkey& monkey, int events) {
    QStringList broken;
    bool mainClosed = false;
    QTimer guard;
    guard.setSingleShot(true);
    connect(&guard, &QTimer::timeout, this, [&broken] {
        broken << QStringLiteral("the main window closed but the program goes on");
        QCoreApplication::exit(1);
    });
    QTimer::singleShot(0, this, [&] {
        broken = PlayEvents(monkey, events);
        mainClosed = !m_app.Form1()->isVisible();
        if (mainClosed && broken.isEmpty()) {
            guard.start(5000); // the loop must end by itself
        } else {
            QCoreApplication::exit(0);
        }
    });
    const int code = QApplication::exec();
    if (mainClosed && broken.isEmpty() && code != 0) {
        broken << QStringLiteral("the program ended with code %1").arg(code);
    }
    return broken;
}

// The offscreen platform's notes on what it cannot do (raise a window, grab the keyboard
// for a popup) would drown the report.
static QtMessageHandler g_previousMessageHandler = nullptr;

static void DropPlatformNotes(QtMsgType type, const QMessageLogContext& context,
                              const QString& message) {
    if (!message.startsWith(QLatin1String("This plugin does not support"))) {
        g_previousMessageHandler(type, context, message);
    }
}

void MonkeyTest::initTestCase() {
    m_events = EnvironmentNumber("ZARN_MONKEY_EVENTS", 2000);
    m_verbose = EnvironmentNumber("ZARN_MONKEY_VERBOSE", 0) == 1;
    g_previousMessageHandler = qInstallMessageHandler(DropPlatformNotes);
    m_watch = std::make_unique<testing::ModalWatch>();
    // Unsaved changes of the case are let go, so that closing the main window still ends the
    // program.
    m_watch->Answer(QStringLiteral("Altera\u00e7\u00f5es n\u00e3o salvas"),
                    QStringLiteral("Descartar"));
    m_clock.start();
}

void MonkeyTest::RandomEventsKeepTheRules_data() {
    const auto seeds = EnvironmentNumber("ZARN_MONKEY_SEEDS", 8);
    const auto firstSeed =
        static_cast<std::uint32_t>(EnvironmentNumber("ZARN_MONKEY_FIRST_SEED", 1));
    QTest::addColumn<std::uint32_t>("seed");
    for (std::uint32_t seed = firstSeed; seed < firstSeed + static_cast<std::uint32_t>(seeds);
         ++seed) {
        QTest::addRow("seed %u", seed) << seed;
    }
}

void MonkeyTest::RandomEventsKeepTheRules() {
    QFETCH(std::uint32_t, seed);
    m_seed = seed;
    // Today and the notices' clock come from the seed, so a seed replays exactly. Now and
    // then today lies in the last years of the calendar, where a term can run past 9999.
    std::mt19937 settings(m_seed);
    const auto within = [&settings](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(settings);
    };
    const int year = within(0, 19) == 0 ? within(9990, 9999) : within(1990, 2100);
    SetTodayForTesting(CivilDate{static_cast<std::uint16_t>(year),
                                 static_cast<std::uint16_t>(within(1, 12)),
                                 static_cast<std::uint16_t>(within(1, 28))});
    const auto noticeClock = static_cast<std::uint32_t>(within(0, 86'399'999));
    SetNoticeClock([noticeClock] { return noticeClock; });

    // Nothing carried over from the seed before: a seed run alone replays the same way.
    QGuiApplication::clipboard()->clear();
    testing::Monkey monkey(m_app, m_seed);
    m_recent.clear();
    m_event = 0;
    ++m_seeds;
    while (m_event < m_events) {
        QVERIFY2(Launch(monkey), "the main window does not become active");
        m_boxesChecked = m_watch->Seen().size();
        const int before = m_event;
        const QStringList broken = RunProgram(monkey, m_events);
        m_performed += m_event - before;
        if (!broken.isEmpty()) {
            QFAIL(qPrintable(Report(broken)));
        }
        if (!m_app.Form1()->isVisible()) {
            m_recent << QStringLiteral("(the program ended; started again)");
        }
    }
}

void MonkeyTest::cleanupTestCase() {
    qInstallMessageHandler(g_previousMessageHandler);
    const auto aboutBoxes = std::count_if(
        m_watch->Seen().begin(), m_watch->Seen().end(),
        [](const testing::SeenBox& box) { return box.Caption == QStringLiteral("Sobre..."); });
    qInfo("%lld events over %d seeds in %lld ms; %d launches; results: %lld sentences, %lld "
          "messages, %lld end dates, %lld error words; %lld about boxes and %lld error boxes "
          "closed, %lld help requests, %lld desktop requests",
          m_performed, m_seeds, static_cast<long long>(m_clock.elapsed()), m_launches,
          m_tally.Sentences, m_tally.Messages, m_tally.EndDates, m_tally.ErrorWords,
          static_cast<long long>(aboutBoxes),
          static_cast<long long>(m_watch->Seen().size() - aboutBoxes),
          static_cast<long long>(m_help.Requests.size()),
          static_cast<long long>(m_opener.Opened.size()));
    CloseMonthCalendarDateEditor(m_app);
    m_checks.reset();
    m_watch.reset();
    SetNoticeClock({});
    SetTodayForTesting(std::nullopt);
}

} // namespace zarn

int main(int argc, char** argv) {
    auto help = std::make_unique<zarn::RecordingHelpEngine>();
    zarn::RecordingHelpEngine& recorder = *help;
    zarn::ZarnApplication application(argc, argv, std::move(help));
    zarn::MonkeyTest test(application, recorder);
    return QTest::qExec(&test, argc, argv);
}

#include "MonkeyTest.moc"
