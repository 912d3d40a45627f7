// Saving through the writer: a save that succeeds leaves the new bytes and nothing else; a
// save that fails (a folder the user may not write, a full disk, a missing folder, a folder
// in the file's place, an error of the system) leaves the old file byte for byte, no
// temporary file behind, and a Portuguese message naming the file and the cause. Where the
// system itself cannot be made to fail (root writes through permission bits; a small tmpfs
// needs the right to mount), the failure is injected behind the same writer.

#include "widgets/CaseFileWriter.h"

#include "CaseFilesTests.h"
#include "widgets/SaveFileOperations.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <cstring>
#include <memory>
#include <optional>

namespace zarn {
namespace {

// One step fails as the system would, setting errno; a failing write first really writes
// half of its bytes, as a disk that fills in the middle does.
class FailingOperations : public SaveFileOperations {
public:
    enum class Step { Open, Write, Commit };

    FailingOperations(Step step, int error)
        : m_step(step)
        , m_error(error) {}

    bool Open(QSaveFile& file) override {
        return m_step == Step::Open ? Fail() : SaveFileOperations::Open(file);
    }
    bool Write(QSaveFile& file, QByteArrayView bytes) override {
        if (m_step != Step::Write) {
            return SaveFileOperations::Write(file, bytes);
        }
        SaveFileOperations::Write(file, bytes.first(bytes.size() / 2));
        return Fail();
    }
    bool Commit(QSaveFile& file) override {
        return m_step == Step::Commit ? Fail() : SaveFileOperations::Commit(file);
    }

private:
    bool Fail() const {
        errno = m_error;
        return false;
    }

