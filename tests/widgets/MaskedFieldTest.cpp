// The masked field control in a real (offscreen) window: keys, characters, input-method
// text, focus, clicks, the clipboard and the context menu all go through the mask rules.

#include "widgets/MaskedField.h"

#include "dates/DateSettings.h"
#include "fields/MaskModel.h"
#include "support/FieldMasks.h"
#include "widgets/QtText.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <memory>

namespace zarn {
namespace {

using namespace zarn::test;

// A window that records the keys its children pass on to it.
class KeyCatcher : public QWidget {
public:
    QList<int> Keys;

protected:
    void keyPressEvent(QKeyEvent* event) override { Keys.append(event->key()); }
};

struct TestWindow {
    std::unique_ptr<KeyCatcher> Window = std::make_unique<KeyCatcher>();
    QLineEdit* Before = nullptr;
    MaskedField* Field = nullptr;
};

TestWindow ShowWindow(const char* mask, const std::string& text = "") {
    DateSettings().Separator = '/';
    TestWindow w;
    auto* layout = new QVBoxLayout(w.Window.get());
    w.Before = new QLineEdit(w.Window.get());
    w.Field = new MaskedField(w.Window.get());
    layout->addWidget(w.Before);
    layout->addWidget(w.Field);
    w.Field->SetEditMask(mask);
    w.Field->SetText(text);
    w.Window->show();
    w.Window->activateWindow();
    w.Before->setFocus(Qt::OtherFocusReason);
    return w;
}

// Types a text key by key; letters outside ASCII come as keys with their own text, as a
// keyboard layout with dead keys delivers them.
void TypeKeys(QWidget* widget, const QString& text) {
    for (QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClicks(widget, QString(c));
        } else {
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
}

std::string Shown(const MaskedField& field) {
    return ToCp1252(field.text());
}

// The x coordinate in the field at which a click lands on `position`.
QPoint PointAt(MaskedField& field, int position) {
    const int y = field.height() / 2;
    for (int x = 0; x < field.width(); ++x) {
        if (field.cursorPositionAt(QPoint(x, y)) == position) {
            return {x + 1, y};
        }
    }
    return {0, y};
}

} // namespace

class MaskedFieldTest : public QObject {
    Q_OBJECT

private slots:
    void typedSequencesShowWhatTheRulesGive_data();
    void typedSequencesShowWhatTheRulesGive();
    void tabSelectsAllAndTheFirstCharacterReplacesIt();
    void programFocusSelectsAll();
    void clickRunsTheHandlerBeforeTheFieldSelectsTheCaretCharacter();
    void clickWithoutHandlerSelectsTheCharacterUnderTheCaret();
    void clipboardShortcuts_data();
    void clipboardShortcuts();
    void shortcutsOfTheWindowDoNotStealTheFieldsKeys();
    void escapeRestoresAndOtherwiseGoesToTheWindow();
    void enterTabAndAltKeysGoToTheWindow();
    void readOnlyRefusesChangesQuietlyButCopies();
    void inputMethodCommitLandsInAnAnyCharacterPosition();
    void charactersOutsideTheCodePageBeep();
    void wordMovesEndWithTheOverwriteCaret();
    void contextMenuOffersWhatTheRulesAllow();
    void lengthLimitAndSeparatorFollowTheMask();
    void maskChangeRefitsTheShownText();
};

void MaskedFieldTest::typedSequencesShowWhatTheRulesGive_data() {
    QTest::addColumn<QByteArray>("mask");
    QTest::addColumn<QByteArray>("typed");
    QTest::addColumn<QByteArray>("display");
    QTest::addColumn<QByteArray>("read");
    QTest::addColumn<int>("beeps");

    QTest::newRow("years 5") << QByteArray(kYearsMask) << QByteArray("5") << QByteArray("5  ")
                             << QByteArray("5  ") << 0;
    QTest::newRow("years 1234") << QByteArray(kYearsMask) << QByteArray("1234") << QByteArray("123")
                                << QByteArray("123") << 0;
    QTest::newRow("years a1") << QByteArray(kYearsMask) << QByteArray("a1") << QByteArray("1  ")
                              << QByteArray("1  ") << 1;
    QTest::newRow("months 7") << QByteArray(kMonthsMask) << QByteArray("7") << QByteArray("7 ")
                              << QByteArray("7 ") << 0;
    QTest::newRow("fines 10") << QByteArray(kFinesMask) << QByteArray("10") << QByteArray("10   ")
                              << QByteArray("10   ") << 0;
    QTest::newRow("op +1/6") << QByteArray(kOperationMask) << QByteArray("+1/6")
                             << QByteArray("+ 1 /6  ") << QByteArray("+ 1 /6  ") << 0;
    QTest::newRow("op -1/3") << QByteArray(kOperationMask) << QByteArray("-1/3")
                             << QByteArray("- 1 /3  ") << QByteArray("- 1 /3  ") << 0;
    QTest::newRow("op x2") << QByteArray(kOperationMask) << QByteArray("x2")
                           << QByteArray("x 2 /   ") << QByteArray("x 2 /   ") << 0;
    QTest::newRow("op + 1/6") << QByteArray(kOperationMask) << QByteArray("+ 1/6")
                              << QByteArray("+ 1 /6  ") << QByteArray("+ 1 /6  ") << 1;
    QTest::newRow("op +12/10") << QByteArray(kOperationMask) << QByteArray("+12/10")
                               << QByteArray("+ 12/10 ") << QByteArray("+ 12/10 ") << 1;
    QTest::newRow("op 2/3") << QByteArray(kOperationMask) << QByteArray("2/3")
                            << QByteArray("2   /3  ") << QByteArray("2   /3  ") << 0;
    QTest::newRow("date 07122026") << QByteArray(kDateMask) << QByteArray("07122026")
                                   << QByteArray("07/12/2026") << QByteArray("07/12/2026") << 0;
    QTest::newRow("date 7/12/2026") << QByteArray(kDateMask) << QByteArray("7/12/2026")
                                    << QByteArray("7_/12/2026") << QByteArray("7 /12/2026") << 1;
    QTest::newRow("date 07/12/2026") << QByteArray(kDateMask) << QByteArray("07/12/2026")
                                     << QByteArray("07/__/1220") << QByteArray("07/  /1220") << 1;
    QTest::newRow("op a-tilde") << QByteArray(kOperationMask)
                                << QByteArray("\xE3"
                                              "1")
                                << QByteArray("\xE3 1 /   ") << QByteArray("\xE3 1 /   ") << 0;
    QTest::newRow("error word") << QByteArray(kErrorMask) << QByteArray("Erro!")
                                << QByteArray("Erro!   ") << QByteArray("Erro!   ") << 0;
}

void MaskedFieldTest::typedSequencesShowWhatTheRulesGive() {
    QFETCH(QByteArray, mask);
    QFETCH(QByteArray, typed);
    QFETCH(QByteArray, display);
    QFETCH(QByteArray, read);
    QFETCH(int, beeps);

    TestWindow w = ShowWindow(mask.constData());
    QVERIFY(QTest::qWaitForWindowActive(w.Window.get()));
    QTest::keyClick(w.Before, Qt::Key_Tab);
    QVERIFY(w.Field->hasFocus());
    QSignalSpy beeped(w.Field, &MaskedField::Beeped);
    TypeKeys(w.Field, ToQString(typed.toStdString()));
    QCOMPARE(Shown(*w.Field), display.toStdString());
    QCOMPARE(w.Field->Text(), read.toStdString());
    QCOMPARE(beeped.count(), beeps);
}

void MaskedFieldTest::tabSelectsAllAndTheFirstCharacterReplacesIt() {
    TestWindow w = ShowWindow(kOperationMask, "+ 1 /6  ");
    QVERIFY(QTest::qWaitForWindowActive(w.Window.get()));
    QTest::keyClick(w.Before, Qt::Key_Tab);
    QVERIFY(w.Field->hasFocus());
    QCOMPARE(w.Field->selectedText(), QStringLiteral("+ 1 /6  "));
    QTest::keyClick(w.Field, Qt::Key_X, Qt::NoModifier);
    QCOMPARE(Shown(*w.Field), std::string("x   /   "));

    // A character the first position refuses still clears the field, then beeps.
    TestWindow years = ShowWindow(kYearsMask, "123");
    QVERIFY(QTest::qWaitForWindowActive(years.Window.get()));
    QTest::keyClick(years.Before, Qt::Key_Tab);
    QSignalSpy beeped(years.Field, &MaskedField::Beeped);
    QTest::keyClicks(years.Field, QStringLiteral("a"));
    QCOMPARE(Shown(*years.Field), std::string("   "));
    QCOMPARE(beeped.count(), 1);
}

void MaskedFieldTest::programFocusSelectsAll() {
    TestWindow w = ShowWindow(kDateMask, "07/12/2026");
    QVERIFY(QTest::qWaitForWindowActive(w.Window.get()));
    w.Field->setFocus();
    QCOMPARE(w.Field->selectedText(), QStringLiteral("07/12/2026"));
    QCOMPARE(w.Field->Model().OldValue(), std::string("07/12/2026"));

    // Leaving hides the selection and keeps the overwrite caret for the return.
    QTest::keyClick(w.Field, Qt::Key_End);
    w.Before->setFocus(Qt::TabFocusReason);
    QVERIFY(!w.Field->hasSelectedText());
    QCOMPARE(w.Field->Model().SelStart(), 10);
    QVERIFY(!w.Field->Model().HasFocus());
    QTest::keyClick(w.Before, Qt::Key_Tab);
    QCOMPARE(w.Field->selectedText(), QStringLiteral("07/12/2026"));
}

void MaskedFieldTest::clickRunsTheHandlerBeforeTheFieldSelectsTheCaretCharacter() {
    TestWindow w = ShowWindow(kFinesMask, "12345");
    QVERIFY(QTest::qWaitForWindowActive(w.Window.get()));
    int selectedWhenClicked = -1;
    int caretWhenClicked = -1;
    QObject::connect(w.Field, &MaskedField::Clicked, w.Window.get(), [&] {
        selectedWhenClicked = w.Field->Model().SelLength();
        caretWhenClicked = w.Field->Model().SelStart();
        w.Field->SetCaretToStart(); // as the main window's click handler does
    });
    QTest::mouseClick(w.Field, Qt::LeftButton, Qt::NoModifier, PointAt(*w.Field, 3));
    QVERIFY(w.Field->hasFocus());
    QCOMPARE(caretWhenClicked, 3);
    QCOMPARE(selectedWhenClicked, 0); // the field's own rule has not run yet
    QCOMPARE(w.Field->selectionStart(), 0);
    QCOMPARE(w.Field->selectedText(), QStringLiteral("1"));
    // The mouse does not select the whole field.
    QTest::keyClicks(w.Field, QStringLiteral("9"));
    QCOMPARE(Shown(*w.Field), std::string("92345"));
}

void MaskedFieldTest::clickWithoutHandlerSelectsTheCharacterUnderTheCaret() {
    TestWindow w = ShowWindow(kOperationMask, "+ 1 /6  ");
    QVERIFY(QTest::qWaitForWindowActive(w.Window.get()));
    QSignalSpy clicked(w.Field, &MaskedField::Clicked);
    QTest::mouseClick(w.Field, Qt::LeftButton, Qt::NoModifier, PointAt(*w.Field, 5));
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(w.Field->selectionStart(), 5);
    QCOMPARE(w.Field->selectedText(), QStringLiteral("6"));
    QTest::keyClicks(w.Field, QStringLiteral("3"));
    QCOMPARE(Shown(*w.Field), std::string("+ 1 /3  "));
}

void MaskedFieldTest::clipboardShortcuts_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("clipboardAfter");
    QTest::addColumn<QByteArray>("displayAfter");

