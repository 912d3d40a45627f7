// The case the analysis windows share, on disk: a case saved and read again is the same case;
// a file that cannot be read as a case (a refused key, cut short, binary, a newer version) is
// refused with its place, stays byte for byte, and no save writes over it; a save that fails
// (a folder that cannot be written, a full disk) leaves the earlier file byte for byte and the
// changes unsaved; a case that does not read back is not saved; unsaved changes reach a
// recovery copy, which the save removes. Where the system cannot be made to fail (root writes
// through permission bits; mounting needs the right to), the failure is injected behind the
// same writer.

#include "widgets/CaseSession.h"

#include "CaseFilesTests.h"
#include "widgets/QtText.h"
#include "widgets/RecoveryStore.h"
#include "widgets/SaveFileOperations.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <memory>

namespace zarn {
namespace {

using namespace std::chrono_literals;

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Put(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// Every key of caso.md, as the fuzz target's seed has them.
CaseDocument EveryKey() {
    const CaseOpening opening =
        CaseSession::Read(QStringLiteral(ZARN_CASO_SEEDS "/todas-as-chaves.zarn"));
    return opening.Document.value_or(CaseDocument{});
}

bool Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished() && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

// A small tmpfs on the folder while it lives, where the test may mount one; it can be made
// read-only after the earlier file is in it.
class SmallDisk {
public:
    explicit SmallDisk(const QString& folder)
        : m_folder(folder)
        , m_mounted(Run(QStringLiteral("mount"),
                        {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                         QStringLiteral("size=64k"), QStringLiteral("zarn-test"), folder})) {}
    ~SmallDisk() {
        if (m_mounted) {
            Run(QStringLiteral("umount"), {m_folder});
        }
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool Mounted() const { return m_mounted; }
    bool MakeReadOnly() const {
        return Run(QStringLiteral("mount"),
                   {QStringLiteral("-o"), QStringLiteral("remount,ro"), m_folder});
    }

private:
    QString m_folder;
    bool m_mounted;
};

// The step fails as the system would, with its errno.
class FailingOperations : public SaveFileOperations {
public:
    explicit FailingOperations(int error)
        : m_error(error) {}
    bool Open(QSaveFile& file) override {
        return m_error == ENOSPC ? SaveFileOperations::Open(file) : Fail();
    }
    bool Write(QSaveFile& file, QByteArrayView bytes) override {
        return m_error == ENOSPC ? Fail() : SaveFileOperations::Write(file, bytes);
    }

private:
    bool Fail() const {
        errno = m_error;
        return false;
    }
    int m_error;
};

} // namespace

class CaseSessionTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();
    void ASavedCaseReadsBackTheSame();
    void ARefusedFileStaysAsItWas_data();
    void ARefusedFileStaysAsItWas();
    void AFailedSaveKeepsTheEarlierFile_data();
    void AFailedSaveKeepsTheEarlierFile();
    void ACaseThatDoesNotReadBackIsNotSaved();
    void UnsavedChangesReachTheRecoveryCopyUntilSaved();

private:
    std::unique_ptr<QTemporaryDir> m_data;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void CaseSessionTest::initTestCase() {
    m_data = std::make_unique<QTemporaryDir>();
    qputenv("XDG_DATA_HOME", m_data->path().toLocal8Bit());
}

void CaseSessionTest::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void CaseSessionTest::cleanupTestCase() {
    qunsetenv("XDG_DATA_HOME");
}

void CaseSessionTest::ASavedCaseReadsBackTheSame() {
    CaseDocument document = EveryKey();
    QVERIFY(document.Execution && document.Prescription && document.Sentencing);
    document.Name.clear(); // the file gives it
    CaseSession session;
    session.Change(document, nullptr);
    QVERIFY(session.Modified());
    const QString path = m_dir->filePath(QStringLiteral("Fulano de Tal.zarn"));
    const FileOutcome saved = session.SaveAs(path);
    QVERIFY2(saved.Ok(), qPrintable(saved.Message));
    QVERIFY(!session.Modified());
    QCOMPARE(session.Name(), QStringLiteral("Fulano de Tal"));

    const CaseOpening opening = CaseSession::Read(path);
    QVERIFY2(opening.Ok(), qPrintable(opening.Message));
    document.Name = "Fulano de Tal";
    QVERIFY(*opening.Document == document);
}

void CaseSessionTest::ARefusedFileStaysAsItWas_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("problem");
    const QByteArray whole = R"({"formato": "zarn-caso", "versao": 1, "nome": "Fulano"})";
    QTest::newRow("a key the program does not know")
        << QByteArray(R"({"formato": "zarn-caso", "versao": 1, "anexos": []})")
        << QStringLiteral("anexos: chave desconhecida");
    QTest::newRow("cut short") << whole.first(30)
                               << QStringLiteral("não é um documento JSON: erro na linha 1");
    QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1A\n\x00\x00\x00\rIHDR", 16)
                            << QStringLiteral("não é um documento JSON");
    QTest::newRow("a newer version")
        << QByteArray(R"({"formato": "zarn-caso", "versao": 2, "anexos": []})")
        << QStringLiteral("versao: documento da versão 2, mais nova");
}

void CaseSessionTest::ARefusedFileStaysAsItWas() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, problem);
    const QString path = m_dir->filePath(QStringLiteral("caso.zarn"));
    Put(path, bytes);
    const CaseOpening opening = CaseSession::Read(path);
    QVERIFY(!opening.Ok());
    QVERIFY2(opening.Message.contains(problem), qPrintable(opening.Message));
    QVERIFY2(opening.Message.contains(QDir::toNativeSeparators(path)), qPrintable(opening.Message));

