// The help bridge: what reaches the engine for each sequence of the program's requests.

#include "help/HelpBridge.h"

#include "support/RecordingHelpEngine.h"

#include <QTest>

using namespace zarn;

namespace {

const QString kFile = QStringLiteral("zarn.qhc");

// Runs one step of a script: "c<n>" context n, "contents", "index", "quit", or "closed"
// (the user closes the help window).
void RunStep(HelpBridge& bridge, RecordingHelpEngine& engine, const QString& step) {
    if (step.startsWith(QLatin1Char('c')) && step.size() > 1 && step.at(1).isDigit()) {
        bridge.ShowContext(step.mid(1).toInt());
    } else if (step == QLatin1String("contents")) {
        bridge.ShowContents();
    } else if (step == QLatin1String("index")) {
        bridge.ShowIndex();
    } else if (step == QLatin1String("quit")) {
        bridge.Quit();
    } else if (step == QLatin1String("closed")) {
        engine.WindowOpen = false;
    } else if (step == QLatin1String("open")) {
        engine.WindowOpen = true;
    } else {
        QFAIL(qPrintable(QStringLiteral("unknown step ") + step));
    }
}

} // namespace

class TestHelpBridge : public QObject {
    Q_OBJECT
private slots:
    void Requests_data();
    void Requests();
};

void TestHelpBridge::Requests_data() {
    QTest::addColumn<QString>("script");
    QTest::addColumn<QStringList>("expected");

    const QString c8 = QStringLiteral("zarn.qhc|1|8");
    const QString c6 = QStringLiteral("zarn.qhc|1|6");
    const QString contents = QStringLiteral("zarn.qhc|15|-3");
    const QString index = QStringLiteral("zarn.qhc|15|-2");
    const QString quit = QStringLiteral("|2|0");

    QTest::newRow("context names the file and the number") << "c8" << QStringList{c8};
    QTest::newRow("same context while the window is open is sent once")
        << "c8 c8" << QStringList{c8};
    QTest::newRow("same context after the user closed the window is sent again")
        << "c8 closed c8" << QStringList{c8, c8};
    QTest::newRow("another context is sent") << "c8 c6 c8" << QStringList{c8, c6, c8};
    QTest::newRow("same context after a contents request is sent again")
        << "c8 contents c8" << QStringList{c8, contents, c8};
    QTest::newRow("contents twice sends two")
        << "contents contents" << QStringList{contents, contents};
    QTest::newRow("index twice sends two") << "index index" << QStringList{index, index};
    QTest::newRow("first context while some help window is already open")
        << "open c8" << QStringList{c8};
    QTest::newRow("context 0 is a request like any other")
        << "c0 c0" << QStringList{QStringLiteral("zarn.qhc|1|0")};
    QTest::newRow("quit names no file") << "quit" << QStringList{quit};
    QTest::newRow("quit closes, so the same context is sent again")
        << "c8 quit c8" << QStringList{c8, quit, c8};
}

void TestHelpBridge::Requests() {
    QFETCH(QString, script);
    QFETCH(QStringList, expected);
    RecordingHelpEngine engine;
    HelpBridge bridge(engine, kFile);
    for (const QString& step : script.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        RunStep(bridge, engine, step);
    }
    QCOMPARE(engine.Requests, expected);
}

QTEST_MAIN(TestHelpBridge)
#include "HelpBridgeTest.moc"
