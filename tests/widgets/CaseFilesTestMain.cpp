#include "CaseFilesTests.h"

#include <QApplication>
#include <QTest>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    int failures = 0;
    for (const auto make :
         {zarn::MakeCaseFileWriterTest, zarn::MakeCaseFileReaderTest, zarn::MakeRecoveryStoreTest,
          zarn::MakeRecentCasesTest, zarn::MakeAnalysisReportTest, zarn::MakeCaseSessionTest}) {
        const std::unique_ptr<QObject> test = make();
        failures += QTest::qExec(test.get(), argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