    // Nor does a save go over it.
    CaseSession session;
    session.Change(EveryKey(), nullptr);
    const FileOutcome saved = session.SaveAs(path);
    QVERIFY(!saved.Ok());
    QVERIFY2(saved.Message.contains(QStringLiteral("não foi substituído")),
             qPrintable(saved.Message));
    QCOMPARE(Contents(path), bytes);
    QVERIFY(session.FilePath().isEmpty());
}

void CaseSessionTest::AFailedSaveKeepsTheEarlierFile_data() {
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("cause");
    QTest::newRow("read-only folder") << EACCES << QStringLiteral("sem permissão para gravar");
    QTest::newRow("full disk") << ENOSPC << QStringLiteral("disco cheio");
}

void CaseSessionTest::AFailedSaveKeepsTheEarlierFile() {
    QFETCH(int, error);
    QFETCH(QString, cause);
    const QString folder = m_dir->filePath(QStringLiteral("casos"));
    QVERIFY(QDir().mkpath(folder));
    SmallDisk disk(folder);
    const QString path = folder + QStringLiteral("/caso.zarn");
    CaseSession session;
    CaseDocument document = EveryKey();
    session.Change(document, nullptr);
    QVERIFY(session.SaveAs(path).Ok());
    const QByteArray earlier = Contents(path);

    // Far more than the small disk holds.
    document.Name = std::string(256 * 1024, 'x');
    session.Change(document, nullptr);
    FailingOperations injected(error);
    const bool real = disk.Mounted() && (error == ENOSPC || disk.MakeReadOnly());
    if (!real) {
        session.SetSaveOperations(&injected);
    }
    const FileOutcome saved = session.Save();
    QVERIFY(!saved.Ok());
    QVERIFY2(saved.Message.contains(cause), qPrintable(saved.Message));
    QVERIFY2(saved.Message.contains(QStringLiteral("ficou como estava")),
             qPrintable(saved.Message));
    QCOMPARE(Contents(path), earlier);
    QVERIFY(session.Modified());
    QCOMPARE(session.FilePath(), QFileInfo(path).absoluteFilePath());
}

void CaseSessionTest::ACaseThatDoesNotReadBackIsNotSaved() {
    CaseDocument document = EveryKey();
    document.Execution->Convictions[0].TermDays = 0; // a new row whose term is still to come
    CaseSession session;
    session.Change(document, nullptr);
    const QString path = m_dir->filePath(QStringLiteral("caso.zarn"));
    const FileOutcome saved = session.SaveAs(path);
    QVERIFY(!saved.Ok());
    QVERIFY2(saved.Message.contains(QStringLiteral("condenacoes[0].pena")),
             qPrintable(saved.Message));
    QVERIFY(!QFileInfo::exists(path));
    QVERIFY(session.Modified());
}

void CaseSessionTest::UnsavedChangesReachTheRecoveryCopyUntilSaved() {
    RecoveryStore store;
    store.SetDelay(50ms);
    CaseSession session;
    session.SetRecovery(&store);
    CaseDocument document;
    document.Name = "Fulano de Tal";
    session.Change(document, nullptr);
    const QString copy =
        RecoveryStore::Folder() + QLatin1Char('/') + session.RecoveryId() + QStringLiteral(".zarn");
    QTRY_VERIFY_WITH_TIMEOUT(Contents(copy).contains("Fulano de Tal"), 5000);

    QVERIFY(session.SaveAs(m_dir->filePath(QStringLiteral("caso.zarn"))).Ok());
    QVERIFY(!QFileInfo::exists(copy));
    QVERIFY(QDir(RecoveryStore::Folder()).entryList({QStringLiteral("*.zarn")}).isEmpty());
    session.CloseCleanly();
}

std::unique_ptr<QObject> MakeCaseSessionTest() {
    return std::make_unique<CaseSessionTest>();
}

} // namespace zarn

#include "CaseSessionTest.moc"
