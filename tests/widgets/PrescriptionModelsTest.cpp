// The tables of the prescription window through their models' public interface, each under
// Qt's model tester while rows are added, edited, moved and removed: what a cell takes, what
// it refuses and keeps as typed, the marcos kept in date order, and the analysis's messages
// with their places named as the tables name them. Dates come from the std::chrono oracle.

#include "prescription/Prescription.h"
#include "support/DateOracle.h"
#include "support/ModelChecks.h"
#include "widgets/CellValues.h"
#include "widgets/PrescriptionCrimesModel.h"
#include "widgets/PrescriptionMarcosModel.h"
#include "widgets/PrescriptionSuspensionsModel.h"
#include "widgets/QtText.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

namespace zarn {

using testing::OracleDayNumber;

namespace {

using testing::Cell;
using testing::Tested;

using Crimes = PrescriptionCrimesModel;
using Marcos = PrescriptionMarcosModel;

constexpr long long kYear = 360;

} // namespace

class PrescriptionModelsTest : public QObject {
    Q_OBJECT
private slots:
    void CrimeCellsTakeOrRefuseWhatIsTyped_data();
    void CrimeCellsTakeOrRefuseWhatIsTyped();
    void ARefusalKeepsTheTypingUntilAValueReads();
    void MarcosStayInDateOrder();
    void DatelessRowsAreAskedForAndLeftOut();
    void ListsComeBackAsTheyWereShown();
    void AnalysisMessagesNameTheTablePlaces_data();
    void AnalysisMessagesNameTheTablePlaces();
};

void PrescriptionModelsTest::CrimeCellsTakeOrRefuseWhatIsTyped_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<QVariant>("typed");
    QTest::addColumn<QString>("shown");   // what the cell shows afterwards
    QTest::addColumn<QString>("refusal"); // empty: taken
    const QString badDate = ToQString(kUnreadableCellDateMessage);
    // clang-format off
    QTest::newRow("fact") << int(Crimes::FactColumn) << QVariant("01/11/2010") << "01/11/2010" << "";
    QTest::newRow("fact, 29 February of a leap year") << int(Crimes::FactColumn)
        << QVariant("29/02/2012") << "29/02/2012" << "";
    QTest::newRow("fact, 29 February of a common year") << int(Crimes::FactColumn)
        << QVariant("29/02/2011") << "29/02/2011" << badDate;
    QTest::newRow("fact, a year of two digits") << int(Crimes::FactColumn)
        << QVariant("01/11/10  ") << "01/11/10  " << badDate;
    QTest::newRow("period start left blank") << int(Crimes::PeriodStartColumn)
        << QVariant("  /  /    ") << "" << "";
    QTest::newRow("maximum in years") << int(Crimes::MaximumColumn)
        << QVariant(QStringList{"30 ", "  ", "  "}) << "30 anos" << "";
    QTest::newRow("applied, every part") << int(Crimes::AppliedColumn)
        << QVariant(QStringList{"1", "7", "6"}) << "1 ano, 7 meses e 6 dias" << "";
    QTest::newRow("applied, thirteen months") << int(Crimes::AppliedColumn)
        << QVariant(QStringList{"5", "13", ""}) << QStringLiteral("5 anos, 13 meses")
        << QStringLiteral("O n\u00famero m\u00e1ximo de meses \u00e9 11.");
    QTest::newRow("description") << int(Crimes::DescriptionColumn)
        << QVariant(QStringLiteral("art. 121, \u00a7 2\u00ba, CP")) << QStringLiteral("art. 121, \u00a7 2\u00ba, CP") << "";
    QTest::newRow("description out of the code page") << int(Crimes::DescriptionColumn)
        << QVariant(QStringLiteral("pena \u2265 4")) << QStringLiteral("pena \u2265 4")
        << QStringLiteral("caractere que o programa n\u00e3o guarda: \u2265.");
    // clang-format on
}

