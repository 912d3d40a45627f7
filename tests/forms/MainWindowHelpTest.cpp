// Help from the main window: F1 on its controls and menu items, and the Ajuda menu,
// through the real bridge to a recording engine.

#include "forms/Unit1.h"
#include "support/RecordingHelpEngine.h"
#include "widgets/MaskedField.h"
#include "widgets/ResultField.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <memory>

using namespace zarn;

class TestMainWindowHelp : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void KeyOnControl_data();
    void KeyOnControl();
    void KeyOnSair();
    void KeyInTheAjudaMenu();
    void AjudaMenuRequests_data();
    void AjudaMenuRequests();

private:
    QWidget* Control(const QString& name) const;

    std::unique_ptr<RecordedHelp> m_help;
    std::unique_ptr<TForm1> m_form;
};

void TestMainWindowHelp::init() {
    m_help = std::make_unique<RecordedHelp>();
    m_form = std::make_unique<TForm1>();
    m_form->show();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
}

void TestMainWindowHelp::cleanup() {
    while (QWidget* popup = QApplication::activePopupWidget()) {
        popup->close();
    }
    m_form.reset();
    m_help.reset();
}

QWidget* TestMainWindowHelp::Control(const QString& name) const {
    return m_form->findChild<QWidget*>(name);
}

void TestMainWindowHelp::KeyOnControl_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("context");
    QTest::newRow("years field") << "MaskEdit1" << 8;
    QTest::newRow("operation field") << "MaskEdit5" << 8;
    QTest::newRow("result field") << "Edit2" << 6;
    QTest::newRow("Calcula") << "Button1" << 11;
    QTest::newRow("Sai") << "Button6" << 11;
}

void TestMainWindowHelp::KeyOnControl() {
    QFETCH(QString, control);
    QFETCH(int, context);
    QWidget* target = Control(control);
    QVERIFY(target);
    target->setFocus();
    QTest::keyClick(target, Qt::Key_F1);
    QCOMPARE(m_help->Engine.Requests, QStringList{QStringLiteral("zarn.qhc|1|%1").arg(context)});
}

void TestMainWindowHelp::KeyOnSair() {
    m_form->MainMenu1->setActiveAction(m_form->ProgramaSai);
    QTest::keyClick(m_form->MainMenu1, Qt::Key_F1);
    QCOMPARE(m_help->Engine.Requests, QStringList{QStringLiteral("zarn.qhc|1|0")});
    QVERIFY2(m_form->isVisible(), "F1 on Sair does not close the window");
}

void TestMainWindowHelp::KeyInTheAjudaMenu() {
    QMenu* ajuda = m_form->Contedo1;
    ajuda->popup(m_form->mapToGlobal(QPoint(0, 0)));
    ajuda->setActiveAction(ajuda->actions().constFirst());
    QTest::keyClick(ajuda, Qt::Key_F1);
    QCOMPARE(m_help->Engine.Requests, QStringList{QStringLiteral("zarn.qhc|1|1")});
}

void TestMainWindowHelp::AjudaMenuRequests_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("request");
    QTest::newRow("Conteudo") << "HelpContents"
                              << "zarn.qhc|15|-3";
    QTest::newRow("Indice") << "HelpIndex"
                            << "zarn.qhc|15|-2";
}

void TestMainWindowHelp::AjudaMenuRequests() {
    QFETCH(QString, action);
    QFETCH(QString, request);
    auto* item = m_form->findChild<QAction*>(action);
    QVERIFY(item);
    item->trigger();
    item->trigger();
    QCOMPARE(m_help->Engine.Requests, (QStringList{request, request}));
}

QTEST_MAIN(TestMainWindowHelp)
#include "MainWindowHelpTest.moc"
