// Where the program looks for its help collection: beside the executable, then in the data
// folder of the prefix it sits in (<prefix>/bin -> <prefix>/share/zarn), then in the data
// folder of the prefix it was configured for. The first folder that holds the file wins.

#include "help/HelpCollection.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace zarn;

namespace {

const QString kConfiguredDataDir = QStringLiteral(EXPECTED_DATA_DIR);
const QString kConfiguredBinDir = QStringLiteral(EXPECTED_BIN_DIR);

bool Touch(const QString& path) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write("x") == 1;
}

} // namespace

class TestHelpFolders : public QObject {
    Q_OBJECT

private slots:
    void FoldersForAnExecutable_data();
    void FoldersForAnExecutable();
    void TheFirstFolderHoldingTheFileWins_data();
    void TheFirstFolderHoldingTheFileWins();
};

void TestHelpFolders::FoldersForAnExecutable_data() {
    QTest::addColumn<QString>("programDir");
    QTest::addColumn<QStringList>("folders");
    QTest::newRow("moved to another prefix")
        << "/opt/zarn/bin"
        << QStringList{"/opt/zarn/bin", "/opt/zarn/share/zarn", kConfiguredDataDir};
    QTest::newRow("trailing slash")
        << "/opt/zarn/bin/"
        << QStringList{"/opt/zarn/bin", "/opt/zarn/share/zarn", kConfiguredDataDir};
    QTest::newRow("dots in the path")
        << "/opt/x/../zarn/./bin"
        << QStringList{"/opt/zarn/bin", "/opt/zarn/share/zarn", kConfiguredDataDir};
    QTest::newRow("staged under a scratch root")
        << "/tmp/root/usr/bin"
        << QStringList{"/tmp/root/usr/bin", "/tmp/root/usr/share/zarn", kConfiguredDataDir};
    // Installed where it was configured to go: the two data folders are one.
    QTest::newRow("at its configured prefix")
        << kConfiguredBinDir << QStringList{kConfiguredBinDir, kConfiguredDataDir};
    QTest::newRow("no executable folder") << "" << QStringList{kConfiguredDataDir};
}

void TestHelpFolders::FoldersForAnExecutable() {
    QFETCH(QString, programDir);
    QFETCH(QStringList, folders);
    QCOMPARE(HelpFoldersFor(programDir), folders);
}

void TestHelpFolders::TheFirstFolderHoldingTheFileWins_data() {
    QTest::addColumn<QStringList>("copies"); // relative to a scratch prefix
    QTest::addColumn<QString>("found");      // relative to it; empty when none
    QTest::newRow("installed data folder")
        << QStringList{"share/zarn/zarn.qhc"} << "share/zarn/zarn.qhc";
    QTest::newRow("beside the executable first")
        << QStringList{"share/zarn/zarn.qhc", "bin/zarn.qhc"} << "bin/zarn.qhc";
    QTest::newRow("another folder's copy is not taken")
        << QStringList{"share/other/zarn.qhc"} << "";
    QTest::newRow("another name is not taken") << QStringList{"share/zarn/zarn.qch"} << "";
}

void TestHelpFolders::TheFirstFolderHoldingTheFileWins() {
    QFETCH(QStringList, copies);
    QFETCH(QString, found);
    QTemporaryDir prefix;
    QVERIFY(prefix.isValid());
    QVERIFY(QDir().mkpath(prefix.filePath(QStringLiteral("bin"))));
    for (const QString& copy : copies) {
        QVERIFY(Touch(prefix.filePath(copy)));
    }
    const QString expected = found.isEmpty() ? QString() : prefix.filePath(found);
    const QStringList folders = HelpFoldersFor(prefix.filePath(QStringLiteral("bin")));
    // The configured data folder is left out: a real installation on this machine must
    // not decide the outcome.
    QCOMPARE(FindHelpFile(QStringLiteral("zarn.qhc"), folders.mid(0, 2)), expected);
}

QTEST_MAIN(TestHelpFolders)
#include "HelpFoldersTest.moc"
