// The execution window, opened from the main window's Ferramentas menu as a user opens it
// and driven through real key events; today is fixed at 07/12/2026. CTest also runs it at
// 120 and 192 dots per inch.

#include "forms/ExecutionWindow.h"

#include "MainWindowHarness.h"
#include "dates/Clock.h"
#include "dates/DateSettings.h"
#include "help/HelpContext.h"
#include "law/LawTexts.h"
#include "support/LayoutChecks.h"
#include "support/RecordingHelpEngine.h"
#include "widgets/CaseFactsPanel.h"
#include "widgets/DialogKeys.h"
#include "widgets/ExecutionTimeline.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <algorithm>

namespace zarn {

using testing::MainWindowHarness;

namespace {

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
        return W() && QTest::qWaitForWindowActive(W());
    }
    ExecutionWindow* W() const { return Window->Execution(); }

    // Back on the main window, Calcula by Enter in the operation field.
    void MainCalcula(const QString& years, const QString& months, const QString& days,
                     const QString& fines, const QString& operation) {
        W()->close();
        Window->activateWindow();
        QVERIFY(WaitActive());
        Fill(years, months, days, fines, operation);
        Enter();
    }

    void Ask(const QString& years, const QString& start) {
        TypeInto(W()->YearsField, years);
        TypeInto(W()->StartField, start);
        Enter();
    }
    QString Answer() const { return W()->AnswerText->toPlainText(); }
    QStringList Term() const {
        return {Text(W()->YearsField), Text(W()->MonthsField), Text(W()->DaysField)};
    }
};

} // namespace

