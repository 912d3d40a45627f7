// The dosimetria window, opened from the main window's Ferramentas menu and driven through
// real key events: the worked homicide typed field by field and cell by cell, a concurso
// material, Consequências and the calculation record fed from the answer, a refused fraction
// kept as typed, the input a case file reads and writes, F1, and a layout that fits. CTest
// also runs the layout at 120 and 192 dots per inch.

#include "forms/SentencingWindow.h"

#include "MainWindowHarness.h"
#include "forms/CalculationRecordWindow.h"
#include "forms/ConsequencesWindow.h"
#include "forms/JudicialCircumstancesGrid.h"
#include "forms/SentencingCrimePanel.h"
#include "forms/SentencingHandOff.h"
#include "forms/SentencingOptionsBox.h"
#include "forms/SentencingPlaces.h"
#include "sentencing/Sentencing.h"
#include "sentencing/SentencingTexts.h"
#include "support/LayoutChecks.h"
#include "support/RecordingHelpEngine.h"
#include "widgets/CaseFactsPanel.h"
#include "widgets/EditableTable.h"
#include "widgets/MaskedField.h"
#include "widgets/SentencingCausesModel.h"
#include "widgets/SentencingModifiersModel.h"
#include "widgets/TermFieldsRow.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableView>

namespace zarn {

using testing::MainWindowHarness;

namespace {

enum Tab { CrimeTab, CircumstancesTab, ModifiersTab, CausesTab };

class SentencingHarness : public MainWindowHarness {
public:
    // Ferramentas > Dosimetria.
    bool Open() {
        Window->FerramentasDosimetria->trigger();
        return W() && QTest::qWaitForWindowActive(W());
    }
    SentencingWindow* W() const { return Window->Sentencing(); }
    SentencingCrimePanel* Panel(int row = 0) const { return W()->PanelAt(row); }
    QString Answer() const { return W()->AnswerText->toPlainText(); }

    // Types a text key by key; letters outside ASCII come as keys with their own text, as a
    // keyboard layout with dead keys delivers them.
    static void TypeKeys(QWidget* widget, const QString& text) {
        for (const QChar c : text) {
            if (c.unicode() < 0x80) {
                QTest::keyClicks(widget, QString(c));
            } else {
                QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c),
                                    Qt::NoModifier);
            }
        }
    }

    // A term typed into the three fields of a row, each over what it held.
    static void TypeTerm(TermFieldsRow* row, const QStringList& parts) {
        for (qsizetype i = 0; i < parts.size(); ++i) {
            TypeInto(row->Fields()[std::size_t(i)], parts[i]);
        }
    }

    void ShowTab(Tab tab) const { Panel()->ShowTab(tab); }

    // A choice moved down by the arrow key, as often as asked.
    static void ChooseDown(QComboBox* choice, int steps) {
        choice->setFocus();
        for (int i = 0; i < steps; ++i) {
            QTest::keyClick(choice, Qt::Key_Down);
        }
    }

    // Insert adds a row to the table; then, cell by cell from the first, Enter opens the
    // editor, the text is typed over what the cell holds and Enter takes it. An empty text
    // passes over the cell; "v" chooses the next entry of a choice.
    static void AddRow(EditableTable* table, const QStringList& cells) {
        table->View->setFocus();
        QTest::keyClick(table->View, Qt::Key_Insert);
        for (qsizetype column = 0; column < cells.size(); ++column) {
            if (column > 0) {
                QTest::keyClick(table->View, Qt::Key_Right);
            }
            if (cells[column].isEmpty()) {
                continue;
            }
            QTest::keyClick(table->View, Qt::Key_Return);
            QWidget* editor = QApplication::focusWidget();
            if (cells[column] == QLatin1String("v")) {
                QTest::keyClick(editor, Qt::Key_Down);
            } else {
                QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
                TypeKeys(editor, cells[column]);
            }
            QTest::keyClick(editor, Qt::Key_Return);
            // The delegate takes the value on the way back to the event loop.
            QCoreApplication::processEvents();
        }
    }

