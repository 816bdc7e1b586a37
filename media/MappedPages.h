// Files mapped into memory keep every page that was read resident, together
// with a good stretch of neighbouring pages the system maps along with each
// page read. Data read once in a while can hand its pages back after use:
// read again, they are mapped again from the file.
//   - The compiled pictures lie in the program's own file.
//   - The font rasteriser maps each font file whole, and faces stay open in
//     the font cache after the last window that used them has gone.
#pragma once

namespace velmora {

// Hands back the whole pages between `begin` and `end`, which must lie in a
// read-only mapping of a file (never written, so nothing is lost).
void HandBackMappedPages(const void* begin, const void* end);

// Hands back the pages of every font file mapped read-only into the program;
// returns how many mappings it advised.
int HandBackFontFilePages();

}  // namespace velmora
