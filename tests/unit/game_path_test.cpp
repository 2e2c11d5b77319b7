// The text search on code page 936 texts and the rule of what counts as a game path.
#include <gtest/gtest.h>

#include "locate/game_path.h"

TEST(FindText, GivesTheOneBasedBytePositionOfTheFirstMatch) {
  EXPECT_EQ(FindText("hl.exe", "hl.exe"), 1);
  EXPECT_EQ(FindText("cstrike.exe\\readme.txt", "cstrike.exe"), 1);
  EXPECT_EQ(FindText("D:\\Games\\CS\\cstrike.exe", "cstrike.exe"), 13);
  EXPECT_EQ(FindText("D:\\hl.exe.old\\readme.txt", "hl.exe"), 4);
  EXPECT_EQ(FindText("hhl.exe", "hl.exe"), 2);               // a partial match before the real one
  EXPECT_EQ(FindText("a hl.exe b hl.exe", "hl.exe"), 3);     // the first of two
  EXPECT_EQ(FindText("D:\\游戏\\反恐精英\\hl.exe", "hl.exe"), 18);  // two bytes per Chinese character
  EXPECT_EQ(FindText("D:\\游戏\\hl.exe", "游戏"), 4);
}

TEST(FindText, ComparesBytesSoCaseMatters) {
  EXPECT_EQ(FindText("D:\\CS\\Cstrike.exe", "cstrike.exe"), -1);
  EXPECT_EQ(FindText("D:\\CS\\HL.EXE", "hl.exe"), -1);
  EXPECT_EQ(FindText("D:\\CS\\hl.ex", "hl.exe"), -1);  // the text ends inside the sought text
}

TEST(FindText, NeverStartsOnTheSecondByteOfATwoByteCharacter) {
  // B0 68 is one character whose second byte is "h", B0 63 one whose second byte is "c".
  EXPECT_EQ(FindText("D:\\\xB0hl.exe", "hl.exe"), -1);
  EXPECT_EQ(FindText("\xB0" "cstrike.exe", "cstrike.exe"), -1);
  EXPECT_EQ(FindText("\xB0hhl.exe", "hl.exe"), 3);  // the next character is a boundary again
  // A byte of 0x80 or above in second place does not begin a character: B0 B0 | B0 68 | "l.exe".
  EXPECT_EQ(FindText("\xB0\xB0\xB0hl.exe", "hl.exe"), -1);
  EXPECT_EQ(FindText("\xB0\xB0hl.exe", "hl.exe"), 3);
  // 80 (the euro sign) is a character of its own: what follows it is a boundary.
  EXPECT_EQ(FindText("D:\\CS\x80hl.exe", "hl.exe"), 7);
  EXPECT_TRUE(IsGamePath("D:\\CS\x80\\cstrike.exe"));
}

TEST(FindText, ALeadByteBeforeTheEndEndsTheSearch) {
  // What follows the terminating zero must never be looked at.
  const char text[] = "ab\x81\0hl.exe";
  EXPECT_EQ(FindText(text, "hl.exe"), -1);
  EXPECT_EQ(FindText(text, "b"), 2);
  EXPECT_EQ(FindText("hl.exe\xB0", "hl.exe"), 1);
}

TEST(FindText, MissingAndEmptyTexts) {
  EXPECT_EQ(FindText(nullptr, "hl.exe"), -1);
  EXPECT_EQ(FindText("", "hl.exe"), -1);
  EXPECT_EQ(FindText("hl.exe", ""), -1);
  EXPECT_EQ(FindText("hl.exe", nullptr), -1);
  EXPECT_EQ(FindText(nullptr, nullptr), -1);
}

TEST(IsGamePath, EitherMarkerAnywhereInThePath) {
  // The last: the second marker when the first is missing.
  for (const char* path : {"D:\\Games\\CS\\cstrike.exe", "D:\\Games\\CS\\hl.exe", "D:\\hl.exe.old\\readme.txt",
                           "cstrike.exe", "D:\\反恐精英\\hl.exe", "D:\\cstrike.ex\\hl.exe"}) {
    EXPECT_TRUE(IsGamePath(path)) << path;
  }
}

TEST(IsGamePath, RejectsOtherCaseSplitMarkersAndEmptyTexts) {
  for (const char* path : {"D:\\Games\\CS\\Cstrike.exe", "D:\\Games\\CS\\HL.EXE", "D:\\Games\\CS\\readme.txt",
                           "D:\\\xB0hl.exe", "D:\\\xB0" "cstrike.exe", ""}) {
    EXPECT_FALSE(IsGamePath(path)) << path;
  }
  EXPECT_FALSE(IsGamePath(nullptr));
}
