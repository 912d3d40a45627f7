#include "MainWindowHarness.h"
#include "forms/Unit2.h"
#include "help/HelpContext.h"
#include "support/LayoutChecks.h"
#include "widgets/FocusedSelection.h"
#include "widgets/FormFonts.h"
#include "widgets/NoticeBar.h"
#include "widgets/Scaling.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusTipEvent>

namespace zarn {

using testing::MainWindowHarness;

class MainWindowLayoutTest : public QObject {
    Q_OBJECT
private slots:
    void ControlsCarryTheirCaptionsAndProperties_data();
    void ControlsCarryTheirCaptionsAndProperties();
    void ControlsKeepTheirArrangementWithoutOverlap();
    void NoCaptionIsCutOrRunsIntoItsNeighbour();
    void TabCyclesThroughFieldsAndButtons();
    void ResultAndNoticeFieldsStayOutOfTheTabCycle();
    void CopyIsEnabledOnlyForASelectionInAFocusedField_data();
    void CopyIsEnabledOnlyForASelectionInAFocusedField();
    void StatusBarWelcomesThenChangesOnEveryCalculaOnly();
    void StatusBarShowsTheDrawnNoticeInItsColours_data();
    void StatusBarShowsTheDrawnNoticeInItsColours();
    void StatusBarIgnoresMenuHints();
    void EveryNoticeFitsTheStatusBar();
    void UnfocusedFieldsHideTheirSelection();
    void HelpRequestsFromMenuAndStatusBar();
    void MenuReadsSairEditarFerramentasAjuda();
    void SobreShowsTheAboutBoxModally();
    void ResizingKeepsControlsInPlace();
    void CannotBeMadeSmallerThanItsLayout();
};

void MainWindowLayoutTest::ControlsCarryTheirCaptionsAndProperties_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("help");
    QTest::addColumn<int>("focus");
    // clang-format off
    QTest::newRow("Label1") << "Label1" << QStringLiteral("Programa para c\u00e1lculo de penas criminais") << 1 << int(Qt::NoFocus);
    QTest::newRow("Label2") << "Label2" << "Resultado:" << 0 << int(Qt::NoFocus);
    QTest::newRow("Label3") << "Label3" << "Pena corporal  ANOS:" << 0 << int(Qt::NoFocus);
    QTest::newRow("Label4") << "Label4" << "MESES:" << 0 << int(Qt::NoFocus);
    QTest::newRow("Label5") << "Label5" << "DIAS:" << 0 << int(Qt::NoFocus);
    QTest::newRow("Label6") << "Label6" << "DIAS-MULTA:" << 0 << int(Qt::NoFocus);
    QTest::newRow("Label7") << "Label7" << QStringLiteral("OPERA\u00c7\u00c3O (ex.: + 1/6):") << 0 << int(Qt::NoFocus);
    QTest::newRow("Edit1") << "Edit1" << "Dosimetria da pena" << 1 << int(Qt::NoFocus);
    QTest::newRow("Edit2") << "Edit2" << "" << 6 << int(Qt::ClickFocus);
    QTest::newRow("MaskEdit1") << "MaskEdit1" << "   " << 8 << int(Qt::StrongFocus);
    QTest::newRow("MaskEdit2") << "MaskEdit2" << "  " << 8 << int(Qt::StrongFocus);
    QTest::newRow("MaskEdit3") << "MaskEdit3" << "  " << 8 << int(Qt::StrongFocus);
    QTest::newRow("MaskEdit4") << "MaskEdit4" << "     " << 8 << int(Qt::StrongFocus);
    QTest::newRow("MaskEdit5") << "MaskEdit5" << "    /   " << 8 << int(Qt::StrongFocus);
    QTest::newRow("Button1") << "Button1" << "&Calcula" << 11 << int(Qt::StrongFocus);
    QTest::newRow("Button2") << "Button2" << QStringLiteral("Continua o &mesmo c\u00e1lculo") << 11 << int(Qt::StrongFocus);
    QTest::newRow("Button3") << "Button3" << QStringLiteral("&Novo c\u00e1lculo") << 11 << int(Qt::StrongFocus);
    QTest::newRow("Button4") << "Button4" << "&Volta" << 11 << int(Qt::StrongFocus);
    QTest::newRow("Button5") << "Button5" << QStringLiteral("Ca&lend\u00e1rio") << 11 << int(Qt::StrongFocus);
    QTest::newRow("Button6") << "Button6" << "&Sai" << 11 << int(Qt::StrongFocus);
    // clang-format on
}

