// The tables of the execution window through their models' public interface, each under Qt's
// model tester while rows are added, edited, moved and removed: what a cell takes, what it
// refuses and keeps as typed, the periods and events kept in date order, each kind of event
// with the quantity it keeps under its own key, and the execution's messages with their places
// named as the tables name them. Dates come from the std::chrono oracle.

#include "execution/CaseExecution.h"
#include "support/DateOracle.h"
#include "support/ModelChecks.h"
#include "widgets/CellValues.h"
#include "widgets/ExecutionConvictionsModel.h"
#include "widgets/ExecutionEventsModel.h"
#include "widgets/ExecutionPeriodsModel.h"
#include "widgets/QtText.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

namespace zarn {

using testing::OracleDayNumber;

namespace {

using testing::Cell;
using testing::Tested;

using Convictions = ExecutionConvictionsModel;
using Periods = ExecutionPeriodsModel;
using Events = ExecutionEventsModel;

} // namespace

class ExecutionModelsTest : public QObject {
    Q_OBJECT
private slots:
    void ConvictionCellsTakeOrRefuseWhatIsTyped_data();
    void ConvictionCellsTakeOrRefuseWhatIsTyped();
    void FactsSetFromThePanelKeepARefusedDate();
    void TheLinkedConvictionFollowsItsRow();
    void PeriodsAndEventsStayInDateOrder();
    void EachKindKeepsItsQuantityUnderItsKey_data();
    void EachKindKeepsItsQuantityUnderItsKey();
    void CellsAKindDoesNotUseAreClosed();
    void MissingDatesAndQuantitiesAreAskedFor();
    void ExecutionMessagesNameTheTablePlaces_data();
    void ExecutionMessagesNameTheTablePlaces();
};

void ExecutionModelsTest::ConvictionCellsTakeOrRefuseWhatIsTyped_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<QVariant>("typed");
    QTest::addColumn<QString>("shown");   // what the cell shows afterwards
    QTest::addColumn<QString>("refusal"); // empty: taken
    const QString badDate = ToQString(kUnreadableCellDateMessage);
    // clang-format off
    QTest::newRow("term") << int(Convictions::TermColumn)
        << QVariant(QStringList{"6", "", ""}) << "6 anos" << "";
    QTest::newRow("term of thirteen months") << int(Convictions::TermColumn)
        << QVariant(QStringList{"5", "13", ""}) << QStringLiteral("5 anos, 13 meses")
        << QStringLiteral("O n\u00famero m\u00e1ximo de meses \u00e9 11.");
    QTest::newRow("date of the crime") << int(Convictions::CrimeDateColumn)
        << QVariant("05/03/2021") << "05/03/2021" << "";
    QTest::newRow("transito on 31 April") << int(Convictions::TransitoColumn)
        << QVariant("31/04/2022") << "31/04/2022" << badDate;
    QTest::newRow("process number") << int(Convictions::ProcessoColumn)
        << QVariant("0001111-11.2021.8.26.0050") << "0001111-11.2021.8.26.0050" << "";
    QTest::newRow("crime out of the code page") << int(Convictions::CrimeColumn)
        << QVariant(QStringLiteral("art. 155 \u2192 157")) << QStringLiteral("art. 155 \u2192 157")
        << QStringLiteral("Caractere que o programa n\u00e3o guarda: \u2192.");
    // clang-format on
}

void ExecutionModelsTest::ConvictionCellsTakeOrRefuseWhatIsTyped() {
    QFETCH(int, column);
    QFETCH(QVariant, typed);
    QFETCH(QString, shown);
    QFETCH(QString, refusal);
    Tested<Convictions> t;
    QVERIFY(t.M.insertRows(0, 1));
    QSignalSpy refused(&t.M, &ListTableModel::Refused);
    const bool taken = t.M.setData(t.M.index(0, column), typed);
    QCOMPARE(taken, refusal.isEmpty());
    QCOMPARE(Cell(t.M, 0, column), shown);
    QCOMPARE(refused.size(), refusal.isEmpty() ? 0 : 1);
    const Conviction kept = t.M.Convictions().front();
    if (refusal.isEmpty()) {
        QVERIFY(t.M.FirstProblem().isEmpty());
        return;
    }
    QCOMPARE(t.M.FirstProblem(), t.M.PlaceOf(0, column) + QStringLiteral(": ") + refusal);
    QCOMPARE(t.M.index(0, column).data(Qt::EditRole), typed); // edited again from it
    // The conviction keeps its last good values.
    QCOMPARE(kept.TermDays, 0LL);
    QVERIFY(!kept.TransitoEmJulgado);
    QVERIFY(kept.Crime.empty());
}

