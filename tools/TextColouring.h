#pragma once
// Colouring of printed text with horizontal stripes: a band of dark-to-light ramps in
// one colour family, and a pass that gives each text pixel the band's colour there.
namespace korv {

class Surface;

namespace colouring {

constexpr int kFamilies = 6;    // grey, red, green, blue, purple, yellow
constexpr int kBandWidth = 686; // every line runs from x = 0 to x = 685

// The colour of level k in a family (0..5), or -1 for another family.
int familyColour(int family, int k);

// Paints the band of a family onto `back`, rows 0 to 335: ten ramps of 34 rows, the
// level rising and falling by 7 a row. Another family leaves `back` as it was.
void PaintColourBand(Surface& back, int family);

// A pixel that has no component of exactly 255 counts as text.
bool isTextPixel(int colour);

// Gives every text pixel of row y of `pic` the colour of `back` at the same place.
void colourRow(Surface& pic, const Surface& back, int y);

} // namespace colouring
} // namespace korv
