#pragma once
// Printing state kept for the whole run.

#include <memory>
#include <string>
#include <vector>

namespace cal {

class Printer;

struct PrintState {
    std::shared_ptr<Printer> printer;  // created on first use, reused afterwards
    int ready = 0;                     // 1 once the set-up passed the print dialog
    int dialogAnswer = 0;              // 0 when the user cancelled the dialog
    bool documentStarted = false;
    bool failed = false;               // a printer failure was reported in this job
    // Picture names the open document could not draw, each once.
    std::vector<std::string> missingPictures, unreadablePictures;
};

}  // namespace cal
