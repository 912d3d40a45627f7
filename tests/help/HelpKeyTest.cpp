// F1 in windows and menus: which context number reaches the help engine, through the
// real bridge, recorded by a recording engine.

#include "help/HelpKey.h"

#include "help/HelpBridge.h"
#include "help/HelpContext.h"
#include "support/RecordingHelpEngine.h"

#include <QApplication>
#include <QDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <memory>

using namespace zarn;

namespace {

const QString kFile = QStringLiteral("zarn.qhc");

QString ContextRequest(int context) {
    return QStringLiteral("zarn.qhc|1|%1").arg(context);
}

// A window of fields and buttons, each with the help context its name gives:
// window(W) > group(G) > field(F), button(B); window > loose(L); and a dialog(D) owned
// by the window, holding ok(0).
struct Windows {
    std::unique_ptr<QWidget> window = std::make_unique<QWidget>();
    QGroupBox* group = new QGroupBox(window.get());
    QLineEdit* field = new QLineEdit(group);
    QPushButton* button = new QPushButton(QStringLiteral("B"), group);
    QLineEdit* loose = new QLineEdit(window.get());
    QDialog* dialog = new QDialog(window.get());
    QPushButton* ok = new QPushButton(QStringLiteral("OK"), dialog);

    Windows(int w, int g, int f, int b, int l, int d) {
        auto* layout = new QVBoxLayout(window.get());
        layout->addWidget(group);
        layout->addWidget(loose);
        auto* inner = new QVBoxLayout(group);
        inner->addWidget(field);
        inner->addWidget(button);
        SetHelpContext(window.get(), w);
        SetHelpContext(group, g);
        SetHelpContext(field, f);
        SetHelpContext(button, b);
        SetHelpContext(loose, l);
        SetHelpContext(dialog, d);
    }

    QWidget* Named(const QString& name) const {
        if (name == QLatin1String("field")) {
            return field;
        }
        if (name == QLatin1String("button")) {
            return button;
        }
        if (name == QLatin1String("loose")) {
            return loose;
        }
        if (name == QLatin1String("ok")) {
            return ok;
        }
        return window.get();
    }
};

} // namespace

class TestHelpKey : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void ControlContext_data();
    void ControlContext();
    void KeyFromControl_data();
    void KeyFromControl();
    void OtherKeysAreLeftAlone_data();
    void OtherKeysAreLeftAlone();
    void MenuItem_data();
    void MenuItem();
    void MenuBarItem_data();
    void MenuBarItem();
    void TwiceInAFieldWhileHelpIsOpenSendsOne();
    void ContentsTwiceSendsTwo();

private:
    std::unique_ptr<RecordedHelp> m_help;
};

void TestHelpKey::init() {
    m_help = std::make_unique<RecordedHelp>(kFile);
}

void TestHelpKey::cleanup() {
    while (QWidget* popup = QApplication::activePopupWidget()) {
        popup->close();
    }
    m_help.reset();
}

// The climb alone, for trees where the number sits at different heights.
void TestHelpKey::ControlContext_data() {
    QTest::addColumn<QList<int>>("contexts"); // window, group, field, button, loose, dialog
    QTest::addColumn<QString>("from");
    QTest::addColumn<int>("expected");

    QTest::newRow("own number") << QList<int>{1, 0, 8, 11, 0, 0} << "field" << 8;
    QTest::newRow("own number wins over the group's")
        << QList<int>{1, 5, 8, 0, 0, 0} << "field" << 8;
    QTest::newRow("none of its own: the group's") << QList<int>{1, 5, 0, 0, 0, 0} << "button" << 5;
    QTest::newRow("none below the window: the window's")
        << QList<int>{1, 0, 0, 0, 0, 0} << "loose" << 1;
    QTest::newRow("nothing anywhere") << QList<int>{0, 0, 0, 0, 0, 0} << "field" << 0;
    QTest::newRow("a dialog stops the climb at itself")
        << QList<int>{1, 0, 0, 0, 0, 0} << "ok" << 0;
    QTest::newRow("a dialog with a number") << QList<int>{1, 0, 0, 0, 0, 4} << "ok" << 4;
}

void TestHelpKey::ControlContext() {
    QFETCH(QList<int>, contexts);
    QFETCH(QString, from);
    QFETCH(int, expected);
    Windows w(contexts[0], contexts[1], contexts[2], contexts[3], contexts[4], contexts[5]);
    QCOMPARE(HelpKey::ControlContext(w.Named(from)), expected);
}

// The key itself: F1 in the focused control makes one request, or none.
void TestHelpKey::KeyFromControl_data() {
    QTest::addColumn<QList<int>>("contexts");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("field with 8 requests 8")
        << QList<int>{1, 0, 8, 11, 0, 0} << "field" << QStringList{ContextRequest(8)};
    QTest::newRow("button with 11 requests 11")
        << QList<int>{1, 0, 8, 11, 0, 0} << "button" << QStringList{ContextRequest(11)};
    QTest::newRow("control without a number climbs to its window's")
        << QList<int>{1, 0, 8, 11, 0, 0} << "loose" << QStringList{ContextRequest(1)};
    QTest::newRow("no number anywhere: no request")
        << QList<int>{0, 0, 0, 0, 0, 0} << "loose" << QStringList{};
    QTest::newRow("dialog without numbers: no request, though its owner has one")
        << QList<int>{1, 0, 0, 0, 0, 0} << "ok" << QStringList{};
}