void MainWindowLayoutTest::ControlsCarryTheirCaptionsAndProperties() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(int, help);
    QFETCH(int, focus);
    MainWindowHarness h;
    auto* widget = h.Window->findChild<QWidget*>(name);
    QVERIFY(widget);
    QString shown;
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        shown = label->text();
        QVERIFY(label->font().bold());
    } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
        shown = button->text();
        QVERIFY(button->font().bold());
    } else if (auto* field = qobject_cast<MaskedField*>(widget)) {
        shown = MainWindowHarness::Text(field);
    } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        shown = edit->text();
    }
    QCOMPARE(shown, caption);
    QCOMPARE(HelpContextOf(widget), help);
    QCOMPARE(int(widget->focusPolicy()), focus);
    QCOMPARE(h.Window->windowTitle(), QStringLiteral("Zarn"));
    QCOMPARE(HelpContextOf(h.Window.get()), 1);
    QCOMPARE(HelpContextOf(h.Window->StatusBar1), 1);
}

void MainWindowLayoutTest::ControlsKeepTheirArrangementWithoutOverlap() {
    MainWindowHarness h;
    TForm1& w = *h.Window;
    const QWidget* client = w.centralWidget();
    const QList<const QWidget*> controls = {
        w.Label1,    w.Edit1,   w.Label3,    w.MaskEdit1, w.Label4,    w.MaskEdit2, w.Label5,
        w.MaskEdit3, w.Label6,  w.MaskEdit4, w.Label7,    w.MaskEdit5, w.Button1,   w.Button2,
        w.Button3,   w.Button4, w.Button5,   w.Button6,   w.Label2,    w.Edit2};
    QStringList faults = testing::ControlsOutside(client, controls);
    faults << testing::OverlappingControls(client, controls);
    // The title and the notice line, the term, the day-fines and the operation, the two rows
    // of buttons, then the result.
    faults << testing::RowsInReadingOrder(
        client, {{w.Label1},
                 {w.Edit1},
                 {w.Label3, w.MaskEdit1, w.Label4, w.MaskEdit2, w.Label5, w.MaskEdit3},
                 {w.Label6, w.MaskEdit4, w.Label7, w.MaskEdit5},
                 {w.Button1, w.Button2, w.Button3},
                 {w.Button4, w.Button5, w.Button6},
                 {w.Label2, w.Edit2}});
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    // The layout's client area of 560 x 378 pixels at 120 dpi, scaled to this display.
    QCOMPARE(client->width(), Scaled(&w, 560));
    QCOMPARE(client->height() + w.StatusBar1->height(), Scaled(&w, 378));
    QVERIFY(w.StatusBar1->geometry().bottom() == w.rect().bottom());
}

void MainWindowLayoutTest::NoCaptionIsCutOrRunsIntoItsNeighbour() {
    MainWindowHarness h;
    TForm1& w = *h.Window;
    // Each label ends before the control on its right.
    const QList<QPair<QLabel*, QWidget*>> labels = {
        {w.Label3, w.MaskEdit1}, {w.Label4, w.MaskEdit2}, {w.Label5, w.MaskEdit3},
        {w.Label6, w.MaskEdit4}, {w.Label7, w.MaskEdit5}, {w.Label2, w.Edit2}};
    for (const auto& [label, field] : labels) {
        QVERIFY2(label->geometry().right() < field->x(), qPrintable(label->text()));
        QVERIFY(CaptionWidth(label->font(), label->text()) <= label->width());
    }
    QVERIFY(w.Label1->geometry().right() < w.width());
    for (QPushButton* button : {w.Button1, w.Button2, w.Button3, w.Button4, w.Button5, w.Button6}) {
        QVERIFY2(CaptionWidth(button->font(), button->text()) < button->width(),
                 qPrintable(button->text()));
    }
    QVERIFY(CaptionWidth(w.Edit1->font(), w.Edit1->text()) <= w.Edit1->width());
}

