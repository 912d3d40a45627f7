// The about box: texts, layout, the keyboard on opening and reopening, the two author
// buttons with recorded desktop services, and F1 on its controls.

#include "forms/Unit2.h"
#include "help/HelpBridge.h"
#include "help/HelpContext.h"
#include "help/HelpKey.h"
#include "support/RecordingHelpEngine.h"
#include "support/RecordingUrlOpener.h"
#include "widgets/BevelPanel.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <memory>

using namespace zarn;
using zarn::testing::RecordingUrlOpener;

namespace {

// What a message box said; the watcher closes every modal box that appears, so a test
// never hangs on one it did not expect.
struct SeenBox {
    QString Caption;
    QString Text;
    QMessageBox::Icon Icon = QMessageBox::NoIcon;
    QStringList Buttons;
};

class ModalWatcher {
public:
    ModalWatcher() {
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) {
                return;
            }
            SeenBox seen{box->windowTitle(), box->text(), box->icon(), {}};
            for (QAbstractButton* b : box->buttons()) {
                seen.Buttons << b->text();
            }
            Seen << seen;
            box->done(0);
        });
        m_timer.start();
    }
    QList<SeenBox> Seen;

private:
    QTimer m_timer;
};

} // namespace

class TestAboutBox : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void Texts_data();
    void Texts();
    void Hints();
    void LayoutFitsItsTexts_data();
    void LayoutFitsItsTexts();
    void IconIsTheProgramIcon();
    void FirstOpeningEnterOpensTheSite();
    void AfterOkEnterCloses();
    void EscapeDoesNothing();
    void CloseBoxCloses();
    void AuthorButtons_data();
    void AuthorButtons();
    void MailHandlerIsAskedOnce();
    void HelpKey_data();
    void HelpKey();

private:
    void OpenAndWait();

    std::unique_ptr<RecordingUrlOpener> m_opener;
    std::unique_ptr<TAboutBox> m_box;
};

void TestAboutBox::init() {
    m_opener = std::make_unique<RecordingUrlOpener>();
    m_box = std::make_unique<TAboutBox>();
    m_box->SetUrlOpener(m_opener.get());
}

void TestAboutBox::cleanup() {
    m_box.reset();
    m_opener.reset();
}

void TestAboutBox::OpenAndWait() {
    m_box->open();
    QVERIFY(QTest::qWaitForWindowActive(m_box.get()));
}

void TestAboutBox::Texts_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    QTest::newRow("caption") << "AboutBox" << QStringLiteral("Sobre...");
    QTest::newRow("product") << "ProductName"
                             << QStringLiteral("Programa para cálculo de penas criminais");
    QTest::newRow("version") << "Version" << QStringLiteral("Versão " EXPECTED_VERSION);
    QTest::newRow("platforms") << "Label1" << QStringLiteral("(para Linux, Windows e macOS)");
    QTest::newRow("site button") << "Button1" << QStringLiteral("Site do Autor");
    QTest::newRow("mail button") << "Button2" << QStringLiteral(EXPECTED_EMAIL);
    QTest::newRow("ok button") << "OKButton" << QStringLiteral("OK");
}

void TestAboutBox::Texts() {
    QFETCH(QString, control);
    QFETCH(QString, text);
    QWidget* w =
        control == QLatin1String("AboutBox") ? m_box.get() : m_box->findChild<QWidget*>(control);
    QVERIFY(w);
    if (auto* label = qobject_cast<QLabel*>(w)) {
        QCOMPARE(label->text(), text);
    } else if (auto* button = qobject_cast<QPushButton*>(w)) {
        QCOMPARE(button->text(), text);
    } else {
        QCOMPARE(w->windowTitle(), text);
    }
    QVERIFY(!m_box->Copyright->text().isEmpty());
    QCOMPARE(TAboutBox::AuthorSite(), QStringLiteral(EXPECTED_SITE));
}