class ExecutionWindowTest : public QObject {
    Q_OBJECT
private slots:
    void MadeOnFirstUseAndHiddenByClosing();
    void OpeningSeedsTheTermAndToday_data();
    void OpeningSeedsTheTermAndToday();
    void EnterAnswersWithDatesAndTimeline_data();
    void EnterAnswersWithDatesAndTimeline();
    void TheAnswerFollowsTheQuestionAfterCalcula();
    void RefusedDatesAnswerInTheTextWithoutABox_data();
    void RefusedDatesAnswerInTheTextWithoutABox();
    void CopiarCopiesTheWholeAnswer();
    void DatesComeInTheOrderOfTheCalendar();
    void CrimeDateThatIsNoDateIsSaidAboveTheAnswer();
    void ClickAnywhereOnTheEmptyDayFieldsTakesDigits();
    void TimelineMarksTodayAndTheCappedEnd();
    void F1OpensTheExecutionPage_data();
    void F1OpensTheExecutionPage();
    void NothingIsClippedOrOverlaps();
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

void ExecutionWindowTest::OpeningSeedsTheTermAndToday_data() {
    QTest::addColumn<QString>("before"); // what happens on the main window first
    QTest::addColumn<QStringList>("term");
    const QStringList typed = {"7  ", "  ", "  "};
    QTest::newRow("after a result: blanks dropped, a zero left empty")
        << "calcula" << QStringList{"5  ", "10", "  "};
    QTest::newRow("no result: the fields keep what was typed") << "" << typed;
    QTest::newRow("after an input error: kept") << "error" << typed;
}

void ExecutionWindowTest::OpeningSeedsTheTermAndToday() {
    QFETCH(QString, before);
    QFETCH(QStringList, term);
    ExecutionHarness h;
    QVERIFY(h.Open());
    h.TypeInto(h.W()->YearsField, QStringLiteral("7"));
    h.TypeInto(h.W()->StartField, QStringLiteral("01012000"));
    if (before == QLatin1String("calcula")) {
        h.MainCalcula("5", "", "", "10", "+1/6"); // 5 anos, 10 meses e 0 dia
    } else if (before == QLatin1String("error")) {
        h.MainCalcula("5", "13", "", "", "+1/6");
    }
    QVERIFY(h.Open());
    QCOMPARE(h.Term(), term);
    QTRY_COMPARE(h.Focus(), h.W()->StartField);
    QCOMPARE(h.W()->StartField->selectedText(), QStringLiteral("07/12/2026"));
    QCOMPARE(h.W()->Keys()->DefaultButton(), h.W()->CalculaButton);
}

void ExecutionWindowTest::EnterAnswersWithDatesAndTimeline_data() {
    QTest::addColumn<QString>("years");
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("detracao");
    QTest::addColumn<QString>("remicao");
    QTest::addColumn<int>("regime");     // 0: as the term gives it; 1 fechado
    QTest::addColumn<int>("convention"); // 0: 360/30; 1: calendar days
    QTest::addColumn<QStringList>("dates");
    QTest::addColumn<QString>("named");
    // clang-format off
    QTest::newRow("six years from 10/01/2021") << "6" << "10012021" << 0 << "" << 0 << 0
        << QStringList{"25/12/2021", "10/01/2023", "09/01/2027"} << "base 360/30";
    QTest::newRow("with detracao 30 and remicao 15") << "6" << "10012021" << 30 << "15" << 0 << 0
        << QStringList{"10/11/2021", "25/11/2022", "24/11/2026"} << "base 360/30";
    QTest::newRow("from fechado: two progressions") << "6" << "10012021" << 0 << "" << 1 << 0
        << QStringList{"25/12/2021", "14/10/2022", "10/01/2023"} << "fechado";
    QTest::newRow("in calendar days") << "6" << "10012021" << 0 << "" << 0 << 1
        << QStringList{"26/12/2021", "09/01/2027"} << QStringLiteral("dias do calend\u00e1rio");
    // clang-format on
}

void ExecutionWindowTest::EnterAnswersWithDatesAndTimeline() {
    QFETCH(QString, years);
    QFETCH(QString, start);
    QFETCH(int, detracao);
    QFETCH(QString, remicao);
    QFETCH(int, regime);
    QFETCH(int, convention);
    QFETCH(QStringList, dates);
    QFETCH(QString, named);
    ExecutionHarness h;
    QVERIFY(h.Open());
    ExecutionWindow& w = *h.W();
    if (detracao > 0) {
        h.TypeInto(w.Facts->Detracao, QString::number(detracao));
    }
    h.TypeInto(w.RemicaoField, remicao);
    w.RegimeChoice->setCurrentIndex(regime);
    w.ConventionChoice->setCurrentIndex(convention);
    QVERIFY(h.Answer().isEmpty()); // nothing is answered before Calcula
    h.Ask(years, start);
    for (const QString& date : dates) {
        QVERIFY2(h.Answer().contains(date), qPrintable(date + "\n" + h.Answer()));
    }
    QVERIFY(h.Answer().contains(named));
    QVERIFY(w.Timeline->HasDates());
    QStringList drawn;
    for (const TimelineLabel& label : w.Timeline->Labels()) {
        drawn << label.Text;
    }
    QVERIFY(drawn.join(' ').contains(dates.back()));
    QVERIFY(h.Watch.Seen().isEmpty());
}

void ExecutionWindowTest::TheAnswerFollowsTheQuestionAfterCalcula() {
    ExecutionHarness h;
    QVERIFY(h.Open());
    ExecutionWindow& w = *h.W();
    h.Ask(QStringLiteral("6"), QStringLiteral("10012021"));
    QVERIFY(h.Answer().contains(QStringLiteral("25/12/2021")));
    w.Facts->Reincidencia->setCurrentIndex(1); // inciso II, 20%: 432 days
    QVERIFY(h.Answer().contains(QStringLiteral("432 dias")));
    h.TypeInto(w.StartField, QStringLiteral("01"));
    QCOMPARE(h.Answer(), ToQString(kUnreadableStartMessage));
    QVERIFY(!w.Timeline->HasDates());
}

void ExecutionWindowTest::RefusedDatesAnswerInTheTextWithoutABox_data() {
    QTest::addColumn<QString>("years");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("message");
    const QString unreadable = ToQString(kUnreadableStartMessage);
    const QString outside = ToQString(kDateOutOfRangeMessage);
    QTest::newRow("31 February") << "6"
                                 << "31022021" << unreadable;
    QTest::newRow("a blank inside the year, an error box in the calendar")
        << "6"
        << "01/05/2 08" << unreadable;
    QTest::newRow("empty date") << "6"
                                << "" << unreadable;
    QTest::newRow("a term past 31/12/9999") << "6"
                                            << "01019995" << outside;
    QTest::newRow("the last day of the calendar") << "1"
                                                  << "31129999" << outside;
    QTest::newRow("no term") << ""
                             << "10012021" << ToQString(kTermTooShortMessage);
}

void ExecutionWindowTest::RefusedDatesAnswerInTheTextWithoutABox() {
    QFETCH(QString, years);
    QFETCH(QString, start);
    QFETCH(QString, message);
    ExecutionHarness h;
    QVERIFY(h.Open());
    h.Ask(QStringLiteral("6"), QStringLiteral("10012021"));
    QVERIFY(h.W()->Timeline->HasDates());
    h.Ask(years, start);
    QCOMPARE(h.Answer(), message);
    QVERIFY(!h.W()->Timeline->HasDates());
    QVERIFY(h.Watch.Seen().isEmpty());
}

void ExecutionWindowTest::CopiarCopiesTheWholeAnswer() {
    ExecutionHarness h;
    QVERIFY(h.Open());
    h.Ask(QStringLiteral("6"), QStringLiteral("10012021"));
    QApplication::clipboard()->setText(QStringLiteral("sentinel"));
    h.Key(Qt::Key_O, Qt::AltModifier);
    QCOMPARE(h.Clipboard(), h.Answer());
    QVERIFY(h.Clipboard().endsWith(ToQString(
        "Conferir com o caso concreto: o c\xE1lculo n\xE3o substitui o exame dos requisitos "
        "subjetivos.")));
    QCOMPARE(h.Focus(), h.W()->StartField); // Alt+O leaves the keyboard where it was
}

// Finding 15: the dated paragraphs follow the calendar. With 30% to progress and parole at
// half the term, parole comes between the two progressions.
void ExecutionWindowTest::DatesComeInTheOrderOfTheCalendar() {
    ExecutionHarness h;
    QVERIFY(h.Open());
    ExecutionWindow& w = *h.W();
    w.Facts->Reincidencia->setCurrentIndex(1);
    w.Facts->Violencia->setChecked(true);
    w.RegimeChoice->setCurrentIndex(1); // fechado
    h.Ask(QStringLiteral("9"), QStringLiteral("10012021"));
    const QString answer = h.Answer();
    QList<QDate> dates;
    const QRegularExpression written(QStringLiteral("\\b(\\d\\d)/(\\d\\d)/(\\d{4})\\b"));
    for (const QRegularExpressionMatch& date : written.globalMatch(answer)) {
        dates << QDate(date.captured(3).toInt(), date.captured(2).toInt(),
                       date.captured(1).toInt());
    }
    QCOMPARE(dates.size(), 5); // the start, two progressions, parole and the end
    QVERIFY2(std::is_sorted(dates.begin(), dates.end()), qPrintable(answer));
    const qsizetype parole = answer.indexOf(QStringLiteral("Livramento"));
    QVERIFY(parole > answer.indexOf(QStringLiteral("regime semiaberto:")));
    QVERIFY(parole < answer.indexOf(QStringLiteral("regime aberto:")));
}

void ExecutionWindowTest::CrimeDateThatIsNoDateIsSaidAboveTheAnswer() {
    ExecutionHarness h;
    QVERIFY(h.Open());
    h.TypeInto(h.W()->Facts->DataCrime, QStringLiteral("1203"));
    h.Ask(QStringLiteral("6"), QStringLiteral("10012021"));
    QVERIFY(h.Answer().startsWith(ToQString(kInvalidCrimeDateMessage) + "\n\n"));
    QVERIFY(h.Answer().contains(ToQString(kNoteCrimeDateNotGiven)));
    QVERIFY(h.W()->Timeline->HasDates());
    QVERIFY(h.Watch.Seen().isEmpty());
}

// Finding 13, and the remicao field beside it: only a click on the empty field's left edge
// let digits in.
void ExecutionWindowTest::ClickAnywhereOnTheEmptyDayFieldsTakesDigits() {
    ExecutionHarness h;
    QVERIFY(h.Open());
    ExecutionWindow& w = *h.W();
    for (MaskedField* field : {w.Facts->Detracao, w.RemicaoField}) {
        QTest::mouseClick(field, Qt::LeftButton, Qt::NoModifier,
                          QPoint(field->width() * 3 / 4, field->height() / 2));
        QTest::keyClicks(field, QStringLiteral("30"));
    }
    h.Ask(QStringLiteral("6"), QStringLiteral("10012021"));
    // As the row "with detracao 30 and remicao 15" of EnterAnswersWithDatesAndTimeline, with
    // 30 days of remicao.
    QVERIFY2(h.Answer().contains(QStringLiteral("detra\u00e7\u00e3o de 30 dias")),
             qPrintable(h.Answer()));
    QVERIFY(h.Answer().contains(QStringLiteral("remi\u00e7\u00e3o de 30 dias")));
}

void ExecutionWindowTest::TimelineMarksTodayAndTheCappedEnd() {
    ExecutionHarness h;
    QVERIFY(h.Open());
    h.Ask(QStringLiteral("50"), QStringLiteral("10012021"));
    QStringList drawn;
    for (const TimelineLabel& label : h.W()->Timeline->Labels()) {
        drawn << label.Text;
    }
    QVERIFY2(drawn.contains(QStringLiteral("07/12/2026 hoje")), qPrintable(drawn.join('|')));
    QVERIFY2(drawn.contains(QStringLiteral("09/01/2061 fim pelo art. 75")),
             qPrintable(drawn.join('|')));
    QVERIFY(h.Answer().contains(QStringLiteral("09/01/2061")));
}

void ExecutionWindowTest::F1OpensTheExecutionPage_data() {
    QTest::addColumn<QString>("control");
    for (const char* name : {"YearsField", "StartField", "Reincidencia", "DataCrime", "Inciso",
                             "RemicaoField", "ConventionChoice", "CalculaButton", "AnswerText"}) {
        QTest::newRow(name) << QString::fromLatin1(name);
    }
}

void ExecutionWindowTest::F1OpensTheExecutionPage() {
    QFETCH(QString, control);
    ExecutionHarness h;
    RecordedHelp help;
    QVERIFY(h.Open());
    auto* target = h.W()->findChild<QWidget*>(control);
    QVERIFY(target);
    target->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    QCOMPARE(help.Engine.Requests, QStringList{QStringLiteral("zarn.qhc|1|23")});
}

void ExecutionWindowTest::NothingIsClippedOrOverlaps() {
    ExecutionHarness h;
    QVERIFY(h.Open());
    ExecutionWindow& w = *h.W();
    h.TypeInto(w.Facts->Detracao, QStringLiteral("700"));
    w.RegimeChoice->setCurrentIndex(1);
    h.Ask(QStringLiteral("2"), QStringLiteral("10012021")); // every tick near the start
    QList<const QWidget*> controls;
    for (const QWidget* child : w.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        controls << child;
    }
    QList<const QWidget*> captioned = controls;
    for (const QWidget* control : w.Facts->findChildren<QWidget*>()) {
        captioned << control;
    }
    QStringList faults = testing::ControlsOutside(&w, controls);
    faults << testing::OverlappingControls(&w, controls);
    faults << testing::CutCaptions(captioned);
    faults << testing::LabelsBesideTheirFields(&w, {{w.YearsLabel, w.YearsField},
                                                    {w.MonthsLabel, w.MonthsField},
                                                    {w.DaysLabel, w.DaysField},
                                                    {w.StartLabel, w.StartField},
                                                    {w.RemicaoLabel, w.RemicaoField},
                                                    {w.RegimeLabel, w.RegimeChoice},
                                                    {w.ConventionLabel, w.ConventionChoice}});
    faults << testing::RowsInReadingOrder(&w,
                                          {{w.YearsField, w.MonthsField, w.DaysField, w.StartField},
                                           {w.Facts},
                                           {w.RemicaoField, w.RegimeChoice, w.CalculaButton},
                                           {w.ConventionChoice, w.CopiarButton},
                                           {w.AnswerLabel},
                                           {w.AnswerText},
                                           {w.Timeline}});
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    for (const QComboBox* choice : {w.RegimeChoice, w.ConventionChoice}) {
        QVERIFY2(choice->sizeHint().width() <= choice->width(), qPrintable(choice->objectName()));
    }
    const QString date = QStringLiteral("31/12/2008");
    QVERIFY(w.StartField->fontMetrics().horizontalAdvance(date) < w.StartField->width());
    const QList<TimelineLabel>& labels = w.Timeline->Labels();
    for (qsizetype i = 0; i < labels.size(); ++i) {
        QVERIFY2(w.Timeline->rect().contains(labels[i].Rect), qPrintable(labels[i].Text));
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