// The facts panel writes a row's facts; a date of the crime refused in the table stays as
// typed until the panel brings another date.
void ExecutionModelsTest::FactsSetFromThePanelKeepARefusedDate() {
    Tested<Convictions> t;
    t.M.insertRows(0, 1);
    const QModelIndex date = t.M.index(0, Convictions::CrimeDateColumn);
    QVERIFY(!t.M.setData(date, QStringLiteral("31/02/2021")));
    QSignalSpy edited(&t.M, &ListTableModel::Edited);
    CaseFacts facts = t.M.FactsAt(0);
    facts.Nature = Natureza::Hediondo;
    t.M.SetFactsAt(0, facts);
    QCOMPARE(edited.size(), 1);
    QCOMPARE(Cell(t.M, 0, Convictions::NaturezaColumn), QStringLiteral("hediondo ou equiparado"));
    QCOMPARE(Cell(t.M, 0, Convictions::CrimeDateColumn), QStringLiteral("31/02/2021"));
    t.M.SetFactsAt(0, facts); // the same facts: no edit
    QCOMPARE(edited.size(), 1);
    facts.CrimeDate = OracleDayNumber(2021, 3, 5);
    t.M.SetFactsAt(0, facts);
    QCOMPARE(Cell(t.M, 0, Convictions::CrimeDateColumn), QStringLiteral("05/03/2021"));
    QVERIFY(t.M.FirstProblem().isEmpty());
    QCOMPARE(t.M.Convictions().front().Facts, facts);
}

void ExecutionModelsTest::TheLinkedConvictionFollowsItsRow() {
    Tested<Convictions> t;
    t.M.insertRows(0, 3);
    t.M.SetLinkedRow(1);
    t.M.removeRows(0, 1);
    QCOMPARE(t.M.LinkedRow(), 0);
    t.M.insertRows(0, 2);
    QCOMPARE(t.M.LinkedRow(), 2);
    t.M.removeRows(2, 1);
    QCOMPARE(t.M.LinkedRow(), -1);
    t.M.SetLinkedRow(0);
    t.M.SetConvictions(t.M.Convictions());
    QCOMPARE(t.M.LinkedRow(), -1);
}

// A row whose date is set goes to its place among the others, after those of its day; a new
// row waits at the end; the list the execution gets leaves the rows without a date out.
void ExecutionModelsTest::PeriodsAndEventsStayInDateOrder() {
    Tested<Periods> periods;
    periods.M.insertRows(0, 3);
    const QStringList starts = {"01/06/2022", "02/05/2020", "01/06/2022"};
    for (int i = 0; i < 2; ++i) {
        QVERIFY(periods.M.setData(periods.M.index(i, Periods::StartColumn), starts[i]));
    }
    QVERIFY(periods.M.setData(periods.M.index(1, Periods::DescriptionColumn), "recaptura"));
    QCOMPARE(Cell(periods.M, 0, Periods::StartColumn), QStringLiteral("02/05/2020"));
    QCOMPARE(Cell(periods.M, 2, Periods::StartColumn), QString());
    QCOMPARE(periods.M.Periods().size(), std::size_t(2));
    QVERIFY(periods.M.setData(periods.M.index(2, Periods::StartColumn), starts[2]));
    QCOMPARE(periods.M.Periods()[1].Description, std::string("recaptura"));
    QVERIFY(periods.M.Periods()[2].Description.empty());

    Tested<Events> events;
    std::vector<ExecutionEvent> given(3);
    for (std::size_t i = 0; i < given.size(); ++i) {
        given[i].Kind = EventKind::Fuga;
        given[i].Description = std::to_string(i);
    }
    given[0].Date = OracleDayNumber(2023, 1, 1);
    given[1].Date = OracleDayNumber(2021, 1, 1);
    given[2].Date = OracleDayNumber(2023, 1, 1);
    events.M.SetEvents(given);
    std::string order;
    for (const ExecutionEvent& event : events.M.Events()) {
        order += event.Description;
    }
    QCOMPARE(order, std::string("102"));
    QVERIFY(events.M.setData(events.M.index(0, Events::DateColumn), "01/01/2024"));
    QCOMPARE(events.M.Events().back().Description, std::string("1"));
}