    // The field holds "07/12/2026" with "07/1" selected; the clipboard holds "31/1".
    const int ctrl = Qt::ControlModifier;
    const int shift = Qt::ShiftModifier;
    QTest::newRow("ctrl+c") << int(Qt::Key_C) << ctrl << QStringLiteral("07/1")
                            << QByteArray("07/12/2026");
    QTest::newRow("ctrl+insert") << int(Qt::Key_Insert) << ctrl << QStringLiteral("07/1")
                                 << QByteArray("07/12/2026");
    QTest::newRow("ctrl+x") << int(Qt::Key_X) << ctrl << QStringLiteral("07/1")
                            << QByteArray("__/_2/2026");
    QTest::newRow("shift+delete") << int(Qt::Key_Delete) << shift << QStringLiteral("07/1")
                                  << QByteArray("__/_2/2026");
    QTest::newRow("ctrl+v") << int(Qt::Key_V) << ctrl << QStringLiteral("31/1")
                            << QByteArray("31/12/2026");
    QTest::newRow("shift+insert") << int(Qt::Key_Insert) << shift << QStringLiteral("31/1")
                                  << QByteArray("31/12/2026");
}

void MaskedFieldTest::clipboardShortcuts() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, clipboardAfter);
    QFETCH(QByteArray, displayAfter);

    TestWindow w = ShowWindow(kDateMask, "07/12/2026");
    QVERIFY(QTest::qWaitForWindowActive(w.Window.get()));
    w.Field->setFocus();
    QGuiApplication::clipboard()->setText(QStringLiteral("31/1"));
    QTest::keyClick(w.Field, Qt::Key_Home);
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(w.Field, Qt::Key_Right, Qt::ShiftModifier);
    }
    QCOMPARE(w.Field->selectedText(), QStringLiteral("07/1"));
    QTest::keyClick(w.Field, static_cast<Qt::Key>(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(QGuiApplication::clipboard()->text(), clipboardAfter);
    QCOMPARE(Shown(*w.Field), displayAfter.toStdString());
}

void MaskedFieldTest::shortcutsOfTheWindowDoNotStealTheFieldsKeys() {
    TestWindow w = ShowWindow(kOperationMask, "+ 1 /6  ");
    QVERIFY(QTest::qWaitForWindowActive(w.Window.get()));
    auto* copyAction = new QAction(w.Window.get());
    copyAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    auto* saveAction = new QAction(w.Window.get());
    saveAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    w.Window->addAction(copyAction);
    w.Window->addAction(saveAction);
    QSignalSpy copyTriggered(copyAction, &QAction::triggered);
    QSignalSpy saveTriggered(saveAction, &QAction::triggered);
    w.Field->setFocus();
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(w.Field, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(copyTriggered.count(), 0);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("+ 1 /6  "));
    QTest::keyClick(w.Field, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(saveTriggered.count(), 1);
}

void MaskedFieldTest::escapeRestoresAndOtherwiseGoesToTheWindow() {
    TestWindow w = ShowWindow(kMonthsMask, "11");
    QVERIFY(QTest::qWaitForWindowActive(w.Window.get()));
    w.Field->setFocus();
    QTest::keyClicks(w.Field, QStringLiteral("7"));
    QCOMPARE(Shown(*w.Field), std::string("7 "));
    QTest::keyClick(w.Field, Qt::Key_Escape);
    QCOMPARE(Shown(*w.Field), std::string("11"));
    QVERIFY(w.Window->Keys.isEmpty());
    QTest::keyClick(w.Field, Qt::Key_Escape);
    QCOMPARE(w.Window->Keys, QList<int>{Qt::Key_Escape});
}

void MaskedFieldTest::enterTabAndAltKeysGoToTheWindow() {
    TestWindow w = ShowWindow(kYearsMask, "5");
    QVERIFY(QTest::qWaitForWindowActive(w.Window.get()));
    w.Field->setFocus();
    QTest::keyClick(w.Field, Qt::Key_Return);
    QTest::keyClick(w.Field, Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClick(w.Field, Qt::Key_C, Qt::AltModifier);
    QTest::keyClick(w.Field, Qt::Key_F5);
    // The Alt key itself goes on to the window too, as the test presses it before the C.
    QCOMPARE(w.Window->Keys,
             (QList<int>{Qt::Key_Return, Qt::Key_Enter, Qt::Key_Alt, Qt::Key_C, Qt::Key_F5}));
    QCOMPARE(Shown(*w.Field), std::string("5  "));
    // Up and Down are the field's, and do nothing.
    QTest::keyClick(w.Field, Qt::Key_Up);
    QTest::keyClick(w.Field, Qt::Key_Down);
    QCOMPARE(w.Window->Keys.size(), 5);
    QCOMPARE(Shown(*w.Field), std::string("5  "));
}

void MaskedFieldTest::readOnlyRefusesChangesQuietlyButCopies() {
    TestWindow w = ShowWindow(kDateMask, "31/12/2008");
    QVERIFY(QTest::qWaitForWindowActive(w.Window.get()));
    w.Field->SetReadOnly(true);
    QVERIFY(w.Field->IsReadOnly());
    w.Field->setFocus();
    QSignalSpy beeped(w.Field, &MaskedField::Beeped);
    QGuiApplication::clipboard()->setText(QStringLiteral("01/01/2000"));
    QTest::keyClicks(w.Field, QStringLiteral("12x"));
    QTest::keyClick(w.Field, Qt::Key_Delete);
    QTest::keyClick(w.Field, Qt::Key_Backspace);
    QTest::keyClick(w.Field, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(w.Field, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(Shown(*w.Field), std::string("31/12/2008"));
    QCOMPARE(beeped.count(), 0);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("01/01/2000"));
    QTest::keyClick(w.Field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(w.Field, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("31/12/2008"));
}

void MaskedFieldTest::inputMethodCommitLandsInAnAnyCharacterPosition() {
    TestWindow w = ShowWindow(kOperationMask);
    QVERIFY(QTest::qWaitForWindowActive(w.Window.get()));
    w.Field->setFocus();
    QInputMethodEvent composing(QStringLiteral("~"), {});
    QApplication::sendEvent(w.Field, &composing);
    QCOMPARE(Shown(*w.Field), std::string("    /   ")); // nothing shown while composing
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("\u00E3"));
    QApplication::sendEvent(w.Field, &commit);
    QCOMPARE(Shown(*w.Field), std::string("\xE3   /   "));
    QCOMPARE(w.Field->Text(), std::string("\xE3   /   "));
    QCOMPARE(w.Field->text(), QStringLiteral("\u00E3   /   "));

    // A digit position refuses it with a beep.
    QSignalSpy beeped(w.Field, &MaskedField::Beeped);
    QInputMethodEvent cedilla;
    cedilla.setCommitString(QStringLiteral("\u00E7"));
    QApplication::sendEvent(w.Field, &cedilla);
    QCOMPARE(beeped.count(), 1);
    QCOMPARE(Shown(*w.Field), std::string("\xE3   /   "));
}

void MaskedFieldTest::charactersOutsideTheCodePageBeep() {
    TestWindow w = ShowWindow(kErrorMask);
    QVERIFY(QTest::qWaitForWindowActive(w.Window.get()));
    w.Field->setFocus();
    QSignalSpy beeped(w.Field, &MaskedField::Beeped);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("\u0101"));
    QApplication::sendEvent(w.Field, &press);
    QCOMPARE(beeped.count(), 1);
    QCOMPARE(Shown(*w.Field), std::string("        "));
    // The euro sign is in the code page.
    QKeyEvent euro(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("\u20AC"));
    QApplication::sendEvent(w.Field, &euro);
    QCOMPARE(Shown(*w.Field), std::string("\x80       "));
}

void MaskedFieldTest::wordMovesEndWithTheOverwriteCaret() {
    TestWindow w = ShowWindow(kErrorMask, "ab cd ef");
    QVERIFY(QTest::qWaitForWindowActive(w.Window.get()));
    w.Field->setFocus();
    QTest::keyClick(w.Field, Qt::Key_Home);
    QTest::keyClick(w.Field, Qt::Key_Right, Qt::ControlModifier);
    const int caret = w.Field->Model().SelStart();
    QVERIFY(caret > 0 && caret < 8);
    QCOMPARE(w.Field->Model().SelLength(), 1);
    QCOMPARE(w.Field->selectionLength(), 1);
    QTest::keyClicks(w.Field, QStringLiteral("X"));
    QCOMPARE(Shown(*w.Field)[static_cast<std::size_t>(caret)], 'X');
}

void MaskedFieldTest::contextMenuOffersWhatTheRulesAllow() {
    TestWindow w = ShowWindow(kOperationMask, "+ 1 /6  ");
    QVERIFY(QTest::qWaitForWindowActive(w.Window.get()));
    w.Field->setFocus(); // all selected
    QGuiApplication::clipboard()->setText(QStringLiteral("-1/3"));

    struct Expected {
        QString caption;
        bool enabledEditable;
        bool enabledReadOnly;
    };
    const QList<Expected> expected = {
        {QStringLiteral("Recor&tar"), true, false},
        {QStringLiteral("&Copiar"), true, true},
        {QStringLiteral("C&olar"), true, false},
        {QStringLiteral("Selecionar &tudo"), false, false}, // all is selected already
    };
    for (const bool readOnly : {false, true}) {
        w.Field->SetReadOnly(readOnly);
        std::unique_ptr<QMenu> menu(w.Field->CreateContextMenu());
        QList<QAction*> actions;
        for (QAction* action : menu->actions()) {
            if (!action->isSeparator()) {
                actions.append(action);
            }
        }
        QCOMPARE(actions.size(), expected.size());
        for (int i = 0; i < actions.size(); ++i) {
            QCOMPARE(actions[i]->text().section(QLatin1Char('\t'), 0, 0), expected[i].caption);
            QCOMPARE(actions[i]->isEnabled(),
                     readOnly ? expected[i].enabledReadOnly : expected[i].enabledEditable);
        }
    }
    w.Field->SetReadOnly(false);
    std::unique_ptr<QMenu> menu(w.Field->CreateContextMenu());
    menu->actions().at(2)->trigger(); // Colar
    QCOMPARE(Shown(*w.Field), std::string("- 1 /3  "));
}

void MaskedFieldTest::lengthLimitAndSeparatorFollowTheMask() {
    TestWindow w = ShowWindow(kDateMask);
    QCOMPARE(w.Field->maxLength(), 10);
    DateSettings().Separator = '.';
    w.Field->SetText("07.12.2026");
    QCOMPARE(Shown(*w.Field), std::string("07.12.2026"));
    DateSettings().Separator = '/';
    w.Field->SetEditMask(kYearsMask);
    QCOMPARE(w.Field->maxLength(), 3);
    QCOMPARE(w.Field->EditMask(), std::string(kYearsMask));
}

void MaskedFieldTest::maskChangeRefitsTheShownText() {
    TestWindow w = ShowWindow(kErrorMask, "Erro!");
    w.Field->SetEditMask(kDateMask);
    QCOMPARE(Shown(*w.Field), std::string("__/_E/rro!"));
    w.Field->SetText("27/02/2009");
    QCOMPARE(w.Field->Text(), std::string("27/02/2009"));
}

} // namespace zarn

QTEST_MAIN(zarn::MaskedFieldTest)
#include "MaskedFieldTest.moc"
