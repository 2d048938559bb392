// Runs the dudedur program for a test and captures what it prints.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace dudedur::testing {

struct ProgramRun {
    int exitStatus = -1;
    std::string out;
    std::string err;
};

// Runs the program built with the tests with the given arguments and extra environment
// variables, without a shell, and waits for it.
ProgramRun RunDudedur(const std::vector<std::string>& args,
                      const std::map<std::string, std::string>& environment = {});

}  // namespace dudedur::testing
