// The recovery copies, in a data folder of the test's own (XDG_DATA_HOME): a change reaches
// its copy within the delay, steady changes too; a session that ends without Discard (as a
// crash does) leaves its copies to the next, which lists them while no living session holds
// them; a clean close removes them; taking a copy over writes only the copy, never the
// case's own file; a copy whose record is spoilt is still listed; a copy that cannot be
// written is said so.

#include "widgets/RecoveryStore.h"

#include "CaseFilesTests.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace zarn {
namespace {

using namespace std::chrono_literals;

const QByteArray kFirst = R"({"formato": "zarn-caso", "versao": 1, "nome": "Fulano"})";
const QByteArray kSecond = R"({"formato": "zarn-caso", "versao": 1, "nome": "Fulano de Tal"})";
const QString kName = QStringLiteral("Fulano de Tal");

QString CopyPath(const QString& id) {
    return RecoveryStore::Folder() + QLatin1Char('/') + id + QStringLiteral(".zarn");
}

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// What a crash leaves besides the copy: its lock, of a process that no longer runs.
void LeaveLockOfAnEndedProcess(const QString& id) {
    QProcess ended;
    ended.start(QStringLiteral("true"));
    QVERIFY(ended.waitForStarted());
    const qint64 pid = ended.processId();
    QVERIFY(ended.waitForFinished());
    QFile lock(RecoveryStore::Folder() + QLatin1Char('/') + id + QStringLiteral(".lock"));
    QVERIFY(lock.open(QIODevice::WriteOnly));
    lock.write(QByteArray::number(pid) + '\n' + QCoreApplication::applicationName().toUtf8() +
               '\n' + QSysInfo::machineHostName().toUtf8() + '\n');
}

// What a crashed session leaves: a copy written, never discarded.
QString CrashedSessionCopy(const QString& filePath) {
    RecoveryStore session;
    const QString id = session.Track();
    session.Record(id, kFirst, filePath, kName);
    session.Flush();
    return id;
}

} // namespace

class RecoveryStoreTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();
    void AChangeReachesItsCopyWithinTheDelay();
    void SteadyChangesStillReachTheCopy();
    void OnlyACrashedSessionsCopiesAreListed();
    void ACleanCloseRemovesTheCopy();
    void ARecoveredCopyNeverWritesTheCasesFile();
    void ACopyWithASpoiltRecordIsStillListed();
    void ACopyThatCannotBeWrittenIsSaidSo();

private:
    std::unique_ptr<QTemporaryDir> m_data;
};

void RecoveryStoreTest::initTestCase() {
    m_data = std::make_unique<QTemporaryDir>();
    QVERIFY(m_data->isValid());
    qputenv("XDG_DATA_HOME", m_data->path().toLocal8Bit());
    QVERIFY(RecoveryStore::Folder().startsWith(m_data->path()));
    QVERIFY(RecoveryStore::Folder().endsWith(QStringLiteral("/recuperacao")));
}

void RecoveryStoreTest::init() {
    QFile::remove(RecoveryStore::Folder());
    QDir(RecoveryStore::Folder()).removeRecursively();
}

void RecoveryStoreTest::cleanupTestCase() {
    qunsetenv("XDG_DATA_HOME");
}

void RecoveryStoreTest::AChangeReachesItsCopyWithinTheDelay() {
    RecoveryStore store;
    store.SetDelay(100ms);
    const QString id = store.Track();
    store.Record(id, kFirst, {}, kName);
    store.Record(id, kSecond, {}, kName);
    QVERIFY(!QFileInfo::exists(CopyPath(id))); // the timer writes it, not the change
    QTRY_COMPARE_WITH_TIMEOUT(Contents(CopyPath(id)), kSecond, 5000);
}

void RecoveryStoreTest::SteadyChangesStillReachTheCopy() {
    RecoveryStore store;
    store.SetDelay(100ms);
    const QString id = store.Track();
    // A change every 20 ms for far longer than the delay: the copy is there before they stop.
    for (int change = 0; change < 50 && !QFileInfo::exists(CopyPath(id)); ++change) {
        store.Record(id, kFirst + QByteArray::number(change), {}, kName);
        QTest::qWait(20);
    }
    QVERIFY(QFileInfo::exists(CopyPath(id)));
}

