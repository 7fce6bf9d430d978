#pragma once

#include "core/model/Codes.h"

namespace kelvane {

// How well text of one colour reads on another, as the ratio of their
// relative luminances (each plus 0.05): 1 for the same colour, 21 for black
// on white. Colours are 0x00BBGGRR.
double ContrastRatio(Colour a, Colour b);

// The text colour for a cell whose background the program fixes, given the
// palette's own text and base colours. A light palette (text darker than
// base) keeps its text colour, so the tables look as they were designed; a
// dark one keeps it where it reads at least 4.5:1, and otherwise takes black
// or white, whichever reads better (never below 4.5:1).
Colour ReadableText(Colour background, Colour paletteText, Colour paletteBase);

} // namespace kelvane
