#include "support/harness.h"

#include "ui/names.h"

namespace cal::test {

void Harness::createForms() {
    for (const char* form : {kMainForm, kMonthForm, kDayEditor}) forms.createForm(form);
    state->dataDir = dir.path();
}

}  // namespace cal::test
