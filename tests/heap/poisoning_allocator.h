#pragma once
// The Windows test programs replace the global operator new and delete with a heap that fills
// every freed block with kFreedByte and holds it back for a while before it really goes, so a
// read of freed memory gives the pattern (as a size or a pointer it is out of all range, as
// text U+DDDD) and a write into it is found when the block goes. Findings are written to stderr.
#include <cstddef>

namespace kadrion::testing_support {

inline constexpr unsigned char kFreedByte = 0xDD;

// Really frees every block held back, checking each; returns how many faults were found
// since the program started: freed blocks written to, blocks deleted twice or as another size,
// pointers deleted that operator new never gave.
std::size_t ReleaseFreedBlocks();

// From now on a fault ends the program at once (once the tests are over, nothing else would
// report it).
void EndOnFaults();

}  // namespace kadrion::testing_support
