// The game's parameter text.
#include <gtest/gtest.h>

#include "core/command_line.h"

namespace {
const MouseSwitch kNone[] = {{false, "-noforcemaccel"}, {false, "-noforcemparms"}, {false, "-noforcemspd"}};
}

TEST(BuildGameCommandLine, FullExampleWithTwoSwitches) {
  const MouseSwitch switches[] = {{true, "-noforcemaccel"}, {false, "-noforcemparms"}, {true, "-noforcemspd"}};
  EXPECT_EQ(BuildGameCommandLine("32bpp", "1024x768", "85", switches),
            "-game cstrike -32bpp -width 1024 -height 768 -freq 85 -noforcemaccel -noforcemspd");
}

TEST(BuildGameCommandLine, NoSwitchesEndsWithTheRefreshRate) {
  EXPECT_EQ(BuildGameCommandLine("16bpp", "800x600", "60", kNone),
            "-game cstrike -16bpp -width 800 -height 600 -freq 60");
}

TEST(BuildGameCommandLine, TakesTheCaptionsAsTheyReadNow) {
  const MouseSwitch switches[] = {{false, "x"}, {true, "-新开关"}, {true, "-noforcemspd"}};
  EXPECT_EQ(BuildGameCommandLine("32bpp", "640x480", "75", switches),
            "-game cstrike -32bpp -width 640 -height 480 -freq 75 -新开关 -noforcemspd");
}

TEST(BuildGameCommandLine, MissingDepthOrRateLeavesItsPieceEmpty) {
  EXPECT_EQ(BuildGameCommandLine("", "800x600", "60", kNone), "-game cstrike - -width 800 -height 600 -freq 60");
  EXPECT_EQ(BuildGameCommandLine("32bpp", "800x600", "", kNone), "-game cstrike -32bpp -width 800 -height 600 -freq ");
}

TEST(BuildGameCommandLine, MissingResolutionLeavesOutWidthAndHeight) {
  EXPECT_EQ(BuildGameCommandLine("32bpp", "", "85", kNone), "-game cstrike -32bpp -freq 85");
  const MouseSwitch one[] = {{true, "-noforcemaccel"}, {false, ""}, {false, ""}};
  EXPECT_EQ(BuildGameCommandLine("16bpp", "", "", one), "-game cstrike -16bpp -freq  -noforcemaccel");
}
