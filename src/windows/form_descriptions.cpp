#include "windows/form_descriptions.h"

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

}  // namespace cal
