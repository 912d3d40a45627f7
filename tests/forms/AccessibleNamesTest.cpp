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

// What the program announces to screen readers while it lives: the field, the text the
// announcement carries and the value the field's accessible interface gives.
struct Announcement {
    QObject* Field;
    QString Carried;
    QString Read;
};
QList<Announcement> g_announced;

void RecordAnnouncement(QAccessibleEvent* event) {
    QAccessibleInterface* face = event->accessibleInterface();
    g_announced.append({event->object(),
                        static_cast<QAccessibleValueChangeEvent*>(event)->value().toString(),
                        face ? face->text(QAccessible::Value) : QString()});
}

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
    void StatusBarLineHasNoLeadingBlanks();
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
    g_announced.clear();
    SetAnnouncementWatcher(&RecordAnnouncement);
    main.Enter();
    SetAnnouncementWatcher(nullptr);
    QCOMPARE(main.Result(), shown);
    QCOMPARE(g_announced.size(), 1);
    QCOMPARE(g_announced.front().Field, main.Window->Edit2);
    QCOMPARE(g_announced.front().Carried, shown);
    QCOMPARE(g_announced.front().Read, shown);
    QCOMPARE(main.Focus(), focus);
}

void TestAccessibleNames::NoticeLineIsText() {
    MainWindowHarness main;
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(main.Window->Edit1);
    QVERIFY(face);
    QCOMPARE(face->role(), QAccessible::StaticText);
    QVERIFY(!face->editableTextInterface());
    QCOMPARE(face->text(QAccessible::Name), QStringLiteral("Dosimetria da pena"));
}

// The welcome text, and every notice after it, is named without the blanks that push it
// to the right.
void TestAccessibleNames::StatusBarLineHasNoLeadingBlanks() {
    MainWindowHarness main;
    auto* line = main.Window->StatusBar1->findChild<QLabel*>();
    QVERIFY(line);
    QVERIFY(line->text().startsWith(QLatin1Char(' ')));
    QCOMPARE(Announced(line, QAccessible::Name), line->text().trimmed());
    main.Window->Button1->click(); // a notice replaces the welcome text
    QCOMPARE(Announced(line, QAccessible::Name), line->text().trimmed());
}

void TestAccessibleNames::CalendarControls_data() {
    AddNameRows({
        {"Edit1", QStringLiteral("Pena a ser cumprida - ANOS")},
        {"Edit2", QStringLiteral("MESES")},
        {"Edit3", QStringLiteral("DIAS")},
        {"MaskEdit1", QStringLiteral("Data do início do cumprimento da pena")},
        {"MaskEdit2", QStringLiteral("Data do término do cumprimento da pena")},
        {"MonthCalendar1", QStringLiteral("Calendário")},
        // The month calendar's own controls, which Qt leaves unnamed.
        {"qt_calendar_prevmonth", QStringLiteral("Mês anterior")},
        {"qt_calendar_nextmonth", QStringLiteral("Próximo mês")},
        {"qt_calendar_yearedit", QStringLiteral("Ano")},
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
