// Runs every test class of the binary. Test functions named on the command line
// ("RecentCasesTest" has TheMenuFollowsTheList, say) go only to the class that has them, and a
// class with none of them is left out, so one function runs alone as in a one-class binary.

#include "CaseFilesTests.h"

#include <QApplication>
#include <QMetaMethod>
#include <QSet>
#include <QTest>
#include <vector>

namespace {

QSet<QByteArray> TestFunctions(const QObject& test) {
    QSet<QByteArray> names;
    const QMetaObject* meta = test.metaObject();
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
        const QMetaMethod method = meta->method(i);
        if (method.methodType() == QMetaMethod::Slot && method.access() == QMetaMethod::Private) {
            names.insert(method.name());
        }
    }
    return names;
}

// "Function" or "Function:data tag".
QByteArray FunctionOf(const char* argument) {
    const QByteArray text(argument);
    const qsizetype colon = text.indexOf(':');
    return colon < 0 ? text : text.left(colon);
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    std::vector<std::unique_ptr<QObject>> tests;
    for (const auto make :
         {zarn::MakeCaseFileWriterTest, zarn::MakeCaseFileReaderTest, zarn::MakeRecoveryStoreTest,
          zarn::MakeRecentCasesTest, zarn::MakeAnalysisReportTest}) {
        tests.push_back(make());
    }
    QSet<QByteArray> everyFunction;
    for (const auto& test : tests) {
        everyFunction.unite(TestFunctions(*test));
    }
    bool functionsNamed = false;
    for (int i = 1; i < argc; ++i) {
        functionsNamed = functionsNamed || everyFunction.contains(FunctionOf(argv[i]));
    }

    int failures = 0;
    for (const auto& test : tests) {
        const QSet<QByteArray> own = TestFunctions(*test);
        std::vector<char*> arguments{argv[0]};
        bool named = false;
        for (int i = 1; i < argc; ++i) {
            const QByteArray function = FunctionOf(argv[i]);
            if (!everyFunction.contains(function) || own.contains(function)) {
                arguments.push_back(argv[i]);
                named = named || own.contains(function);
            }
        }
        if (functionsNamed && !named) {
            continue;
        }
        failures += QTest::qExec(test.get(), static_cast<int>(arguments.size()), arguments.data());
    }
    return failures == 0 ? 0 : 1;
}
