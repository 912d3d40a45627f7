// The execution window, opened from the main window's Ferramentas menu as a user opens it
// and driven through real key events: the conviction the main window seeds against the
// single-term tool's dates, caso.md's example typed from the keyboard, a falta grave, the keys
// of the tables, typing it refuses and keeps, the facts it shares with Consequências, the case
// it gives and takes, F1 and the names a screen reader reads. Today is fixed at 07/12/2026.
// CTest also runs its layout at 120 and 192 dots per inch.

#include "forms/ExecutionWindow.h"

#include "MainWindowHarness.h"
#include "dates/Clock.h"
#include "dates/DateSettings.h"
#include "help/HelpContext.h"
#include "law/ExecutionDates.h"
#include "law/LegalText.h"
#include "support/DateOracle.h"
#include "support/LayoutChecks.h"
#include "support/RecordingHelpEngine.h"
#include "widgets/CaseExecutionTimeline.h"
#include "widgets/CaseFactsPanel.h"
#include "widgets/EditableTable.h"
#include "widgets/ExecutionConvictionsModel.h"
#include "widgets/ExecutionEventsModel.h"
#include "widgets/ExecutionOptionsPanel.h"
#include "widgets/ExecutionPeriodsModel.h"
#include "widgets/ListTableModel.h"
#include "widgets/TermEditor.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QSignalSpy>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>

namespace zarn {

using testing::MainWindowHarness;
using testing::OracleDayNumber;
using Convictions = ExecutionConvictionsModel;

namespace {

const QString kBadDate =
    QStringLiteral("data inv\u00e1lida: digite dia, m\u00eas e ano (dd/mm/aaaa).");

class ExecutionHarness : public MainWindowHarness {
public:
    ExecutionHarness() {
        SetTodayForTesting(CivilDate{2026, 12, 7});
        DateSettings() = DateSettingsRecord{};
    }
    ~ExecutionHarness() { SetTodayForTesting(std::nullopt); }

    // Ferramentas > Execução penal.
    bool Open() {
        Window->FerramentasExecucao->trigger();
        // After a Calcula the main window may take the keyboard back a moment later.
        return W() && QTest::qWaitForWindowActive(W()) &&
               QTest::qWaitFor([this] { return QApplication::activeWindow() == W(); });
    }
    ExecutionWindow* W() const { return Window->Execution(); }

    // Back on the main window, Calcula by Enter in the operation field.
    void MainCalcula(const QString& years, const QString& operation) {
        if (W()) {
            W()->close();
        }
        Window->activateWindow();
        QVERIFY(WaitActive());
        Fill(years, "", "", "", operation);
        Enter();
    }

