// The font rasteriser maps each font file whole, and every page of one that
// text has read stays resident while its face is open, together with the
// neighbouring pages the system maps along with each page read. Faces stay
// open in the font cache after the last window that used them has gone, so
// the pages of the mapped font files can be handed back when such a window is
// let go: any page that text needs again is read again from the file.
#pragma once

namespace velmora {

// Hands back the pages of every font file mapped read-only into the program;
// returns how many mappings it advised.
int HandBackFontFilePages();

}  // namespace velmora