void TestAboutBox::Hints() {
    QCOMPARE(m_box->Button2->toolTip(), QStringLiteral("Envie e-mail ao Autor..."));
    QVERIFY2(m_box->Button1->toolTip().isEmpty(), "the site button shows no hint");
    QVERIFY(m_box->OKButton->isDefault());
    QVERIFY(m_box->Button1->isEnabled());
    QVERIFY(m_box->isModal());
}

// Every text shows whole, inside the panel, clear of the icon and of each other.
void TestAboutBox::LayoutFitsItsTexts_data() {
    QTest::addColumn<QString>("control");
    for (const char* name :
         {"ProductName", "Version", "Label1", "Copyright", "Button1", "Button2"}) {
        QTest::newRow(name) << QString::fromLatin1(name);
    }
}

void TestAboutBox::LayoutFitsItsTexts() {
    QFETCH(QString, control);
    auto* w = m_box->findChild<QWidget*>(control);
    QVERIFY(w);
    QCOMPARE(w->parentWidget(), static_cast<QWidget*>(m_box->Panel1));
    QVERIFY2(w->width() >= w->sizeHint().width(), qPrintable(QString::number(w->width())));
    const QRect inside =
        m_box->Panel1->rect().adjusted(BevelPanel::kBevelWidth, BevelPanel::kBevelWidth,
                                       -BevelPanel::kBevelWidth, -BevelPanel::kBevelWidth);
    QVERIFY(inside.contains(w->geometry()));
    QVERIFY(!w->geometry().intersects(m_box->ProgramIcon->geometry()));
    for (QWidget* other : m_box->Panel1->findChildren<QWidget*>()) {
        if (other != w && other->parentWidget() == m_box->Panel1) {
            QVERIFY2(!w->geometry().intersects(other->geometry()), qPrintable(other->objectName()));
        }
    }
    QVERIFY(m_box->rect().contains(m_box->OKButton->geometry()));
    QVERIFY(!m_box->Panel1->geometry().intersects(m_box->OKButton->geometry()));
}

void TestAboutBox::IconIsTheProgramIcon() {
    const QPixmap shown = m_box->ProgramIcon->pixmap(Qt::ReturnByValue);
    QCOMPARE(shown.size(), QSize(32, 32));
    QVERIFY(m_box->ProgramIcon->hasScaledContents());
}

void TestAboutBox::FirstOpeningEnterOpensTheSite() {
    OpenAndWait();
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(m_box->Button1));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(m_opener->Opened, QStringList{QStringLiteral(EXPECTED_SITE)});
    QVERIFY2(m_box->isVisible(), "Enter on the site button leaves the box open");
    const QRect screen = m_box->screen()->availableGeometry();
    QVERIFY(qAbs(m_box->frameGeometry().center().x() - screen.center().x()) <= 1);
}

void TestAboutBox::AfterOkEnterCloses() {
    OpenAndWait();
    QTest::mouseClick(m_box->OKButton, Qt::LeftButton);
    QVERIFY(!m_box->isVisible());
    QCOMPARE(m_box->result(), int(QDialog::Accepted));

    OpenAndWait();
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(m_box->OKButton));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(!m_box->isVisible());
    QVERIFY(m_opener->Opened.isEmpty());
}

void TestAboutBox::EscapeDoesNothing() {
    OpenAndWait();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QVERIFY(m_box->isVisible());
    QVERIFY(m_opener->Opened.isEmpty());
}

void TestAboutBox::CloseBoxCloses() {
    OpenAndWait();
    QVERIFY(m_box->close());
    QVERIFY(!m_box->isVisible());
    QCOMPARE(m_box->result(), int(QDialog::Rejected));
}