    Step m_step;
    int m_error;
};

// A tmpfs of 64 kB mounted on the folder while it lives, where the test may mount one.
class SmallDisk {
public:
    explicit SmallDisk(const QString& folder)
        : m_folder(folder) {
        QProcess mount;
        mount.start(QStringLiteral("mount"),
                    {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                     QStringLiteral("size=64k"), QStringLiteral("zarn-test"), folder});
        m_mounted = mount.waitForFinished() && mount.exitStatus() == QProcess::NormalExit &&
                    mount.exitCode() == 0;
    }
    ~SmallDisk() {
        if (m_mounted) {
            QProcess::execute(QStringLiteral("umount"), {m_folder});
        }
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool Mounted() const { return m_mounted; }

private:
    QString m_folder;
    bool m_mounted = false;
};

const QByteArray kOldCase = R"({"formato": "zarn-caso", "versao": 1, "nome": "antigo"})";

// Larger than the small disk, so the disk fills while it is written.
QByteArray NewCase() {
    return QByteArray(256 * 1024, 'x');
}

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Put(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// Whether the permission bits stop this process (not root) from writing the file, which is
// opened to append nothing, or made and removed.
bool PermissionBitsHold(const QString& path) {
    const bool existed = QFileInfo::exists(path);
    QFile file(path);
    if (!file.open(QIODevice::Append)) {
        return true;
    }
    if (!existed) {
        file.remove();
    }
    return false;
}

QString Native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

} // namespace

class CaseFileWriterTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void ASaveLeavesTheNewBytesAndNothingElse_data();
    void ASaveLeavesTheNewBytesAndNothingElse();
    void AFailedSaveKeepsTheOldFileAndSaysWhy_data();
    void AFailedSaveKeepsTheOldFileAndSaysWhy();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void CaseFileWriterTest::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void CaseFileWriterTest::ASaveLeavesTheNewBytesAndNothingElse_data() {
    QTest::addColumn<bool>("oldFile");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("a new file") << false << NewCase();
    QTest::newRow("over an old file") << true << NewCase();
    QTest::newRow("an empty document over an old file") << true << QByteArray();
    QTest::newRow("binary bytes") << false << QByteArray("\x00\xFF\r\n\x1A", 5);
}

void CaseFileWriterTest::ASaveLeavesTheNewBytesAndNothingElse() {
    QFETCH(bool, oldFile);
    QFETCH(QByteArray, bytes);
    const QString path = m_dir->filePath(QStringLiteral("caso.zarn"));
    if (oldFile) {
        Put(path, kOldCase);
    }
    const FileOutcome outcome = CaseFileWriter().Write(path, bytes);
    QVERIFY2(outcome.Ok(), qPrintable(outcome.Message));
    QCOMPARE(Contents(path), bytes);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{QStringLiteral("caso.zarn")});
}

void CaseFileWriterTest::AFailedSaveKeepsTheOldFileAndSaysWhy_data() {
    QTest::addColumn<QString>("situation");
    QTest::addColumn<QString>("cause"); // with {pasta} and {arquivo} for the folder and the file
    QTest::addColumn<bool>("oldFile");
    QTest::newRow("read-only folder")
        << "read-only folder" << QStringLiteral("sem permissão para gravar em {pasta}.") << true;
    QTest::newRow("read-only file")
        << "read-only file" << QStringLiteral("sem permissão para gravar em {arquivo}.") << true;
    QTest::newRow("full disk") << "full disk"
                               << QStringLiteral("disco cheio (não há espaço livre em {pasta}).")
                               << true;
    QTest::newRow("full disk, at the write")
        << "full disk, injected" << QStringLiteral("disco cheio (não há espaço livre em {pasta}).")
        << true;
    QTest::newRow("missing folder")
        << "missing folder" << QStringLiteral("a pasta {pasta} não existe.") << false;
    QTest::newRow("folder in the file's place")
        << "folder in place" << QStringLiteral("{arquivo} é uma pasta.") << false;
    QTest::newRow("system error at the commit")
        << "input/output error" << QString::fromLocal8Bit(std::strerror(EIO)) + '.' << true;
}

void CaseFileWriterTest::AFailedSaveKeepsTheOldFileAndSaysWhy() {
    QFETCH(QString, situation);
    QFETCH(QString, cause);
    QFETCH(bool, oldFile);
    const QString folder = m_dir->filePath(situation == "missing folder" ? "nao-existe" : "casos");
    const QString path = folder + (situation == "folder in place" ? "/pasta.zarn" : "/caso.zarn");
    if (situation != "missing folder") {
        QVERIFY(QDir().mkpath(situation == "folder in place" ? path : folder));
    }
    std::optional<SmallDisk> disk;
    if (situation == "full disk") {
        disk.emplace(folder);
    }
    if (oldFile) {
        Put(path, kOldCase);
    }

    std::unique_ptr<SaveFileOperations> injected;
    if (situation == "read-only folder") {
        QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
        if (!PermissionBitsHold(folder + QStringLiteral("/sonda"))) {
            injected = std::make_unique<FailingOperations>(FailingOperations::Step::Open, EACCES);
        }
    } else if (situation == "read-only file") {
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner));
        if (!PermissionBitsHold(path)) {
            QSKIP("root writes through the permission bits of a file");
        }
    } else if (situation == "full disk") {
        if (disk->Mounted()) {
            qInfo("the disk is a tmpfs of 64 kB");
        } else {
            injected = std::make_unique<FailingOperations>(FailingOperations::Step::Write, ENOSPC);
        }
    } else if (situation == "full disk, injected") {
        injected = std::make_unique<FailingOperations>(FailingOperations::Step::Write, ENOSPC);
    } else if (situation == "input/output error") {
        injected = std::make_unique<FailingOperations>(FailingOperations::Step::Commit, EIO);
    }

    const CaseFileWriter writer = injected ? CaseFileWriter(*injected) : CaseFileWriter();
    const FileOutcome outcome = writer.Write(path, NewCase());
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    QString expected = QStringLiteral("Não foi possível gravar o arquivo %1: ").arg(Native(path)) +
                       cause.replace(QStringLiteral("{pasta}"), Native(folder))
                           .replace(QStringLiteral("{arquivo}"), Native(path));
    if (oldFile) {
        expected += QStringLiteral(" O arquivo que já existia ficou como estava.");
    }
    QCOMPARE(outcome.Message, expected);
    if (oldFile) {
        QCOMPARE(Contents(path), kOldCase);
        QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{QStringLiteral("caso.zarn")});
    } else if (situation == "missing folder") {
        QVERIFY(!QFileInfo::exists(folder));
    } else {
        QVERIFY(QFileInfo(path).isDir());
        QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList());
    }
}

std::unique_ptr<QObject> MakeCaseFileWriterTest() {
    return std::make_unique<CaseFileWriterTest>();
}

} // namespace zarn

#include "CaseFileWriterTest.moc"
