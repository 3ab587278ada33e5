#pragma once
// The program's form descriptions: one function per window, each in its
// window's folder, and the catalog the forms services build from.

#include "ui/form_description.h"

#include <string_view>

namespace cal {

namespace forms {

FormDescription mainForm();      // MAINFORM
FormDescription monthForm();     // FORM2
FormDescription dayEditorForm(); // FORM3
FormDescription yearUtilityForm(); // FORM4
FormDescription settingsForm();  // FORM6

}  // namespace forms

// The description of a form by name; nullptr for an unknown name.
const FormDescription* formDescription(std::string_view name);

}  // namespace cal