void TestHelpKey::KeyFromControl() {
    QFETCH(QList<int>, contexts);
    QFETCH(QString, focus);
    QFETCH(QStringList, expected);
    Windows w(contexts[0], contexts[1], contexts[2], contexts[3], contexts[4], contexts[5]);
    QWidget* target = w.Named(focus);
    target->window()->show();
    QTest::keyClick(target, Qt::Key_F1);
    QCOMPARE(m_help->Engine.Requests, expected);
}

void TestHelpKey::OtherKeysAreLeftAlone_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("requests");

    QTest::newRow("F1") << int(Qt::Key_F1) << int(Qt::NoModifier) << true;
    QTest::newRow("Help key") << int(Qt::Key_Help) << int(Qt::NoModifier) << true;
    QTest::newRow("Shift+F1") << int(Qt::Key_F1) << int(Qt::ShiftModifier) << false;
    QTest::newRow("Ctrl+F1") << int(Qt::Key_F1) << int(Qt::ControlModifier) << false;
    QTest::newRow("F2") << int(Qt::Key_F2) << int(Qt::NoModifier) << false;
}

void TestHelpKey::OtherKeysAreLeftAlone() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, requests);
    Windows w(1, 0, 8, 11, 0, 0);
    w.window->show();
    QTest::keyClick(w.field, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(m_help->Engine.Requests, requests ? QStringList{ContextRequest(8)} : QStringList{});
}

// A menu bar > menu > submenu > item chain, with the numbers of each row.
void TestHelpKey::MenuItem_data() {
    QTest::addColumn<int>("menuItem");   // the item that opens the menu, on the bar
    QTest::addColumn<int>("menuObject"); // the menu itself
    QTest::addColumn<int>("subItem");    // the item that opens the submenu
    QTest::addColumn<int>("leaf");       // the highlighted item in the submenu
    QTest::addColumn<bool>("inSubmenu"); // highlight the leaf (else the sub item)
    QTest::addColumn<int>("expected");

    QTest::newRow("highlighted item's own number") << 1 << 0 << 0 << 9 << true << 9;
    QTest::newRow("climbs to the submenu's item") << 1 << 0 << 5 << 0 << true << 5;
    QTest::newRow("climbs to the menu bar item") << 1 << 0 << 0 << 0 << true << 1;
    QTest::newRow("found on the menu itself") << 0 << 7 << 0 << 0 << true << 7;
    QTest::newRow("nothing in the chain requests 0") << 0 << 0 << 0 << 0 << true << 0;
    QTest::newRow("first level item with its number") << 0 << 0 << 3 << 0 << false << 3;
    QTest::newRow("first level item without: the menu's") << 2 << 0 << 0 << 0 << false << 2;
}

void TestHelpKey::MenuItem() {
    QFETCH(int, menuItem);
    QFETCH(int, menuObject);
    QFETCH(int, subItem);
    QFETCH(int, leaf);
    QFETCH(bool, inSubmenu);
    QFETCH(int, expected);

    QWidget window;
    auto* bar = new QMenuBar(&window);
    QMenu* menu = bar->addMenu(QStringLiteral("Menu"));
    QMenu* sub = menu->addMenu(QStringLiteral("Sub"));
    QAction* leafAction = sub->addAction(QStringLiteral("Leaf"));
    SetHelpContext(menu->menuAction(), menuItem);
    SetHelpContext(menu, menuObject);
    SetHelpContext(sub->menuAction(), subItem);
    SetHelpContext(leafAction, leaf);
    window.show();

    QMenu* open = menu;
    menu->popup(window.mapToGlobal(QPoint(0, 0)));
    if (inSubmenu) {
        sub->popup(window.mapToGlobal(QPoint(50, 0)));
        sub->setActiveAction(leafAction);
        open = sub;
    } else {
        menu->setActiveAction(sub->menuAction());
    }
    QTest::keyClick(open, Qt::Key_F1);
    QCOMPARE(m_help->Engine.Requests, QStringList{ContextRequest(expected)});
    QVERIFY2(!QApplication::activePopupWidget(), "F1 closes the open menus");
}

// A command straight on the menu bar (like Sair), highlighted from the keyboard.
void TestHelpKey::MenuBarItem_data() {
    QTest::addColumn<int>("context");
    QTest::newRow("item without a number requests 0") << 0;
    QTest::newRow("item with a number requests it") << 3;
}

void TestHelpKey::MenuBarItem() {
    QFETCH(int, context);
    QWidget window;
    auto* bar = new QMenuBar(&window);
    QAction* command = bar->addAction(QStringLiteral("Sair"));
    bar->addMenu(QStringLiteral("Ajuda"))->addAction(QStringLiteral("Conteúdo"));
    SetHelpContext(command, context);
    SetHelpContext(&window, 1);
    window.show();
    bar->setActiveAction(command);
    QTest::keyClick(bar, Qt::Key_F1);
    QCOMPARE(m_help->Engine.Requests, QStringList{ContextRequest(context)});
}

void TestHelpKey::TwiceInAFieldWhileHelpIsOpenSendsOne() {
    Windows w(1, 0, 8, 11, 0, 0);
    w.window->show();
    QTest::keyClick(w.field, Qt::Key_F1);
    QVERIFY(m_help->Engine.HelpWindowOpen());
    QTest::keyClick(w.field, Qt::Key_F1);
    QCOMPARE(m_help->Engine.Requests, QStringList{ContextRequest(8)});
}

void TestHelpKey::ContentsTwiceSendsTwo() {
    m_help->Bridge().ShowContents();
    m_help->Bridge().ShowContents();
    QCOMPARE(m_help->Engine.Requests,
             (QStringList{QStringLiteral("zarn.qhc|15|-3"), QStringLiteral("zarn.qhc|15|-3")}));
}

QTEST_MAIN(TestHelpKey)
#include "HelpKeyTest.moc"
