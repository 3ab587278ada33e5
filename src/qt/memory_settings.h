#pragma once
// How the program asks the system for memory.

namespace cal {

// Memory freed between pictures stays with the program: the PDF writer sets
// up a compressor of a few hundred kilobytes for every picture, and each
// decoded picture needs buffers of that size, and taking fresh pages from the
// system every time costs more than the work done in them. Call first thing
// in main(); does nothing where the C library offers no such settings.
void keepFreedMemory();

}  // namespace cal
