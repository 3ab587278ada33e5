#pragma once
// What differs by system in how the program starts: its arguments as UTF-8
// and a console that shows UTF-8 (process_posix.cpp, process_win.cpp).

#include <string>
#include <vector>

namespace cal {

// The arguments after the program's name, as UTF-8. Windows hands main()
// the ANSI code page; the wide command line holds every character.
std::vector<std::string> commandLineArguments(int argc, char* argv[]);
// Makes output to the console readable as UTF-8, and makes a write past a
// file-size limit fail with an error instead of ending the process.
void prepareProcess();

}  // namespace cal
