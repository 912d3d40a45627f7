// Opening an address on a free desktop: a stand-in xdg-open on the PATH plays the desktop's
// launcher, so the test sees what the launcher was given and how its failure comes back.

#include "desktop/UrlLaunch.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

namespace zarn {
namespace {

// Puts a launcher script (or none) first on the PATH for the life of the object; the
// desktop's own browser settings are put aside meanwhile.
class StandInLauncher {
public:
    explicit StandInLauncher(const QByteArray& body) {
        m_savedPath = qgetenv("PATH");
        m_savedBrowser = qgetenv("BROWSER");
        qunsetenv("BROWSER");
        qunsetenv("DEFAULT_BROWSER");
        qputenv("PATH", m_folder.path().toLocal8Bit());
        if (body.isEmpty()) {
            return;
        }
        QFile script(m_folder.filePath(QStringLiteral("xdg-open")));
        if (script.open(QIODevice::WriteOnly)) {
            script.write("#!/bin/sh\n" + body + "\n");
            script.close();
            script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
    }
    ~StandInLauncher() {
        qputenv("PATH", m_savedPath);
        if (!m_savedBrowser.isEmpty()) {
            qputenv("BROWSER", m_savedBrowser);
        }
    }

private:
    QTemporaryDir m_folder;
    QByteArray m_savedPath;
    QByteArray m_savedBrowser;
};

QString ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

class UrlLaunchTest : public QObject {
    Q_OBJECT
private slots:
    void TheLauncherGetsTheAddress_data();
    void TheLauncherGetsTheAddress();
    void NoLauncherAtAll();
};

void UrlLaunchTest::TheLauncherGetsTheAddress_data() {
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<bool>("gaveUp");
    QTest::newRow("opens") << 0 << false;
    QTest::newRow("no program for the address") << 3 << true; // xdg-open's own codes
    QTest::newRow("the program failed") << 4 << true;
}

void UrlLaunchTest::TheLauncherGetsTheAddress() {
    QFETCH(int, exitCode);
    QFETCH(bool, gaveUp);
    const QUrl site(QStringLiteral("https://www.example.org/zarn?a=1&b=%C3%A7"));
    QTemporaryDir scratch;
    const QString given = scratch.filePath(QStringLiteral("given"));
    StandInLauncher launcher("printf '%s' \"$1\" > '" + given.toLocal8Bit() + "'\nexit " +
                             QByteArray::number(exitCode));
    QObject owner;
    int gaveUpCalls = 0;
    QVERIFY(LaunchUrl(site, &owner, [&gaveUpCalls] { ++gaveUpCalls; }));
    // The watch ends with the launcher.
    QTRY_VERIFY(owner.findChildren<QObject*>().isEmpty());
    QCOMPARE(ReadAll(given), site.toString(QUrl::FullyEncoded));
    QCOMPARE(gaveUpCalls, gaveUp ? 1 : 0);
}

void UrlLaunchTest::NoLauncherAtAll() {
    StandInLauncher nothing({});
    QObject owner;
    int gaveUpCalls = 0;
    QVERIFY(!LaunchUrl(QUrl(QStringLiteral("mailto:")), &owner, [&gaveUpCalls] { ++gaveUpCalls; }));
    QCOMPARE(gaveUpCalls, 0);
    QVERIFY(owner.findChildren<QObject*>().isEmpty());
}

} // namespace zarn

QTEST_MAIN(zarn::UrlLaunchTest)
#include "UrlLaunchTest.moc"
