#pragma once
// Printing state kept for the whole run.

#include "layout/paper_fit.h"

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
    // The paper code the print dialog opens with (the user's last, A3 at
    // first), and after a job the one it printed on.
    int paper = kA3;
    bool staffRequested = false;  // the dialog offers the staff edition ticked
    bool staffEdition = false;    // the open job prints the marked lines too
    // Picture names the open document could not draw, each once.
    std::vector<std::string> missingPictures, unreadablePictures;
};

}  // namespace cal
