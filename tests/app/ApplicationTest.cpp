#include "app/RegionalDates.h"
#include "app/ZarnApplication.h"
#include "app/ZarnStyle.h"
#include "forms/Unit1.h"
#include "forms/Unit2.h"
#include "forms/Unit3.h"

#include <QAction>
#include <QCalendarWidget>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

namespace zarn {

class ApplicationTest : public QObject {
    Q_OBJECT
public:
    explicit ApplicationTest(ZarnApplication& application)
        : m_app(application) {}

private slots:
    void initTestCase();
    void TitleHelpFileAndQtTexts();
    void DesktopIdentityAndVersion();
    void OnlyTheMainWindowIsShown();
    void CalendarioShowsTheCalendarWindowMadeAtStartUp();
    void ARegionalChangeReplacesTheProgramsDateSettings();
    void OnlyTheFocusedFieldShowsACaretBesideASelection();
    void ClosingTheMainWindowEndsTheProgram_data();
    void ClosingTheMainWindowEndsTheProgram();

private:
    // Runs the message loop until it ends, or fails after a few seconds.
    bool LoopEnds();

    ZarnApplication& m_app;
};

void ApplicationTest::initTestCase() {
    m_app.CreateWindows();
    m_app.ShowMainWindow();
    QVERIFY(QTest::qWaitForWindowExposed(m_app.Form1()));
}

void ApplicationTest::TitleHelpFileAndQtTexts() {
    QCOMPARE(QGuiApplication::applicationDisplayName(),
             QStringLiteral("Programa para c\u00e1lculo de penas criminais"));
    QCOMPARE(m_app.Form1()->windowTitle(), QStringLiteral("Zarn"));
    QCOMPARE(ZarnApplication::HelpFile(), QStringLiteral("zarn.qhc"));
    QVERIFY(!ZarnApplication::HelpFile().contains(QLatin1Char('/')));
    QVERIFY(m_app.HasPortugueseQtTexts());
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancelar"));
    QVERIFY(m_app.quitOnLastWindowClosed());
}

// The desktop ties the running windows to the installed desktop entry by its name.
void ApplicationTest::DesktopIdentityAndVersion() {
    QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("br.org.zarn.Zarn"));
    QCOMPARE(QCoreApplication::applicationVersion(), QStringLiteral(EXPECTED_VERSION));
}

void ApplicationTest::OnlyTheMainWindowIsShown() {
    QVERIFY(m_app.Form1()->isVisible());
    QVERIFY(!m_app.AboutBox()->isVisible());
    QCOMPARE(m_app.AboutBox()->windowTitle(), QStringLiteral("Sobre..."));
    QVERIFY(!m_app.Form3()->isVisible());
    QCOMPARE(m_app.Form3()->windowTitle(), QStringLiteral("Calend\u00e1rio"));
    QVERIFY(m_app.AboutBox()->isModal());
    QVERIFY(m_app.Form3()->isWindow());
    // Centred on the screen.
    const QPoint centre = m_app.primaryScreen()->availableGeometry().center();
    QVERIFY((m_app.Form1()->geometry().center() - centre).manhattanLength() < 8);
}

// Calendario shows the calendar window made at start-up, with its month calendar; later
// openings show the same window again.
void ApplicationTest::CalendarioShowsTheCalendarWindowMadeAtStartUp() {
    TForm1* main = m_app.Form1();
    TForm3* calendar = m_app.Form3();
    main->Button5->click();
    QCOMPARE(m_app.Form3(), calendar);
    QVERIFY(calendar->isVisible());
    QVERIFY(calendar->MonthCalendar1 && calendar->MonthCalendar1->isVisible());
    QVERIFY(calendar->isWindow());
    QCOMPARE(calendar->windowTitle(), QStringLiteral("Calend\u00e1rio"));
    QVERIFY(!calendar->testAttribute(Qt::WA_QuitOnClose));
    calendar->Button1->click(); // Sair
    QVERIFY(!calendar->isVisible());
    main->Button5->click();
    QCOMPARE(m_app.Form3(), calendar);
    QVERIFY(calendar->isVisible());
    calendar->close();
    QVERIFY(main->isVisible());
}

void ApplicationTest::ARegionalChangeReplacesTheProgramsDateSettings() {
    UseCalendarDateSettings();
    const DateSettingsRecord regional =
        DateSettingsFromQtFormat(QLocale::system().dateFormat(QLocale::ShortFormat));
    QEvent change(QEvent::LocaleChange);
    QCoreApplication::sendEvent(&m_app, &change);
    QCOMPARE(DateSettings().Separator, regional.Separator);
    QCOMPARE(DateSettings().Pattern, regional.Pattern);
}

void ApplicationTest::OnlyTheFocusedFieldShowsACaretBesideASelection() {
    QWidget window;
    auto* focused = new QLineEdit(&window);
    auto* other = new QLineEdit(&window);
    other->move(0, 40);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    focused->setFocus();
    auto* style = qobject_cast<ZarnStyle*>(QApplication::style());
    QVERIFY(style);
    const auto hint = QStyle::SH_BlinkCursorWhenTextSelected;
    QCOMPARE(style->styleHint(hint, nullptr, other), 0);
    QCOMPARE(style->styleHint(hint, nullptr, focused),
             style->baseStyle()->styleHint(hint, nullptr, focused));
}

bool ApplicationTest::LoopEnds() {
    bool timedOut = false;
    QTimer guard;
    guard.setSingleShot(true);
    connect(&guard, &QTimer::timeout, &m_app, [&timedOut] {
        timedOut = true;
        QCoreApplication::exit(1);
    });
    guard.start(5000);
    const int code = QCoreApplication::exec();
    return !timedOut && code == 0;
}

void ApplicationTest::ClosingTheMainWindowEndsTheProgram_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("close box, calendar open") << "calendar open";
    QTest::newRow("calendar closed first") << "calendar closed";
    QTest::newRow("Sai with the calendar open") << "sai";
    QTest::newRow("Sair menu") << "sair";
}

void ApplicationTest::ClosingTheMainWindowEndsTheProgram() {
    QFETCH(QString, how);
    TForm1* main = m_app.Form1();
    main->show();
    QTimer::singleShot(0, main, [this, main, how] {
        if (how == "calendar closed") {
            main->Button5->click();
            m_app.Form3()->close();
            QVERIFY(!m_app.Form3()->isVisible());
            QVERIFY(main->isVisible());
            main->close();
        } else if (how == "calendar open") {
            main->Button5->click();
            QVERIFY(m_app.Form3()->isVisible());
            main->close();
        } else if (how == "sai") {
            main->Button5->click();
            main->Button6->click();
        } else {
            main->ProgramaSai->trigger();
        }
    });
    QVERIFY(LoopEnds());
    QVERIFY(!main->isVisible());
    m_app.Form3()->hide();
}

} // namespace zarn

int main(int argc, char** argv) {
    zarn::ZarnApplication application(argc, argv);
    zarn::ApplicationTest test(application);
    return QTest::qExec(&test, argc, argv);
}

#include "ApplicationTest.moc"
