// The real program on an X server: start-up's application object on the xcb platform under
// Xvfb, inside its own message loop. A short session is played through it -- a calculation
// carried on, the calendar and the help opened and closed -- and Sai ends the program. In
// the sanitizer build this is where the X connection, the fonts and the help engine meet
// the sanitizers, which the offscreen tests never reach.

#include "app/ZarnApplication.h"
#include "forms/Unit1.h"
#include "forms/Unit3.h"
#include "help/HelpBrowser.h"
#include "help/HelpViewerEngine.h"
#include "help/HelpWindow.h"
#include "support/ModalWatch.h"
#include "widgets/MaskedField.h"
#include "widgets/ResultField.h"

#include <QTest>
#include <QTimer>
#include <cstdio>

namespace zarn {
namespace {

// Keys go where the keyboard focus is, as the X server would deliver them.
void Type(const QString& keys) {
    QTest::keyClicks(QApplication::focusWidget(), keys);
}
void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

// Without a window manager on the virtual server, the program gives a window the keyboard.
bool Activate(QWidget* window) {
    if (!QTest::qWaitForWindowExposed(window)) {
        return false;
    }
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

} // namespace

class XvfbSessionTest : public QObject {
    Q_OBJECT
public:
    explicit XvfbSessionTest(ZarnApplication& application)
        : m_app(application) {}

private slots:
    void ACalculationIsTypedAndCarriedOn();
    void TheCalendarOpensAndCloses();
    void TheHelpOpensAndCloses();
    void SaiEndsTheProgram();

private:
    ZarnApplication& m_app;
    testing::ModalWatch m_watch; // an unexpected box is closed, so nothing hangs
};

void XvfbSessionTest::ACalculationIsTypedAndCarriedOn() {
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    TForm1& w = *m_app.Form1();
    QVERIFY(Activate(&w));
    QCOMPARE(QApplication::focusWidget(), w.MaskEdit1);
    for (const char* field : {"5", "", "", "10"}) { // each text into its field, then Tab
        Type(QString::fromLatin1(field));
        Key(Qt::Key_Tab);
    }
    Type(QStringLiteral("+1/6"));
    Key(Qt::Key_Return); // Calcula
    QCOMPARE(w.Edit2->text(), QStringLiteral(" 5 anos, 10 meses e  0 dia, e  11 dias-multa"));
    Key(Qt::Key_Return); // Continua
    Type(QStringLiteral("-1/3"));
    Key(Qt::Key_Return);
    QCOMPARE(w.Edit2->text(), QStringLiteral(" 3 anos, 10 meses e 20 dias, e   7 dias-multa"));
}

void XvfbSessionTest::TheCalendarOpensAndCloses() {
    Key(Qt::Key_L, Qt::AltModifier);
    TForm3* calendar = m_app.Form3();
    QVERIFY(Activate(calendar));
    Type(QStringLiteral("01012008"));
    Key(Qt::Key_Return); // Calcula: 3 years, 10 months and 20 days
    QCOMPARE(calendar->MaskEdit2->text(), QStringLiteral("20/11/2011"));
    Key(Qt::Key_Return); // Sair
    QTRY_VERIFY(!calendar->isVisible());
    QVERIFY(Activate(m_app.Form1()));
    QCOMPARE(QApplication::focusWidget(), m_app.Form1()->MaskEdit1);
}

void XvfbSessionTest::TheHelpOpensAndCloses() {
    Key(Qt::Key_F1);
    HelpWindow* help = m_app.HelpEngine()->Window();
    QVERIFY(help && QTest::qWaitForWindowExposed(help));
    QCOMPARE(help->Page()->documentTitle(), QStringLiteral("Campos de entrada"));
    help->close();
    QTRY_VERIFY(!m_app.HelpEngine()->HelpWindowOpen());
    QVERIFY(Activate(m_app.Form1()));
}

void XvfbSessionTest::SaiEndsTheProgram() {
    Key(Qt::Key_S, Qt::AltModifier);
    QTRY_VERIFY(!m_app.Form1()->isVisible());
    QVERIFY(m_watch.Seen().isEmpty());
}

} // namespace zarn

int main(int argc, char** argv) {
    zarn::ZarnApplication application(argc, argv);
    zarn::XvfbSessionTest session(application);
    int failures = 0;
    // The session runs inside the program's own loop, once Run has shown the main window;
    // the loop must then end by itself, as it does when the main window closes.
    QTimer::singleShot(0, &application, [&] {
        failures = QTest::qExec(&session, argc, argv);
        application.Form1()->close();
        QTimer::singleShot(10000, &application, [] {
            std::fputs("The program did not end when its main window closed.\n", stderr);
            QCoreApplication::exit(1);
        });
    });
    const int loop = application.Run();
    return failures != 0 ? failures : loop;
}

#include "XvfbSessionTest.moc"
