#include "widgets/DialogKeys.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

namespace zarn {

// A small window: an edit, then Alfa, Beta (default) and Gama (default), in child order.
class DialogKeysWindow : public QWidget {
public:
    DialogKeysWindow() {
        auto* layout = new QVBoxLayout(this);
        Edit = new QLineEdit(this);
        Alfa = new QPushButton(QStringLiteral("&Alfa"), this);
        Beta = new QPushButton(QStringLiteral("&Beta"), this);
        Gama = new QPushButton(QStringLiteral("&Gama"), this);
        for (QWidget* child : {static_cast<QWidget*>(Edit), static_cast<QWidget*>(Alfa),
                               static_cast<QWidget*>(Beta), static_cast<QWidget*>(Gama)}) {
            layout->addWidget(child);
        }
        Beta->setDefault(true);
        Gama->setDefault(true);
        for (QPushButton* button : {Alfa, Beta, Gama}) {
            connect(button, &QPushButton::clicked, this,
                    [this, button] { Pressed.append(button->text().remove('&')); });
        }
        Keys = DialogKeys::Install(this);
    }

    QWidget* Named(const QString& name) const {
        if (name == "edit") {
            return Edit;
        }
        if (name == "Alfa") {
            return Alfa;
        }
        if (name == "Beta") {
            return Beta;
        }
        return Gama;
    }

    QLineEdit* Edit;
    QPushButton* Alfa;
    QPushButton* Beta;
    QPushButton* Gama;
    DialogKeys* Keys;
    QStringList Pressed;
};

class DialogKeysTest : public QObject {
    Q_OBJECT
private slots:
    void KeysPressTheRightButton_data();
    void KeysPressTheRightButton();
    void DefaultButtonIsTheFirstDefaultInChildOrder();
    void KeysOfAnotherWindowAreLeftAlone();
};

void DialogKeysTest::KeysPressTheRightButton_data() {
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("pressed");
    QTest::addColumn<QString>("focusAfter");
    QTest::addColumn<QString>("editText");

    const int none = Qt::NoModifier;
    const int shift = Qt::ShiftModifier;
    const int ctrl = Qt::ControlModifier;
    const int alt = Qt::AltModifier;
    const int keypad = Qt::KeypadModifier;
    // clang-format off
    QTest::newRow("Enter in the edit presses the first default") << "edit" << int(Qt::Key_Return) << none << "" << "Beta" << "edit" << "";
    QTest::newRow("keypad Enter in the edit") << "edit" << int(Qt::Key_Enter) << keypad << "" << "Beta" << "edit" << "";
    QTest::newRow("Shift+Enter presses nothing") << "edit" << int(Qt::Key_Return) << shift << "" << "" << "edit" << "";
    QTest::newRow("Ctrl+Enter presses nothing") << "edit" << int(Qt::Key_Return) << ctrl << "" << "" << "edit" << "";
    QTest::newRow("Alt+Enter presses nothing") << "edit" << int(Qt::Key_Return) << alt << "" << "" << "edit" << "";
    QTest::newRow("Enter on a focused button presses it") << "Alfa" << int(Qt::Key_Return) << none << "" << "Alfa" << "Alfa" << "";
    QTest::newRow("Enter on the second default presses it") << "Gama" << int(Qt::Key_Return) << none << "" << "Gama" << "Gama" << "";
    QTest::newRow("disabled first default: the next one") << "edit" << int(Qt::Key_Return) << none << "disable Beta" << "Gama" << "edit" << "";
    QTest::newRow("first default cleared: the next one") << "edit" << int(Qt::Key_Return) << none << "clear Beta" << "Gama" << "edit" << "";
    QTest::newRow("no default: Enter presses nothing") << "edit" << int(Qt::Key_Return) << none << "clear all" << "" << "edit" << "";
    QTest::newRow("Alt+letter keeps the focus in the edit") << "edit" << int(Qt::Key_G) << alt << "" << "Gama" << "edit" << "";
    QTest::newRow("Alt+letter of a non-default button") << "edit" << int(Qt::Key_A) << alt << "" << "Alfa" << "edit" << "";
    QTest::newRow("Alt+letter keeps the focus on a button") << "Beta" << int(Qt::Key_A) << alt << "" << "Alfa" << "Beta" << "";
    QTest::newRow("Alt+letter of a disabled button") << "edit" << int(Qt::Key_B) << alt << "disable Beta" << "" << "edit" << "";
    QTest::newRow("Alt+letter nobody underlines") << "edit" << int(Qt::Key_X) << alt << "" << "" << "edit" << "";
    QTest::newRow("letter alone in the edit is typed") << "edit" << int(Qt::Key_G) << none << "" << "" << "edit" << "g";
    QTest::newRow("letter alone on a focused button") << "Alfa" << int(Qt::Key_G) << none << "" << "Gama" << "Alfa" << "";
    QTest::newRow("capital letter on a focused button") << "Alfa" << int(Qt::Key_B) << shift << "" << "Beta" << "Alfa" << "";
    QTest::newRow("Ctrl+letter on a focused button") << "Alfa" << int(Qt::Key_G) << ctrl << "" << "" << "Alfa" << "";
    QTest::newRow("Space presses the focused button") << "Alfa" << int(Qt::Key_Space) << none << "" << "Alfa" << "Alfa" << "";
    QTest::newRow("Esc in the edit presses nothing") << "edit" << int(Qt::Key_Escape) << none << "" << "" << "edit" << "";
    QTest::newRow("Esc on a button presses nothing") << "Alfa" << int(Qt::Key_Escape) << none << "" << "" << "Alfa" << "";
    // clang-format on
}

void DialogKeysTest::KeysPressTheRightButton() {
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, setup);
    QFETCH(QString, pressed);
    QFETCH(QString, focusAfter);
    QFETCH(QString, editText);

