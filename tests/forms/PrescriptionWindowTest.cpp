// The prescription window, opened from the main window's Ferramentas menu as a user opens it
// and driven through real key events: the jury case typed from the keyboard, the keys of
// its tables, typing it refuses and keeps, F1, the case it gives and takes. Today is fixed at
// 01/03/2027. CTest also runs its layout at 120 and 192 dots per inch.

#include "forms/PrescriptionWindow.h"

#include "MainWindowHarness.h"
#include "dates/Clock.h"
#include "help/HelpContext.h"
#include "support/DateOracle.h"
#include "support/LayoutChecks.h"
#include "support/RecordingHelpEngine.h"
#include "widgets/EditableTable.h"
#include "widgets/ListTableModel.h"
#include "widgets/PrescriptionTimeline.h"
#include "widgets/TermEditor.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QSignalSpy>
#include <QSplitter>
#include <QTableView>

namespace zarn {

using testing::MainWindowHarness;
using testing::OracleDayNumber;

namespace {

const QString kBadDate =
    QStringLiteral("data inv\u00e1lida: digite dia, m\u00eas e ano (dd/mm/aaaa).");

class PrescriptionHarness : public MainWindowHarness {
public:
    PrescriptionHarness() { SetTodayForTesting(CivilDate{2027, 3, 1}); }
    ~PrescriptionHarness() { SetTodayForTesting(std::nullopt); }

    // Ferramentas > Prescrição.
    bool Open() {
        Window->findChild<QAction*>(QStringLiteral("FerramentasPrescricao"))->trigger();
        return W() && QTest::qWaitForWindowActive(W());
    }
    PrescriptionWindow* W() const { return Window->findChild<PrescriptionWindow*>(); }

