#pragma once
// Nothing written over a file that someone else changed since the program
// read it, unasked.

#include <string>
#include <string_view>

namespace cal {

struct AppState;
struct Context;

// Notes what the file holds now, after it was read or written.
void rememberFile(AppState& state, const std::string& path);
// Notes a record file read that holds more than its records.
void rememberOverlong(AppState& state, const std::string& path);
// True when the file may be written: it is unchanged since it was read or
// written, was never read, or the user answers はい to overwriting it; a file
// that holds more than its records was read is asked about too.
bool mayOverwrite(Context& context, const std::string& path, std::string_view owner);

}  // namespace cal
