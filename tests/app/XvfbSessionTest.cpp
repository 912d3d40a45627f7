// The real program on a real X server: the application object that start-up builds, on the
// xcb platform under Xvfb, inside its own message loop. A user's short session is played
// through it -- a calculation typed and carried on, the calendar opened and closed, the help
// opened and closed -- and Sai ends the program. Under the sanitizer build this is where
// the X connection, the fonts, the input methods and the help engine meet the sanitizers,
// which the offscreen tests never reach.

#include "app/ZarnApplication.h"
#include "forms/Unit1.h"
#include "forms/Unit3.h"
#include "help/HelpBrowser.h"
#include "help/HelpViewerEngine.h"
#include "help/HelpWindow.h"
#include "support/ModalWatch.h"
#include "widgets/MaskedField.h"
#include "widgets/QtText.h"
#include "widgets/ResultField.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstdio>

namespace zarn {

class XvfbSessionTest : public QObject {
    Q_OBJECT
public:
    explicit XvfbSessionTest(ZarnApplication& application)
        : m_app(application) {}

private slots:
    void TheMainWindowComesUpOnTheXServer();
    void ACalculationIsTypedAndCarriedOn();
    void TheCalendarOpensAndCloses();
    void TheHelpOpensAndCloses();
    void SaiEndsTheProgram();

private:
    // Keys go where the keyboard focus is, as the X server delivers them.
    static QWidget* Focus() {
        QWidget* focus = QApplication::focusWidget();
        return focus ? focus : QApplication::activeWindow();
    }
    static void Type(const QString& text) { QTest::keyClicks(Focus(), text); }
    static void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(Focus(), key, modifiers);
    }
    // With no window manager on the virtual server, a window the program raises is given
    // the keyboard by the program itself.
    static bool Activate(QWidget* window) {
        if (!QTest::qWaitForWindowExposed(window)) {
            return false;
        }
        window->activateWindow();
        return QTest::qWaitForWindowActive(window);
    }

    ZarnApplication& m_app;
    testing::ModalWatch m_watch; // a box nobody expects is closed, so nothing hangs
};

void XvfbSessionTest::TheMainWindowComesUpOnTheXServer() {
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    QVERIFY(m_app.Form1());
    QVERIFY(Activate(m_app.Form1()));
    QCOMPARE(QApplication::focusWidget(), m_app.Form1()->MaskEdit1);
}

void XvfbSessionTest::ACalculationIsTypedAndCarriedOn() {
    TForm1& w = *m_app.Form1();
    // 5 years, Tab Tab Tab, 10 day-fines, Tab, "+1/6", Enter: Calcula.
    Type(QStringLiteral("5"));
    for (int i = 0; i < 3; ++i) {
        Key(Qt::Key_Tab);
    }
    Type(QStringLiteral("10"));
    Key(Qt::Key_Tab);
    Type(QStringLiteral("+1/6"));
    Key(Qt::Key_Return);
    const QString sentence = QStringLiteral(" 5 anos, 10 meses e  0 dia, e  11 dias-multa");
    QCOMPARE(w.Edit2->text(), sentence);
    QTRY_COMPARE(QGuiApplication::clipboard()->text(), sentence);
    // Enter: Continua; "-1/3", Enter: Calcula again.
    Key(Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), w.MaskEdit5);
    Type(QStringLiteral("-1/3"));
    Key(Qt::Key_Return);
    QCOMPARE(w.Edit2->text(), QStringLiteral(" 3 anos, 10 meses e 20 dias, e   7 dias-multa"));
}

void XvfbSessionTest::TheCalendarOpensAndCloses() {
    Key(Qt::Key_L, Qt::AltModifier);
    TForm3* calendar = m_app.Form3();
    QVERIFY(Activate(calendar));
    QCOMPARE(calendar->Edit1->text(), QStringLiteral(" 3"));
    QCOMPARE(QApplication::focusWidget(), calendar->MaskEdit1);
    Type(QStringLiteral("01012008"));
    Key(Qt::Key_Return); // Calcula
    QCOMPARE(calendar->MaskEdit2->text(), QStringLiteral("20/11/2011"));
    Key(Qt::Key_Return); // Sair
    QTRY_VERIFY(!calendar->isVisible());
    QVERIFY(Activate(m_app.Form1()));
    QCOMPARE(QApplication::focusWidget(), m_app.Form1()->MaskEdit1);
}

void XvfbSessionTest::TheHelpOpensAndCloses() {
    Key(Qt::Key_F1);
    HelpWindow* help = m_app.HelpEngine()->Window();
    QVERIFY(help);
    QVERIFY(QTest::qWaitForWindowExposed(help));
    QVERIFY2(help->IsAvailable(), "the collection beside the program opens");
    QCOMPARE(help->Page()->documentTitle(), QStringLiteral("Campos de entrada"));
    help->close();
    QTRY_VERIFY(!m_app.HelpEngine()->HelpWindowOpen());
    QVERIFY(Activate(m_app.Form1()));
}

void XvfbSessionTest::SaiEndsTheProgram() {
    QVERIFY(m_watch.Seen().isEmpty());
    Key(Qt::Key_S, Qt::AltModifier);
    QTRY_VERIFY(!m_app.Form1()->isVisible());
}

} // namespace zarn

namespace {

// Time the message loop has to end once the session is over.
constexpr int kEndTimeoutMs = 10000;

} // namespace

int main(int argc, char** argv) {
    zarn::ZarnApplication application(argc, argv);
    zarn::XvfbSessionTest session(application);
    int failures = 0;
    // The session runs inside the program's own loop, as soon as Run has shown the window.
    QTimer::singleShot(0, &application, [&] {
        failures = QTest::qExec(&session, argc, argv);
        if (application.Form1() && application.Form1()->isVisible()) {
            application.Form1()->close(); // a failed session still ends the program
        }
        QTimer::singleShot(kEndTimeoutMs, &application, [&] {
            std::fputs("The program did not end when its main window closed.\n", stderr);
            QCoreApplication::exit(1);
        });
    });
    const int loop = application.Run();
    return failures != 0 ? failures : loop;
}

#include "XvfbSessionTest.moc"