void MainWindowLayoutTest::TabCyclesThroughFieldsAndButtons() {
    MainWindowHarness h;
    QVERIFY(h.WaitActive());
    TForm1& w = *h.Window;
    const QList<QWidget*> cycle = {w.MaskEdit1, w.MaskEdit2, w.MaskEdit3, w.MaskEdit4,
                                   w.MaskEdit5, w.Button1,   w.Button2,   w.Button3,
                                   w.Button4,   w.Button5,   w.Button6,   w.MaskEdit1};
    QCOMPARE(h.Focus(), w.MaskEdit1);
    for (qsizetype i = 1; i < cycle.size(); ++i) {
        h.Key(Qt::Key_Tab);
        QCOMPARE(h.Focus(), cycle[i]);
    }
    for (qsizetype i = cycle.size() - 2; i >= 0; --i) {
        h.Key(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(h.Focus(), cycle[i]);
    }
}

void MainWindowLayoutTest::ResultAndNoticeFieldsStayOutOfTheTabCycle() {
    MainWindowHarness h;
    QVERIFY(h.WaitActive());
    for (int i = 0; i < 30; ++i) {
        h.Key(Qt::Key_Tab);
        QVERIFY(h.Focus() != h.Window->Edit2);
        QVERIFY(h.Focus() != h.Window->Edit1);
    }
    QVERIFY(!h.Window->Edit1->isEnabled());
    QTest::mouseClick(h.Window->Edit1, Qt::LeftButton);
    QVERIFY(h.Focus() != h.Window->Edit1);
    QTest::mouseClick(h.Window->Edit2, Qt::LeftButton);
    QCOMPARE(h.Focus(), h.Window->Edit2);
    QVERIFY(h.Window->Edit2->isReadOnly());
}

void MainWindowLayoutTest::CopyIsEnabledOnlyForASelectionInAFocusedField_data() {
    QTest::addColumn<QString>("focus");
    QTest::addColumn<bool>("select");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QString>("copied");
    QTest::newRow("button focused") << "Button1" << false << false << "sentinel";
    QTest::newRow("field, caret at the end") << "MaskEdit4" << false << false << "sentinel";
    QTest::newRow("field, all selected") << "MaskEdit4" << true << true << "10   ";
    QTest::newRow("result selected")
        << "Edit2" << true << true << " 5 anos, 10 meses e  0 dia, e  11 dias-multa";
    QTest::newRow("result, nothing selected") << "Edit2" << false << false << "sentinel";
}

void MainWindowLayoutTest::CopyIsEnabledOnlyForASelectionInAFocusedField() {
    QFETCH(QString, focus);
    QFETCH(bool, select);
    QFETCH(bool, enabled);
    QFETCH(QString, copied);
    MainWindowHarness h;
    QVERIFY(h.WaitActive());
    h.Fill("5", "", "", "10", "+1/6");
    h.Window->Button1->click();
    QApplication::clipboard()->setText(QStringLiteral("sentinel"));

    auto* widget = h.Window->findChild<QWidget*>(focus);
    widget->setFocus();
    if (auto* field = qobject_cast<MaskedField*>(widget)) {
        // A masked field always selects the character under its caret; only at the end
        // of the field is nothing selected.
        select ? field->SelectAll() : h.Key(Qt::Key_End);
    } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        select ? edit->selectAll() : edit->deselect();
    }
    QCOMPARE(h.Window->EditCopy1->isEnabled(), enabled);

    // Through the menu item, then through Ctrl+C.
    h.Window->EditCopy1->trigger();
    QCOMPARE(h.Clipboard(), copied);
    QApplication::clipboard()->setText(QStringLiteral("sentinel"));
    h.Key(Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(h.Clipboard(), copied);
}

void MainWindowLayoutTest::StatusBarWelcomesThenChangesOnEveryCalculaOnly() {
    MainWindowHarness h;
    QVERIFY(h.WaitActive());
    NoticeBar* bar = h.Window->StatusBar1;
    const QString welcome = QStringLiteral(
        "                                Benvindo ao programa Zarn.exe. Para AJUDA, tecle F1.");
    QCOMPARE(bar->Text(), welcome);
    QCOMPARE(bar->TextColor(), QApplication::palette().color(QPalette::ButtonText));
    QCOMPARE(bar->BackColor(), QApplication::palette().color(QPalette::Button));

    // An erroring Calcula at midnight: position 1, black on silver.
    h.SetClock(0);
    h.Enter();
    QCOMPARE(bar->Text(), ToQString(NoticeLine(1)));
    QCOMPARE(bar->TextColor(), QColor(0, 0, 0));
    QCOMPARE(bar->BackColor(), QColor(0xC0, 0xC0, 0xC0));

    // Nothing but Calcula touches it.
    h.SetClock(12'345'678);
    h.Window->Button2->click();
    h.Window->Button4->click();
    h.Window->Button3->click();
    h.Window->Button5->click();
    h.Window->CursorIniciaExecute();
    QCOMPARE(bar->Text(), ToQString(NoticeLine(1)));
    QCOMPARE(bar->BackColor(), QColor(0xC0, 0xC0, 0xC0));
    h.Window->Button1->click();
    QVERIFY(bar->Text() != ToQString(NoticeLine(1)));
}

void MainWindowLayoutTest::StatusBarShowsTheDrawnNoticeInItsColours_data() {
    QTest::addColumn<uint>("clock");
    for (uint clock : {0u, 1u, 999u, 43'200'000u, 86'399'999u, 31'415'926u, 27'182'818u}) {
        QTest::newRow(qPrintable(QString::number(clock))) << clock;
    }
}

void MainWindowLayoutTest::StatusBarShowsTheDrawnNoticeInItsColours() {
    QFETCH(uint, clock);
    MainWindowHarness h;
    h.SetClock(clock);
    h.Window->Button1->click();
    const NoticeChoice choice = ChooseNotice(); // the same clock reading
    const NoticeBar* bar = h.Window->StatusBar1;
    QCOMPARE(bar->Text(), ToQString(NoticeLine(NoticePosition(choice.NoticeDraw))));
    QCOMPARE(bar->TextColor(), ToQColor(choice.NoticeTextColor, QApplication::palette()));
    QCOMPARE(bar->BackColor(), ToQColor(choice.NoticeBackColor, QApplication::palette()));
}

void MainWindowLayoutTest::StatusBarIgnoresMenuHints() {
    MainWindowHarness h;
    QStatusTipEvent tip(QStringLiteral("Sai do programa"));
    QApplication::sendEvent(h.Window.get(), &tip);
    QStatusTipEvent empty{QString()};
    QApplication::sendEvent(h.Window.get(), &empty);
    QCOMPARE(h.Window->StatusBar1->Text(), ToQString(kWelcomeText));
    QVERIFY(h.Window->StatusBar1->currentMessage().isEmpty());
}

void MainWindowLayoutTest::EveryNoticeFitsTheStatusBar() {
    MainWindowHarness h;
    QVERIFY(h.WaitActive());
    const NoticeBar* bar = h.Window->StatusBar1;
    const QLabel* panel = bar->findChild<QLabel*>();
    QVERIFY(panel);
    QTRY_VERIFY(panel->width() > bar->width() / 2);
    const QFontMetrics metrics(panel->font());
    QVERIFY(metrics.horizontalAdvance(ToQString(kWelcomeText)) <= panel->width());
    for (int position = 1; position <= kNoticeCount; ++position) {
        const QString line = ToQString(NoticeLine(position));
        QVERIFY2(metrics.horizontalAdvance(line) <= panel->width(),
                 qPrintable(QStringLiteral("%1 > %2: %3")
                                .arg(metrics.horizontalAdvance(line))
                                .arg(panel->width())
                                .arg(line)));
    }
}

void MainWindowLayoutTest::UnfocusedFieldsHideTheirSelection() {
    MainWindowHarness h;
    QVERIFY(h.WaitActive());
    TForm1& w = *h.Window;
    h.Fill("5", "", "", "10", "+1/6");
    h.Window->MaskEdit1->setFocus();
    h.Enter();
    // The result is selected, and drawn so only once the result field has the focus.
    QCOMPARE(w.Edit2->selectedText(), h.Result());
    QVERIFY(!FocusedSelection::SelectionShown(w.Edit2));
    QVERIFY(FocusedSelection::SelectionShown(w.MaskEdit1));
    for (QLineEdit* field :
         {static_cast<QLineEdit*>(w.MaskEdit2), static_cast<QLineEdit*>(w.MaskEdit5)}) {
        QVERIFY(!FocusedSelection::SelectionShown(field));
    }
    QTest::mouseDClick(w.Edit2, Qt::LeftButton, {}, QPoint(12, w.Edit2->height() / 2));
    QVERIFY(FocusedSelection::SelectionShown(w.Edit2));
    QVERIFY(!FocusedSelection::SelectionShown(w.MaskEdit1));
}

void MainWindowLayoutTest::HelpRequestsFromMenuAndStatusBar() {
    MainWindowHarness h;
    QVERIFY(h.WaitActive());
    NoticeBar* bar = h.Window->StatusBar1;
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, bar->height() / 2));
    h.Window->Button1->click(); // whatever the bar shows
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(5, bar->height() / 2));
    h.Window->HelpContents->trigger();
    h.Window->HelpContents->trigger();
    h.Window->HelpIndex->trigger();
    QCOMPARE(h.Help.Requests,
             (QStringList{"context 1", "context 1", "contents", "contents", "index"}));
    SetHelp(nullptr); // without a help bridge the commands do nothing
    h.Window->HelpContents->trigger();
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(5, bar->height() / 2));
    QCOMPARE(h.Help.Requests.size(), 5);
    QVERIFY(h.Watch.Seen().isEmpty());
}

