#pragma once
// The process environment, read as UTF-8 text (on Windows from the wide
// environment: the ANSI one loses every character its code page lacks).

#include <string>

namespace cal {

// The variable's value; empty when it is not set.
std::string environment(const char* name);

}  // namespace cal
