#pragma once
// What every handler works with: the program-wide state and the services.

#include "state/app_state.h"
#include "ui/platform.h"
#include "ui/forms_service.h"

namespace cal {

struct Context {
    AppState& state;
    FormsService& forms;
    const Clock& clock;
    const Registry& registry;
};

}  // namespace cal