void MainWindowLayoutTest::MenuReadsSairEditarFerramentasAjuda() {
    MainWindowHarness h;
    TForm1& w = *h.Window;
    QStringList bar;
    for (const QAction* action : w.MainMenu1->actions()) {
        bar << action->text();
    }
    QCOMPARE(bar, (QStringList{"Sair", "Editar", "&Ferramentas", "&Ajuda"}));
    QCOMPARE(w.MainMenu1->actions().at(0), w.ProgramaSai);
    QCOMPARE(w.Editar1->actions(), (QList<QAction*>{w.EditCopy1}));
    QCOMPARE(w.EditCopy1->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_C));
    QVERIFY(!w.EditCopy1->icon().isNull());
    QStringList help;
    for (const QAction* action : w.Contedo1->actions()) {
        help << (action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    QCOMPARE(help, (QStringList{QStringLiteral("Conte\u00fado"), QStringLiteral("\u00cdndice"), "-",
                                "Sobre..."}));
    QVERIFY(!w.HelpContents->icon().isNull());
    QCOMPARE(w.ImageList1.size(), 2);
    for (const QIcon& image : w.ImageList1) {
        QCOMPARE(image.availableSizes().value(0), QSize(16, 16));
    }
    const QList<QPair<QObject*, int>> contexts = {
        {w.ProgramaSai, 0},  {w.Editar1->menuAction(), 0},
        {w.EditCopy1, 0},    {w.Contedo1->menuAction(), 1},
        {w.HelpContents, 1}, {w.HelpIndex, 1},
        {w.HelpAbout, 1}};
    for (const auto& [object, context] : contexts) {
        QCOMPARE(HelpContextOf(object), context);
    }
}

void MainWindowLayoutTest::SobreShowsTheAboutBoxModally() {
    MainWindowHarness h;
    TAboutBox about;
    h.Window->SetAboutBox(&about);
    h.Window->HelpAbout->trigger();
    QCOMPARE(h.Watch.Seen().size(), 1);
    QCOMPARE(h.Watch.Seen().front().Caption, QStringLiteral("Sobre..."));
    QVERIFY(!about.isVisible());
    QVERIFY(h.Window->isVisible());
}

void MainWindowLayoutTest::ResizingKeepsControlsInPlace() {
    MainWindowHarness h;
    QVERIFY(h.WaitActive());
    TForm1& w = *h.Window;
    QList<QRect> before;
    const QList<QWidget*> controls = {w.Label1,    w.Edit1,   w.Edit2,  w.MaskEdit1,
                                      w.MaskEdit5, w.Button1, w.Button6};
    for (const QWidget* control : controls) {
        before << control->geometry();
    }
    w.resize(w.width() + 200, w.height() + 120);
    QTRY_COMPARE(w.StatusBar1->width(), w.width());
    for (qsizetype i = 0; i < controls.size(); ++i) {
        QCOMPARE(controls[i]->geometry(), before[i]);
    }
    QCOMPARE(w.StatusBar1->geometry().bottom(), w.rect().bottom());
}

// However small the user drags the window, every control stays whole inside the client
// area, clear of the menu bar and the status bar.
void MainWindowLayoutTest::CannotBeMadeSmallerThanItsLayout() {
    MainWindowHarness h;
    QVERIFY(h.WaitActive());
    TForm1& w = *h.Window;
    const QSize first = w.size();
    w.resize(40, 30);
    QTRY_COMPARE(w.StatusBar1->width(), w.width());
    QVERIFY2(w.width() >= first.width() && w.height() >= first.height(),
             qPrintable(QStringLiteral("%1 x %2").arg(w.width()).arg(w.height())));
    const QWidget* client = w.centralWidget();
    QVERIFY(!client->geometry().intersects(w.StatusBar1->geometry()));
    QList<const QWidget*> controls;
    for (const QWidget* control : client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        controls << control;
    }
    const QStringList faults = testing::ControlsOutside(client, controls);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

} // namespace zarn

QTEST_MAIN(zarn::MainWindowLayoutTest)
#include "MainWindowLayoutTest.moc"