    // The worked homicide of the help page: 6 to 20 years, culpabilidade and motivos
    // unfavourable, the motivo fútil at 1/6, tentativa at 1/3.
    void TypeTheHomicide() {
        SentencingCrimePanel* panel = Panel();
        ShowTab(CrimeTab);
        panel->Description->setFocus();
        TypeKeys(panel->Description, QStringLiteral("homic\u00eddio simples"));
        TypeTerm(panel->Minimum, {"6"});
        TypeTerm(panel->Maximum, {"20"});
        // Ctrl+Tab goes to the next tab and its first control, from a field or a choice.
        Key(Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(Focus(), panel->Circumstances->Rows[0].Weight); // culpabilidade
        Key(Qt::Key_Down);
        for (int row = 0; row < int(JudicialCircumstance::Motivos); ++row) {
            Key(Qt::Key_Tab);
        }
        QCOMPARE(Focus(), panel->Circumstances->Rows[4].Weight);
        Key(Qt::Key_Down);
        Key(Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(Focus(), panel->AgravantesTable->View);
        AddRow(panel->AgravantesTable, {QStringLiteral("motivo f\u00fatil")});
        Key(Qt::Key_PageDown, Qt::ControlModifier);
        QCOMPARE(Focus(), panel->CausesTable->View);
        AddRow(panel->CausesTable, {QStringLiteral("tentativa"), "v", "1/3"});
    }
};

// A crime of the given range in years, without a fine unless asked.
CrimeInput CrimeOf(long long minimumYears, long long maximumYears, bool fine = false) {
    CrimeInput crime;
    crime.MinimoDias = minimumYears * 360;
    crime.MaximoDias = maximumYears * 360;
    crime.Multa = fine;
    return crime;
}

CrimeSentence SentenceOf(const CrimeInput& crime) {
    SentencingInput input;
    input.Crimes.push_back(crime);
    const SentencingAnswer answer = ComputeSentencing(input);
    return answer.Ok() ? answer.Crimes.front() : CrimeSentence{};
}

} // namespace

class SentencingWindowTest : public QObject {
    Q_OBJECT
private slots:
    void MadeOnFirstUseAfterPrescricao();
    void TheHomicideTypedGivesTheThreePhases();
    void AConcursoMaterialSumsTheTerms();
    void ConsequenciasOpensWithTheFinalTermAndTheFacts();
    void TheCrimesOperationsReachTheCalculationRecord();
    void ARefusedFractionIsKeptAsTypedAndNamed();
    void InputComesBackAsItWasSetAndEditsAreSignalled();
    void TheRecordRestartsWhereALimitHeldTheTerm();
    void StepsThatDoNotFitTheMainWindowAreNotSent();
    void TheDosimetriaSettlesItsFactsEitherWay_data();
    void TheDosimetriaSettlesItsFactsEitherWay();
    void LibraryPlacesAreNamedAsTheWindowNamesThem_data();
    void LibraryPlacesAreNamedAsTheWindowNamesThem();
    void EveryControlHasAName();
    void F1OpensItsPageFromTheWindowAndTheMenu();
    void LayoutFits();
};

void SentencingWindowTest::MadeOnFirstUseAfterPrescricao() {
    SentencingHarness h;
    QCOMPARE(h.W(), nullptr);
    const QList<QAction*> tools = h.Window->Ferramentas1->actions();
    const qsizetype at = tools.indexOf(h.Window->FerramentasDosimetria);
    QVERIFY(at > 0);
    QCOMPARE(tools[at - 1]->objectName(), QStringLiteral("FerramentasPrescricao"));
    QCOMPARE(h.Window->FerramentasDosimetria->text(), QStringLiteral("&Dosimetria"));
    QVERIFY(h.Open());
    QCOMPARE(h.W()->windowTitle(), QStringLiteral("Dosimetria"));
    QVERIFY(!h.W()->testAttribute(Qt::WA_QuitOnClose));
    // One blank crime waits, the keyboard on its description, with a hint for a text.
    QCOMPARE(QApplication::focusWidget(), h.Panel()->Description);
    QCOMPARE(h.Answer(),
             QStringLiteral("Digite a pena m\u00ednima e a m\u00e1xima do crime para ver a "
                            "dosimetria."));
    QTest::keyClick(h.Panel()->Description, Qt::Key_F, Qt::AltModifier); // Fechar
    QVERIFY(!h.W()->isVisible());
    SentencingWindow* first = h.W();
    QVERIFY(h.Open());
    QCOMPARE(h.W(), first);
}

void SentencingWindowTest::TheHomicideTypedGivesTheThreePhases() {
    SentencingHarness h;
    QVERIFY(h.Open());
    h.TypeTheHomicide();
    const QString text = h.Answer();
    for (const char* shown :
         {"9 anos e 6 meses", "96 dias-multa", "11 anos e 1 m\u00eas", "7 anos, 4 meses e 20 dias",
          "74 dias-multa", "Pena final: 7 anos, 4 meses e 20 dias, e 74 dias-multa"}) {
        QVERIFY2(text.contains(QString::fromUtf8(shown)), shown);
    }
    QVERIFY(text.endsWith(QStringLiteral("requisitos subjetivos.")));
    // The numbers in words on request; Copiar puts the text on the clipboard.
    QTest::keyClick(h.W()->AnswerText, Qt::Key_X, Qt::AltModifier);
    QTRY_VERIFY(h.W()->InWords->isChecked());
    QVERIFY(h.Answer().contains(QStringLiteral("7 (sete) anos")));
    QTest::keyClick(h.W()->AnswerText, Qt::Key_C, Qt::AltModifier);
    QCOMPARE(h.Clipboard(), h.Answer());
}

void SentencingWindowTest::AConcursoMaterialSumsTheTerms() {
    SentencingHarness h;
    QVERIFY(h.Open());
    h.W()->CrimesTable->View->setFocus();
    QTest::keyClick(h.W()->CrimesTable->View, Qt::Key_Insert);
    QCOMPARE(h.W()->CrimesTable->Model()->rowCount(), 2);
    const QList<QStringList> terms = {{"3", "10", "17"}, {"5", "7", "23"}};
    for (int row = 0; row < 2; ++row) {
        SentencingCrimePanel* panel = h.Panel(row);
        // Each crime keeps its own panel: what is typed in one stays while another is shown.
        h.W()->CrimesTable->View->setCurrentIndex(h.W()->CrimesTable->Model()->index(row, 0));
        QCOMPARE(h.W()->CrimePanels->currentWidget(), panel);
        SentencingHarness::TypeTerm(panel->Minimum, terms[row]);
        SentencingHarness::TypeTerm(panel->Maximum, terms[row]);
        panel->Fine->setFocus();
        QTest::keyClick(panel->Fine, Qt::Key_Space); // no fine
    }
    QCOMPARE(h.Answer(), QStringLiteral("Concurso: ") + ToQString(kConcursoMissingMessage));
    SentencingHarness::ChooseDown(h.W()->ConcursoChoice, 1); // material
    QVERIFY2(h.Answer().contains(QStringLiteral("Pena final: 9 anos, 6 meses e 10 dias.")),
             qPrintable(h.Answer()));
    QVERIFY(!h.W()->ConcursoFraction->isEnabled());
    QCOMPARE(SentencingHarness::Text(h.Panel(0)->Minimum->Fields()[1]), QStringLiteral("10"));
}

void SentencingWindowTest::ConsequenciasOpensWithTheFinalTermAndTheFacts() {
    SentencingHarness h;
    QVERIFY(h.Open());
    h.TypeTheHomicide();
    QTest::keyClick(h.W()->AnswerText, Qt::Key_O, Qt::AltModifier);
    ConsequencesWindow* consequences = h.Window->Consequences();
    QVERIFY(consequences);
    QVERIFY(QTest::qWaitForWindowActive(consequences));
    QCOMPARE((QStringList{SentencingHarness::Text(consequences->MaskEdit1),
                          SentencingHarness::Text(consequences->MaskEdit2),
                          SentencingHarness::Text(consequences->MaskEdit3)}),
             (QStringList{"7  ", "4 ", "20"}));
    // Culpabilidade and motivos unfavourable: the judicial circumstances are; the rest of
    // the facts stay as they were.
    CaseFacts expected;
    expected.FavourableCircumstances = false;
    QCOMPARE(h.Window->SharedFacts(), expected);
    QCOMPARE(consequences->Facts1->Facts(), expected);
}

void SentencingWindowTest::TheCrimesOperationsReachTheCalculationRecord() {
    SentencingHarness h;
    QVERIFY(h.Open());
    h.TypeTheHomicide();
    QTest::keyClick(h.W()->AnswerText, Qt::Key_M, Qt::AltModifier);
    QVERIFY(h.Window->RecordWindow());
    QVERIFY(h.Window->RecordWindow()->isVisible());
    QCOMPARE(h.Window->Record().Lines(false),
             (std::vector<std::string>{
                 "Pena: 9 anos e 6 meses, e 96 dias-multa",
                 "aumento de 1/6: 11 anos e 1 m\xEAs, e 112 dias-multa",
                 "diminui\xE7\xE3o de 1/3: 7 anos, 4 meses e 20 dias, e 74 dias-multa"}));
    QVERIFY(h.W()->MessageLine->text().contains(QStringLiteral("homic\u00eddio simples")));
    // They are not the main window's last Calcula: its Volta leaves them.
    h.Window->Button4->click();
    QCOMPARE(h.Window->Record().StepCount(), std::size_t(2));

    // A crime with nothing to apply sends nothing, and says so.
    h.W()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(h.W()));
    h.ShowTab(CausesTab);
    h.Panel()->CausesTable->View->setFocus();
    QTest::keyClick(h.Panel()->CausesTable->View, Qt::Key_Delete);
    h.ShowTab(ModifiersTab);
    h.Panel()->AgravantesTable->View->setFocus();
    QTest::keyClick(h.Panel()->AgravantesTable->View, Qt::Key_Delete);
    QTest::keyClick(h.W()->AnswerText, Qt::Key_M, Qt::AltModifier);
    QCOMPARE(h.W()->MessageLine->text(), ToQString(kNoOperationsMessage));
    QCOMPARE(h.Window->Record().StepCount(), std::size_t(2));
}