    // Each character to whatever has the keyboard when it comes, as a user types: the first
    // one into a table cell opens its editor.
    void TypeKeys(const QString& text) {
        for (const QChar c : text) {
            QTest::keyClicks(Focus(), QString(c));
        }
    }
    // Keys into a cell of a table, from the table, and Enter.
    void CellInto(EditableTable* table, int row, int column, const QString& keys) {
        table->View->setFocus();
        table->View->setCurrentIndex(table->Model()->index(row, column));
        TypeKeys(keys);
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
    QStringList TimelineTexts() const {
        QStringList texts;
        for (const CaseExecutionDrawing::Label& label : W()->Timeline->Drawing().Labels) {
            texts << label.Text;
        }
        return texts;
    }
};

QString Written(DayNumber date) {
    return ToQString(WriteDayMonthYear(date));
}

} // namespace

class ExecutionWindowTest : public QObject {
    Q_OBJECT
private slots:
    void MadeOnFirstUseAndHiddenByClosing();
    void TheSeededConvictionGivesTheSingleTermDates_data();
    void TheSeededConvictionGivesTheSingleTermDates();
    void TheCaseDocumentExampleTypedFromTheKeyboard();
    void AFaltaGraveSetsTheDataBase();
    void TableKeysAddEditSwitchAndRemove();
    void RefusedTypingIsKeptWithItsMessage_data();
    void RefusedTypingIsKeptWithItsMessage();
    void FactsOfTheSeededConvictionAreShared();
    void TheCaseGoesInAndComesOut();
    void F1OpensTheExecutionPage_data();
    void F1OpensTheExecutionPage();
    void EveryStopOfTheTabKeyIsNamed();
    void NothingIsCutOrOverlaps();
    void MenuHasFerramentasBetweenEditarAndAjuda();
};

void ExecutionWindowTest::MadeOnFirstUseAndHiddenByClosing() {
    ExecutionHarness h;
    QVERIFY(!h.W());
    QVERIFY(h.Open());
    ExecutionWindow* window = h.W();
    QCOMPARE(window->parentWidget(), h.Window.get());
    QVERIFY(window->isWindow());
    QVERIFY(!window->testAttribute(Qt::WA_QuitOnClose));
    QCOMPARE(window->windowTitle(), QStringLiteral("Execu\u00e7\u00e3o penal"));
    window->close();
    QVERIFY(window->isHidden());
    QVERIFY(h.Open());
    QCOMPARE(h.W(), window);
    QVERIFY(window->isVisible());
}

// The main window's last result is one conviction serving from today; the period's first day
// typed over, every date is the single-term tool's (law/ExecutionDates.h), which the window
// gave before it took several convictions.
void ExecutionWindowTest::TheSeededConvictionGivesTheSingleTermDates_data() {
    QTest::addColumn<QString>("years");
    QTest::addColumn<int>("detracao");
    QTest::addColumn<int>("regime");     // 0: the sum's; 1: fechado
    QTest::addColumn<int>("convention"); // 0: 360/30; 1: calendar days
    QTest::addColumn<QStringList>("dates");
    // zarn-calc execucao 6 "" "" 10/01/2021
    QTest::newRow("six years") << "6" << 0 << 0 << 0
                               << QStringList{"25/12/2021", "10/01/2023", "09/01/2027"};
    QTest::newRow("from fechado, with detracao") << "6" << 30 << 1 << 0 << QStringList{};
    QTest::newRow("in calendar days") << "9" << 0 << 0 << 1 << QStringList{};
}

void ExecutionWindowTest::TheSeededConvictionGivesTheSingleTermDates() {
    QFETCH(QString, years);
    QFETCH(int, detracao);
    QFETCH(int, regime);
    QFETCH(int, convention);
    QFETCH(QStringList, dates);
    ExecutionHarness h;
    h.MainCalcula(years, QStringLiteral("x1/1"));
    QVERIFY(h.Open());
    ExecutionWindow& w = *h.W();
    QCOMPARE(h.Shown(w.ConvictionsTable, 0, Convictions::TermColumn), years + " anos");
    QCOMPARE(h.Shown(w.PeriodsTable, 0, ExecutionPeriodsModel::StartColumn),
             QStringLiteral("07/12/2026"));
    QCOMPARE(h.Focus(), w.ConvictionsTable->View);
    h.CellInto(w.PeriodsTable, 0, ExecutionPeriodsModel::StartColumn, QStringLiteral("10012021"));
    if (detracao > 0) {
        h.TypeInto(w.Facts->Detracao, QString::number(detracao));
    }
    w.Options->RegimeChoice->setCurrentIndex(regime);
    w.Options->ConventionChoice->setCurrentIndex(convention);

    ExecutionRequest single;
    single.TermDays = years.toLongLong() * 360;
    single.Start = OracleDayNumber(2021, 1, 10);
    single.Facts.DetracaoDays = detracao;
    single.InitialRegime =
        regime == 1 ? std::optional<Regime>(Regime::Fechado) : std::optional<Regime>();
    single.Convention =
        convention == 1 ? CountingConvention::CalendarDays : CountingConvention::Base360;
    const ExecutionOutcome expected = ComputeExecutionDates(single);
    QVERIFY(expected.Ok());
    QStringList oracle;
    for (const ProgressionDate& progression : expected.Dates.Progressions) {
        oracle << Written(progression.Due.DueFrom);
    }
    oracle << Written(expected.Dates.Parole->DueFrom) << Written(expected.Dates.LastDay);
    for (const QString& date : dates + oracle) {
        QVERIFY2(h.Answer().contains(date), qPrintable(date + "\n" + h.Answer()));
    }
    QVERIFY(
        h.TimelineTexts().join('|').contains(Written(expected.Dates.LastDay) + " t\u00e9rmino"));
    QVERIFY(h.Watch.Seen().isEmpty());
}

void ExecutionWindowTest::TheCaseDocumentExampleTypedFromTheKeyboard() {
    ExecutionHarness h;
    QVERIFY(h.Open());
    ExecutionWindow& w = *h.W();
    QSignalSpy changed(&w, &ExecutionWindow::InputChanged);
    EditableTable* convictions = w.ConvictionsTable;
    // The seeded conviction is the first; Insert adds the second, the keyboard on it.
    h.CellInto(convictions, 0, Convictions::ProcessoColumn,
               QStringLiteral("0001111-11.2021.8.26.0050"));
    h.CellInto(convictions, 0, Convictions::TermColumn, QStringLiteral("6"));
    h.CellInto(convictions, 0, Convictions::CrimeDateColumn, QStringLiteral("10012021"));
    h.CellInto(convictions, 0, Convictions::TransitoColumn, QStringLiteral("15082022"));
    h.Key(Qt::Key_Insert);
    QCOMPARE(convictions->View->currentIndex().row(), 1);
    h.CellInto(convictions, 1, Convictions::TermColumn, QStringLiteral("5"));
    h.CellInto(convictions, 1, Convictions::CrimeDateColumn, QStringLiteral("05032021"));
    h.CellInto(convictions, 1, Convictions::TransitoColumn, QStringLiteral("20092022"));
    // The facts panel shows the conviction selected: the second is hediondo.
    QCOMPARE(w.FactsHeading->text(), QStringLiteral("Condena\u00e7\u00e3o da linha 2."));
    QCOMPARE(h.Text(w.Facts->DataCrime), QStringLiteral("05/03/2021"));
    w.Facts->Natureza->setFocus();
    h.Key(Qt::Key_Down);
    QCOMPARE(h.Shown(convictions, 1, Convictions::NaturezaColumn),
             QStringLiteral("hediondo ou equiparado"));
    h.CellInto(w.PeriodsTable, 0, ExecutionPeriodsModel::StartColumn, QStringLiteral("10012021"));
    h.TypeInto(w.CalculationField, QStringLiteral("08122026"));

    const QString answer = h.Answer();
    for (const char* expected :
         {"25/12/2023, progress\u00e3o para o regime semiaberto (j\u00e1 alcan\u00e7ada)",
          "19/06/2026, progress\u00e3o para o regime aberto", "10/05/2026, livramento condicional",
          "09/01/2032", "03/10/2025", "22/02/2026", "processo 0001111-11.2021.8.26.0050"}) {
        QVERIFY2(answer.contains(QString::fromUtf8(expected)),
                 qPrintable(QString::fromUtf8(expected) + "\n" + answer));
    }
    const QStringList drawn = h.TimelineTexts();
    for (const QString& label :
         {QStringLiteral("10/01/2021 in\u00edcio"), QStringLiteral("09/01/2032 t\u00e9rmino"),
          QStringLiteral("08/12/2026 data do c\u00e1lculo"), QStringLiteral("07/12/2026 hoje")}) {
        QVERIFY2(drawn.contains(label), qPrintable(label + "\n" + drawn.join('|')));
    }
    QVERIFY(changed.size() >= 9);
    QVERIFY(h.Watch.Seen().isEmpty());

    const ExecutionCase input = w.Input();
    QCOMPARE(input.CalculationDate, OracleDayNumber(2026, 12, 8));
    QCOMPARE(input.Convictions.size(), std::size_t(2));
    QCOMPARE(input.Convictions[0].Processo, std::string("0001111-11.2021.8.26.0050"));
    QCOMPARE(input.Convictions[0].TermDays, 6 * 360LL);
    QCOMPARE(input.Convictions[1].TransitoEmJulgado, OracleDayNumber(2022, 9, 20));
    QCOMPARE(input.Convictions[1].Facts.Nature, Natureza::Hediondo);
    QCOMPARE(input.Periods.size(), std::size_t(1));
    QVERIFY(!input.Periods[0].End);
    // The seeded conviction's facts are the main window's; the second's are its own.
    QCOMPARE(h.Window->SharedFacts(), input.Convictions[0].Facts);

    // Copiar takes the whole answer; Alt+C leaves the keyboard where it was.
    h.Key(Qt::Key_C, Qt::AltModifier);
    QCOMPARE(h.Clipboard(), h.Answer());
    QCOMPARE(h.Focus(), w.CalculationField);
}

// One conviction of 6 years from 10/01/2021 and a falta grave on 01/06/2021: the count starts
// again from the falta (Súmula 534 STJ).
void ExecutionWindowTest::AFaltaGraveSetsTheDataBase() {
    ExecutionHarness h;
    h.MainCalcula(QStringLiteral("6"), QStringLiteral("x1/1"));
    QVERIFY(h.Open());
    ExecutionWindow& w = *h.W();
    h.CellInto(w.PeriodsTable, 0, ExecutionPeriodsModel::StartColumn, QStringLiteral("10012021"));
    QVERIFY(h.Answer().contains(QStringLiteral("25/12/2021")));
    w.EventsTable->View->setFocus();
    h.Key(Qt::Key_Insert);
    QCOMPARE(h.Shown(w.EventsTable, 0, ExecutionEventsModel::KindColumn),
             QStringLiteral("falta grave"));
    QCOMPARE(h.Answer(), QStringLiteral("Eventos, linha 1, Data: informe a data."));
    h.CellInto(w.EventsTable, 0, ExecutionEventsModel::DateColumn, QStringLiteral("01062021"));
    QVERIFY2(h.Answer().contains(QStringLiteral("A partir de 23/04/2022, progress\u00e3o")),
             qPrintable(h.Answer()));
    QVERIFY(!h.Answer().contains(QStringLiteral("25/12/2021")));
    QVERIFY(h.TimelineTexts().contains(QStringLiteral("01/06/2021 data-base, falta grave")));
    QCOMPARE(w.Input().Events.size(), std::size_t(1));
    QCOMPARE(w.Input().Events[0].Kind, EventKind::FaltaGrave);
}

void ExecutionWindowTest::TableKeysAddEditSwitchAndRemove() {
    ExecutionHarness h;
    QVERIFY(h.Open());
    ExecutionWindow& w = *h.W();
    QTableView* events = w.EventsTable->View;
    events->setFocus();
    h.Key(Qt::Key_Insert);
    h.Key(Qt::Key_Insert);
    QCOMPARE(events->model()->rowCount(), 2);
    QCOMPARE(events->currentIndex().row(), 1);
    // Enter opens the kind's choice; three Downs and Enter take remicao by work, whose
    // quantity is days of work.
    h.Enter();
    QVERIFY(qobject_cast<QComboBox*>(h.Focus()));
    for (int i = 0; i < 3; ++i) {
        h.Key(Qt::Key_Down);
    }
    h.EnterAndSettle();
    QCOMPARE(h.Focus(), events);
    QCOMPARE(h.Shown(w.EventsTable, 1, ExecutionEventsModel::KindColumn),
             QStringLiteral("remi\u00e7\u00e3o por trabalho"));
    h.CellInto(w.EventsTable, 1, ExecutionEventsModel::AmountColumn, QStringLiteral("90"));
    QCOMPARE(h.Shown(w.EventsTable, 1, ExecutionEventsModel::AmountColumn),
             QStringLiteral("90 dias de trabalho"));
    // Delete takes the selected row; the other stays, without its date.
    events->selectRow(1);
    h.Key(Qt::Key_Delete);
    QCOMPARE(events->model()->rowCount(), 1);
    QCOMPARE(w.EventsTable->MessageLine->text(),
             QStringLiteral("Eventos, linha 1, Data: informe a data."));
    h.Key(Qt::Key_Delete);
    QVERIFY(w.EventsTable->MessageLine->text().isEmpty());
    QVERIFY(!w.EventsTable->RemoveButton->isEnabled());

    // Enter on a check box switches it.
    QTableView* convictions = w.ConvictionsTable->View;
    convictions->setFocus();
    convictions->setCurrentIndex(
        w.ConvictionsTable->Model()->index(0, Convictions::DuringExecutionColumn));
    h.Enter();
    QVERIFY(w.Input().Convictions[0].DuringExecution);
    // Removing the last conviction leaves the facts with nothing to show.
    h.Key(Qt::Key_Delete);
    QCOMPARE(convictions->model()->rowCount(), 0);
    QVERIFY(!w.Facts->isEnabled());
    QCOMPARE(h.Answer(),
             QStringLiteral("Condena\u00e7\u00f5es: informe ao menos uma condena\u00e7\u00e3o."));
    QVERIFY(h.Watch.Seen().isEmpty());
}

void ExecutionWindowTest::RefusedTypingIsKeptWithItsMessage_data() {
    QTest::addColumn<QString>("where");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");     // what the cell or field shows
    QTest::addColumn<QString>("reopened"); // what its editor starts from, blanks run together
    QTest::addColumn<QString>("message");
    // clang-format off
    QTest::newRow("31 February as a period's first day")
        << "period" << "31022021" << "31/02/2021" << "31/02/2021"
        << QStringLiteral("Per\u00edodos, linha 1, In\u00edcio: ") + kBadDate;
    QTest::newRow("thirteen months of penalty")
        << "term" << "5\t13" << QStringLiteral("5 anos, 13 meses") << "5 13"
        << QStringLiteral("Condena\u00e7\u00f5es, linha 1, Pena: O n\u00famero m\u00e1ximo de meses \u00e9 11.");
    QTest::newRow("half a date of the calculation")
        << "calculation" << "0812" << "08/12/" << ""
        << QStringLiteral("Data do c\u00e1lculo: ") + kBadDate;
    // clang-format on
}

void ExecutionWindowTest::RefusedTypingIsKeptWithItsMessage() {
    QFETCH(QString, where);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QFETCH(QString, reopened);
    QFETCH(QString, message);
    ExecutionHarness h;
    h.MainCalcula(QStringLiteral("6"), QStringLiteral("x1/1"));
    QVERIFY(h.Open());
    ExecutionWindow& w = *h.W();
    QVERIFY(w.Timeline->HasAnswer());
    if (where == QLatin1String("calculation")) {
        h.TypeInto(w.CalculationField, typed);
        QCOMPARE(h.Text(w.CalculationField).trimmed(), kept);
    } else {
        EditableTable* table =
            where == QLatin1String("period") ? w.PeriodsTable : w.ConvictionsTable;
        const int column = where == QLatin1String("period") ? 0 : Convictions::TermColumn;
        h.CellInto(table, 0, column, typed);
        QCOMPARE(h.Shown(table, 0, column), kept);
        QCOMPARE(table->MessageLine->text(), message);
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
    }
    QCOMPARE(h.Answer(), message);
    QVERIFY(!w.Timeline->HasAnswer());
    QVERIFY(h.Watch.Seen().isEmpty());
}

// Issue 21: facts typed in one of the execution and consequences windows are there when the
// other opens; only the conviction the main window seeded shares them.
void ExecutionWindowTest::FactsOfTheSeededConvictionAreShared() {
    ExecutionHarness h;
    QVERIFY(h.Open());
    ExecutionWindow& w = *h.W();
    w.Facts->Violencia->setFocus();
    h.Key(Qt::Key_Space);
    QVERIFY(h.Window->SharedFacts().Violence);
    w.ConvictionsTable->View->setFocus();
    h.Key(Qt::Key_Insert);
    w.Facts->Tentativa->setFocus();
    h.Key(Qt::Key_Space);
    QVERIFY(!h.Window->SharedFacts().Attempt);
    QVERIFY(w.Input().Convictions[1].Facts.Attempt);
    QVERIFY(!w.Input().Convictions[1].Facts.Violence);

    // A change made elsewhere comes into the seeded conviction at the next opening, with the
    // main window's new result.
    w.close();
    h.Window->SharedFacts().Violence = false;
    h.MainCalcula(QStringLiteral("8"), QStringLiteral("x1/1"));
    QSignalSpy changed(&w, &ExecutionWindow::InputChanged);
    QVERIFY(h.Open());
    QVERIFY(!changed.isEmpty());
    QVERIFY(!w.Input().Convictions[0].Facts.Violence);
    QCOMPARE(w.Input().Convictions[0].TermDays, 8 * 360LL);
    QVERIFY(w.Input().Convictions[1].Facts.Attempt);
}

void ExecutionWindowTest::TheCaseGoesInAndComesOut() {
    ExecutionHarness h;
    QVERIFY(h.Open());
    ExecutionWindow& w = *h.W();
    ExecutionCase input;
    Conviction first;
    first.Processo = "0001";
    first.TermDays = 4 * 360;
    first.Facts.CrimeDate = OracleDayNumber(2020, 5, 2);
    Conviction during = first;
    during.DuringExecution = true;
    during.Facts.CrimeDate = OracleDayNumber(2022, 2, 1);
    input.Convictions = {first, during};
    input.Periods = {{OracleDayNumber(2022, 6, 1), std::nullopt, "recaptura"},
                     {OracleDayNumber(2020, 5, 2), OracleDayNumber(2021, 3, 1), "flagrante"}};
    ExecutionEvent escape;
    escape.Kind = EventKind::Fuga;
    escape.Date = OracleDayNumber(2021, 3, 1);
    ExecutionEvent books;
    books.Kind = EventKind::Remicao;
    books.Date = OracleDayNumber(2023, 1, 9);
    books.Books = 3;
    input.Events = {books, escape};
    input.Options.Imputation = Imputacao::Proporcional;
    input.Options.Art75Limit = LimiteArt75::MaisFavoravel;
    input.InitialRegime = Regime::Semiaberto;
    input.Convention = CountingConvention::CalendarDays;
    input.CalculationDate = OracleDayNumber(2026, 1, 1);
    QSignalSpy changed(&w, &ExecutionWindow::InputChanged);
    w.SetInput(input);
    QVERIFY(changed.isEmpty());
    QVERIFY2(h.Answer().contains(QStringLiteral("fuga")), qPrintable(h.Answer()));

    const ExecutionCase back = w.Input();
    QCOMPARE(back.Convictions.size(), std::size_t(2));
    QVERIFY(back.Convictions[1].DuringExecution);
    QCOMPARE(back.Periods[0].Description, std::string("flagrante")); // by date
    QCOMPARE(back.Periods[1].Start, OracleDayNumber(2022, 6, 1));
    QCOMPARE(back.Events[0].Kind, EventKind::Fuga);
    QCOMPARE(back.Events[1].Books, std::optional<long long>(3));
    QCOMPARE(back.Options, input.Options);
    QCOMPARE(back.InitialRegime, input.InitialRegime);
    QCOMPARE(back.Convention, input.Convention);
    QCOMPARE(back.CalculationDate, input.CalculationDate);
    // None of its convictions is the main window's.
    QCOMPARE(w.FactsHeading->text(), QStringLiteral("Condena\u00e7\u00e3o da linha 1."));
    QTest::mouseClick(w.Facts->Violencia, Qt::LeftButton);
    QVERIFY(!h.Window->SharedFacts().Violence);
    QCOMPARE(changed.size(), 1);
    // The timeline leaves the escape's gap open and marks it.
    QVERIFY(h.TimelineTexts().contains(QStringLiteral("01/03/2021 fuga")));
    QCOMPARE(w.Timeline->Drawing().Gaps.size(), 1);
}

void ExecutionWindowTest::F1OpensTheExecutionPage_data() {
    QTest::addColumn<QString>("control");
    for (const char* name : {"CalculationField", "convictions", "cell editor", "Natureza",
                             "DataCrime", "ImputationChoice", "RemicaoAmount", "AnswerText"}) {
        QTest::newRow(name) << QString::fromLatin1(name);
    }
}

void ExecutionWindowTest::F1OpensTheExecutionPage() {
    QFETCH(QString, control);
    ExecutionHarness h;
    RecordedHelp help;
    QVERIFY(h.Open());
    ExecutionWindow& w = *h.W();
    if (control == QLatin1String("convictions")) {
        w.ConvictionsTable->View->setFocus();
    } else if (control == QLatin1String("cell editor")) {
        w.ConvictionsTable->View->setFocus();
        h.Enter();
        QVERIFY(qobject_cast<MaskedField*>(h.Focus()));
    } else {
        auto* target = w.findChild<QWidget*>(control);
        QVERIFY(target);
        for (QWidget* page = target; page; page = page->parentWidget()) {
            if (w.SidePages->indexOf(page) >= 0) {
                w.SidePages->setCurrentWidget(page);
            }
        }
        target->setFocus();
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    QCOMPARE(help.Engine.Requests, QStringList{QStringLiteral("zarn.qhc|1|23")});
}

// Tab goes through every control a user can reach, each with a name a screen reader reads,
// and comes back to where it started.
void ExecutionWindowTest::EveryStopOfTheTabKeyIsNamed() {
    ExecutionHarness h;
    QVERIFY(h.Open());
    ExecutionWindow& w = *h.W();
    w.CalculationField->setFocus();
    QList<QWidget*> stops;
    for (int i = 0; i < 80 && (stops.isEmpty() || h.Focus() != w.CalculationField); ++i) {
        stops << h.Focus();
        const QAccessibleInterface* named = QAccessible::queryAccessibleInterface(h.Focus());
        QVERIFY2(named && !named->text(QAccessible::Name).isEmpty(),
                 qPrintable(h.Focus()->metaObject()->className() + QLatin1Char(' ') +
                            h.Focus()->objectName()));
        h.Key(Qt::Key_Tab);
    }
    QCOMPARE(h.Focus(), w.CalculationField);
    const QList<QWidget*> reached = {
        w.ConvictionsTable->View, w.Facts->Natureza, w.PeriodsTable->View,
        w.EventsTable->View,      w.AnswerText,      w.CopiarButton};
    for (QWidget* expected : reached) {
        QVERIFY2(stops.contains(expected), qPrintable(expected->objectName()));
    }
    QVERIFY(stops.indexOf(w.ConvictionsTable->View) < stops.indexOf(w.Facts->Natureza));
    QVERIFY(stops.indexOf(w.Facts->Natureza) < stops.indexOf(w.PeriodsTable->View));
    // A caption's letter with Alt takes the keyboard to its control.
    h.Key(Qt::Key_E, Qt::AltModifier);
    QCOMPARE(h.Focus(), w.EventsTable->View);
    h.Key(Qt::Key_N, Qt::AltModifier);
    QCOMPARE(h.Focus(), w.ConvictionsTable->View);
}

void ExecutionWindowTest::NothingIsCutOrOverlaps() {
    ExecutionHarness h;
    h.MainCalcula(QStringLiteral("2"), QStringLiteral("x1/1"));
    QVERIFY(h.Open());
    ExecutionWindow& w = *h.W();
    h.TypeInto(w.Facts->Detracao, QStringLiteral("700")); // every date near the start
    // Each page of the facts, the options and the remicao in its turn, as it is shown.
    QStringList faults;
    for (int page = w.SidePages->count() - 1; page >= 0; --page) {
        w.SidePages->setCurrentIndex(page);
        QApplication::processEvents();
        QList<const QWidget*> captioned;
        for (const QWidget* control : w.findChildren<QWidget*>()) {
            const auto* label = qobject_cast<const QLabel*>(control);
            const bool caption =
                (label && !label->wordWrap()) || qobject_cast<const QAbstractButton*>(control);
            if (caption && control->isVisible()) {
                captioned << control;
            }
        }
        faults << testing::CutCaptions(captioned);
    }
    faults << testing::LabelsBesideTheirFields(&w, {{w.CalculationLabel, w.CalculationField}});
    using Row = QList<const QWidget*>;
    faults << testing::RowsInReadingOrder(
        &w, {Row{w.CalculationField, w.TodayHint}, Row{w.ConvictionsTable},
             Row{w.PeriodsTable, w.EventsTable}, Row{w.AnswerText}, Row{w.TimelineArea}});
    faults << testing::RowsInReadingOrder(
        &w, {Row{w.CalculationField}, Row{w.EventsTable, w.SidePages}});
    faults << testing::ControlsOutside(&w, Row{w.Panes, w.TodayHint});
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    // The facts panel is whole in its page, without scrolling sideways.
    QVERIFY(w.Facts->width() >= w.Facts->minimumSizeHint().width());
    const QList<CaseExecutionDrawing::Label>& labels = w.Timeline->Drawing().Labels;
    QVERIFY(labels.size() > 6);
    for (qsizetype i = 0; i < labels.size(); ++i) {
        QVERIFY2(QRectF(w.Timeline->rect()).contains(labels[i].Rect), qPrintable(labels[i].Text));
        for (qsizetype j = 0; j < i; ++j) {
            QVERIFY(!labels[i].Rect.intersects(labels[j].Rect));
        }
    }
}

void ExecutionWindowTest::MenuHasFerramentasBetweenEditarAndAjuda() {
    ExecutionHarness h;
    TForm1& w = *h.Window;
    const QList<QAction*> bar = w.MainMenu1->actions();
    const qsizetype tools = bar.indexOf(w.Ferramentas1->menuAction());
    QCOMPARE(bar.indexOf(w.Editar1->menuAction()) + 1, tools);
    QCOMPARE(bar.indexOf(w.Contedo1->menuAction()) - 1, tools);
    QCOMPARE(w.Ferramentas1->title(), QStringLiteral("&Ferramentas"));
    QVERIFY(w.Ferramentas1->actions().contains(w.FerramentasExecucao));
    QCOMPARE(w.FerramentasExecucao->text(), QStringLiteral("&Execu\u00e7\u00e3o penal"));
    QCOMPARE(HelpContextOf(w.FerramentasExecucao), 23);
}

} // namespace zarn

QTEST_MAIN(zarn::ExecutionWindowTest)
#include "ExecutionWindowTest.moc"
