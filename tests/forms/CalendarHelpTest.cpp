// F1 in the calendar window, through the real bridge to a recording engine: each control's
// own number, or the window's where the control has none.

#include "forms/Unit3.h"
#include "support/RecordingHelpEngine.h"

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
    std::unique_ptr<RecordedHelp> m_help;
    std::unique_ptr<TForm3> m_form;
};

void CalendarHelpTest::init() {
    m_help = std::make_unique<RecordedHelp>();
    m_form = std::make_unique<TForm3>();
    m_form->ShowMonthOf(QDate(2026, 12, 7)); // as the window's opening does
    m_form->show();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
}

void CalendarHelpTest::cleanup() {
    m_form.reset();
    m_help.reset();
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
    QCOMPARE(m_help->Engine.Requests, QStringList{QStringLiteral("zarn.qhc|1|%1").arg(context)});
}

} // namespace zarn

QTEST_MAIN(zarn::CalendarHelpTest)
#include "CalendarHelpTest.moc"