void SentencingWindowTest::ARefusedFractionIsKeptAsTypedAndNamed() {
    SentencingHarness h;
    QVERIFY(h.Open());
    h.TypeTheHomicide();
    h.ShowTab(ModifiersTab);
    SentencingHarness::AddRow(h.Panel()->AtenuantesTable,
                              {QStringLiteral("confiss\u00e3o espont\u00e2nea"), "6/6"});
    const QString message = ToQString(kDecreaseOfTheWholeMessage);
    const QAbstractItemModel* atenuantes = h.Panel()->AtenuantesTable->Model();
    const QModelIndex fraction = atenuantes->index(0, SentencingModifiersModel::FractionColumn);
    QCOMPARE(fraction.data().toString(), QStringLiteral("6/6"));
    QCOMPARE(fraction.data(Qt::ToolTipRole).toString(), message);
    QCOMPARE(h.Answer(), QStringLiteral("Crime 1 (homic\u00eddio simples), Atenuantes, linha 1, "
                                        "Fra\u00e7\u00e3o: ") +
                             message);
    QVERIFY(h.Panel()->AtenuantesTable->MessageLine->text().endsWith(message));
    QVERIFY(!h.W()->ConsequencesButton->isEnabled());
    QVERIFY(!h.W()->RecordButton->isEnabled());
    QVERIFY(h.Watch.Seen().isEmpty());

    // Enter edits the cell again from what was typed; a fraction that reads mends it.
    h.Panel()->AtenuantesTable->View->setFocus();
    QTest::keyClick(h.Panel()->AtenuantesTable->View, Qt::Key_Return);
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    QVERIFY(editor);
    QCOMPARE(editor->text(), QStringLiteral("6/6"));
    QTest::keyClick(editor, Qt::Key_End);
    QTest::keyClick(editor, Qt::Key_Backspace);
    QTest::keyClicks(editor, QStringLiteral("12"));
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();
    QCOMPARE(fraction.data().toString(), QStringLiteral("6/12"));
    QVERIFY(h.Answer().contains(QStringLiteral("Pena final:")));
    QVERIFY(h.W()->ConsequencesButton->isEnabled());

    // A circumstance's fraction opens with its weight and is refused in the same words.
    h.ShowTab(CircumstancesTab);
    const JudicialCircumstancesGrid::Row& conduct = h.Panel()->Circumstances->Rows[2];
    QVERIFY(!conduct.Fraction->isEnabled());
    SentencingHarness::ChooseDown(conduct.Weight, 2); // desfavorável, fração informada
    QVERIFY(conduct.Fraction->isEnabled());
    conduct.Fraction->setFocus();
    QTest::keyClicks(conduct.Fraction, QStringLiteral("1/0"));
    QCOMPARE(h.Answer(), QStringLiteral("Crime 1 (homic\u00eddio simples), Circunst\u00e2ncias "
                                        "judiciais, conduta social, fra\u00e7\u00e3o: ") +
                             ToQString(kZeroDenominatorMessage));
    QCOMPARE(conduct.Fraction->text(), QStringLiteral("1/0"));
}

