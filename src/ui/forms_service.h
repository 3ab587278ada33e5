#pragma once
// The three services to the user in one object, for implementations that
// serve all of them: the Qt windows and the recording test double. The
// program itself reaches each through its own interface (state/context.h).

#include "ui/dialogs.h"
#include "ui/drawing.h"
#include "ui/forms.h"

namespace cal {

class FormsService : public Dialogs, public Forms, public Drawing {};

}  // namespace cal