void ExecutionModelsTest::EachKindKeepsItsQuantityUnderItsKey_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("key"); // 0 dias, 1 trabalho, 2 estudo, 3 livros, 4 horas, 5 perdida
    QTest::addColumn<bool>("completed");
    QTest::newRow("falta grave") << int(Events::FaltaGraveForm)
                                 << QStringLiteral("12 dias de remi\u00e7\u00e3o perdidos") << 5
                                 << false;
    QTest::newRow("remicao in days") << int(Events::RemicaoDaysForm) << "12 dias" << 0 << false;
    QTest::newRow("work") << int(Events::RemicaoWorkForm) << "12 dias de trabalho" << 1 << false;
    QTest::newRow("study") << int(Events::RemicaoStudyForm) << "12 horas de estudo" << 2 << false;
    QTest::newRow("study, level completed")
        << int(Events::RemicaoStudyCompletedForm) << "12 horas de estudo" << 2 << true;
    QTest::newRow("books") << int(Events::RemicaoBooksForm) << "12 livros" << 3 << false;
    QTest::newRow("night confinement")
        << int(Events::NightConfinementForm) << "12 horas" << 4 << false;
}

void ExecutionModelsTest::EachKindKeepsItsQuantityUnderItsKey() {
    QFETCH(int, kind);
    QFETCH(QString, shown);
    QFETCH(int, key);
    QFETCH(bool, completed);
    Tested<Events> t;
    t.M.insertRows(0, 1);
    QVERIFY(t.M.setData(t.M.index(0, Events::KindColumn), kind));
    QVERIFY(t.M.setData(t.M.index(0, Events::DateColumn), "10/03/2023"));
    QVERIFY(t.M.setData(t.M.index(0, Events::AmountColumn), " 12 "));
    QCOMPARE(Cell(t.M, 0, Events::AmountColumn), shown);
    QCOMPARE(Cell(t.M, 0, Events::AmountColumn, Qt::EditRole), QStringLiteral("12"));
    const ExecutionEvent event = t.M.Events().front();
    const std::array<std::optional<long long>, 6> keys = {
        event.Days,       event.WorkDays,
        event.StudyHours, event.Books,
        event.Hours,      event.RemicaoLost ? std::optional(event.RemicaoLost) : std::nullopt};
    for (int i = 0; i < int(keys.size()); ++i) {
        QCOMPARE(keys[std::size_t(i)], i == key ? std::optional(12LL) : std::nullopt);
    }
    QCOMPARE(event.LevelCompleted, completed);
    // Shown again, the event is the same kind with the same quantity.
    Tested<Events> again;
    again.M.SetEvents({event});
    QCOMPARE(Cell(again.M, 0, Events::KindColumn), Cell(t.M, 0, Events::KindColumn));
    QCOMPARE(Cell(again.M, 0, Events::AmountColumn), shown);
}

