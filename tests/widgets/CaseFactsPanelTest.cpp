// The facts panel through its API and real clicks and keys: what it shows is what Facts()
// gives, a control whose other value would contradict the facts is disabled and says why,
// the inciso choice sets the facts it implies or refuses a contradiction, the date of the
// crime reads against the std::chrono calendar, a click anywhere on an empty number field
// lets digits in, and the controls fit at this display's density.

#include "widgets/CaseFactsPanel.h"

#include "law/CaseFacts.h"
#include "law/FactNames.h"
#include "law/LawTables.h"
#include "support/DateOracle.h"
#include "support/LayoutChecks.h"
#include "widgets/FormFonts.h"
#include "widgets/MaskedField.h"
#include "widgets/QtText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTest>
#include <functional>

namespace zarn {

using testing::OracleDayNumber;

namespace {

CaseFacts With(const std::function<void(CaseFacts&)>& change) {
    CaseFacts facts;
    change(facts);
    return facts;
}

bool EntryEnabled(const QComboBox* choice, int entry) {
    const auto* model = qobject_cast<const QStandardItemModel*>(choice->model());
    return model && model->item(entry)->isEnabled();
}

int EntryOf(Inciso inciso) {
    for (std::size_t i = 0; i < kProgressionRows.size(); ++i) {
        if (kProgressionRows[i].Which == inciso) {
            return static_cast<int>(i) + 1;
        }
    }
    return 0;
}

QString TypedDate(CaseFactsPanel& panel, const QString& keys) {
    panel.DataCrime->setFocus();
    panel.DataCrime->SelectAll();
    QTest::keyClick(panel.DataCrime, Qt::Key_Delete);
    panel.DataCrime->SelectAll();
    QTest::keyClicks(panel.DataCrime, keys);
    return ToQString(panel.DataCrime->Text());
}

} // namespace

class CaseFactsPanelTest : public QObject {
    Q_OBJECT
private slots:
    void ShowsAndGivesBackTheFacts();
    void ClicksAndKeysChangeTheFacts();
    void ControlsThatCannotApplyAreDisabledAndSayWhy();
    void IncisoSetsTheFactsItImplies();
    void IncisoThatContradictsAFactIsRefused();
    void ArrowKeysStepThroughTheIncisos();
    void CrimeDateReadsAsTheCalendarDoes();
    void ClickAnywhereOnAnEmptyFieldTakesDigits();
    void ControlsFitAndDoNotOverlap();
};

void CaseFactsPanelTest::ShowsAndGivesBackTheFacts() {
    struct Row {
        const char* name;
        CaseFacts shown;
        long long detracaoKept; // what the five-digit field holds
    };
    const Row rows[] = {
        {"defaults", {}, 0},
        {"many facts", With([](CaseFacts& f) {
             f.Kind = Especie::Detencao;
             f.Nature = Natureza::Feminicidio;
             f.Attempt = true;
             f.SexualViolenceAgainstWoman = true;
             f.RepeatOffender = true;
             f.Violence = true;
             f.GoodAntecedents = false;
             f.FavourableCircumstances = false;
             f.Under21AtCrime = true;
             f.Over70AtSentence = true;
             f.CrimeDate = OracleDayNumber(2024, 10, 10);
             f.DetracaoDays = 45;
         }),
         45},
        {"specific repeat of a culposo crime", With([](CaseFacts& f) {
             f.Culposo = true;
             f.RepeatOffender = true;
             f.SpecificRepeatOffender = true;
             f.EarlierDoloso = false;
         }),
         0},
        {"negative detracao shows none", With([](CaseFacts& f) { f.DetracaoDays = -3; }), 0},
        {"five digits of detracao", With([](CaseFacts& f) { f.DetracaoDays = 99999; }), 99999},
        {"beyond the field held to it", With([](CaseFacts& f) { f.DetracaoDays = 100000; }), 99999},
    };
    for (const Row& row : rows) {
        CaseFactsPanel panel;
        QCOMPARE(panel.Facts(), CaseFacts{});
        QCOMPARE(panel.Inciso->currentIndex(), 0);
        QSignalSpy changed(&panel, &CaseFactsPanel::FactsChanged);
        panel.SetFacts(row.shown);
        QCOMPARE(changed.count(), 1);
        CaseFacts expected = row.shown;
        expected.DetracaoDays = row.detracaoKept;
        QVERIFY2(panel.Facts() == expected, row.name);
        QVERIFY(!panel.CrimeDateInvalid());
    }
    // Every natureza the law names can be shown and read back.
    CaseFactsPanel panel;
    for (const NaturezaName& name : kNaturezaNames) {
        panel.SetFacts(With([&name](CaseFacts& f) { f.Nature = name.Which; }));
        QCOMPARE(panel.Facts().Nature, name.Which);
        QCOMPARE(panel.Natureza->currentText(), ToQString(name.Shown));
    }
}

void CaseFactsPanelTest::ClicksAndKeysChangeTheFacts() {
    CaseFactsPanel panel;
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    QSignalSpy changed(&panel, &CaseFactsPanel::FactsChanged);

    panel.Reincidencia->setFocus();
    QTest::keyClick(panel.Reincidencia, Qt::Key_Down); // "sim"
    QTest::mouseClick(panel.CulposoAnterior, Qt::LeftButton);
    panel.MausAntecedentes->setFocus();
    QTest::keyClick(panel.MausAntecedentes, Qt::Key_Space);
    panel.Especie->setFocus();
    QTest::keyClick(panel.Especie, Qt::Key_End); // "detenção"
    QCOMPARE(TypedDate(panel, QStringLiteral("23012020")), QStringLiteral("23/01/2020"));
    panel.Detracao->setFocus();
    panel.Detracao->SelectAll();
    QTest::keyClicks(panel.Detracao, QStringLiteral("1x20"));

    const CaseFacts expected = With([](CaseFacts& f) {
        f.RepeatOffender = true;
        f.EarlierDoloso = false;
        f.GoodAntecedents = false;
        f.Kind = Especie::Detencao;
        f.CrimeDate = OracleDayNumber(2020, 1, 23);
        f.DetracaoDays = 120; // the letter is refused by the field
    });
    QCOMPARE(panel.Facts(), expected);
    QVERIFY(changed.count() >= 6);

    // Without the record the earlier conviction's box no longer counts, and comes back with
    // it, as it was ticked.
    QTest::keyClick(panel.Reincidencia, Qt::Key_Home);
    QVERIFY(panel.Facts().EarlierDoloso);
    QVERIFY(!panel.CulposoAnterior->isEnabled());
    QTest::keyClick(panel.Reincidencia, Qt::Key_Down);
    QVERIFY(!panel.Facts().EarlierDoloso);
}

void CaseFactsPanelTest::ControlsThatCannotApplyAreDisabledAndSayWhy() {
    struct Row {
        const char* name;
        CaseFacts facts;
        QStringList disabled; // object names
        QString why;          // in the tooltip of the first one
    };
    const Row rows[] = {
        {"first offender: no earlier conviction", {}, {"CulposoAnterior"}, "prim\u00e1rio"},
        {"violence: no paragraph 3",
         With([](CaseFacts& f) { f.Violence = true; }),
         {"Paragrafo3", "CulposoAnterior"},
         "viol\u00eancia"},
        {"paragraph 3: neither violence nor record",
         With([](CaseFacts& f) { f.Paragraph3 = true; }),
         {"Violencia", "Reincidencia", "CulposoAnterior"},
         "viol\u00eancia"},
        {"culposo: no attempt nor another natureza",
         With([](CaseFacts& f) { f.Culposo = true; }),
         {"Tentativa", "Natureza", "CulposoAnterior"},
         "culposo"},
        {"attempt: not culposo",
         With([](CaseFacts& f) { f.Attempt = true; }),
         {"Culposo", "CulposoAnterior"},
         "tentativa"},
        {"specific repeat of a doloso crime: the earlier one was doloso",
         With([](CaseFacts& f) {
             f.RepeatOffender = true;
             f.SpecificRepeatOffender = true;
         }),
         {"CulposoAnterior", "Paragrafo3"},
         "espec\u00edfico"},
    };
    for (const Row& row : rows) {
        CaseFactsPanel panel;
        panel.SetFacts(row.facts);
        QStringList disabled;
        for (QWidget* control : panel.TabOrder()) {
            if (!control->isEnabled()) {
                disabled << control->objectName();
                QVERIFY2(!control->toolTip().isEmpty(), qPrintable(control->objectName()));
            }
        }
        QStringList expected = row.disabled;
        expected.sort();
        disabled.sort();
        QVERIFY2(disabled == expected, qPrintable(disabled.join(' ')));
        auto* first = panel.findChild<QWidget*>(row.disabled.first());
        QVERIFY2(first->toolTip().contains(row.why, Qt::CaseInsensitive),
                 qPrintable(first->toolTip()));
    }
    // Within a choice that still applies, an entry that would contradict is disabled alone.
    CaseFactsPanel panel;
    panel.SetFacts(With([](CaseFacts& f) { f.Attempt = true; }));
    QVERIFY(panel.Natureza->isEnabled());
    for (int i = 0; i < panel.Natureza->count(); ++i) {
        const bool death =
            kNaturezaNames[static_cast<std::size_t>(i)].Which == Natureza::HediondoMorte;
        QCOMPARE(EntryEnabled(panel.Natureza, i), !death);
    }
    // The record's details follow the record: with it, the earlier conviction's box applies.
    QVERIFY(!panel.CulposoAnterior->isEnabled());
    panel.Reincidencia->setCurrentIndex(1);
    QVERIFY(panel.CulposoAnterior->isEnabled());
    QVERIFY(panel.CulposoAnterior->toolTip().isEmpty());
    // Facts given already at odds leave every control free, to be mended.
    panel.SetFacts(With([](CaseFacts& f) {
        f.Paragraph3 = true;
        f.Violence = true;
    }));
    QVERIFY(panel.Violencia->isEnabled() && panel.Paragrafo3->isEnabled());
}

void CaseFactsPanelTest::IncisoSetsTheFactsItImplies() {
    struct Row {
        Inciso inciso;
        CaseFacts before;
        CaseFacts after;
    };
    const CaseFacts dated = With([](CaseFacts& f) {
        f.CrimeDate = OracleDayNumber(2021, 5, 3);
        f.DetracaoDays = 30;
    });
    const Row rows[] = {
        {Inciso::I, dated, dated},
        {Inciso::IV, dated, With([&dated](CaseFacts& f) {
             f = dated;
             f.RepeatOffender = true;
             f.Violence = true;
         })},
        {Inciso::VII, {}, With([](CaseFacts& f) {
             f.Nature = Natureza::Hediondo;
             f.RepeatOffender = true;
             f.SpecificRepeatOffender = true;
         })},
        // Inciso V also reaches the feminicidio given.
        {Inciso::V, With([](CaseFacts& f) { f.Nature = Natureza::Feminicidio; }),
         With([](CaseFacts& f) { f.Nature = Natureza::Feminicidio; })},
        {Inciso::Paragrafo3, {}, With([](CaseFacts& f) { f.Paragraph3 = true; })},
    };
    for (const Row& row : rows) {
        CaseFactsPanel panel;
        panel.SetFacts(row.before);
        QSignalSpy changed(&panel, &CaseFactsPanel::FactsChanged);
        panel.Inciso->setCurrentIndex(EntryOf(row.inciso));
        QCOMPARE(panel.Facts(), row.after);
        QCOMPARE(changed.count(), row.after == row.before ? 0 : 1);
        QCOMPARE(panel.Inciso->currentIndex(), EntryOf(row.inciso));
    }
    // The choice stays while the facts are the inciso's, and goes back to none, changing no
    // fact, once one of them changes.
    CaseFactsPanel panel;
    panel.Inciso->setCurrentIndex(EntryOf(Inciso::IV));
    panel.Menor21->setChecked(true);
    QCOMPARE(panel.Inciso->currentIndex(), EntryOf(Inciso::IV));
    panel.Violencia->setChecked(false);
    QCOMPARE(panel.Inciso->currentIndex(), 0);
    QVERIFY(panel.Facts().RepeatOffender);
}

void CaseFactsPanelTest::IncisoThatContradictsAFactIsRefused() {
    struct Row {
        Inciso inciso;
        CaseFacts facts;
        QString named; // the fact the message names beside the inciso
    };
    const Row rows[] = {
        {Inciso::VII, With([](CaseFacts& f) { f.Culposo = true; }), "crime culposo"},
        {Inciso::I, With([](CaseFacts& f) { f.RepeatOffender = true; }), "reincidente"},
        {Inciso::III, With([](CaseFacts& f) { f.Nature = Natureza::Milicia; }),
         "mil\u00edcia privada"},
        {Inciso::Paragrafo3, With([](CaseFacts& f) { f.Violence = true; }), "viol\u00eancia"},
        // The facts the inciso sets would contradict one it leaves alone.
        {Inciso::VIa, With([](CaseFacts& f) { f.Attempt = true; }), "tentativa"},
    };
    for (const Row& row : rows) {
        CaseFactsPanel panel;
        panel.SetFacts(row.facts);
        // The entry cannot be picked, and says why.
        const int entry = EntryOf(row.inciso);
        QVERIFY(!EntryEnabled(panel.Inciso, entry));
        const QString why = panel.Inciso->itemData(entry, Qt::ToolTipRole).toString();
        QVERIFY2(why.startsWith(QStringLiteral("Fatos contradit\u00f3rios")), qPrintable(why));
        QVERIFY2(why.contains(row.named), qPrintable(why));
        // Picked anyway, by the program, it is refused on the message line.
        QSignalSpy changed(&panel, &CaseFactsPanel::FactsChanged);
        panel.Inciso->setCurrentIndex(entry);
        QCOMPARE(panel.Facts(), row.facts);
        QCOMPARE(changed.count(), 0);
        QCOMPARE(panel.Inciso->currentIndex(), 0);
        QCOMPARE(panel.Inciso->toolTip(), why);
        QCOMPARE(panel.Inciso->accessibleDescription(), why);
        // The next change of a fact takes the message away.
        panel.Maior70->setChecked(true);
        QVERIFY(!panel.Inciso->toolTip().contains(why));
    }
}

void CaseFactsPanelTest::ArrowKeysStepThroughTheIncisos() {
    CaseFactsPanel panel;
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    panel.SetFacts(With([](CaseFacts& f) { f.Attempt = true; }));
    panel.Inciso->setFocus();
    // Each inciso's facts alone, laid over those given before the first was picked.
    QTest::keyClick(panel.Inciso, Qt::Key_Down);
    QTest::keyClick(panel.Inciso, Qt::Key_Down);
    QCOMPARE(panel.Inciso->currentIndex(), EntryOf(Inciso::II));
    QTest::keyClick(panel.Inciso, Qt::Key_Down);
    QCOMPARE(panel.Facts(), With([](CaseFacts& f) {
                 f.Attempt = true;
                 f.Violence = true;
             }));
    // The arrows pass over the incisos that would contradict the attempt (VI-a, VIII).
    QList<int> visited;
    for (int i = 0; i < panel.Inciso->count(); ++i) {
        QTest::keyClick(panel.Inciso, Qt::Key_Down);
        visited << panel.Inciso->currentIndex();
        QVERIFY(EntryEnabled(panel.Inciso, panel.Inciso->currentIndex()));
    }
    QVERIFY(!visited.contains(EntryOf(Inciso::VIa)));
    QVERIFY(!visited.contains(EntryOf(Inciso::VIII)));
    QVERIFY(visited.contains(EntryOf(Inciso::VII)));
    // "(nenhum)" gives back the facts as they were given.
    QTest::keyClick(panel.Inciso, Qt::Key_Home);
    QCOMPARE(panel.Facts(), With([](CaseFacts& f) { f.Attempt = true; }));
}

void CaseFactsPanelTest::CrimeDateReadsAsTheCalendarDoes() {
    struct Row {
        const char* keys;
        std::optional<DayNumber> date;
        bool invalid;
    };
    const Row rows[] = {
        {"", std::nullopt, false},
        {"05032010", OracleDayNumber(2010, 3, 5), false},
        {"29022024", OracleDayNumber(2024, 2, 29), false},
        {"31129999", OracleDayNumber(9999, 12, 31), false},
        {"29022023", std::nullopt, true},
        {"31042008", std::nullopt, true},
        {"00012000", std::nullopt, true},
        {"0503", std::nullopt, true},     // no year
        {"050320", std::nullopt, true},   // a year of two digits
        {"01010000", std::nullopt, true}, // before the calendar
    };
    CaseFactsPanel panel;
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    for (const Row& row : rows) {
        TypedDate(panel, QString::fromLatin1(row.keys));
        QVERIFY2(panel.Facts().CrimeDate == row.date, row.keys);
        QVERIFY2(panel.CrimeDateInvalid() == row.invalid, row.keys);
    }
    // What was typed stays in the field, to be mended.
    QCOMPARE(TypedDate(panel, QStringLiteral("3104")), QStringLiteral("31/04/    "));
}

// Finding 13: a click on the middle or the right of the empty field left the caret at its
// end, where typing did nothing.
void CaseFactsPanelTest::ClickAnywhereOnAnEmptyFieldTakesDigits() {
    for (const double across : {0.05, 0.5, 0.95}) {
        CaseFactsPanel panel;
        panel.show();
        QVERIFY(QTest::qWaitForWindowActive(&panel));
        for (MaskedField* field : {panel.Detracao, panel.DataCrime}) {
            const QPoint click(static_cast<int>(field->width() * across), field->height() / 2);
            QTest::mouseClick(field, Qt::LeftButton, Qt::NoModifier, click);
            QTest::keyClicks(field, QStringLiteral("12"));
        }
        QVERIFY2(panel.Facts().DetracaoDays == 12, qPrintable(QString::number(across)));
        QCOMPARE(ToQString(panel.DataCrime->Text()), QStringLiteral("12/  /    "));
        // On a field that holds digits a click still places the caret where it lands.
        QTest::mouseClick(panel.Detracao, Qt::LeftButton, Qt::NoModifier,
                          QPoint(2, panel.Detracao->height() / 2));
        QTest::keyClicks(panel.Detracao, QStringLiteral("3"));
        QCOMPARE(panel.Facts().DetracaoDays, 32);
    }
}

void CaseFactsPanelTest::ControlsFitAndDoNotOverlap() {
    CaseFactsPanel panel;
    panel.resize(panel.sizeHint());
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    QList<const QWidget*> controls;
    for (const QWidget* child : panel.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        controls << child;
    }
    QStringList faults = testing::ControlsOutside(&panel, controls);
    faults << testing::OverlappingControls(&panel, controls);
    faults << testing::CutCaptions(controls);
    faults << testing::LabelsBesideTheirFields(&panel,
                                               {{panel.NaturezaLabel, panel.Natureza},
                                                {panel.EspecieLabel, panel.Especie},
                                                {panel.ReincidenciaLabel, panel.Reincidencia},
                                                {panel.DataCrimeLabel, panel.DataCrime},
                                                {panel.DetracaoLabel, panel.Detracao}});
    faults << testing::RowsInReadingOrder(&panel, {{panel.Natureza},
                                                   {panel.Especie, panel.Reincidencia},
                                                   {panel.Culposo, panel.CulposoAnterior},
                                                   {panel.Paragrafo3},
                                                   {panel.DataCrime, panel.Detracao},
                                                   {panel.IncisoLabel},
                                                   {panel.Inciso}});
    // A check box needs room for its box beside the caption.
    for (const QCheckBox* box : panel.findChildren<QCheckBox*>()) {
        if (box->sizeHint().width() > box->width()) {
            faults << box->text() + QStringLiteral(" is cut");
        }
    }
    // Every entry of a choice shows whole in the closed choice, beside its arrow.
    for (const QComboBox* choice : panel.findChildren<QComboBox*>()) {
        QStyleOptionComboBox option;
        option.initFrom(choice);
        const int room =
            choice->style()
                ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, choice)
                .width();
        for (int i = 0; i < choice->count(); ++i) {
            if (CaptionWidth(choice->font(), choice->itemText(i)) > room) {
                faults << choice->itemText(i) + QStringLiteral(" is cut");
            }
        }
    }
    // A full date shows whole in its field.
    if (panel.DataCrime->fontMetrics().horizontalAdvance(QStringLiteral("31/12/2008")) >=
        panel.DataCrime->width()) {
        faults << QStringLiteral("the date field cuts its date");
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

} // namespace zarn

QTEST_MAIN(zarn::CaseFactsPanelTest)
#include "CaseFactsPanelTest.moc"
