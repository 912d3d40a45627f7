// F1 in the calendar window, through the real bridge to a recording engine: each control's
// own number, or the window's where the control has none.

#include "app/HelpBridge.h"
#include "app/HelpKey.h"
#include "app/RecordingHelpEngine.h"
#include "forms/HelpRequests.h"
#include "forms/Unit3.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QTest>
#include <memory>

namespace zarn {

class CalendarHelpTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void KeyOnControl_data();
    void KeyOnControl();

private:
    std::unique_ptr<RecordingHelpEngine> m_engine;
    std::unique_ptr<HelpBridge> m_bridge;
    std::unique_ptr<HelpKey> m_key;
    std::unique_ptr<TForm3> m_form;
};

void CalendarHelpTest::init() {
    m_engine = std::make_unique<RecordingHelpEngine>();
    m_bridge = std::make_unique<HelpBridge>(*m_engine, QStringLiteral("zarn.qhc"));
    m_key = std::make_unique<HelpKey>(*m_bridge);
    SetHelp(m_bridge.get());
    qApp->installEventFilter(m_key.get());
    m_form = std::make_unique<TForm3>();
    m_form->show();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
}

void CalendarHelpTest::cleanup() {
    m_form.reset();
    qApp->removeEventFilter(m_key.get());
    SetHelp(nullptr);
    m_key.reset();
    m_bridge.reset();
    m_engine.reset();
}

void CalendarHelpTest::KeyOnControl_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("context");
    QTest::newRow("month calendar") << "MonthCalendar1" << 1;
    QTest::newRow("start date") << "MaskEdit1" << 11;
    QTest::newRow("Calcula") << "Button2" << 11;
    QTest::newRow("Sair") << "Button1" << 1;
    QTest::newRow("years") << "Edit1" << 11;
    QTest::newRow("months") << "Edit2" << 11;
    QTest::newRow("days") << "Edit3" << 11;
    QTest::newRow("end date") << "MaskEdit2" << 11;
}

void CalendarHelpTest::KeyOnControl() {
    QFETCH(QString, control);
    QFETCH(int, context);
    auto* target = m_form->findChild<QWidget*>(control);
    QVERIFY(target);
    target->setFocus();
    // The month calendar passes the focus on to its own parts.
    QWidget* focused = QApplication::focusWidget();
    QVERIFY(focused == target || target->isAncestorOf(focused));
    QTest::keyClick(focused, Qt::Key_F1);
    QCOMPARE(m_engine->Requests, QStringList{QStringLiteral("zarn.qhc|1|%1").arg(context)});
}

} // namespace zarn

QTEST_MAIN(zarn::CalendarHelpTest)
#include "CalendarHelpTest.moc"
