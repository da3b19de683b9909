// The named colour nearest to any colour, by CIEDE2000 in Lab D50. Kept apart from the
// name table so that name lookups need no colour profile.
#include <array>
#include <limits>

#include "colour/colour_management.h"
#include "colour/colour_models.h"
#include "colour/named_colours.h"

namespace colour {
namespace {

// The named colours in Lab, computed once on first use.
const std::array<Lab, NamedColourCount>& NamedColoursLab() {
  static const std::array<Lab, NamedColourCount> labs = [] {
    std::array<Lab, NamedColourCount> result{};
    const std::span<const NamedColour> named = NamedColours();
    for (std::size_t i = 0; i < result.size(); ++i) {
      result[i] = SrgbToLab(named[i].rgb);
    }
    return result;
  }();
  return labs;
}

}  // namespace

// Among colours at the same distance (aqua and cyan are one colour) the first in
// alphabetical order wins.
NearestNamed NearestNamedColour(const Rgb8& rgb) {
  const Lab lab = SrgbToLab(rgb);
  const std::span<const NamedColour> named = NamedColours();
  const std::array<Lab, NamedColourCount>& labs = NamedColoursLab();
  NearestNamed nearest{nullptr, std::numeric_limits<double>::infinity()};
  for (std::size_t i = 0; i < labs.size(); ++i) {
    const double deltaE = DeltaE2000(lab, labs[i]);
    if (deltaE < nearest.deltaE) nearest = {&named[i], deltaE};
  }
  return nearest;
}

}  // namespace colour
