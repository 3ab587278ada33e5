#include "app/command_line.h"

namespace cal {

CommandLine parseCommandLine(const std::vector<std::string>& args) {
    CommandLine result;
    for (const std::string& arg : args) {
        if (arg.rfind("--", 0) == 0) {
            result.error = "不明なオプションです: " + arg;
            return result;
        }
        if (!result.dataText.empty()) result.dataText += ' ';
        result.dataText += arg;
    }
    return result;
}

}  // namespace cal
