#pragma once

// zarn-calc: the program's calculations from the command line. `pena` types five texts
// into the main window's fields and runs the calculation; `termino` types a start date
// into the calendar's date field and computes the end date; `--lote` runs one such case
// per tab-separated input line. Arguments and input are UTF-8, and so is the output.

#include <iosfwd>
#include <string>
#include <vector>

namespace zarn {

inline constexpr int kExitResult = 0;     // a result (or --help, --version)
inline constexpr int kExitInputError = 1; // the calculation refused its input
inline constexpr int kExitUsage = 2;      // the command line (or a batch line) is malformed

// Runs zarn-calc with its arguments (without the program name). Results and input errors
// go to `out`, usage errors to `err`; returns the exit code.
int RunZarnCalc(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                std::ostream& err);

} // namespace zarn
