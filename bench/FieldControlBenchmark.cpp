// One typed keystroke on the masked field control, offscreen: a key press and its
// release delivered to a shown, focused MaskedField, through the control's event
// handling and the model, up to the edit control's new text and selection. Painting is
// left to the event loop and not timed.

#include "dates/DateSettings.h"
#include "widgets/MaskedField.h"

#include <QApplication>
#include <QKeyEvent>
#include <benchmark/benchmark.h>

namespace zarn {
namespace {

void TypeKeystrokeInControl(benchmark::State& benchmarkState, const char* mask, int position,
                            Qt::Key key, const char* text) {
    DateSettings().Separator = '/';
    MaskedField field;
    field.SetEditMask(mask);
    field.show();
    field.activateWindow();
    field.setFocus(Qt::OtherFocusReason);
    QApplication::processEvents();
    const QString keyText = QString::fromLatin1(text);
    for (auto _ : benchmarkState) {
        field.setCursorPosition(position);
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, keyText);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, keyText);
        QApplication::sendEvent(&field, &press);
        QApplication::sendEvent(&field, &release);
    }
    benchmark::DoNotOptimize(field.Text());
}

BENCHMARK_CAPTURE(TypeKeystrokeInControl, OperationDigit, "c\\ 99\\/999;1; ", 2, Qt::Key_1, "1");
BENCHMARK_CAPTURE(TypeKeystrokeInControl, DateDigit, "!99/99/9999;1;_", 1, Qt::Key_7, "7");

} // namespace
} // namespace zarn

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    benchmark::Initialize(&argc, argv);
    QApplication app(argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
