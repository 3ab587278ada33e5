#pragma once
// How the program asks the system for memory.

#include <cstddef>

namespace cal::qtui {

// Memory freed between pictures stays with the program: the PDF writer sets
// up a compressor of a few hundred kilobytes for every picture, and each
// decoded picture needs buffers of that size, and taking fresh pages from the
// system every time costs more than the work done in them. Call first thing
// in main(); does nothing where the C library offers no such settings.
void keepFreedMemory();

// The month window's first paint writes to some megabytes of fresh heap (the
// drawings the month and its day cells keep, Qt's window buffers, fonts).
// Each first write to a page costs the system a fault, about 10 µs apiece
// on a virtual machine; this takes up to `bytes` of heap at once, in one
// call, so that the window appears sooner. Call after keepFreedMemory(),
// which keeps the block with the program once it is freed; `bytes` stays
// below the size the C library would map on its own. Does nothing where
// the system has no such call.
void prefaultHeap(std::size_t bytes);

}  // namespace cal::qtui
