// The nearest named colour by CIEDE2000.
#include <gtest/gtest.h>

#include "colour/named_colours.h"

using colour::NamedColour;
using colour::Rgb8;

TEST(NearestNamedColour, EveryNamedColourFindsItself) {
  for (const NamedColour& entry : colour::NamedColours()) {
    const colour::NearestNamed nearest = colour::NearestNamedColour(entry.rgb);
    ASSERT_NE(nearest.colour, nullptr);
    // Colours CSS names twice (aqua and cyan, the gray/grey spellings) find the first.
    EXPECT_EQ(nearest.colour->rgb, entry.rgb) << entry.english.size();
    EXPECT_LE(nearest.colour->english, entry.english);
    EXPECT_EQ(nearest.deltaE, 0.0);
  }
}

TEST(NearestNamedColour, NearbyColoursFindTheirNeighbour) {
  const struct {
    Rgb8 rgb;
    const wchar_t* english;
    double atMost;  // CIEDE2000
  } cases[] = {
      {{0xFE, 0x01, 0x01}, L"red", 1.0},
      {{0x66, 0x33, 0x98}, L"rebeccapurple", 1.0},
      {{0x01, 0x01, 0x01}, L"black", 1.0},
      {{0x7F, 0x7F, 0x7F}, L"gray", 1.0},
      {{0xFF, 0x80, 0x00}, L"darkorange", 10.0},
  };
  for (const auto& c : cases) {
    const colour::NearestNamed nearest = colour::NearestNamedColour(c.rgb);
    ASSERT_NE(nearest.colour, nullptr);
    EXPECT_EQ(nearest.colour->english, c.english);
    EXPECT_GT(nearest.deltaE, 0.0);
    EXPECT_LE(nearest.deltaE, c.atMost);
  }
}