void SentencingWindowTest::InputComesBackAsItWasSetAndEditsAreSignalled() {
    SentencingHarness h;
    QVERIFY(h.Open());
    SentencingInput input;
    for (const char* name : {"roubo", "furto"}) {
        CrimeInput crime;
        crime.Crime = name;
        crime.MinimoDias = 4 * 360;
        crime.MaximoDias = 10 * 360;
        crime.Circunstancias[1] = {CircumstanceWeight::Fracao,
                                   {1, 5},
                                   0,
                                   "duas condena\xE7\xF5"
                                   "es"};
        crime.Agravantes = {{"reincidencia", {1, 6}}};
        crime.Atenuantes = {{"confissao", {1, 6}}};
        crime.Causas = {{"emprego de arma", CauseKind::Aumento, {1, 3}, true}};
        input.Crimes.push_back(crime);
    }
    input.Concurso = ConcursoInput{ConcursoKind::ContinuadoEspecifico, Fraction{1, 2}};
    input.Opcoes.SegundaFase = SecondPhaseMethod::Cascata;
    input.Opcoes.MultaContinuado = ContinuedFines::Somada;
    QSignalSpy changed(h.W(), &SentencingWindow::InputChanged);
    h.W()->SetInput(input);
    QCOMPARE(changed.size(), 0);
    auto signalled = [&changed, before = qsizetype(0)]() mutable {
        const bool more = changed.size() > before;
        before = changed.size();
        return more;
    };
    const SentencingInput shown = h.W()->Input();
    QCOMPARE(shown.Crimes.size(), std::size_t(2));
    QCOMPARE(shown.Crimes[1].Crime, std::string("furto"));
    QCOMPARE(shown.Crimes[1].Circunstancias[1].Motivo, input.Crimes[1].Circunstancias[1].Motivo);
    QCOMPARE(shown.Crimes[1].Circunstancias[1].Fracao, (Fraction{1, 5}));
    QCOMPARE(shown.Crimes[1].Causas.front().ParteEspecial, true);
    QCOMPARE(shown.Concurso->Fracao, input.Concurso->Fracao);
    QCOMPARE(shown.Opcoes.SegundaFase, SecondPhaseMethod::Cascata);
    QCOMPARE(shown.Opcoes.MultaContinuado, ContinuedFines::Somada);
    QVERIFY(h.Answer().contains(QStringLiteral("crime continuado espec\u00edfico")));

    // Every user edit is signalled: a field, a cell, an option.
    SentencingHarness::TypeTerm(h.Panel(1)->Maximum, {"12"});
    QCOMPARE(h.W()->Input().Crimes[1].MaximoDias, 12 * 360LL);
    QVERIFY(signalled());
    SentencingHarness::ChooseDown(h.W()->Options->ThirdPhaseChoice, 1);
    QVERIFY(signalled());
    h.W()->CrimesTable->View->setFocus();
    QTest::keyClick(h.W()->CrimesTable->View, Qt::Key_Delete);
    QCOMPARE(h.W()->Input().Crimes.size(), std::size_t(1));
    QVERIFY(signalled());
    // Numbers in words change the text, not the input.
    QTest::mouseClick(h.W()->InWords, Qt::LeftButton);
    QVERIFY(!signalled());
}