void PrescriptionModelsTest::CrimeCellsTakeOrRefuseWhatIsTyped() {
    QFETCH(int, column);
    QFETCH(QVariant, typed);
    QFETCH(QString, shown);
    QFETCH(QString, refusal);
    Tested<Crimes> t;
    QVERIFY(t.M.insertRows(0, 1));
    QSignalSpy refused(&t.M, &ListTableModel::Refused);
    QSignalSpy edited(&t.M, &ListTableModel::Edited);
    const std::vector<PrescriptionCrime> before = t.M.Crimes();
    const bool taken = t.M.setData(t.M.index(0, column), typed);

    QCOMPARE(taken, refusal.isEmpty());
    QCOMPARE(Cell(t.M, 0, column), shown);
    QCOMPARE(refused.size(), refusal.isEmpty() ? 0 : 1);
    if (!refusal.isEmpty()) {
        const QString place = t.M.PlaceOf(0, column);
        QCOMPARE(refused.front().front().toString(), place + QStringLiteral(": ") + refusal);
        QCOMPARE(t.M.FirstProblem(), place + QStringLiteral(": ") + refusal);
        QCOMPARE(t.M.index(0, column).data(Qt::EditRole), typed); // edited again from it
        QCOMPARE(t.M.Crimes().front().Description, before.front().Description);
        QCOMPARE(t.M.Crimes().front().AppliedDays, before.front().AppliedDays);
        QCOMPARE(t.M.Crimes().front().DateOfFact, before.front().DateOfFact);
    } else {
        QVERIFY(t.M.FirstProblem().isEmpty());
        // A blank period start changes nothing, and nothing is said.
        QCOMPARE(edited.size(), shown.isEmpty() ? 0 : 1);
    }
}

void PrescriptionModelsTest::ARefusalKeepsTheTypingUntilAValueReads() {
    Tested<Crimes> t;
    t.M.insertRows(0, 2);
    const QModelIndex fact = t.M.index(1, Crimes::FactColumn);
    QVERIFY(t.M.setData(fact, QStringLiteral("01/11/2010")));
    QVERIFY(!t.M.setData(fact, QStringLiteral("31/11/2010")));
    QCOMPARE(fact.data(Qt::ForegroundRole).value<QColor>().red() > 0x80, true);
    QVERIFY(!fact.data(Qt::ToolTipRole).toString().isEmpty());
    // The crime keeps its last good date meanwhile; the problem names the second row.
    QCOMPARE(t.M.Crimes()[1].DateOfFact, OracleDayNumber(2010, 11, 1));
    QVERIFY(t.M.FirstProblem().startsWith(QStringLiteral("Crimes, linha 2, Data do fato: ")));
    QVERIFY(t.M.setData(fact, QStringLiteral("30/11/2010")));
    QCOMPARE(t.M.Crimes()[1].DateOfFact, OracleDayNumber(2010, 11, 30));
    QVERIFY(t.M.FirstProblem().isEmpty());
    QVERIFY(!fact.data(Qt::ForegroundRole).isValid());

    // The check boxes switch through their check state; removing takes the refusals along.
    const QModelIndex repeat = t.M.index(0, Crimes::RepeatOffenderColumn);
    QVERIFY(repeat.flags().testFlag(Qt::ItemIsUserCheckable));
    QVERIFY(t.M.setData(repeat, int(Qt::Checked), Qt::CheckStateRole));
    QVERIFY(t.M.Crimes()[0].RepeatOffender);
    QVERIFY(!t.M.setData(t.M.index(0, Crimes::MaximumColumn), QStringList{"", "", "45"}));
    QVERIFY(!t.M.FirstProblem().isEmpty());
    QVERIFY(t.M.removeRows(0, 1));
    QVERIFY(t.M.FirstProblem().isEmpty());
    QCOMPARE(t.M.rowCount(), 1);
}

