#pragma once

// zarn-calc run through its entry function, as the command-line tests drive it: the
// arguments, standard input, and what it wrote and returned.

#include "cli/ZarnCalc.h"

#include <sstream>
#include <string>
#include <vector>

namespace zarn::testing {

struct RunOutput {
    int Code = -1;
    std::string Out;
    std::string Err;
};

inline RunOutput RunWith(const std::vector<std::string>& args, const std::string& input = "") {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    RunOutput run;
    run.Code = RunZarnCalc(args, in, out, err);
    run.Out = out.str();
    run.Err = err.str();
    return run;
}

} // namespace zarn::testing
