#include "ui/form_description.h"

namespace cal {

const ControlDescription* findControl(const FormDescription& form, std::string_view control) {
    for (const ControlDescription& c : form.controls)
        if (c.name == control) return &c;
    return nullptr;
}

}  // namespace cal