// Confissão takes the provisional term below the minimum (Súmula 231): the third phase starts
// from the minimum, which the record shows as a new start, as a chain typed anew would.
void SentencingWindowTest::TheRecordRestartsWhereALimitHeldTheTerm() {
    CrimeInput crime = CrimeOf(4, 10, true);
    crime.Atenuantes = {{"confissao", {1, 6}}};
    crime.Causas = {{"emprego de arma", CauseKind::Aumento, {1, 3}, false}};
    CalcRecord record;
    QCOMPARE(AppendCrimeSteps(SentenceOf(crime), true, record), std::string());
    QCOMPARE(record.Lines(false),
             (std::vector<std::string>{"Pena: 4 anos, e 10 dias-multa",
                                       "diminui\xE7\xE3o de 1/6: 3 anos e 4 meses, e 8 dias-multa",
                                       "Pena: 4 anos, e 10 dias-multa",
                                       "aumento de 1/3: 5 anos e 4 meses, e 13 dias-multa"}));
    // Dias-multa that do not follow the phases stay out of the record.
    CalcRecord withoutFines;
    QCOMPARE(AppendCrimeSteps(SentenceOf(crime), false, withoutFines), std::string());
    QCOMPARE(withoutFines.Lines(false).back(), std::string("aumento de 1/3: 5 anos e 4 meses"));
}

