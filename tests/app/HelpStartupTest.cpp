// Help in the running program: set up at start-up without opening the collection, F1 in
// the main window opens the help window on the topic found beside the executable, and
// the end of the program closes it.

#include "app/ZarnApplication.h"
#include "forms/Unit1.h"
#include "forms/Unit2.h"
#include "help/HelpBridge.h"
#include "help/HelpBrowser.h"
#include "help/HelpRequests.h"
#include "help/HelpViewerEngine.h"
#include "help/HelpWindow.h"
#include "widgets/MaskedField.h"

#include <QPointer>
#include <QTest>

namespace zarn {

class HelpStartupTest : public QObject {
    Q_OBJECT
public:
    explicit HelpStartupTest(ZarnApplication& application)
        : m_app(application) {}

private slots:
    void StartUpInstallsHelpButOpensNothing();
    void EveryWindowCarriesTheProgramIcon();
    void F1OpensTheTopicOfTheField();

private:
    ZarnApplication& m_app;
};

void HelpStartupTest::StartUpInstallsHelpButOpensNothing() {
    QCOMPARE(Help(), static_cast<HelpRequests*>(m_app.HelpBridgeToEngine()));
    QCOMPARE(m_app.HelpBridgeToEngine()->HelpFile(), QStringLiteral("zarn.qhc"));
    m_app.CreateWindows();
    m_app.ShowMainWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_app.Form1()));
    QVERIFY2(!m_app.HelpEngine()->Window(), "start-up does not open the help collection");
}

void HelpStartupTest::EveryWindowCarriesTheProgramIcon() {
    const QIcon icon = QApplication::windowIcon();
    QCOMPARE(icon.availableSizes().size(), 7);
    QCOMPARE(m_app.Form1()->windowIcon().cacheKey(), icon.cacheKey());
    QCOMPARE(m_app.AboutBox()->windowIcon().cacheKey(), icon.cacheKey());
}

void HelpStartupTest::F1OpensTheTopicOfTheField() {
    m_app.Form1()->MaskEdit1->setFocus();
    QTest::keyClick(m_app.Form1()->MaskEdit1, Qt::Key_F1);
    HelpWindow* window = m_app.HelpEngine()->Window();
    QVERIFY(window);
    QVERIFY(window->isVisible());
    QVERIFY2(window->IsAvailable(), "the collection is found beside the executable");
    QCOMPARE(window->Page()->documentTitle(), QStringLiteral("Campos de entrada"));
    m_app.HelpBridgeToEngine()->Quit();
    QVERIFY(!window->isVisible());
}

} // namespace zarn

int main(int argc, char** argv) {
    zarn::ZarnApplication application(argc, argv);
    zarn::HelpStartupTest test(application);
    return QTest::qExec(&test, argc, argv);
}

#include "HelpStartupTest.moc"
