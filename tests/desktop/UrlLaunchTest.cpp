// Opening an address on a free desktop: a stand-in xdg-open first on the PATH plays the
// desktop's launcher, so the test sees what it was given and how its failure comes back.

#include "desktop/UrlLaunch.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

namespace zarn {

class UrlLaunchTest : public QObject {
    Q_OBJECT
private slots:
    void TheLauncherGetsTheAddress_data();
    void TheLauncherGetsTheAddress();
};

void UrlLaunchTest::TheLauncherGetsTheAddress_data() {
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<int>("gaveUp");
    QTest::newRow("opens") << 0 << 0;
    QTest::newRow("no program for the address") << 3 << 1; // xdg-open's own codes
    QTest::newRow("the program failed") << 4 << 1;
}

void UrlLaunchTest::TheLauncherGetsTheAddress() {
    QFETCH(int, exitCode);
    QFETCH(int, gaveUp);
    QTemporaryDir folder;
    const QString given = folder.filePath(QStringLiteral("given"));
    QFile script(folder.filePath(QStringLiteral("xdg-open")));
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\nprintf '%s' \"$1\" > '" + given.toLocal8Bit() + "'\nexit " +
                 QByteArray::number(exitCode) + "\n");
    script.close();
    QVERIFY(script.setPermissions(QFile::ReadOwner | QFile::ExeOwner));
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", folder.path().toLocal8Bit());

    const QUrl site(QStringLiteral("https://www.example.org/zarn?a=1&b=%C3%A7"));
    QObject owner;
    int calls = 0;
    const bool started = LaunchUrl(site, &owner, [&calls] { ++calls; });
    qputenv("PATH", path);
    QVERIFY(started);
    QTRY_VERIFY(owner.children().isEmpty()); // the watch ends with the launcher
    QFile read(given);
    QVERIFY(read.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(read.readAll()), site.toString(QUrl::FullyEncoded));
    QCOMPARE(calls, gaveUp);
}

} // namespace zarn

QTEST_MAIN(zarn::UrlLaunchTest)
#include "UrlLaunchTest.moc"