void TestAboutBox::AuthorButtons_data() {
    QTest::addColumn<bool>("site"); // the site button, else the e-mail button
    QTest::addColumn<bool>("registered");
    QTest::addColumn<bool>("launches");
    QTest::addColumn<bool>("givesUp");
    QTest::addColumn<QString>("said");
    const QString sendingError = QStringLiteral("Error sending mail");
    const QString noBrowser =
        QStringLiteral("N\u00e3o foi poss\u00edvel abrir um navegador para o site do autor. Abra o "
                       "endere\u00e7o " EXPECTED_SITE " no seu navegador.");
    QTest::newRow("browser starts") << true << true << true << false << QString();
    QTest::newRow("no launcher for the site") << true << true << false << false << noBrowser;
    QTest::newRow("the launcher finds no browser") << true << true << true << true << noBrowser;
    QTest::newRow("mail program starts") << false << true << true << false << QString();
    QTest::newRow("mail program fails to start") << false << true << false << false << sendingError;
    QTest::newRow("no mail program registered") << false << false << true << false << sendingError;
    QTest::newRow("the launcher finds no mail program")
        << false << true << true << true
        << QStringLiteral("N\u00e3o foi poss\u00edvel abrir um programa de e-mail. Escreva ao "
                          "autor, pelo seu programa de e-mail, para o endere\u00e7o " EXPECTED_EMAIL
                          ".");
}

// Each author button reports a program it cannot start; the box stays open.
void TestAboutBox::AuthorButtons() {
    QFETCH(bool, site);
    QFETCH(bool, registered);
    QFETCH(bool, launches);
    QFETCH(bool, givesUp);
    QFETCH(QString, said);
    m_opener->MailRegistered = registered;
    m_opener->LaunchSucceeds = launches;
    OpenAndWait();
    ModalWatcher watcher;
    QTest::mouseClick(site ? m_box->Button1 : m_box->Button2, Qt::LeftButton);
    if (givesUp) {
        m_opener->LauncherGivesUp();
    }
    const QString address = site ? QStringLiteral(EXPECTED_SITE) : QStringLiteral("mailto:");
    QCOMPARE(m_opener->Opened, registered ? QStringList{address} : QStringList{});
    QCOMPARE(watcher.Seen.size(), said.isEmpty() ? 0 : 1);
    if (!said.isEmpty()) {
        const SeenBox& seen = watcher.Seen.first();
        QCOMPARE(seen.Text, said);
        const bool sending = said == QLatin1String("Error sending mail");
        QCOMPARE(seen.Caption == QLatin1String("Error"), sending);
        QCOMPARE(seen.Icon, sending ? QMessageBox::Critical : QMessageBox::Warning);
        QCOMPARE(seen.Buttons, QStringList{QStringLiteral("OK")});
    }
    QVERIFY2(m_box->isVisible(), "the box stays open");
}

void TestAboutBox::MailHandlerIsAskedOnce() {
    m_opener->MailRegistered = false;
    OpenAndWait();
    ModalWatcher watcher;
    QTest::mouseClick(m_box->Button2, Qt::LeftButton);
    QTest::mouseClick(m_box->Button2, Qt::LeftButton);
    QCOMPARE(m_opener->MailChecks, 1);
    QCOMPARE(watcher.Seen.size(), 2);
}

void TestAboutBox::HelpKey_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("OK requests nothing") << "OKButton" << QStringList{};
    QTest::newRow("site button requests nothing") << "Button1" << QStringList{};
    QTest::newRow("e-mail button requests 1") << "Button2" << QStringList{"zarn.qhc|1|1"};
}

void TestAboutBox::HelpKey() {
    QFETCH(QString, control);
    QFETCH(QStringList, expected);
    QWidget owner; // a main window with a number of its own must not be reached
    SetHelpContext(&owner, 1);
    TAboutBox box(&owner);
    box.SetUrlOpener(m_opener.get());
    RecordingHelpEngine engine;
    HelpBridge bridge(engine, QStringLiteral("zarn.qhc"));
    zarn::HelpKey key(bridge);
    qApp->installEventFilter(&key);
    box.open();
    QVERIFY(QTest::qWaitForWindowActive(&box));
    auto* target = box.findChild<QWidget*>(control);
    target->setFocus();
    QTest::keyClick(target, Qt::Key_F1);
    qApp->removeEventFilter(&key);
    QCOMPARE(engine.Requests, expected);
    QVERIFY(m_opener->Opened.isEmpty());
}

QTEST_MAIN(TestAboutBox)
#include "AboutBoxTest.moc"
