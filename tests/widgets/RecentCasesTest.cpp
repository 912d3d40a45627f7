// The recent cases, kept in settings of the test's own (QSettings::setPath): the order of
// opening and saving, once each, at most eight, missing files dropped for good; the menu's
// items, their keys and what they open; the menu following the list.

#include "widgets/RecentCases.h"

#include "CaseFilesTests.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace zarn {
namespace {

void Touch(const QString& path) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

QStringList Texts(const QMenu& menu) {
    QStringList texts;
    for (const QAction* action : menu.actions()) {
        texts.append(action->isSeparator() ? QStringLiteral("--") : action->text());
    }
    return texts;
}

} // namespace

class RecentCasesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void TheListFollowsOpeningAndSaving_data();
    void TheListFollowsOpeningAndSaving();
    void AMissingFileLeavesTheListForGood();
    void TheMenuOpensTheChosenFile();
    void TheMenuFollowsTheList();

private:
    QString File(const QString& name) const { return m_cases->filePath(name); }

    QTemporaryDir m_settings;
    std::unique_ptr<QTemporaryDir> m_cases;
};

void RecentCasesTest::initTestCase() {
    QVERIFY(m_settings.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settings.path());
}

void RecentCasesTest::init() {
    RecentCases().Clear();
    m_cases = std::make_unique<QTemporaryDir>();
}

void RecentCasesTest::TheListFollowsOpeningAndSaving_data() {
    QTest::addColumn<QStringList>("added"); // in this order; each file is there
    QTest::addColumn<QStringList>("listed");
    QTest::newRow("most recent first") << QStringList{"a", "b", "c"} << QStringList{"c", "b", "a"};
    QTest::newRow("a file again goes to the top, once")
        << QStringList{"a", "b", "c", "a"} << QStringList{"a", "c", "b"};
    QTest::newRow("the same file twice in a row") << QStringList{"a", "a"} << QStringList{"a"};
    QTest::newRow("at most eight") << QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}
                                   << QStringList{"10", "9", "8", "7", "6", "5", "4", "3"};
    QTest::newRow("a path with a dot-dot is the same file")
        << QStringList{"a", "b", "x/../a"} << QStringList{"a", "b"};
}

void RecentCasesTest::TheListFollowsOpeningAndSaving() {
    QFETCH(QStringList, added);
    QFETCH(QStringList, listed);
    QVERIFY(QDir().mkpath(File(QStringLiteral("x"))));
    for (const QString& name : added) {
        Touch(File(name));
        RecentCases().Add(File(name));
    }
    QStringList expected;
    for (const QString& name : listed) {
        expected.append(File(name));
    }
    QCOMPARE(RecentCases().Files(), expected);
}

void RecentCasesTest::AMissingFileLeavesTheListForGood() {
    for (const QString name : {"a", "b", "c"}) {
        Touch(File(name));
        RecentCases().Add(File(name));
    }
    QFile::remove(File(QStringLiteral("b")));
    QCOMPARE(RecentCases().Files(), (QStringList{File("c"), File("a")}));
    Touch(File(QStringLiteral("b"))); // back again, but no longer among the recent ones
    QCOMPARE(RecentCases().Files(), (QStringList{File("c"), File("a")}));
}

void RecentCasesTest::TheMenuOpensTheChosenFile() {
    for (const QString name : {"um.zarn", "Silva & Souza.zarn", "tres.zarn"}) {
        Touch(File(name));
        RecentCases().Add(File(name));
    }
    QMenu menu;
    QStringList opened;
    RecentCases().FillMenu(menu, [&opened](const QString& path) { opened.append(path); });
    QCOMPARE(Texts(menu), (QStringList{"&1 tres.zarn", "&2 Silva && Souza.zarn", "&3 um.zarn", "--",
                                       "&Limpar a lista"}));
    QCOMPARE(menu.actions()[1]->statusTip(), QDir::toNativeSeparators(File("Silva & Souza.zarn")));
    menu.actions()[1]->trigger();
    QCOMPARE(opened, QStringList{File("Silva & Souza.zarn")});

    menu.actions().back()->trigger();
    QVERIFY(RecentCases().Files().isEmpty());
}

void RecentCasesTest::TheMenuFollowsTheList() {
    QMenu menu;
    RecentCases::Attach(menu, [](const QString&) {});
    QCOMPARE(Texts(menu), QStringList{"(nenhum caso recente)"});
    QVERIFY(!menu.actions()[0]->isEnabled());
    Touch(File(QStringLiteral("novo.zarn")));
    RecentCases().Add(File(QStringLiteral("novo.zarn")));
    emit menu.aboutToShow();
    QCOMPARE(Texts(menu), (QStringList{"&1 novo.zarn", "--", "&Limpar a lista"}));
}

std::unique_ptr<QObject> MakeRecentCasesTest() {
    return std::make_unique<RecentCasesTest>();
}

} // namespace zarn

#include "RecentCasesTest.moc"
