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

// Runs a program (looked up on PATH) with its arguments and extra environment variables, without
// a shell, and waits for it.
ProgramRun RunProgram(const std::vector<std::string>& argv,
                      const std::map<std::string, std::string>& environment = {});

// Runs the dudedur program built with the tests.
ProgramRun RunDudedur(const std::vector<std::string>& args,
                      const std::map<std::string, std::string>& environment = {});

}  // namespace dudedur::testing
