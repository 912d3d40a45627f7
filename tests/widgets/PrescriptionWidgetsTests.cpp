// One binary for the prescription window's widgets: the table models, then the timeline.

#include <QApplication>
#include <QTest>

namespace zarn {
int RunPrescriptionModelsTest(int argc, char** argv);
int RunPrescriptionTimelineTest(int argc, char** argv);
} // namespace zarn

int main(int argc, char** argv) {
    // As QTEST_MAIN sets a widgets test up.
    QApplication app(argc, argv);
    QApplication::setAttribute(Qt::AA_Use96Dpi, true);
    const int models = zarn::RunPrescriptionModelsTest(argc, argv);
    const int timeline = zarn::RunPrescriptionTimelineTest(argc, argv);
    return models + timeline;
}
