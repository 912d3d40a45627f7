#pragma once

// zarn-calc run through its entry function, its standard output, standard error and exit
// code captured.

#include "cli/ZarnCalc.h"

#include <sstream>
#include <string>
#include <vector>

namespace zarn {

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

} // namespace zarn
