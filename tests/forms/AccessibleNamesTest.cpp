// What a screen reader announces in the three windows: every control has a Portuguese name
// (a field the caption beside it, without the "&" and the colon), and the result and
// end-date fields give their text as their value.

#include "widgets/AccessibleNames.h"

#include "CalendarHarness.h"
#include "forms/Unit2.h"
#include "widgets/Announcement.h"
#include "widgets/BevelPanel.h"

#include <QAccessible>
#include <QLabel>
#include <QTest>
#include <QToolButton>

using namespace zarn;
using namespace zarn::testing;

namespace {

QString Announced(QWidget* widget, QAccessible::Text what) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(what) : QStringLiteral("<no accessible interface>");
}

QWidget* Component(QWidget* window, const QString& name) {
    auto* found = window->findChild<QWidget*>(name);
    if (!found) {
        qWarning("no component %s", qPrintable(name));
    }
    return found;
}

// What the program announces to screen readers while it lives: for each event, its kind,
// the object, the value it carries and the value the object's accessible interface gives.
struct Announcement {
    QAccessible::Event Kind;
    QObject* Object;
    QString Carried;
    QString Read;
};

class AnnouncementRecorder {
public:
    AnnouncementRecorder() {
        s_seen.clear();
        SetAnnouncementWatcher(&Record);
    }
    ~AnnouncementRecorder() { SetAnnouncementWatcher(nullptr); }
    static QList<Announcement> Seen() { return s_seen; }

private:
    static void Record(QAccessibleEvent* event) {
        const auto* change = static_cast<QAccessibleValueChangeEvent*>(event);
        QAccessibleInterface* face = event->accessibleInterface();
        s_seen.append(
            {event->type(), event->object(),
             event->type() == QAccessible::ValueChanged ? change->value().toString() : QString(),
             face ? face->text(QAccessible::Value) : QString()});
    }
    static inline QList<Announcement> s_seen;
};

void AddNameRows(const QList<QPair<const char*, QString>>& rows) {
    QTest::addColumn<QString>("component");
    QTest::addColumn<QString>("name");
    for (const auto& [component, name] : rows) {
        QTest::newRow(component) << QString::fromLatin1(component) << name;
    }
}

} // namespace

class TestAccessibleNames : public QObject {
    Q_OBJECT

private slots:
    void NameOfACaption_data();
    void NameOfACaption();
    void MainWindowControls_data();
    void MainWindowControls();
    void ResultFieldAnnouncesTheSentence();
    void CalculaAnnouncesWhatTheResultFieldShows_data();
    void CalculaAnnouncesWhatTheResultFieldShows();
    void NoticeLineIsText();
    void StatusBarNamesHaveNoLeadingBlanks();
    void CalendarNavigation_data();
    void CalendarNavigation();
    void CalendarControls_data();
    void CalendarControls();
    void EndDateFieldAnnouncesTheDate();
    void AboutBoxControls_data();
    void AboutBoxControls();
};

void TestAccessibleNames::NameOfACaption_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("name");
    QTest::newRow("colon and double blank") << "Pena corporal  ANOS:"
                                            << "Pena corporal ANOS";
    QTest::newRow("colon") << "MESES:"
                           << "MESES";
    QTest::newRow("parentheses kept") << "OPERAÇÃO (ex.: + 1/6):"
                                      << "OPERAÇÃO (ex.: + 1/6)";
    QTest::newRow("shortcut first") << "&Calcula"
                                    << "Calcula";
    QTest::newRow("shortcut inside") << "Ca&lendário"
                                     << "Calendário";
    QTest::newRow("shortcut mid-phrase") << "Continua o &mesmo cálculo"
                                         << "Continua o mesmo cálculo";
    QTest::newRow("literal ampersand") << "Pena && multa:"
                                       << "Pena & multa";
    QTest::newRow("ampersand at the end") << "Sai&"
                                          << "Sai";
    QTest::newRow("dash kept") << "Pena a ser cumprida - ANOS:"
                               << "Pena a ser cumprida - ANOS";
    QTest::newRow("blank before the colon") << "DIAS :"
                                            << "DIAS";
    QTest::newRow("blanks around") << "  Resultado:  "
                                   << "Resultado";
    QTest::newRow("no caption") << ""
                                << "";
    QTest::newRow("only a colon") << ":"
                                  << "";
}

void TestAccessibleNames::NameOfACaption() {
    QFETCH(QString, caption);
    QFETCH(QString, name);
    QCOMPARE(AccessibleNameOf(caption), name);
}