void ExecutionModelsTest::CellsAKindDoesNotUseAreClosed() {
    Tested<Events> t;
    t.M.insertRows(0, 1);
    const QModelIndex amount = t.M.index(0, Events::AmountColumn);
    const QModelIndex regime = t.M.index(0, Events::RegimeColumn);
    QVERIFY(!t.M.flags(regime).testFlag(Qt::ItemIsEditable));
    QVERIFY(!t.M.setData(regime, 0));
    // A quantity refused as typed goes with the cell when the kind no longer uses it.
    QVERIFY(!t.M.setData(amount, QStringLiteral("-3")));
    QVERIFY(t.M.FirstProblem().endsWith(QStringLiteral("sem sinal nem separadores.")));
    QVERIFY(t.M.setData(t.M.index(0, Events::KindColumn), int(Events::ProgressionForm)));
    QVERIFY(!t.M.flags(amount).testFlag(Qt::ItemIsEditable));
    QCOMPARE(Cell(t.M, 0, Events::AmountColumn), QString());
    QCOMPARE(Cell(t.M, 0, Events::RegimeColumn), QStringLiteral("semiaberto"));
    // A regression back to semiaberto (from aberto) keeps it; a new one starts at fechado.
    QVERIFY(t.M.setData(t.M.index(0, Events::KindColumn), int(Events::RegressionForm)));
    QCOMPARE(Cell(t.M, 0, Events::RegimeColumn), QStringLiteral("semiaberto"));
    QVERIFY(t.M.setData(t.M.index(0, Events::DateColumn), "02/02/2024"));
    QCOMPARE(t.M.Events().front().ToRegime, std::optional(Regime::Semiaberto));
    t.M.insertRows(1, 1);
    QVERIFY(t.M.setData(t.M.index(1, Events::KindColumn), int(Events::RegressionForm)));
    QCOMPARE(Cell(t.M, 1, Events::RegimeColumn), QStringLiteral("fechado"));
    QCOMPARE(t.M.FirstProblem(), QStringLiteral("Eventos, linha 2, Data: informe a data."));
}

void ExecutionModelsTest::MissingDatesAndQuantitiesAreAskedFor() {
    Tested<Events> events;
    events.M.insertRows(0, 1);
    QCOMPARE(events.M.FirstProblem(), QStringLiteral("Eventos, linha 1, Data: informe a data."));
    QVERIFY(events.M.setData(events.M.index(0, Events::DateColumn), "02/02/2024"));
    QVERIFY(events.M.FirstProblem().isEmpty()); // a falta takes no remicao by default
    QVERIFY(events.M.setData(events.M.index(0, Events::KindColumn), int(Events::RemicaoBooksForm)));
    QCOMPARE(events.M.FirstProblem(),
             QStringLiteral("Eventos, linha 1, Quantidade: informe a quantidade."));
    Tested<Periods> periods;
    periods.M.insertRows(0, 1);
    QCOMPARE(periods.M.FirstProblem(),
             QStringLiteral("Per\u00edodos, linha 1, In\u00edcio: informe o primeiro dia."));
    QVERIFY(periods.M.Periods().empty());
}

// What the execution refuses, with the places of the case document, reads with the places
// of the tables.
void ExecutionModelsTest::ExecutionMessagesNameTheTablePlaces_data() {
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("named");
    // clang-format off
    QTest::newRow("a conviction's date")
        << "condenacoes[1].data_crime: informe a data do crime cometido durante a execu\u00e7\u00e3o."
        << QStringLiteral("Condena\u00e7\u00f5es, linha 2, Data do crime: informe a data do crime cometido durante a execu\u00e7\u00e3o.");
    QTest::newRow("two periods")
        << "periodos[0] e periodos[1]: se sobrep\u00f5em a partir de 01/01/2021."
        << QStringLiteral("Per\u00edodos, linha 1 e Per\u00edodos, linha 2: se sobrep\u00f5em a partir de 01/01/2021.");
    QTest::newRow("work days") << "eventos[2].trabalho_dias: n\u00e3o pode ser negativo."
        << "Eventos, linha 3, Quantidade: n\u00e3o pode ser negativo.";
    QTest::newRow("remicao lost") << "eventos[0].remicao_perdida: a perda de 9 dias"
        << "Eventos, linha 1, Quantidade: a perda de 9 dias";
    QTest::newRow("an event's regime") << "eventos[0].regime: informe o regime."
        << "Eventos, linha 1, Regime: informe o regime.";
    // clang-format on
}

void ExecutionModelsTest::ExecutionMessagesNameTheTablePlaces() {
    QFETCH(QString, message);
    QFETCH(QString, named);
    const Convictions convictions;
    const Periods periods;
    const Events events;
    const QString read =
        events.WithEventPlaceNames(periods.WithPlaceNames(convictions.WithPlaceNames(message)));
    QCOMPARE(read, named);
}

int RunExecutionModelsTest(int argc, char** argv) {
    ExecutionModelsTest test;
    return QTest::qExec(&test, argc, argv);
}

} // namespace zarn

#include "ExecutionModelsTest.moc"
