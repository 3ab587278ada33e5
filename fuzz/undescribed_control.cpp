#include "support/recording_forms.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace cal::test {

// A misspelt control name is a crash the fuzzer reports with its input.
void reportUndescribedControl(std::string_view form, std::string_view control) {
    std::fprintf(stderr, "no control %s in the description of %s\n", std::string(control).c_str(),
                 std::string(form).c_str());
    std::abort();
}

}  // namespace cal::test