void SentencingWindowTest::StepsThatDoNotFitTheMainWindowAreNotSent() {
    CrimeInput crime = CrimeOf(4, 10);
    crime.Causas = {{"tentativa", CauseKind::Diminuicao, {1, 3}, false},
                    {"uma fra\xE7\xE3o longa", CauseKind::Aumento, {100, 300}, false}};
    CalcRecord record;
    QCOMPARE(AppendCrimeSteps(SentenceOf(crime), false, record),
             std::string(kStepDoesNotFitMessage));
    QCOMPARE(record.StepCount(), std::size_t(0));
    QCOMPARE(AppendCrimeSteps(SentenceOf(CrimeOf(4, 10)), false, record),
             std::string(kNoOperationsMessage));
    // Nor does a final term beyond the years the consequences' fields hold.
    QCOMPARE(FieldTerm({999, 11, 29, 0}), (FieldTermTexts{"999", "11", "29"}));
    QCOMPARE(FieldTerm({1000, 0, 0, 0}), std::nullopt);
}

void SentencingWindowTest::TheDosimetriaSettlesItsFactsEitherWay_data() {
    QTest::addColumn<QString>("agravante");
    QTest::addColumn<QString>("atenuante");
    QTest::addColumn<int>("unfavourable"); // a circumstance of art. 59, or -1
    QTest::addColumn<bool>("sexualViolence");
    QTest::addColumn<CaseFacts>("given");
    QTest::addColumn<CaseFacts>("settled");
    CaseFacts repeat;
    repeat.RepeatOffender = true;
    repeat.SpecificRepeatOffender = true;
    CaseFacts badAntecedents;
    badAntecedents.GoodAntecedents = false;
    badAntecedents.FavourableCircumstances = false;
    CaseFacts young;
    young.Under21AtCrime = true;
    young.Culposo = true;
    CaseFacts old;
    old.Over70AtSentence = true;
    CaseFacts violence;
    violence.SexualViolenceAgainstWoman = true;
    violence.FavourableCircumstances = false;
    CaseFacts culposo;
    culposo.Culposo = true;
    CaseFacts culposoOld = culposo;
    culposoOld.Over70AtSentence = true;
    CaseFacts multirreincidente = repeat;
    multirreincidente.SpecificRepeatOffender = false;
    // clang-format off
    QTest::newRow("nothing of them: the defaults, other facts kept")
        << "" << "" << -1 << false << young << culposo;
    QTest::newRow("an earlier repeat offence no agravante names is gone")
        << "" << "" << -1 << false << repeat << CaseFacts{};
    QTest::newRow("multirreincidencia") << "multirreincidencia" << "" << -1 << false
        << CaseFacts{} << multirreincidente;
    QTest::newRow("the specific repeat offence given stays with reincidencia")
        << "reincidencia" << "" << -1 << false << repeat << repeat;
    QTest::newRow("antecedentes") << "" << "" << int(JudicialCircumstance::Antecedentes) << false
        << CaseFacts{} << badAntecedents;
    QTest::newRow("the ages") << "" << "maior_70" << -1 << false << young
        << culposoOld;
    QTest::newRow("sexual violence, consequences unfavourable") << "" << "" 
        << int(JudicialCircumstance::Consequencias) << true << old << violence;
    // clang-format on
}

