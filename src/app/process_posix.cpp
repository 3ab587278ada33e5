#include "app/process.h"

#include <algorithm>
#include <csignal>

namespace cal {

// Arguments arrive as UTF-8, as Qt itself reads them on these systems.
std::vector<std::string> commandLineArguments(int argc, char* argv[]) {
    return std::vector<std::string>(argv + std::min(argc, 1), argv + argc);
}

void prepareProcess() {
    // Under a file-size limit a write then fails with an error the program
    // reports, instead of the process being killed in the middle of a save.
    std::signal(SIGXFSZ, SIG_IGN);
}

}  // namespace cal
