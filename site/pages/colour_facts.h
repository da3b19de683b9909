#pragma once
// One colour in every notation, for the mixer's and the converter's results.
#include <optional>
#include <string>

#include "colour/colour_types.h"
#include "colour/notation.h"
#include "site/page.h"

namespace site {

struct ColourFacts {
  colour::Rgb8 screen;
  colour::Hsl hsl;
  colour::Hsv hsv;
  colour::Cmyk cmyk;
  colour::Lab lab;
  bool cmykGiven = false;  // the CMYK values are the ones given, not converted from screen
};

// The facts of a colour as given: values given in a notation stay as given, the others
// are converted from the screen colour.
ColourFacts FactsOf(const colour::ParsedColour& given);

// The results sections: the colour as a large swatch, every notation (each a row that can
// be selected and copied), and the nearest named colour.
Section SwatchSection(const ColourFacts& facts);
Section NotationSection(const ColourFacts& facts);
Section NearestNamedSection(const ColourFacts& facts);

}  // namespace site