void RecoveryStoreTest::OnlyACrashedSessionsCopiesAreListed() {
    const QString path = QStringLiteral("/casos/fulano.zarn");
    auto living = std::make_unique<RecoveryStore>();
    const QString id = living->Track();
    living->Record(id, kFirst, path, kName);
    living->Flush();
    // The group and others have no way in.
    QCOMPARE((QFileInfo(RecoveryStore::Folder()).permissions() & 0x0077).toInt(), 0);
    QVERIFY(RecoveryStore().Pending().empty());
    QVERIFY(living->Pending().empty()); // nor its own to itself
    living.reset();                     // ends without Discard, as a crash does
    LeaveLockOfAnEndedProcess(id);

    const std::vector<RecoveredCase> pending = RecoveryStore().Pending();
    QCOMPARE(pending.size(), std::size_t{1});
    QCOMPARE(pending[0].Id, id);
    QCOMPARE(pending[0].Document, kFirst);
    QCOMPARE(pending[0].FilePath, path);
    QCOMPARE(pending[0].Name, kName);
}

void RecoveryStoreTest::ACleanCloseRemovesTheCopy() {
    RecoveryStore store;
    const QString written = store.Track();
    store.Record(written, kFirst, {}, kName);
    store.Flush();
    const QString waiting = store.Track();
    store.Record(waiting, kFirst, {}, kName);
    store.Discard(written);
    store.Discard(waiting);
    store.Flush();
    QVERIFY(!store.Tracks(written));
    QCOMPARE(QDir(RecoveryStore::Folder()).entryList(QDir::Files), QStringList());
    QVERIFY(RecoveryStore().Pending().empty());
}

void RecoveryStoreTest::ARecoveredCopyNeverWritesTheCasesFile() {
    QTemporaryDir cases;
    const QString path = cases.filePath(QStringLiteral("fulano.zarn"));
    const QByteArray original = "o arquivo salvo pelo usuario";
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(original);
    }
    const QString id = CrashedSessionCopy(path);

    RecoveryStore next;
    QVERIFY(next.Adopt(id));
    next.Record(id, kSecond, path, kName);
    next.Flush();
    QCOMPARE(Contents(path), original);
    QCOMPARE(Contents(CopyPath(id)), kSecond);
    // Taken over, it belongs to this session: no other lists it or takes it.
    RecoveryStore third;
    QVERIFY(third.Pending().empty());
    QVERIFY(!third.Adopt(id));
}

void RecoveryStoreTest::ACopyWithASpoiltRecordIsStillListed() {
    const QString id = CrashedSessionCopy(QStringLiteral("/casos/fulano.zarn"));
    QFile record(RecoveryStore::Folder() + QLatin1Char('/') + id + QStringLiteral(".json"));
    QVERIFY(record.open(QIODevice::WriteOnly | QIODevice::Truncate));
    record.write("\x00\xFF{", 3);
    record.close();
    const std::vector<RecoveredCase> pending = RecoveryStore().Pending();
    QCOMPARE(pending.size(), std::size_t{1});
    QCOMPARE(pending[0].Document, kFirst);
    QVERIFY(pending[0].FilePath.isEmpty());
}

void RecoveryStoreTest::ACopyThatCannotBeWrittenIsSaidSo() {
    // A file where the folder should be: nothing can go in it.
    QFile blocker(RecoveryStore::Folder());
    QVERIFY(QDir().mkpath(QFileInfo(RecoveryStore::Folder()).path()));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    RecoveryStore store;
    QSignalSpy failures(&store, &RecoveryStore::CopyFailed);
    const QString id = store.Track();
    store.Record(id, kFirst, {}, kName);
    store.Flush();
    QCOMPARE(failures.size(), 1);
    const QString message = failures[0][0].toString();
    QCOMPARE(message, QStringLiteral("Não foi possível gravar o arquivo %1: %2 não é uma pasta.")
                          .arg(QDir::toNativeSeparators(CopyPath(id)),
                               QDir::toNativeSeparators(RecoveryStore::Folder())));
}

std::unique_ptr<QObject> MakeRecoveryStoreTest() {
    return std::make_unique<RecoveryStoreTest>();
}

} // namespace zarn

#include "RecoveryStoreTest.moc"
