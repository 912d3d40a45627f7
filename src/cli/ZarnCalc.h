#pragma once

// zarn-calc: the program's calculations from the command line. The first argument names a
// subcommand (pena, termino, ...; see Commands()), or is --lote (one pena or termino per
// tab-separated input line), --help or --version. Arguments and input are UTF-8, and so is
// the output.

#include "cli/Command.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace zarn {

// Runs zarn-calc with its arguments (without the program name). Results and input errors
// go to `out`, usage errors and the messages a command writes after its output to `err`;
// returns the exit code. An output that cannot be written whole gives kExitOutputFailure.
int RunZarnCalc(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                std::ostream& err);

} // namespace zarn