void PrescriptionModelsTest::MarcosStayInDateOrder() {
    struct Step {
        int Row;
        const char* Date;
        QStringList Order; // the dates, top to bottom, after the step
    };
    // Four marcos added without dates, then dated out of order.
    const QList<Step> steps = {
        {0, "12/12/2014", {"12/12/2014", "", "", ""}},
        {1, "05/05/2014", {"05/05/2014", "12/12/2014", "", ""}},
        {3, "12/12/2014", {"05/05/2014", "12/12/2014", "12/12/2014", ""}},
        {3, "12/10/2014", {"05/05/2014", "12/10/2014", "12/12/2014", "12/12/2014"}},
        {0, "  /  /    ", {"12/10/2014", "12/12/2014", "12/12/2014", ""}},
        {0, "01/01/2020", {"12/12/2014", "12/12/2014", "01/01/2020", ""}},
    };
    Tested<Marcos> t;
    QVERIFY(!t.M.insertRows(0, 0));
    QVERIFY(t.M.insertRows(0, 4));
    QVERIFY(!t.M.insertRows(1, 1)); // a marco without a date waits at the end
    // Each new marco is of the kind after the one before it.
    QCOMPARE(Cell(t.M, 1, Marcos::KindColumn), QStringLiteral("pron\u00fancia"));
    QCOMPARE(t.M.index(3, Marcos::KindColumn).data(Qt::EditRole).toInt(), int(MarcoKind::Sentenca));
    for (const Step& step : steps) {
        QVERIFY(
            t.M.setData(t.M.index(step.Row, Marcos::DateColumn), QString::fromLatin1(step.Date)));
        QStringList order;
        for (int row = 0; row < t.M.rowCount(); ++row) {
            order << Cell(t.M, row, Marcos::DateColumn);
        }
        QCOMPARE(order, step.Order);
    }
    // The two of 12/12/2014 in the order they were dated: the recebimento, then the sentenca.
    const std::vector<Marco> marcos = t.M.Marcos();
    QCOMPARE(marcos.size(), std::size_t(3));
    QCOMPARE(marcos[0].Kind, MarcoKind::RecebimentoDenuncia);
    QCOMPARE(marcos[1].Kind, MarcoKind::Sentenca);
    QCOMPARE(marcos[2].Kind, MarcoKind::ConfirmacaoPronuncia);
    QVERIFY(t.M.setData(t.M.index(3, Marcos::KindColumn), int(MarcoKind::Fuga)));
    QVERIFY(!t.M.setData(t.M.index(3, Marcos::KindColumn), 99));
    QCOMPARE(Cell(t.M, 3, Marcos::KindColumn), QStringLiteral("fuga"));
}

void PrescriptionModelsTest::DatelessRowsAreAskedForAndLeftOut() {
    Tested<Marcos> marcos;
    marcos.M.insertRows(0, 2);
    marcos.M.setData(marcos.M.index(0, Marcos::DateColumn), QStringLiteral("05/05/2014"));
    QCOMPARE(marcos.M.Marcos().size(), std::size_t(1));
    QCOMPARE(marcos.M.FirstProblem(), QStringLiteral("Marcos, linha 2, Data: informe a data."));

    Tested<PrescriptionSuspensionsModel> suspensions;
    using S = PrescriptionSuspensionsModel;
    suspensions.M.insertRows(0, 1);
    QCOMPARE(suspensions.M.FirstProblem(),
             QStringLiteral("Suspens\u00f5es, linha 1, In\u00edcio: informe o in\u00edcio."));
    QVERIFY(suspensions.M.Suspensions().empty());
    QVERIFY(suspensions.M.setData(suspensions.M.index(0, S::StartColumn),
                                  QStringLiteral("10/03/2016")));
    QVERIFY(
        suspensions.M.setData(suspensions.M.index(0, S::KindColumn), int(SuspensionKind::Cpp366)));
    QVERIFY(
        !suspensions.M.setData(suspensions.M.index(0, S::EndColumn), QStringLiteral("10/13/2017")));
    QVERIFY(suspensions.M.FirstProblem().startsWith(
        QStringLiteral("Suspens\u00f5es, linha 1, Fim: data inv\u00e1lida")));
    const std::vector<Suspension> given = suspensions.M.Suspensions();
    QCOMPARE(given.size(), std::size_t(1));
    QCOMPARE(given[0].Kind, SuspensionKind::Cpp366);
    QCOMPARE(given[0].Start, OracleDayNumber(2016, 3, 10));
    QVERIFY(!given[0].End); // still suspended while the end does not read
}

