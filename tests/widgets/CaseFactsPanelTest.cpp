// The facts panel through its API and real clicks and keys: what it shows is what Facts()
// gives, the derived inciso follows the facts, and its controls fit their places at this
// display's density.

#include "widgets/CaseFactsPanel.h"

#include "law/CaseFacts.h"
#include "law/LawTables.h"
#include "support/LayoutChecks.h"
#include "widgets/FormFonts.h"
#include "widgets/MaskedField.h"
#include "widgets/QtText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTest>

namespace zarn {
namespace {

CaseFacts Facts(bool repeat, bool violence, bool culposo) {
    CaseFacts facts;
    facts.RepeatOffender = repeat;
    facts.Violence = violence;
    facts.Culposo = culposo;
    return facts;
}

} // namespace

class CaseFactsPanelTest : public QObject {
    Q_OBJECT
private slots:
    void ShowsAndGivesBackTheFacts();
    void ClicksAndTypingChangeTheFacts();
    void DerivedEntryFollowsTheFacts();
    void ControlsFitAndDoNotOverlap();
};

void CaseFactsPanelTest::ShowsAndGivesBackTheFacts() {
    struct Row {
        const char* name;
        CaseFacts shown;
        long long detracaoKept; // what the five-digit field holds
    };
    CaseFacts everything;
    everything.Kind = Especie::Detencao;
    everything.RepeatOffender = true;
    everything.FavourableCircumstances = false;
    everything.Violence = true;
    everything.Culposo = true;
    everything.Under21AtCrime = true;
    everything.Over70AtSentence = true;
    everything.DetracaoDays = 45;
    CaseFacts negative;
    negative.DetracaoDays = -3;
    CaseFacts longest;
    longest.DetracaoDays = 99999;
    CaseFacts beyond;
    beyond.DetracaoDays = 100000;
    const Row rows[] = {
        {"defaults", {}, 0},
        {"every fact", everything, 45},
        {"negative detracao shows none", negative, 0},
        {"five digits of detracao", longest, 99999},
        {"beyond the field held to it", beyond, 99999},
    };
    for (const Row& row : rows) {
        CaseFactsPanel panel;
        // A new panel shows the default facts and the inciso they give.
        QCOMPARE(panel.Facts(), CaseFacts{});
        QCOMPARE(panel.Inciso->currentIndex(), 0);
        QSignalSpy changed(&panel, &CaseFactsPanel::FactsChanged);
        panel.SetFacts(row.shown);
        QCOMPARE(changed.count(), 1);
        CaseFacts expected = row.shown;
        expected.DetracaoDays = row.detracaoKept;
        QCOMPARE(panel.Facts(), expected);
    }
    // Every inciso of the table, in the law's order after the derived entry, can be chosen
    // and is given back.
    CaseFactsPanel entries;
    QCOMPARE(entries.Inciso->count(), static_cast<int>(kProgressionRows.size()) + 1);
    for (const ProgressionRow& row : kProgressionRows) {
        CaseFactsPanel panel;
        CaseFacts chosen;
        chosen.ChosenInciso = row.Which;
        panel.SetFacts(chosen);
        QCOMPARE(panel.Facts(), chosen);
        QVERIFY(panel.Inciso->currentText().startsWith(ToQString(row.Name) + ": "));
    }
}

void CaseFactsPanelTest::ClicksAndTypingChangeTheFacts() {
    CaseFactsPanel panel;
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    QSignalSpy changed(&panel, &CaseFactsPanel::FactsChanged);

    QTest::mouseClick(panel.Reincidente, Qt::LeftButton);
    panel.Desfavoraveis->setFocus();
    QTest::keyClick(panel.Desfavoraveis, Qt::Key_Space);
    panel.Detracao->setFocus();
    panel.Detracao->SelectAll();
    QTest::keyClicks(panel.Detracao, QStringLiteral("1x20"));
    panel.Inciso->setFocus();
    QTest::keyClick(panel.Inciso, Qt::Key_Down); // the first row of the table: inciso I

    CaseFacts expected;
    expected.RepeatOffender = true;
    expected.FavourableCircumstances = false;
    expected.DetracaoDays = 120; // the letter is refused by the field
    expected.ChosenInciso = Inciso::I;
    QCOMPARE(panel.Facts(), expected);
    QVERIFY(changed.count() >= 5);

    QTest::keyClick(panel.Inciso, Qt::Key_Home);
    QCOMPARE(panel.Facts().ChosenInciso, std::optional<zarn::Inciso>());
}

void CaseFactsPanelTest::DerivedEntryFollowsTheFacts() {
    struct Row {
        CaseFacts facts;
        const char* entry;
    };
    const Row rows[] = {
        {Facts(false, false, false), "derivado dos fatos: I"},
        {Facts(true, false, false), "derivado dos fatos: II"},
        {Facts(false, true, false), "derivado dos fatos: III"},
        {Facts(true, true, false), "derivado dos fatos: IV"},
        // A culposo crime counts as one without violence.
        {Facts(false, true, true), "derivado dos fatos: I"},
        {Facts(true, true, true), "derivado dos fatos: II"},
    };
    CaseFactsPanel panel;
    for (const Row& row : rows) {
        panel.SetFacts(row.facts);
        QCOMPARE(panel.Inciso->itemText(0), QString::fromLatin1(row.entry));
        QCOMPARE(panel.Facts().ChosenInciso, std::optional<Inciso>());
    }
    // A chosen inciso stays chosen while the derived entry keeps following the facts.
    CaseFacts chosen = Facts(false, false, false);
    chosen.ChosenInciso = Inciso::V;
    panel.SetFacts(chosen);
    panel.Violencia->setChecked(true);
    QCOMPARE(panel.Inciso->itemText(0), QStringLiteral("derivado dos fatos: III"));
    QCOMPARE(panel.Facts().ChosenInciso, std::optional<Inciso>(Inciso::V));
}

void CaseFactsPanelTest::ControlsFitAndDoNotOverlap() {
    CaseFactsPanel panel;
    panel.resize(qRound(kCaseFactsPanelWidth * panel.logicalDpiY() / 120.0),
                 qRound(kCaseFactsPanelHeight * panel.logicalDpiY() / 120.0));
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    QList<const QWidget*> controls = {panel.DetracaoLabel, panel.IncisoLabel};
    for (const QWidget* control : panel.TabOrder()) {
        controls << control;
    }
    QStringList faults = testing::ControlsOutside(&panel, controls);
    faults << testing::OverlappingControls(&panel, controls);
    faults << testing::CutCaptions(controls);
    faults << testing::LabelsBesideTheirFields(&panel, {{panel.DetracaoLabel, panel.Detracao}});
    faults << testing::RowsInReadingOrder(&panel, {{panel.IncisoLabel}, {panel.Inciso}});
    // A check box needs room for its box beside the caption.
    for (const QCheckBox* box : panel.findChildren<QCheckBox*>()) {
        if (box->sizeHint().width() > box->width()) {
            faults << box->text() + QStringLiteral(" is cut");
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    // Every entry of the choice shows whole in the closed choice, beside its arrow.
    QStyleOptionComboBox option;
    option.initFrom(panel.Inciso);
    const int room = panel.Inciso->style()
                         ->subControlRect(QStyle::CC_ComboBox, &option,
                                          QStyle::SC_ComboBoxEditField, panel.Inciso)
                         .width();
    for (int i = 0; i < panel.Inciso->count(); ++i) {
        const QString entry = panel.Inciso->itemText(i);
        QVERIFY2(CaptionWidth(panel.Inciso->font(), entry) <= room, qPrintable(entry));
    }
}

} // namespace zarn

QTEST_MAIN(zarn::CaseFactsPanelTest)
#include "CaseFactsPanelTest.moc"