    DialogKeysWindow window;
    if (setup == "disable Beta") {
        window.Beta->setEnabled(false);
    } else if (setup == "clear Beta") {
        window.Beta->setDefault(false);
    } else if (setup == "clear all") {
        window.Beta->setDefault(false);
        window.Gama->setDefault(false);
    }
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    window.Named(focus)->setFocus();
    QCOMPARE(QApplication::focusWidget(), window.Named(focus));

    QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key),
                    static_cast<Qt::KeyboardModifiers>(modifiers));

    QCOMPARE(window.Pressed, pressed.isEmpty() ? QStringList() : QStringList{pressed});
    QCOMPARE(QApplication::focusWidget(), window.Named(focusAfter));
    QCOMPARE(window.Edit->text(), editText);
}

void DialogKeysTest::DefaultButtonIsTheFirstDefaultInChildOrder() {
    DialogKeysWindow window;
    window.show();
    QCOMPARE(window.Keys->DefaultButton(), window.Beta);
    window.Beta->setDefault(false);
    QCOMPARE(window.Keys->DefaultButton(), window.Gama);
    window.Alfa->setDefault(true);
    QCOMPARE(window.Keys->DefaultButton(), window.Alfa);
    QVERIFY(window.Alfa->isDefault());
    QVERIFY2(window.Gama->isDefault(), "outside a dialog box both flags stay set");
    QCOMPARE(window.Keys->ButtonForLetter(Qt::Key_G), window.Gama);
    QCOMPARE(window.Keys->ButtonForLetter(Qt::Key_Z), nullptr);
}

void DialogKeysTest::KeysOfAnotherWindowAreLeftAlone() {
    DialogKeysWindow window;
    window.show();
    QWidget other;
    auto* otherEdit = new QLineEdit(&other);
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    otherEdit->setFocus();
    QTest::keyClick(otherEdit, Qt::Key_Return);
    QTest::keyClick(otherEdit, Qt::Key_G, Qt::AltModifier);
    QVERIFY(window.Pressed.isEmpty());
}

} // namespace zarn

QTEST_MAIN(zarn::DialogKeysTest)
#include "DialogKeysTest.moc"
