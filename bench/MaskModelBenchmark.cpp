// One typed keystroke on the masked-field model, the rules behind every key the user
// presses in a field.

#include "dates/DateSettings.h"
#include "fields/MaskModel.h"

#include <benchmark/benchmark.h>

namespace zarn {
namespace {

// Types `c` at `position` over and over: the overwrite caret is put back on the position
// (a trivial step) and the character goes through the mask's rules.
void TypeKeystroke(benchmark::State& benchmarkState, const char* mask, int position, char c) {
    DateSettings().Separator = '/';
    MaskedFieldModel field(mask);
    field.FocusIn(true);
    for (auto _ : benchmarkState) {
        field.SetCaret(position);
        benchmark::DoNotOptimize(field.TypeChar(c));
    }
    benchmark::DoNotOptimize(field.DisplayText());
}

BENCHMARK_CAPTURE(TypeKeystroke, OperationDigit, "c\\ 99\\/999;1; ", 2, '1');
BENCHMARK_CAPTURE(TypeKeystroke, OperationSlashJump, "c\\ 99\\/999;1; ", 3, '/');
BENCHMARK_CAPTURE(TypeKeystroke, DateDigit, "!99/99/9999;1;_", 1, '7');
BENCHMARK_CAPTURE(TypeKeystroke, YearsRefused, "999;1; ", 0, 'a');

} // namespace
} // namespace zarn
