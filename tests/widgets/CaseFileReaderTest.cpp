// Reading a case file: the bytes as they are, whatever they hold, up to 16 MB; a
// Portuguese message naming the file for what cannot be read as a case.

#include "widgets/CaseFileReader.h"

#include "CaseFilesTests.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace zarn {
namespace {

// Every byte value, twice.
QByteArray EveryByte() {
    QByteArray bytes;
    for (int round = 0; round < 2; ++round) {
        for (int value = 0; value < 256; ++value) {
            bytes.append(static_cast<char>(value));
        }
    }
    return bytes;
}

} // namespace

class CaseFileReaderTest : public QObject {
    Q_OBJECT
private slots:
    void ReadsTheBytesAsTheyAre_data();
    void ReadsTheBytesAsTheyAre();
    void RefusesWhatCannotBeACase_data();
    void RefusesWhatCannotBeACase();

private:
    QTemporaryDir m_dir;
};

void CaseFileReaderTest::ReadsTheBytesAsTheyAre_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("a case") << QByteArray(R"({"formato": "zarn-caso", "versao": 1})");
    QTest::newRow("an empty file") << QByteArray();
    QTest::newRow("binary content") << EveryByte();
    QTest::newRow("exactly the largest case")
        << QByteArray(static_cast<qsizetype>(CaseFileReader::kLargestCase), '\0');
}

void CaseFileReaderTest::ReadsTheBytesAsTheyAre() {
    QFETCH(QByteArray, bytes);
    const QString path = m_dir.filePath(QStringLiteral("caso.zarn"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
    file.close();
    const CaseFileContents contents = CaseFileReader().Read(path);
    QVERIFY2(contents.Ok(), qPrintable(contents.Outcome.Message));
    QCOMPARE(contents.Bytes, bytes);
}

void CaseFileReaderTest::RefusesWhatCannotBeACase_data() {
    QTest::addColumn<QString>("situation");
    QTest::addColumn<QString>("message"); // %1: the path
    QTest::newRow("no path") << "" << QStringLiteral("Nenhum arquivo foi indicado.");
    QTest::newRow("missing file") << "missing" << QStringLiteral("O arquivo %1 não existe.");
    QTest::newRow("missing folder")
        << "missing folder" << QStringLiteral("O arquivo %1 não existe.");
    QTest::newRow("a folder") << "folder"
                              << QStringLiteral("%1 é uma pasta, não um arquivo de caso.");
    QTest::newRow("a device") << "device" << QStringLiteral("%1 não é um arquivo comum.");
    QTest::newRow("one byte past the largest case")
        << "too large"
        << QStringLiteral("O arquivo %1 é grande demais para um caso: tem mais de 16 MB.");
    QTest::newRow("no permission")
        << "no permission" << QStringLiteral("Sem permissão para ler o arquivo %1.");
}

void CaseFileReaderTest::RefusesWhatCannotBeACase() {
    QFETCH(QString, situation);
    QFETCH(QString, message);
    QString path;
    if (situation == "missing") {
        path = m_dir.filePath(QStringLiteral("nada.zarn"));
    } else if (situation == "missing folder") {
        path = m_dir.filePath(QStringLiteral("nao-existe/caso.zarn"));
    } else if (situation == "folder") {
        path = m_dir.path();
    } else if (situation == "device") {
        path = QStringLiteral("/dev/zero"); // would never end if it were read
    } else if (situation == "too large" || situation == "no permission") {
        path = m_dir.filePath(situation + QStringLiteral(".zarn"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        if (situation == "too large") {
            QVERIFY(file.resize(CaseFileReader::kLargestCase + 1));
        } else {
            QVERIFY(file.setPermissions(QFile::WriteOwner));
        }
        file.close();
        if (situation == "no permission" && QFile(path).open(QIODevice::ReadOnly)) {
            QSKIP("root reads through the permission bits");
        }
    }
    const CaseFileContents contents = CaseFileReader().Read(path);
    QCOMPARE(contents.Outcome.Message,
             message.contains("%1") ? message.arg(QDir::toNativeSeparators(path)) : message);
    QVERIFY(contents.Bytes.isEmpty());
}

std::unique_ptr<QObject> MakeCaseFileReaderTest() {
    return std::make_unique<CaseFileReaderTest>();
}

} // namespace zarn

#include "CaseFileReaderTest.moc"
