#include "cli/cli.h"

#include <cstdio>

namespace dudedur::cli {

int RunCommandLine(int, char**) {
    std::fputs("dudedur: not yet\n", stderr);
    return 2;
}

}  // namespace dudedur::cli
