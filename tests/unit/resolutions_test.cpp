// The resolution list built from display modes, and the split of a resolution text.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/resolutions.h"

using Texts = std::vector<std::string>;

// The two parts of a split, as "width|height".
std::string Split(std::string_view text) {
  const ResolutionParts p = SplitResolution(text);
  return p.width + "|" + p.height;
}

TEST(BuildResolutionList, KeepsEachResolutionOnceWhereItFirstAppears) {
  const std::vector<DisplayMode> modes = {
      {800, 600, 32, 60},  {640, 480, 32, 60}, {800, 600, 16, 60},  {1024, 768, 32, 75},
      {640, 480, 16, 85},  {800, 600, 32, 75}, {1024, 768, 8, 60},  {1280, 1024, 32, 60},
  };
  EXPECT_EQ(BuildResolutionList(modes), (Texts{"800x600", "640x480", "1024x768", "1280x1024"}));
}

TEST(BuildResolutionList, WidthAndHeightAreNotInterchangeableAndNotSorted) {
  const std::vector<DisplayMode> modes = {{768, 1024, 32, 60}, {1024, 768, 32, 60}, {1, 11, 0, 0},
                                          {11, 1, 0, 0}, {1920, 1080, 32, 144}};
  EXPECT_EQ(BuildResolutionList(modes), (Texts{"768x1024", "1024x768", "1x11", "11x1", "1920x1080"}));
  EXPECT_TRUE(BuildResolutionList({}).empty());
}

TEST(BuildResolutionList, TextsAreDecimalWithoutPadding) {
  EXPECT_EQ(BuildResolutionList({{0, 0, 0, 0}, {4294967295u, 7, 0, 0}}), (Texts{"0x0", "4294967295x7"}));
}

TEST(SplitResolution, CutsAtTheFirstAndEndsAtTheNextX) {
  EXPECT_EQ(Split("1024x768"), "1024|768");
  EXPECT_EQ(Split("1x2x3"), "1|2");
  EXPECT_EQ(Split("x768"), "|768");
  EXPECT_EQ(Split("1024x"), "1024|");
  EXPECT_EQ(Split("1024"), "1024|");
  EXPECT_EQ(Split(""), "|");
  EXPECT_EQ(Split("1024X768"), "1024X768|");  // only the small letter cuts
}

TEST(SplitResolution, SecondByteOfATwoByteCharacterIsNoSeparator) {
  // B0 78 is one two-byte character whose second byte is 0x78, the letter x.
  EXPECT_EQ(Split("12\xB0\x78" "34x56"), "12\xB0\x78" "34|56");
  EXPECT_EQ(Split("1x2\xB0\x78" "3x4"), "1|2\xB0\x78" "3");
  // A character right before the x, and one right after it.
  EXPECT_EQ(Split("\xB3\xA4x\xBF\xED"), "\xB3\xA4|\xBF\xED");
  // A lone lead byte at the end takes nothing with it.
  EXPECT_EQ(Split("8x6\x81"), "8|6\x81");
  EXPECT_EQ(Split("\x81x"), "\x81x|");
  EXPECT_EQ(Split("1\x80x2"), "1\x80|2");  // 80 stands alone
}