void PrescriptionModelsTest::ListsComeBackAsTheyWereShown() {
    PrescriptionCrime crime;
    crime.Description = "art. 121, CP";
    crime.DateOfFact = OracleDayNumber(2010, 11, 1);
    crime.PeriodStart = OracleDayNumber(2011, 2, 3);
    crime.MaximumDays = 30 * kYear;
    crime.AppliedDays = 14 * kYear + 30 + 5; // months above 11 in a document count on the base
    crime.RepeatOffender = true;
    crime.SexualViolenceAgainstWoman = true;
    Tested<Crimes> crimes;
    crimes.M.SetCrimes({crime, PrescriptionCrime{}});
    const std::vector<PrescriptionCrime> back = crimes.M.Crimes();
    QCOMPARE(back.size(), std::size_t(2));
    QCOMPARE(back[0].Description, crime.Description);
    QCOMPARE(back[0].PeriodStart, crime.PeriodStart);
    QCOMPARE(back[0].AppliedDays, crime.AppliedDays);
    QVERIFY(back[0].RepeatOffender && back[0].SexualViolenceAgainstWoman);
    QCOMPARE(crimes.M.index(0, Crimes::AppliedColumn).data(Qt::EditRole).toStringList(),
             (QStringList{"14", "1", "5"}));
    QVERIFY(!back[1].DateOfFact);

    Tested<Marcos> marcos;
    marcos.M.SetMarcos({{MarcoKind::Sentenca, OracleDayNumber(2016, 1, 1)},
                        {MarcoKind::RecebimentoDenuncia, OracleDayNumber(2014, 5, 5)}});
    QCOMPARE(marcos.M.Marcos().front().Kind, MarcoKind::RecebimentoDenuncia);
}

void PrescriptionModelsTest::AnalysisMessagesNameTheTablePlaces_data() {
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("named");
    // The analysis's own refusals, as it writes them.
    PrescriptionInput input;
    input.CalculationDate = OracleDayNumber(2026, 12, 8);
    input.Crimes.resize(2);
    input.Crimes[0].DateOfFact = OracleDayNumber(2010, 11, 1);
    input.Crimes[0].MaximumDays = 30 * kYear;
    const QString missingFact = ToQString(AnalysePrescription(input).Error);
    input.Crimes[1] = input.Crimes[0];
    input.Marcos = {{MarcoKind::Pronuncia, OracleDayNumber(2014, 1, 1)},
                    {MarcoKind::Pronuncia, OracleDayNumber(2010, 1, 1)}};
    const QString beforeFact = ToQString(AnalysePrescription(input).Error);
    // clang-format off
    QTest::newRow("a crime's key") << missingFact
        << QStringLiteral("Crimes, linha 2, Data do fato: informe a data do fato.");
    QTest::newRow("a marco, and a crime inside the message") << beforeFact
        << QStringLiteral("Marcos, linha 2: data anterior \u00e0 data do fato de Crimes, linha 1, 01/11/2010.");
    QTest::newRow("the list alone") << "prescricao.crimes: informe ao menos um crime."
        << "Crimes: informe ao menos um crime.";
    QTest::newRow("a suspension's key") << "prescricao.suspensoes[0].fim: fim anterior"
        << QStringLiteral("Suspens\u00f5es, linha 1, Fim: fim anterior");
    QTest::newRow("a key the list does not have, and a broken index")
        << "prescricao.marcos[1].x; prescricao.marcos[z]"
        << "Marcos, linha 2.x; prescricao.marcos[z]";
    // clang-format on
}

void PrescriptionModelsTest::AnalysisMessagesNameTheTablePlaces() {
    QFETCH(QString, message);
    QFETCH(QString, named);
    const Crimes crimes;
    const Marcos marcos;
    const PrescriptionSuspensionsModel suspensions;
    QCOMPARE(suspensions.WithPlaceNames(marcos.WithPlaceNames(crimes.WithPlaceNames(message))),
             named);
}

} // namespace zarn

namespace zarn {

int RunPrescriptionModelsTest(int argc, char** argv) {
    PrescriptionModelsTest test;
    return QTest::qExec(&test, argc, argv);
}

} // namespace zarn

#include "PrescriptionModelsTest.moc"
