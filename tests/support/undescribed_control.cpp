#include "support/recording_forms.h"

#include <gtest/gtest.h>

namespace cal::test {

void reportUndescribedControl(std::string_view form, std::string_view control) {
    ADD_FAILURE() << "no control " << control << " in the description of " << form;
}

}  // namespace cal::test
