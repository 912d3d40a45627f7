// Nothing typed is lost to a crash: a child process, this program started as start-up starts
// the program (--sessao-interrompida), types a date of birth in the prescription window,
// waits until its recovery copy holds it and is killed with SIGKILL. The next start (here,
// in a data folder of the test's own) offers the copy: Recuperar shows the edit in the
// prescription window, unsaved, and a clean close then removes the copy; Descartar removes
// it at once; Depois keeps it for a later start.

#include "app/ZarnApplication.h"
#include "forms/PrescriptionWindow.h"
#include "forms/Unit1.h"
#include "support/ModalWatch.h"
#include "support/RecordingHelpEngine.h"
#include "widgets/MaskedField.h"
#include "widgets/QtText.h"
#include "widgets/RecoveryStore.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <memory>

namespace zarn {
namespace {

constexpr const char* kChildOption = "--sessao-interrompida";
constexpr const char* kCopyWritten = "copia gravada";
const QString kOfferCaption = QStringLiteral("Recuperar caso");
const QString kQuestion = QStringLiteral("Altera\u00e7\u00f5es n\u00e3o salvas");
const QString kTypedBirth = QStringLiteral("10/10/1990");

QStringList Copies() {
    return QDir(RecoveryStore::Folder()).entryList({QStringLiteral("*.zarn")}, QDir::Files);
}

bool ACopyHolds(const QString& text) {
    for (const QString& copy : Copies()) {
        QFile file(RecoveryStore::Folder() + QLatin1Char('/') + copy);
        if (file.open(QIODevice::ReadOnly) && file.readAll().contains(text.toUtf8())) {
            return true;
        }
    }
    return false;
}

// The child: the program as start-up runs it, an edit, and then it waits to be killed.
int RunInterruptedSession(ZarnApplication& application) {
    application.CreateWindows();
    application.ShowMainWindow();
    application.StartRecovery();
    application.Form1()->FerramentasPrescricao->trigger();
    MaskedField* birth = application.Form1()->Prescription()->BirthField;
    birth->setFocus();
    QTest::keyClicks(birth, QStringLiteral("10101990"));
    if (!QTest::qWaitFor([] { return ACopyHolds(kTypedBirth); }, 20000)) {
        return 1;
    }
    std::printf("%s\n", kCopyWritten);
    std::fflush(stdout);
    return application.exec();
}

} // namespace

class CaseRecoveryTest : public QObject {
    Q_OBJECT
public:
    explicit CaseRecoveryTest(ZarnApplication& application)
        : m_app(application) {}

private slots:
    void init();
    void cleanup();
    void AKilledSessionsEditIsOffered_data();
    void AKilledSessionsEditIsOffered();

private:
    // A session of this program killed after its edit reached the recovery copy.
    bool KillASessionAfterItsEdit();

    ZarnApplication& m_app;
    std::unique_ptr<QTemporaryDir> m_data;
};

void CaseRecoveryTest::init() {
    m_data = std::make_unique<QTemporaryDir>();
    qputenv("XDG_DATA_HOME", m_data->filePath(QStringLiteral("dados")).toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", m_data->filePath(QStringLiteral("config")).toLocal8Bit());
}

void CaseRecoveryTest::cleanup() {
    // The session's own lock goes with its case, before the data folder does.
    if (m_app.Form1()) {
        m_app.Form1()->Case().CloseCleanly();
    }
    qunsetenv("XDG_DATA_HOME");
    qunsetenv("XDG_CONFIG_HOME");
}

bool CaseRecoveryTest::KillASessionAfterItsEdit() {
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(kChildOption)});
    const bool written = QTest::qWaitFor(
        [&child] {
            child.waitForReadyRead(100);
            return child.peek(4096).contains(kCopyWritten) || child.state() == QProcess::NotRunning;
        },
        60000);
    if (!written || child.state() != QProcess::Running) {
        qWarning("the child ended or never wrote its copy");
        return false;
    }
    ::kill(static_cast<pid_t>(child.processId()), SIGKILL);
    child.waitForFinished();
    return child.exitStatus() == QProcess::CrashExit;
}

void CaseRecoveryTest::AKilledSessionsEditIsOffered_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("recovered");
    QTest::addColumn<bool>("copyKept");
    QTest::newRow("Recuperar") << QStringLiteral("Recuperar") << true << true;
    QTest::newRow("Descartar") << QStringLiteral("Descartar") << false << false;
    QTest::newRow("Depois") << QStringLiteral("Depois") << false << true;
}

void CaseRecoveryTest::AKilledSessionsEditIsOffered() {
    QFETCH(QString, answer);
    QFETCH(bool, recovered);
    QFETCH(bool, copyKept);
    QVERIFY(KillASessionAfterItsEdit());
    QCOMPARE(Copies().size(), 1);

    // The next start.
    testing::ModalWatch watch;
    watch.Answer(kOfferCaption, answer);
    m_app.CreateWindows();
    m_app.ShowMainWindow();
    m_app.StartRecovery();
    m_app.OfferRecovery();
    QCOMPARE(watch.Seen().size(), 1);
    QCOMPARE(watch.Seen().front().Caption, kOfferCaption);
    QVERIFY2(watch.Seen().front().Text.contains(QStringLiteral("Novo caso")),
             qPrintable(watch.Seen().front().Text));

    TForm1& form = *m_app.Form1();
    PrescriptionWindow* window = form.Prescription();
    QCOMPARE(window != nullptr, recovered);
    QCOMPARE(form.Case().Modified(), recovered);
    QCOMPARE(Copies().size(), copyKept ? 1 : 0);
    if (recovered) {
        QVERIFY(window->isVisible());
        QCOMPARE(ToQString(window->BirthField->Text()), kTypedBirth);
        QCOMPARE(window->windowTitle(), QStringLiteral("Prescri\u00e7\u00e3o \u2014 Novo caso*"));
        // A clean close, its changes let go, leaves no copy.
        watch.Answer(kQuestion, QStringLiteral("Descartar"));
        form.close();
        QVERIFY(!form.isVisible());
        QVERIFY(Copies().isEmpty());
    }
}

} // namespace zarn

int main(int argc, char** argv) {
    const bool child = argc > 1 && std::strcmp(argv[1], zarn::kChildOption) == 0;
    auto help = std::make_unique<zarn::RecordingHelpEngine>();
    zarn::ZarnApplication application(argc, argv, std::move(help));
    if (child) {
        return zarn::RunInterruptedSession(application);
    }
    zarn::CaseRecoveryTest test(application);
    return QTest::qExec(&test, argc, argv);
}

#include "CaseRecoveryTest.moc"
