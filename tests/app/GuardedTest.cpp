#include "widgets/Guarded.h"

#include "app/ErrorBox.h"
#include "support/ModalWatch.h"

#include <QPushButton>
#include <QTest>
#include <stdexcept>

namespace zarn {

class GuardedTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QGuiApplication::setApplicationDisplayName(
            QString::fromUtf8("Programa para c\u00e1lculo de penas criminais"));
        InstallErrorBox();
    }
    void EscapingErrorsAreShownAndTheProgramGoesOn_data();
    void EscapingErrorsAreShownAndTheProgramGoesOn();
    void AHandlerThatSucceedsShowsNothing();
};

void GuardedTest::EscapingErrorsAreShownAndTheProgramGoesOn_data() {
    QTest::addColumn<QString>("thrown");
    QTest::addColumn<QString>("shown");
    QTest::newRow("date error") << "Invalid argument to date encode"
                                << "Invalid argument to date encode.";
    QTest::newRow("ends with a stop") << "Already stopped."
                                      << "Already stopped.";
    QTest::newRow("quoted text") << "'31/04/2008' is not a valid date"
                                 << "'31/04/2008' is not a valid date.";
    QTest::newRow("not a standard exception") << ""
                                              << "Erro inesperado.";
}

void GuardedTest::EscapingErrorsAreShownAndTheProgramGoesOn() {
    QFETCH(QString, thrown);
    QFETCH(QString, shown);
    testing::ModalWatch watch;
    QWidget window;
    auto* button = new QPushButton(QStringLiteral("Go"), &window);
    int after = 0;
    QObject::connect(button, &QPushButton::clicked, &window, Guarded([thrown] {
                         if (thrown.isEmpty()) {
                             throw 42;
                         }
                         throw std::runtime_error(thrown.toStdString());
                     }));
    QObject::connect(button, &QPushButton::clicked, &window, [&after] { ++after; });
    window.show();
    button->click();

    QCOMPARE(watch.Seen().size(), 1);
    const testing::SeenBox& box = watch.Seen().front();
    QCOMPARE(box.Caption, QGuiApplication::applicationDisplayName());
    QCOMPARE(box.Text, shown);
    QCOMPARE(box.Icon, QMessageBox::Critical);
    QCOMPARE(box.ButtonCount, 1);
    QCOMPARE(after, 1);
    button->click();
    QCOMPARE(watch.Seen().size(), 2);
    QCOMPARE(after, 2);
}

void GuardedTest::AHandlerThatSucceedsShowsNothing() {
    testing::ModalWatch watch;
    int runs = 0;
    auto handler = Guarded([&runs] { ++runs; });
    handler();
    handler();
    QCOMPARE(runs, 2);
    QVERIFY(watch.Seen().isEmpty());
}

} // namespace zarn

QTEST_MAIN(zarn::GuardedTest)
#include "GuardedTest.moc"
