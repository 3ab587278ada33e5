#include "ui/form_description.h"

#include "windows/forms.h"

#include <array>

namespace cal {

const FormDescription* formDescription(std::string_view name) {
    static const std::array<FormDescription, 5> all{forms::mainForm(), forms::monthForm(),
                                                     forms::dayEditorForm(), forms::yearUtilityForm(),
                                                     forms::settingsForm()};
    for (const FormDescription& form : all)
        if (form.name == name) return &form;
    return nullptr;
}

const ControlDescription* findControl(const FormDescription& form, std::string_view control) {
    for (const ControlDescription& c : form.controls)
        if (c.name == control) return &c;
    return nullptr;
}

}  // namespace cal