void TestAccessibleNames::MainWindowControls_data() {
    AddNameRows({
        {"MaskEdit1", QStringLiteral("Pena corporal ANOS")},
        {"MaskEdit2", QStringLiteral("MESES")},
        {"MaskEdit3", QStringLiteral("DIAS")},
        {"MaskEdit4", QStringLiteral("DIAS-MULTA")},
        {"MaskEdit5", QStringLiteral("OPERAÇÃO (ex.: + 1/6)")},
        {"Edit2", QStringLiteral("Resultado")},
        {"Edit1", QStringLiteral("Dosimetria da pena")},
        {"Button1", QStringLiteral("Calcula")},
        {"Button2", QStringLiteral("Continua o mesmo cálculo")},
        {"Button3", QStringLiteral("Novo cálculo")},
        {"Button4", QStringLiteral("Volta")},
        {"Button5", QStringLiteral("Calendário")},
        {"Button6", QStringLiteral("Sai")},
        {"Label1", QStringLiteral("Programa para cálculo de penas criminais")},
        {"Label2", QStringLiteral("Resultado:")},
        {"Label3", QStringLiteral("Pena corporal  ANOS:")},
        {"Label4", QStringLiteral("MESES:")},
        {"Label5", QStringLiteral("DIAS:")},
        {"Label6", QStringLiteral("DIAS-MULTA:")},
        {"Label7", QStringLiteral("OPERAÇÃO (ex.: + 1/6):")},
        {"StatusBar1", QStringLiteral("Barra de status")},
    });
}

void TestAccessibleNames::MainWindowControls() {
    QFETCH(QString, component);
    QFETCH(QString, name);
    MainWindowHarness main;
    QWidget* control = Component(main.Window.get(), component);
    QVERIFY(control);
    QCOMPARE(Announced(control, QAccessible::Name), name);
}

void TestAccessibleNames::ResultFieldAnnouncesTheSentence() {
    MainWindowHarness main;
    QVERIFY(main.WaitActive());
    QCOMPARE(Announced(main.Window->Edit2, QAccessible::Value), QString());
    main.Fill(QStringLiteral("5"), {}, {}, QStringLiteral("10"), QStringLiteral("+1/6"));
    main.Enter();
    const QString sentence = QStringLiteral(" 5 anos, 10 meses e  0 dia, e  11 dias-multa");
    QCOMPARE(main.Result(), sentence);
    QCOMPARE(Announced(main.Window->Edit2, QAccessible::Name), QStringLiteral("Resultado"));
    QCOMPARE(Announced(main.Window->Edit2, QAccessible::Value), sentence);
    // An input error is announced the same way: it is what the field shows.
    main.Window->Button3->click();
    main.Fill(QStringLiteral("5"), QStringLiteral("13"), {}, {}, QStringLiteral("+1/6"));
    main.Enter();
    QVERIFY(!main.Result().isEmpty());
    QVERIFY(main.Result() != sentence);
    QCOMPARE(Announced(main.Window->Edit2, QAccessible::Value), main.Result());
}

void TestAccessibleNames::CalculaAnnouncesWhatTheResultFieldShows_data() {
    QTest::addColumn<QString>("months");
    QTest::addColumn<QString>("shown");
    QTest::newRow("result") << "" << QStringLiteral(" 5 anos,  0 mês e  0 dia");
    QTest::newRow("input error") << "13" << QStringLiteral("O número máximo de meses é 11.");
}

// A screen reader hears what Calcula wrote, and the keyboard stays where it was.
void TestAccessibleNames::CalculaAnnouncesWhatTheResultFieldShows() {
    QFETCH(QString, months);
    QFETCH(QString, shown);
    MainWindowHarness main;
    QVERIFY(main.WaitActive());
    main.Fill(QStringLiteral("5"), months, {}, {}, QStringLiteral("x1"));
    QWidget* focus = months.isEmpty() ? main.Window->MaskEdit5 : main.Window->MaskEdit2;
    AnnouncementRecorder recorder;
    main.Enter();
    QCOMPARE(main.Result(), shown);
    const QList<Announcement> seen = recorder.Seen();
    QCOMPARE(seen.size(), 1);
    QCOMPARE(seen.front().Kind, QAccessible::ValueChanged);
    QCOMPARE(seen.front().Object, main.Window->Edit2);
    QCOMPARE(seen.front().Carried, shown);
    QCOMPARE(seen.front().Read, shown);
    QCOMPARE(main.Focus(), focus);
    QCOMPARE(main.Window->Edit2->focusPolicy(), Qt::ClickFocus);
    main.Key(Qt::Key_Tab);
    QVERIFY(main.Focus() != main.Window->Edit2);
}

void TestAccessibleNames::NoticeLineIsText() {
    MainWindowHarness main;
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(main.Window->Edit1);
    QVERIFY(face);
    QCOMPARE(face->role(), QAccessible::StaticText);
    QVERIFY(!face->editableTextInterface());
    QCOMPARE(face->text(QAccessible::Name), QStringLiteral("Dosimetria da pena"));
}

