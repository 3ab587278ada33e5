#pragma once
// What every handler works with: the program-wide state and the services.

#include "state/app_state.h"
#include "ui/dialogs.h"
#include "ui/drawing.h"
#include "ui/forms.h"
#include "ui/platform.h"

namespace cal {

class IcsReader;
class IcsWriter;
class PictureLibrary;

struct Context {
    AppState& state;
    Dialogs& dialogs;
    Forms& forms;
    Drawing& drawing;
    const Clock& clock;
    Registry& registry;
    IcsReader* icsReader = nullptr;  // iCalendar import (libical); none in builds without it
    IcsWriter* icsWriter = nullptr;  // iCalendar export (libical); none in builds without it
    PictureLibrary* pictures = nullptr;  // bringing pictures in, the library window; none without Qt
};

}  // namespace cal
