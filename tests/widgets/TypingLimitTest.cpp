#include "widgets/TypingLimit.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>

namespace zarn {

class TypingLimitTest : public QObject {
    Q_OBJECT
private slots:
    void UserChangesStayWithinTheLimit_data();
    void UserChangesStayWithinTheLimit();
    void ProgramWritesStayWhole_data();
    void ProgramWritesStayWhole();
};

void TypingLimitTest::UserChangesStayWithinTheLimit_data() {
    QTest::addColumn<int>("limit");
    QTest::addColumn<QString>("written"); // by the program, before the user's change
    QTest::addColumn<int>("selStart");
    QTest::addColumn<int>("selLength");
    QTest::addColumn<QString>("action"); // type, paste or backspace
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");

    // clang-format off
    QTest::newRow("typing stops at the limit")     << 3 << "" << 0 << 0 << "type" << "1234" << "123";
    QTest::newRow("two-character limit")           << 2 << "" << 0 << 0 << "type" << "123" << "12";
    QTest::newRow("fourth character refused")      << 3 << "123" << 3 << 0 << "type" << "4" << "123";
    QTest::newRow("typing over the selection")     << 3 << "123" << 0 << 3 << "type" << "98" << "98";
    QTest::newRow("typing in the middle")          << 3 << "12" << 1 << 0 << "type" << "ab" << "1a2";
    QTest::newRow("any character counts")          << 2 << "" << 0 << 0 << "type" << "a b" << "a ";
    QTest::newRow("paste cut to the room left")    << 3 << "12" << 2 << 0 << "paste" << "345" << "123";
    QTest::newRow("paste at the caret")            << 3 << "12" << 1 << 0 << "paste" << "ab" << "1a2";
    QTest::newRow("paste over a selection")        << 3 << "123" << 0 << 1 << "paste" << "ab" << "a23";
    QTest::newRow("paste into an empty field")     << 2 << "" << 0 << 0 << "paste" << "12345" << "12";
    QTest::newRow("paste into a full field")       << 2 << "10" << 2 << 0 << "paste" << "5" << "10";
    QTest::newRow("long text: typing refused")     << 3 << "1998" << 4 << 0 << "type" << "7" << "1998";
    QTest::newRow("long text: over a selection")   << 3 << "1998" << 0 << 1 << "type" << "7" << "1998";
    QTest::newRow("long text: over all of it")     << 3 << "1998" << 0 << 4 << "type" << "75" << "75";
    QTest::newRow("long text: paste over all")    << 3 << "1998" << 0 << 4 << "paste" << "12345" << "123";
    QTest::newRow("long text: deleting allowed")   << 3 << "1998" << 4 << 0 << "backspace" << "" << "199";
    QTest::newRow("blank-led result, full")        << 2 << " 5" << 2 << 0 << "type" << "1" << " 5";
    QTest::newRow("blank-led result, replaced")    << 2 << " 5" << 0 << 2 << "type" << "12" << "12";
    // clang-format on
}

void TypingLimitTest::UserChangesStayWithinTheLimit() {
    QFETCH(int, limit);
    QFETCH(QString, written);
    QFETCH(int, selStart);
    QFETCH(int, selLength);
    QFETCH(QString, action);
    QFETCH(QString, input);
    QFETCH(QString, expected);

    QLineEdit field;
    TypingLimit::Apply(&field, limit);
    field.show();
    field.setFocus();
    TypingLimit::SetText(&field, written);
    if (selLength > 0) {
        field.setSelection(selStart, selLength);
    } else {
        field.setCursorPosition(selStart);
    }
    if (action == "type") {
        QTest::keyClicks(&field, input);
    } else if (action == "paste") {
        QApplication::clipboard()->setText(input);
        QTest::keyClick(&field, Qt::Key_V, Qt::ControlModifier);
    } else {
        QTest::keyClick(&field, Qt::Key_Backspace);
    }
    QCOMPARE(field.text(), expected);
    // The edits that follow go on under the same limit.
    QTest::keyClick(&field, Qt::Key_End);
    QTest::keyClicks(&field, QStringLiteral("9999"));
    QCOMPARE(field.text().size(), std::max<qsizetype>(limit, expected.size()));
}

void TypingLimitTest::ProgramWritesStayWhole_data() {
    QTest::addColumn<int>("limit");
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << 3 << "";
    QTest::newRow("within") << 3 << " 5";
    QTest::newRow("four digits") << 3 << "1998";
    QTest::newRow("negative") << 2 << "-11";
    QTest::newRow("long") << 2 << "abcdefghij";
}

void TypingLimitTest::ProgramWritesStayWhole() {
    QFETCH(int, limit);
    QFETCH(QString, text);
    QLineEdit field;
    TypingLimit* typingLimit = TypingLimit::Apply(&field, limit);
    QCOMPARE(TypingLimit::Of(&field), typingLimit);
    QCOMPARE(typingLimit->Limit(), limit);
    TypingLimit::SetText(&field, QStringLiteral("x"));
    TypingLimit::SetText(&field, text);
    QCOMPARE(field.text(), text);
}

} // namespace zarn

QTEST_MAIN(zarn::TypingLimitTest)
#include "TypingLimitTest.moc"