// Neither the bar nor the line it shows is announced with the blanks that push the welcome
// text to the right.
void TestAccessibleNames::StatusBarNamesHaveNoLeadingBlanks() {
    MainWindowHarness main;
    QVERIFY(main.WaitActive());
    QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(main.Window->StatusBar1);
    QVERIFY(bar);
    const QString welcome = main.Window->StatusBar1->Text().trimmed();
    for (int step = 0; step < 2; ++step) {
        QCOMPARE(bar->text(QAccessible::Name), QStringLiteral("Barra de status"));
        QStringList lines;
        for (int i = 0; i < bar->childCount(); ++i) {
            lines << bar->child(i)->text(QAccessible::Name);
        }
        const QString shown = main.Window->StatusBar1->Text().trimmed();
        QVERIFY2(lines.contains(shown), qPrintable(lines.join(QLatin1Char('|'))));
        main.Window->Button1->click(); // a notice replaces the welcome text
        QVERIFY(main.Window->StatusBar1->Text().trimmed() != welcome);
    }
}

void TestAccessibleNames::CalendarNavigation_data() {
    AddNameRows({
        {"qt_calendar_prevmonth", QStringLiteral("Mês anterior")},
        {"qt_calendar_nextmonth", QStringLiteral("Próximo mês")},
        {"qt_calendar_yearedit", QStringLiteral("Ano")},
    });
}

// The month calendar's own controls: Qt names them in English, or not at all.
void TestAccessibleNames::CalendarNavigation() {
    QFETCH(QString, component);
    QFETCH(QString, name);
    TForm3 calendar;
    calendar.ShowMonthOf(QDate(2026, 12, 7));
    QWidget* control = Component(calendar.MonthCalendar1, component);
    QVERIFY(control);
    QCOMPARE(Announced(control, QAccessible::Name), name);
}

void TestAccessibleNames::CalendarControls_data() {
    AddNameRows({
        {"Edit1", QStringLiteral("Pena a ser cumprida - ANOS")},
        {"Edit2", QStringLiteral("MESES")},
        {"Edit3", QStringLiteral("DIAS")},
        {"MaskEdit1", QStringLiteral("Data do início do cumprimento da pena")},
        {"MaskEdit2", QStringLiteral("Data do término do cumprimento da pena")},
        {"MonthCalendar1", QStringLiteral("Calendário")},
        {"Button2", QStringLiteral("Calcula")},
        {"Button1", QStringLiteral("Sair")},
        {"Label1", QStringLiteral("Pena a ser cumprida - ANOS:")},
        {"Label4", QStringLiteral("MESES:")},
        {"Label5", QStringLiteral("DIAS:")},
        {"Label2", QStringLiteral("Data do início do cumprimento da pena:")},
        {"Label3", QStringLiteral("Data do término do cumprimento da pena:")},
    });
}

void TestAccessibleNames::CalendarControls() {
    QFETCH(QString, component);
    QFETCH(QString, name);
    TForm3 calendar;
    calendar.ShowMonthOf(QDate(2026, 12, 7)); // as the window's opening does
    QWidget* control = Component(&calendar, component);
    QVERIFY(control);
    QCOMPARE(Announced(control, QAccessible::Name), name);
}

void TestAccessibleNames::EndDateFieldAnnouncesTheDate() {
    CalendarHarness harness;
    QVERIFY(harness.WaitActive());
    QVERIFY(harness.Open());
    harness.TypeTerm(QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("0"));
    harness.TypeStartDate(QStringLiteral("01012008"));
    harness.Calendar->Button2->click();
    // A year from 01/01/2008, less one day.
    QCOMPARE(harness.EndDate(), QStringLiteral("31/12/2008"));
    QCOMPARE(Announced(harness.Calendar->MaskEdit2, QAccessible::Value),
             QStringLiteral("31/12/2008"));
}

void TestAccessibleNames::AboutBoxControls_data() {
    AddNameRows({
        {"Panel1", QStringLiteral("Sobre o programa")},
        {"ProgramIcon", QStringLiteral("Ícone do Zarn")},
        {"ProductName", QStringLiteral("Programa para cálculo de penas criminais")},
        {"Version", QStringLiteral("Versão ") + QStringLiteral(EXPECTED_VERSION)},
        {"Button1", QStringLiteral("Site do Autor")},
        {"Button2", QStringLiteral(EXPECTED_EMAIL)},
        {"OKButton", QStringLiteral("OK")},
    });
}

void TestAccessibleNames::AboutBoxControls() {
    QFETCH(QString, component);
    QFETCH(QString, name);
    TAboutBox box;
    QWidget* control = Component(&box, component);
    QVERIFY(control);
    QCOMPARE(Announced(control, QAccessible::Name), name);
}

QTEST_MAIN(TestAccessibleNames)
#include "AccessibleNamesTest.moc"