void SentencingWindowTest::TheDosimetriaSettlesItsFactsEitherWay() {
    QFETCH(QString, agravante);
    QFETCH(QString, atenuante);
    QFETCH(int, unfavourable);
    QFETCH(bool, sexualViolence);
    QFETCH(CaseFacts, given);
    QFETCH(CaseFacts, settled);
    // The facts come from any crime of the sentence: here the second of two.
    SentencingInput input;
    input.Crimes = {CrimeOf(1, 4), CrimeOf(1, 4)};
    CrimeInput& crime = input.Crimes.back();
    if (!agravante.isEmpty()) {
        crime.Agravantes.push_back({ToCp1252(agravante), {1, 6}});
    }
    if (!atenuante.isEmpty()) {
        crime.Atenuantes.push_back({ToCp1252(atenuante), {1, 6}});
    }
    if (unfavourable >= 0) {
        crime.Circunstancias[std::size_t(unfavourable)].Peso = CircumstanceWeight::Desfavoravel;
    }
    crime.ViolenciaSexualMulher = sexualViolence;
    QCOMPARE(WithSentencingFacts(given, input), settled);
}

void SentencingWindowTest::LibraryPlacesAreNamedAsTheWindowNamesThem_data() {
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("named");
    // clang-format off
    QTest::newRow("a crime's field") << "dosimetria.crimes[1].maximo: m."
        << QStringLiteral("Crime 2 (furto), Pena m\u00e1xima: m.");
    QTest::newRow("a circumstance's fraction")
        << "dosimetria.crimes[0].circunstancias.motivos.fracao: m."
        << QStringLiteral("Crime 1 (roubo), Circunst\u00e2ncias judiciais, motivos do crime, "
                          "Fra\u00e7\u00e3o: m.");
    QTest::newRow("a row of a list") << "dosimetria.crimes[0].causas[2].fracao: m."
        << QStringLiteral("Crime 1 (roubo), Causas, linha 3, Fra\u00e7\u00e3o: m.");
    QTest::newRow("a whole list") << "dosimetria.crimes[0].agravantes: m."
        << QStringLiteral("Crime 1 (roubo), Agravantes: m.");
    QTest::newRow("a crime the list lacks") << "dosimetria.crimes[5].minimo: m."
        << QStringLiteral("Crime 6, Pena m\u00ednima: m.");
    QTest::newRow("the concurso") << "dosimetria.concurso.fracao: m."
        << QStringLiteral("Concurso, Fra\u00e7\u00e3o: m.");
    QTest::newRow("no place") << "O aumento vai: longe." << QStringLiteral("O aumento vai: longe.");
    // clang-format on
}

void SentencingWindowTest::LibraryPlacesAreNamedAsTheWindowNamesThem() {
    QFETCH(QString, message);
    QFETCH(QString, named);
    std::vector<CrimeInput> crimes(2);
    crimes[0].Crime = "roubo";
    crimes[1].Crime = "furto";
    QCOMPARE(WithWindowPlaces(ToCp1252(message), crimes), named);
}

