#include "cli/ZarnCalc.h"

#include <csignal>
#include <iostream>
#include <string>
#include <vector>

int main(int argc, char* argv[]) {
    std::ios::sync_with_stdio(false);
#ifdef SIGPIPE
    // A closed pipe is a write that fails, reported with its own exit code, not a silent end.
    std::signal(SIGPIPE, SIG_IGN);
#endif
    const std::vector<std::string> args(argv + 1, argv + argc);
    return zarn::RunZarnCalc(args, std::cin, std::cout, std::cerr);
}
