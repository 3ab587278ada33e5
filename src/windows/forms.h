#pragma once
// The program's form descriptions, one function per window.

#include "ui/form_description.h"

namespace cal::forms {

FormDescription mainForm();      // MAINFORM
FormDescription monthForm();     // FORM2
FormDescription dayEditorForm(); // FORM3
FormDescription yearUtilityForm(); // FORM4
FormDescription settingsForm();  // FORM6

}  // namespace cal::forms