    // Each character to whatever has the keyboard when it comes, as a user types: the first
    // one into a table cell opens its editor.
    void TypeKeys(const QString& text) {
        for (const QChar c : text) {
            if (c.unicode() < 0x80) {
                QTest::keyClicks(Focus(), QString(c));
            } else { // a letter the test's ASCII key table lacks
                QTest::sendKeyEvent(QTest::Click, Focus(), Qt::Key_unknown, QString(c),
                                    Qt::NoModifier);
            }
        }
    }
    // Adds a row to the table by its Insert key.
    void InsertInto(EditableTable* table) {
        table->View->setFocus();
        Key(Qt::Key_Insert);
    }
    // A date into a cell of the current row, from the table.
    void DateInto(EditableTable* table, int column, const QString& digits) {
        table->View->setFocus();
        table->View->setCurrentIndex(table->View->currentIndex().siblingAtColumn(column));
        TypeKeys(digits);
        EnterAndSettle();
    }
    // Enter, and what the table does after it: a cell's editor hands its value over only
    // once the key is done with.
    void EnterAndSettle() {
        Enter();
        QApplication::processEvents();
    }
    QString Answer() const { return W()->AnswerText->toPlainText(); }
    static QString Shown(const EditableTable* table, int row, int column) {
        return table->Model()->index(row, column).data().toString();
    }
};

} // namespace

class PrescriptionWindowTest : public QObject {
    Q_OBJECT
private slots:
    void TheJuryCaseTypedFromTheKeyboard();
    void TableKeysAddEditSwitchAndRemove();
    void RefusedTypingIsKeptWithItsMessage_data();
    void RefusedTypingIsKeptWithItsMessage();
    void TheCaseGoesInAndComesOut();
    void F1OpensThePrescriptionPage_data();
    void F1OpensThePrescriptionPage();
    void TabFollowsTheLayout();
    void NothingIsCutOrOverlaps();
    void MenuItemFollowsExecucao();
};

void PrescriptionWindowTest::TheJuryCaseTypedFromTheKeyboard() {
    PrescriptionHarness h;
    QVERIFY(h.Open());
    PrescriptionWindow& w = *h.W();
    QSignalSpy changed(&w, &PrescriptionWindow::InputChanged);
    QCOMPARE(h.Focus(), w.BirthField);
    h.TypeKeys(QStringLiteral("10101990"));
    h.Key(Qt::Key_Tab);
    h.TypeKeys(QStringLiteral("08122026"));
    h.Key(Qt::Key_Tab);
    QCOMPARE(h.Focus(), w.AcordaoOption);
    h.Key(Qt::Key_Tab);
    QCOMPARE(h.Focus(), w.CrimesTable->View);
    h.Key(Qt::Key_Insert);
    // The description, then Tab from cell to cell: the date of the fact, the start of the
    // period left empty, the maximum in years.
    h.TypeKeys(QStringLiteral("homic\u00eddio"));
    h.Key(Qt::Key_Tab);
    h.TypeKeys(QStringLiteral("01112010"));
    h.Key(Qt::Key_Tab);
    h.Key(Qt::Key_Tab);
    h.TypeKeys(QStringLiteral("30"));
    h.EnterAndSettle();
    QCOMPARE(h.Focus(), w.CrimesTable->View);
    QCOMPARE(h.Shown(w.CrimesTable, 0, 3), QStringLiteral("30 anos"));
    // Each marco takes the kind after the one before it.
    for (const char* date : {"05052014", "12102014", "12122014"}) {
        h.InsertInto(w.MarcosTable);
        h.DateInto(w.MarcosTable, 1, QString::fromLatin1(date));
    }
    QVERIFY2(h.Answer().contains(QStringLiteral("prescrita em 11/12/2024")),
             qPrintable(h.Answer()));
    QVERIFY(h.Answer().startsWith(
        QStringLiteral("Prescri\u00e7\u00e3o na data do c\u00e1lculo, 08/12/2026.")));
    QVERIFY(w.Timeline->HasAnswer());
    QVERIFY(changed.size() >= 8);
    QVERIFY(h.Watch.Seen().isEmpty());

    const PrescriptionInput input = w.Input();
    QCOMPARE(input.Birth, OracleDayNumber(1990, 10, 10));
    QCOMPARE(input.CalculationDate, OracleDayNumber(2026, 12, 8));
    QCOMPARE(input.Crimes.size(), std::size_t(1));
    QCOMPARE(input.Crimes[0].Description, std::string("homic\xED"
                                                      "dio"));
    QCOMPARE(input.Crimes[0].DateOfFact, OracleDayNumber(2010, 11, 1));
    QVERIFY(!input.Crimes[0].PeriodStart);
    QCOMPARE(input.Crimes[0].MaximumDays, 30 * 360LL);
    QCOMPARE(input.Marcos.size(), std::size_t(3));
    QCOMPARE(input.Marcos[2].Kind, MarcoKind::ConfirmacaoPronuncia);
    QCOMPARE(input.Marcos[2].Date, OracleDayNumber(2014, 12, 12));
    QVERIFY(input.ConfirmingAcordaoInterrupts);

    // Copiar takes the whole answer; Alt+C leaves the keyboard where it was.
    h.Key(Qt::Key_C, Qt::AltModifier);
    QCOMPARE(h.Clipboard(), h.Answer());
    QCOMPARE(h.Focus(), w.MarcosTable->View);
}

void PrescriptionWindowTest::TableKeysAddEditSwitchAndRemove() {
    PrescriptionHarness h;
    QVERIFY(h.Open());
    PrescriptionWindow& w = *h.W();
    QTableView* suspensions = w.SuspensionsTable->View;
    h.InsertInto(w.SuspensionsTable);
    h.InsertInto(w.SuspensionsTable);
    QCOMPARE(suspensions->model()->rowCount(), 2);
    QCOMPARE(suspensions->currentIndex().row(), 1);
    // Enter opens the kind's choice; Down and Enter take the next kind.
    h.Enter();
    QVERIFY(qobject_cast<QComboBox*>(h.Focus()));
    h.Key(Qt::Key_Down);
    h.EnterAndSettle();
    QCOMPARE(h.Focus(), suspensions);
    QCOMPARE(h.Shown(w.SuspensionsTable, 1, 0),
             QStringLiteral("recursos inadmiss\u00edveis pendentes ou acordo de n\u00e3o "
                            "persecu\u00e7\u00e3o penal"));
    // Esc leaves a date as it was.
    h.DateInto(w.SuspensionsTable, 1, QStringLiteral("10032016"));
    h.Enter();
    h.TypeKeys(QStringLiteral("11"));
    h.Key(Qt::Key_Escape);
    QCOMPARE(h.Shown(w.SuspensionsTable, 1, 1), QStringLiteral("10/03/2016"));
    // Delete takes the row with the keyboard; the other stays, without its first day.
    h.Key(Qt::Key_Delete);
    QCOMPARE(suspensions->model()->rowCount(), 1);
    QCOMPARE(w.SuspensionsTable->MessageLine->text(),
             QStringLiteral("Suspens\u00f5es, linha 1, In\u00edcio: informe o in\u00edcio."));
    QCOMPARE(h.Answer(), w.SuspensionsTable->MessageLine->text());
    h.Key(Qt::Key_Delete);
    QVERIFY(w.SuspensionsTable->MessageLine->text().isEmpty());
    QVERIFY(!w.SuspensionsTable->RemoveButton->isEnabled());

    // Enter on a check box switches it.
    h.InsertInto(w.CrimesTable);
    w.CrimesTable->View->setCurrentIndex(w.CrimesTable->Model()->index(0, 5));
    h.Enter();
    QCOMPARE(w.Input().Crimes[0].RepeatOffender, true);
    QVERIFY(h.Watch.Seen().isEmpty());
}

void PrescriptionWindowTest::RefusedTypingIsKeptWithItsMessage_data() {
    QTest::addColumn<QString>("where");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");     // what the cell or field shows
    QTest::addColumn<QString>("reopened"); // what its editor starts from, blanks run together
    QTest::addColumn<QString>("message");
    const QString marco = QStringLiteral("Marcos, linha 1, Data: ") + kBadDate;
    // clang-format off
    QTest::newRow("31 February in a marco")
        << "marco" << "31022014" << "31/02/2014" << "31/02/2014" << marco;
    QTest::newRow("a date half typed in a marco")
        << "marco" << "0505" << "05/05/" << "05/05/" << marco;
    QTest::newRow("thirteen months of penalty")
        << "term" << "5\t13" << QStringLiteral("5 anos, 13 meses") << "5 13"
        << QStringLiteral("Crimes, linha 1, Pena m\u00e1xima: O n\u00famero m\u00e1ximo de meses \u00e9 11.");
    QTest::newRow("31 February as the birth")
        << "birth" << "31021990" << "31/02/1990" << "" << QStringLiteral("Nascimento: ") + kBadDate;
    // clang-format on
}

void PrescriptionWindowTest::RefusedTypingIsKeptWithItsMessage() {
    QFETCH(QString, where);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QFETCH(QString, reopened);
    QFETCH(QString, message);
    PrescriptionHarness h;
    QVERIFY(h.Open());
    PrescriptionWindow& w = *h.W();
    if (where == QLatin1String("birth")) {
        h.TypeKeys(typed);
        QCOMPARE(h.Text(w.BirthField), kept);
        QCOMPARE(h.Answer(), message);
        QVERIFY(!w.Timeline->HasAnswer());
        return;
    }
    EditableTable* table = where == QLatin1String("marco") ? w.MarcosTable : w.CrimesTable;
    const int column = where == QLatin1String("marco") ? 1 : 3;
    h.InsertInto(table);
    h.DateInto(table, column, typed);
    QCOMPARE(h.Shown(table, 0, column).trimmed(), kept);
    QCOMPARE(table->MessageLine->text(), message);
    QCOMPARE(h.Answer(), message);
    QVERIFY(!w.Timeline->HasAnswer());
    // Editing the cell again starts from what was typed.
    QCOMPARE(h.Focus(), table->View);
    h.Enter();
    QString shown;
    if (const auto* term = qobject_cast<TermEditor*>(h.Focus()->parentWidget())) {
        shown = term->Texts().join(QLatin1Char(' '));
    } else if (const auto* date = qobject_cast<MaskedField*>(h.Focus())) {
        shown = h.Text(date);
    }
    QCOMPARE(shown.simplified(), reopened);
    QVERIFY(h.Watch.Seen().isEmpty());
    // The window now goes with the editor open, which commits its typing as it closes: to no
    // window by then (the sanitizers' run would catch a call into one half destroyed).
}

void PrescriptionWindowTest::TheCaseGoesInAndComesOut() {
    PrescriptionHarness h;
    QVERIFY(h.Open());
    PrescriptionWindow& w = *h.W();
    PrescriptionInput input;
    input.CalculationDate = OracleDayNumber(2026, 12, 8);
    PrescriptionCrime crime;
    crime.Description = "art. 155, CP";
    crime.DateOfFact = OracleDayNumber(2019, 4, 2);
    crime.MaximumDays = 4 * 360;
    crime.AppliedDays = 360 + 60;
    input.Crimes = {crime};
    input.Marcos = {{MarcoKind::Sentenca, OracleDayNumber(2021, 6, 1)},
                    {MarcoKind::RecebimentoDenuncia, OracleDayNumber(2019, 9, 9)}};
    input.Suspensions = {{SuspensionKind::SursisProcessual, OracleDayNumber(2020, 1, 6),
                          OracleDayNumber(2020, 7, 6)}};
    input.ConfirmingAcordaoInterrupts = false;
    QSignalSpy changed(&w, &PrescriptionWindow::InputChanged);
    w.SetInput(input);
    QVERIFY(changed.isEmpty());
    QVERIFY(h.Answer().contains(QStringLiteral("n\u00e3o interrompe")));

    const PrescriptionInput back = w.Input();
    QVERIFY(!back.Birth);
    QCOMPARE(back.CalculationDate, input.CalculationDate);
    QCOMPARE(back.Crimes[0].AppliedDays, crime.AppliedDays);
    QCOMPARE(back.Marcos[0].Kind, MarcoKind::RecebimentoDenuncia); // by date
    QCOMPARE(back.Suspensions[0].End, input.Suspensions[0].End);
    QVERIFY(!back.ConfirmingAcordaoInterrupts);

    // The date of the calculation emptied is today; the change is the user's.
    w.CalculationField->setFocus();
    w.CalculationField->SelectAll();
    h.Key(Qt::Key_Delete);
    QCOMPARE(w.Input().CalculationDate, OracleDayNumber(2027, 3, 1));
    QCOMPARE(changed.size(), 1);
    QVERIFY(h.Answer().startsWith(
        QStringLiteral("Prescri\u00e7\u00e3o na data do c\u00e1lculo, 01/03/2027.")));
}

void PrescriptionWindowTest::F1OpensThePrescriptionPage_data() {
    QTest::addColumn<QString>("control");
    for (const char* name :
         {"BirthField", "AcordaoOption", "crimes", "cell editor", "AnswerText"}) {
        QTest::newRow(name) << QString::fromLatin1(name);
    }
}

void PrescriptionWindowTest::F1OpensThePrescriptionPage() {
    QFETCH(QString, control);
    PrescriptionHarness h;
    RecordedHelp help;
    QVERIFY(h.Open());
    PrescriptionWindow& w = *h.W();
    if (control == QLatin1String("crimes")) {
        w.CrimesTable->View->setFocus();
    } else if (control == QLatin1String("cell editor")) {
        h.InsertInto(w.MarcosTable);
        h.DateInto(w.MarcosTable, 1, QStringLiteral("05052014"));
        h.Enter();
        QVERIFY(qobject_cast<MaskedField*>(h.Focus()));
    } else {
        w.findChild<QWidget*>(control)->setFocus();
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    QCOMPARE(help.Engine.Requests, QStringList{QStringLiteral("zarn.qhc|1|24")});
}

void PrescriptionWindowTest::TabFollowsTheLayout() {
    PrescriptionHarness h;
    QVERIFY(h.Open());
    PrescriptionWindow& w = *h.W();
    h.InsertInto(w.CrimesTable); // its Remover is enabled; the others' are not
    w.BirthField->setFocus();
    const QList<QWidget*> expected = {w.CalculationField,
                                      w.AcordaoOption,
                                      w.CrimesTable->View,
                                      w.CrimesTable->AddButton,
                                      w.CrimesTable->RemoveButton,
                                      w.MarcosTable->View,
                                      w.MarcosTable->AddButton,
                                      w.SuspensionsTable->View,
                                      w.SuspensionsTable->AddButton,
                                      w.AnswerText,
                                      w.CopiarButton,
                                      w.BirthField};
    for (QWidget* next : expected) {
        h.Key(Qt::Key_Tab);
        QCOMPARE(h.Focus(), next);
        const QAccessibleInterface* named = QAccessible::queryAccessibleInterface(next);
        QVERIFY2(named && !named->text(QAccessible::Name).isEmpty(),
                 qPrintable(next->objectName()));
    }
    // A caption's letter with Alt takes the keyboard to its control.
    h.Key(Qt::Key_M, Qt::AltModifier);
    QCOMPARE(h.Focus(), w.MarcosTable->View);
    h.Key(Qt::Key_P, Qt::AltModifier);
    QCOMPARE(h.Focus(), w.AnswerText);
}

void PrescriptionWindowTest::NothingIsCutOrOverlaps() {
    PrescriptionHarness h;
    QVERIFY(h.Open());
    PrescriptionWindow& w = *h.W();
    w.SetInput(w.Input());
    QList<const QWidget*> captioned;
    for (const QWidget* control : w.findChildren<QWidget*>()) {
        if (qobject_cast<const QLabel*>(control) || qobject_cast<const QAbstractButton*>(control)) {
            captioned << control;
        }
    }
    QStringList faults = testing::CutCaptions(captioned);
    faults << testing::LabelsBesideTheirFields(
        &w, {{w.BirthLabel, w.BirthField}, {w.CalculationLabel, w.CalculationField}});
    using Row = QList<const QWidget*>;
    faults << testing::RowsInReadingOrder(&w, {Row{w.BirthField, w.CalculationField, w.TodayHint},
                                               Row{w.AcordaoOption}, Row{w.CrimesTable},
                                               Row{w.MarcosTable, w.SuspensionsTable},
                                               Row{w.AnswerText}, Row{w.TimelineArea}});
    faults << testing::ControlsOutside(&w, Row{w.Panes, w.AcordaoOption, w.TodayHint});
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    const QString date = QStringLiteral("31/12/2008");
    QVERIFY(w.BirthField->fontMetrics().horizontalAdvance(date) < w.BirthField->width());
}

void PrescriptionWindowTest::MenuItemFollowsExecucao() {
    PrescriptionHarness h;
    const QList<QAction*> items = h.Window->Ferramentas1->actions();
    const qsizetype execution = items.indexOf(h.Window->FerramentasExecucao);
    QVERIFY(execution >= 0 && execution + 1 < items.size());
    QAction* item = items[execution + 1];
    QCOMPARE(item->objectName(), QStringLiteral("FerramentasPrescricao"));
    QCOMPARE(item->text(), QStringLiteral("&Prescri\u00e7\u00e3o"));
    QCOMPARE(HelpContextOf(item), 24);
    QVERIFY(h.Open());
    QCOMPARE(h.W()->windowTitle(), QStringLiteral("Prescri\u00e7\u00e3o"));
    h.W()->close();
    QVERIFY(h.W()->isHidden());
    PrescriptionWindow* first = h.W();
    QVERIFY(h.Open());
    QCOMPARE(h.W(), first);
}

} // namespace zarn

QTEST_MAIN(zarn::PrescriptionWindowTest)
#include "PrescriptionWindowTest.moc"
