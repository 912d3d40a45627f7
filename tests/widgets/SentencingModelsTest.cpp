// The tables of the dosimetria window through their models' public interface, each under Qt's
// model tester while rows are added, edited and removed: the fractions each list takes or
// refuses with the library's own words, the typing a refusal keeps, the names offered and
// taken, the rows still without a name, and the crimes with their ranges.

#include "law/Fraction.h"
#include "sentencing/SentencingNames.h"
#include "sentencing/SentencingTexts.h"
#include "support/ModelChecks.h"
#include "widgets/QtText.h"
#include "widgets/SentencingCausesModel.h"
#include "widgets/SentencingCells.h"
#include "widgets/SentencingCrimesModel.h"
#include "widgets/SentencingModifiersModel.h"

#include <QAbstractItemModelTester>
#include <QColor>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <memory>

namespace zarn {
namespace {

using testing::Cell;

// The model under Qt's tester for the life of the object; a fault fails the test.
struct TestedList {
    explicit TestedList(std::unique_ptr<ListTableModel> model)
        : M(std::move(model))
        , Tester(M.get(), QAbstractItemModelTester::FailureReportingMode::QtTest) {}
    std::unique_ptr<ListTableModel> M;
    QAbstractItemModelTester Tester;
};

enum class List { Agravantes, Atenuantes, Increases, Decreases };

// A list of one row, and the column of its fraction.
TestedList OneRow(List list) {
    std::unique_ptr<ListTableModel> model;
    if (list == List::Agravantes || list == List::Atenuantes) {
        model = std::make_unique<SentencingModifiersModel>(
            list == List::Agravantes ? ModifierRole::Agravante : ModifierRole::Atenuante);
    } else {
        auto causes = std::make_unique<SentencingCausesModel>();
        causes->SetCauses(
            {{"causa", list == List::Increases ? CauseKind::Aumento : CauseKind::Diminuicao}});
        model = std::move(causes);
    }
    if (model->rowCount() == 0) {
        model->insertRows(0, 1);
    }
    return TestedList(std::move(model));
}

int FractionColumn(List list) {
    return list == List::Agravantes || list == List::Atenuantes
               ? int(SentencingModifiersModel::FractionColumn)
               : int(SentencingCausesModel::FractionColumn);
}

Fraction StoredFraction(const ListTableModel& model, List list) {
    if (list == List::Agravantes || list == List::Atenuantes) {
        return static_cast<const SentencingModifiersModel&>(model).Modifiers().front().Fracao;
    }
    return static_cast<const SentencingCausesModel&>(model).Causes().front().Fracao;
}

// The lists as text, one entry a row, to be compared whole.
QStringList Written(const std::vector<ModifierInput>& modifiers) {
    QStringList rows;
    for (const ModifierInput& modifier : modifiers) {
        rows << ToQString(modifier.Nome + " " + FractionText(modifier.Fracao));
    }
    return rows;
}

QStringList Written(const std::vector<CauseInput>& causes) {
    QStringList rows;
    for (const CauseInput& cause : causes) {
        rows << ToQString(cause.Nome + " " + std::string(CasoName(cause.Tipo)) + " " +
                          FractionText(cause.Fracao) + (cause.ParteEspecial ? " especial" : ""));
    }
    return rows;
}

} // namespace

class SentencingModelsTest : public QObject {
    Q_OBJECT
private slots:
    void FractionsAreTakenOrRefusedInTheLibrarysWords_data();
    void FractionsAreTakenOrRefusedInTheLibrarysWords();
    void ARefusalKeepsTheTypingUntilAValueReads();
    void NamesAreChosenOrTyped();
    void TheAgeAtenuanteIsNeitherOfferedNorTakenForSexualViolence();
    void RowsWithoutANameOrFractionAreTheListsProblem();
    void CausesTakeTheirKindAndSpecialPart();
    void CrimesAreRenamedAndShowTheirRanges();
};

void SentencingModelsTest::FractionsAreTakenOrRefusedInTheLibrarysWords_data() {
    QTest::addColumn<List>("list");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<Fraction>("stored"); // with no refusal
    QTest::addColumn<QString>("refusal");
    const QString unreadable = ToQString(kUnreadableFractionMessage);
    // clang-format off
    QTest::newRow("agravante 1/4") << List::Agravantes << "1/4" << Fraction{1, 4} << "";
    QTest::newRow("blanks around the parts") << List::Agravantes << " 2 / 3 " << Fraction{2, 3} << "";
    QTest::newRow("words") << List::Agravantes << "um sexto" << Fraction{} << unreadable;
    QTest::newRow("no denominator") << List::Agravantes << "1/" << Fraction{} << unreadable;
    QTest::newRow("zero denominator") << List::Agravantes << "1/0" << Fraction{}
        << ToQString(kZeroDenominatorMessage);
    QTest::newRow("zero numerator") << List::Agravantes << "0/6" << Fraction{}
        << ToQString(kFractionNotPositiveMessage);
    QTest::newRow("four places") << List::Agravantes << "1/1000" << Fraction{}
        << ToQString(kFractionTooLongMessage);
    QTest::newRow("atenuante below the whole") << List::Atenuantes << "5/6" << Fraction{5, 6} << "";
    QTest::newRow("atenuante of the whole term") << List::Atenuantes << "6/6" << Fraction{}
        << ToQString(kDecreaseOfTheWholeMessage);
    QTest::newRow("increase beyond the whole") << List::Increases << "3/2" << Fraction{3, 2} << "";
    QTest::newRow("decrease beyond the whole") << List::Decreases << "3/2" << Fraction{}
        << ToQString(kDecreaseOfTheWholeMessage);
    // clang-format on
}

void SentencingModelsTest::FractionsAreTakenOrRefusedInTheLibrarysWords() {
    QFETCH(List, list);
    QFETCH(QString, typed);
    QFETCH(Fraction, stored);
    QFETCH(QString, refusal);
    TestedList t = OneRow(list);
    const int column = FractionColumn(list);
    const Fraction before = StoredFraction(*t.M, list);
    QSignalSpy refused(t.M.get(), &ListTableModel::Refused);

    QCOMPARE(t.M->setData(t.M->index(0, column), typed), refusal.isEmpty());
    if (refusal.isEmpty()) {
        QCOMPARE(StoredFraction(*t.M, list), stored);
        QCOMPARE(Cell(*t.M, 0, column), ToQString(FractionText(stored)));
        QVERIFY(Cell(*t.M, 0, column, Qt::ToolTipRole).isEmpty());
        QCOMPARE(refused.size(), 0);
        return;
    }
    const QString named = t.M->PlaceOf(0, column) + QStringLiteral(": ") + refusal;
    QCOMPARE(refused.size(), 1);
    QCOMPARE(refused.front().front().toString(), named);
    QCOMPARE(t.M->FirstProblem(), named);
    // What was typed stays to be mended, in red, with its message; the list keeps its value.
    QCOMPARE(Cell(*t.M, 0, column), typed);
    QCOMPARE(Cell(*t.M, 0, column, Qt::EditRole), typed);
    QCOMPARE(Cell(*t.M, 0, column, Qt::ToolTipRole), refusal);
    QVERIFY(t.M->index(0, column).data(Qt::ForegroundRole).value<QColor>().isValid());
    QCOMPARE(StoredFraction(*t.M, list), before);
}

void SentencingModelsTest::ARefusalKeepsTheTypingUntilAValueReads() {
    SentencingModifiersModel model(ModifierRole::Agravante);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.SetModifiers({{"motivo_futil", {1, 6}}, {"motivo_torpe", {1, 5}}});
    const QModelIndex fraction = model.index(1, SentencingModifiersModel::FractionColumn);
    QVERIFY(!model.setData(fraction, QStringLiteral("1/0")));
    QSignalSpy edited(&model, &ListTableModel::Edited);
    // A row removed above it takes its refusal along.
    QVERIFY(model.removeRows(0, 1));
    QCOMPARE(Cell(model, 0, SentencingModifiersModel::FractionColumn), QStringLiteral("1/0"));
    QVERIFY(model.setData(model.index(0, SentencingModifiersModel::FractionColumn),
                          QStringLiteral("1/3")));
    QVERIFY(model.FirstProblem().isEmpty());
    QCOMPARE(Written(model.Modifiers()), QStringList{QStringLiteral("motivo_torpe 1/3")});
    QCOMPARE(edited.size(), 2);
    // Loading a list is no edit, and drops every refusal.
    QVERIFY(!model.setData(model.index(0, 1), QStringLiteral("x")));
    model.SetModifiers({{"calamidade", {1, 6}}});
    QVERIFY(model.FirstProblem().isEmpty());
    QCOMPARE(edited.size(), 3);
}

void SentencingModelsTest::NamesAreChosenOrTyped() {
    SentencingModifiersModel model(ModifierRole::Agravante);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QVERIFY(model.insertRows(0, 3));
    const auto name = [&model](int row) {
        return model.index(row, SentencingModifiersModel::NameColumn);
    };
    // The words the list offers, or the document's own name, are the table's name.
    QVERIFY(model.setData(name(0), QStringLiteral("motivo f\u00fatil")));
    QVERIFY(model.setData(name(1), QStringLiteral("reincidencia")));
    QVERIFY(model.setData(name(2), QStringLiteral("  crime cometido em servi\u00e7o  ")));
    const std::vector<ModifierInput> taken = model.Modifiers();
    QCOMPARE(taken[0].Nome, std::string("motivo_futil"));
    QCOMPARE(taken[1].Nome, std::string("reincidencia"));
    QCOMPARE(taken[2].Nome, std::string("crime cometido em servi\xE7o"));
    QCOMPARE(Cell(model, 1, 0), QStringLiteral("reincid\u00eancia"));
    QCOMPARE(Cell(model, 0, 0, Qt::ToolTipRole), QStringLiteral("CP art. 61, II, a"));
    // A character the code page lacks is refused and kept.
    QVERIFY(!model.setData(name(2), QStringLiteral("pena \u2265 4")));
    QCOMPARE(Cell(model, 2, 0), QStringLiteral("pena \u2265 4"));
    QCOMPARE(model.Modifiers()[2].Nome, taken[2].Nome);
}

void SentencingModelsTest::TheAgeAtenuanteIsNeitherOfferedNorTakenForSexualViolence() {
    SentencingModifiersModel model(ModifierRole::Atenuante);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.SetModifiers({{"menor_21", {1, 6}}});
    const QModelIndex name = model.index(0, SentencingModifiersModel::NameColumn);
    const auto offered = [&name] { return name.data(ListTableModel::kChoicesRole).toStringList(); };
    const auto atenuantes = static_cast<qsizetype>(
        std::count_if(kModifierNames.begin(), kModifierNames.end(),
                      [](const ModifierName& row) { return row.Role == ModifierRole::Atenuante; }));
    const auto ages = static_cast<qsizetype>(
        std::count_if(kModifierNames.begin(), kModifierNames.end(),
                      [](const ModifierName& row) { return row.Class == ModifierClass::Age; }));
    QCOMPARE(offered().size(), atenuantes);
    QVERIFY(offered().contains(QStringLiteral("menor de 21 anos na data do fato")));

    model.SetSexualViolence(true);
    QCOMPARE(offered().size(), atenuantes - ages);
    QVERIFY(!offered().contains(QStringLiteral("menor de 21 anos na data do fato")));
    QVERIFY(model.setData(name, QStringLiteral("confiss\u00e3o espont\u00e2nea")));
    QVERIFY(!model.setData(name, QStringLiteral("maior de 70 anos na data da senten\u00e7a")));
    QVERIFY(model.FirstProblem().contains(ToQString(kAgeAtenuanteWords)));
    QCOMPARE(model.Modifiers().front().Nome, std::string("confissao"));
}

void SentencingModelsTest::RowsWithoutANameOrFractionAreTheListsProblem() {
    SentencingModifiersModel agravantes(ModifierRole::Agravante);
    QAbstractItemModelTester tester(&agravantes,
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy edited(&agravantes, &ListTableModel::Edited);
    QVERIFY(agravantes.insertRows(0, 1));
    QCOMPARE(edited.size(), 1);
    // A new agravante has the law's fraction and waits for its name.
    QCOMPARE(Written(agravantes.Modifiers()), QStringList{QStringLiteral(" 1/6")});
    QVERIFY(agravantes.FirstProblem().startsWith(
        agravantes.PlaceOf(0, SentencingModifiersModel::NameColumn)));
    QVERIFY(agravantes.setData(agravantes.index(0, 0), QStringLiteral("embriaguez preordenada")));
    QVERIFY(agravantes.FirstProblem().isEmpty());

    SentencingCausesModel causes;
    QAbstractItemModelTester causesTester(&causes,
                                          QAbstractItemModelTester::FailureReportingMode::QtTest);
    QVERIFY(causes.insertRows(0, 1));
    QVERIFY(causes.FirstProblem().startsWith(causes.PlaceOf(0, SentencingCausesModel::NameColumn)));
    QVERIFY(causes.setData(causes.index(0, SentencingCausesModel::NameColumn),
                           QStringLiteral("tentativa")));
    QCOMPARE(causes.FirstProblem(), causes.PlaceOf(0, SentencingCausesModel::FractionColumn) +
                                        QStringLiteral(": ") +
                                        ToQString(kUnreadableFractionMessage));
    QVERIFY(causes.removeRows(0, 1));
    QVERIFY(causes.FirstProblem().isEmpty());
}

void SentencingModelsTest::CausesTakeTheirKindAndSpecialPart() {
    SentencingCausesModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    const std::vector<CauseInput> given = {{"emprego de arma", CauseKind::Aumento, {1, 3}, true},
                                           {"tentativa", CauseKind::Diminuicao, {1, 3}, false}};
    model.SetCauses(given);
    QCOMPARE(Written(model.Causes()), Written(given));
    const QModelIndex kind = model.index(0, SentencingCausesModel::KindColumn);
    QCOMPARE(kind.data(ListTableModel::kChoicesRole).toStringList(),
             (QStringList{QStringLiteral("aumento"), QStringLiteral("diminui\u00e7\u00e3o")}));
    QVERIFY(model.setData(kind, 1));
    QVERIFY(!model.setData(kind, 2));
    QCOMPARE(Cell(model, 0, SentencingCausesModel::KindColumn),
             QStringLiteral("diminui\u00e7\u00e3o"));
    const QModelIndex special = model.index(1, SentencingCausesModel::SpecialPartColumn);
    QVERIFY(model.flags(special).testFlag(Qt::ItemIsUserCheckable));
    QVERIFY(model.setData(special, int(Qt::Checked), Qt::CheckStateRole));
    std::vector<CauseInput> changed = given;
    changed[0].Tipo = CauseKind::Diminuicao;
    changed[1].ParteEspecial = true;
    QCOMPARE(Written(model.Causes()), Written(changed));
}

void SentencingModelsTest::CrimesAreRenamedAndShowTheirRanges() {
    SentencingCrimesModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    CrimeInput robbery;
    robbery.Crime = "roubo";
    robbery.MinimoDias = 4 * 360;
    robbery.MaximoDias = 10 * 360;
    model.SetCrimes({robbery});
    QSignalSpy edited(&model, &ListTableModel::Edited);
    QCOMPARE(Cell(model, 0, SentencingCrimesModel::MinimumColumn), QStringLiteral("4 anos"));
    QVERIFY(!model.flags(model.index(0, SentencingCrimesModel::MaximumColumn))
                 .testFlag(Qt::ItemIsEditable));

    QVERIFY(model.setData(model.index(0, 0), QStringLiteral("roubo majorado")));
    QVERIFY(!model.setData(model.index(0, 0), QStringLiteral("roubo \u2192 latroc\u00ednio")));
    QCOMPARE(Cell(model, 0, 0), QStringLiteral("roubo \u2192 latroc\u00ednio"));
    QCOMPARE(model.CrimeAt(0).Crime, std::string("roubo majorado"));
    QCOMPARE(edited.size(), 2); // the rename and the refusal

    // The crime's own fields change its range: the row shows it, and that is no edit of the
    // list.
    CrimeInput longer = model.CrimeAt(0);
    longer.MaximoDias = 12 * 360 + 6 * 30;
    model.UpdateCrime(0, longer);
    QCOMPARE(Cell(model, 0, SentencingCrimesModel::MaximumColumn),
             QStringLiteral("12 anos e 6 meses"));
    QCOMPARE(edited.size(), 2);
    QVERIFY(model.insertRows(1, 1));
    const std::vector<CrimeInput> crimes = model.Crimes();
    QCOMPARE(crimes.size(), std::size_t(2));
    QCOMPARE(crimes[0].MaximoDias, longer.MaximoDias);
    QCOMPARE(crimes[1].Crime, std::string());
    QCOMPARE(crimes[1].MaximoDias, 0LL);
}

} // namespace zarn

QTEST_MAIN(zarn::SentencingModelsTest)
#include "SentencingModelsTest.moc"
