// One binary for the execution window's widgets: the table models, then the timeline and the
// counter of remição.

#include <QApplication>
#include <QTest>

namespace zarn {
int RunExecutionModelsTest(int argc, char** argv);
int RunCaseExecutionTimelineTest(int argc, char** argv);
} // namespace zarn

int main(int argc, char** argv) {
    // As QTEST_MAIN sets a widgets test up.
    QApplication app(argc, argv);
    QApplication::setAttribute(Qt::AA_Use96Dpi, true);
    const int models = zarn::RunExecutionModelsTest(argc, argv);
    const int timeline = zarn::RunCaseExecutionTimelineTest(argc, argv);
    return models + timeline;
}
