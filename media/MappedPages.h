// The program's file is mapped into memory, and every page of it that is read
// stays resident; the system maps a good stretch of neighbouring pages with
// each page read. Data read once in a while, such as the compiled pictures,
// can hand its pages back after use: read again, they are mapped again from
// the file.
#pragma once

namespace velmora {

// Hands back the whole pages between `begin` and `end`, which must lie in
// read-only data of the program's file (never written, so nothing is lost).
void HandBackProgramPages(const void* begin, const void* end);

}  // namespace velmora