// What a screen reader announces of each control the keyboard reaches, in every tab.
void SentencingWindowTest::EveryControlHasAName() {
    SentencingHarness h;
    QVERIFY(h.Open());
    QStringList unnamed;
    for (const Tab tab : {CrimeTab, CircumstancesTab, ModifiersTab, CausesTab}) {
        h.ShowTab(tab);
        for (QWidget* control : h.W()->findChildren<QWidget*>()) {
            if (!control->isVisible() || !(control->focusPolicy() & Qt::TabFocus)) {
                continue;
            }
            const QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
            if (!face || face->text(QAccessible::Name).trimmed().isEmpty()) {
                unnamed << QString::fromLatin1(control->metaObject()->className()) +
                               QLatin1Char(' ') + control->objectName();
            }
        }
    }
    unnamed.removeDuplicates();
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral(", "))));
}

void SentencingWindowTest::F1OpensItsPageFromTheWindowAndTheMenu() {
    RecordedHelp help;
    TForm1 form;
    form.show();
    form.FerramentasDosimetria->trigger();
    SentencingWindow* w = form.Sentencing();
    QVERIFY(w && QTest::qWaitForWindowActive(w));
    const QStringList page = {QStringLiteral("zarn.qhc|1|25")};
    for (QWidget* control :
         QList<QWidget*>{w->PanelAt(0)->Description, w->PanelAt(0)->Tabs->tabBar(),
                         w->CrimesTable->View, w->ConcursoChoice, w->AnswerText, w->RecordButton}) {
        help.Engine.Requests.clear();
        help.Engine.WindowOpen = false;
        control->window()->activateWindow();
        control->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
        QVERIFY2(help.Engine.Requests == page, qPrintable(control->objectName()));
    }
    w->close();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    help.Engine.Requests.clear();
    help.Engine.WindowOpen = false;
    QMenu* tools = form.Ferramentas1;
    tools->popup(form.mapToGlobal(QPoint(0, 0)));
    tools->setActiveAction(form.FerramentasDosimetria);
    QTest::keyClick(tools, Qt::Key_F1);
    QCOMPARE(help.Engine.Requests, page);
    tools->close();
}

// Nothing of the window, the crime's tabs or the circumstances' grid reaches outside its
// area, overlaps or is cut, at this display's density.
void SentencingWindowTest::LayoutFits() {
    SentencingHarness h;
    QVERIFY(h.Open());
    QVERIFY(QTest::qWaitForWindowExposed(h.W()));
    const auto visibleChildren = [](const QWidget* area) {
        QList<const QWidget*> controls;
        for (const QWidget* child : area->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (child->isVisible()) {
                controls << child;
            }
        }
        return controls;
    };
    QStringList faults;
    const auto check = [&faults, &visibleChildren](const QWidget* area) {
        const QList<const QWidget*> controls = visibleChildren(area);
        faults << testing::ControlsOutside(area, controls);
        faults << testing::OverlappingControls(area, controls);
        faults << testing::CutCaptions(controls);
    };
    check(h.W());
    check(h.W()->ConcursoBox);
    check(h.W()->Options);
    for (const Tab tab : {CrimeTab, CircumstancesTab, ModifiersTab, CausesTab}) {
        h.ShowTab(tab);
        check(h.Panel()->Tabs->currentWidget());
    }
    h.ShowTab(CircumstancesTab);
    check(h.Panel()->Circumstances->Rows[0].Increase);
    // A laptop's screen of 1366 x 768 pixels at this density holds the window.
    const double scale = h.W()->logicalDpiY() / 96.0;
    QVERIFY(h.W()->minimumSizeHint().width() <= 1366 * scale);
    QVERIFY(h.W()->minimumSizeHint().height() <= 740 * scale);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

} // namespace zarn

QTEST_MAIN(zarn::SentencingWindowTest)
#include "SentencingWindowTest.moc"
