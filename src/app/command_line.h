#pragma once
// The program's command line: options begin with "--"; every other argument
// is part of the data folder text, the arguments joined by single blanks.

#include <string>
#include <vector>

namespace cal {

struct CommandLine {
    std::string dataText;  // empty: use the working folder
    std::string error;     // not empty: a message for the user, the program stops
};

CommandLine parseCommandLine(const std::vector<std::string>& args);

}  // namespace cal
