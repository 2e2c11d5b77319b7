// Characters, separators and paths in code page 936 texts.
#include <gtest/gtest.h>

#include "base/text.h"

TEST(CodePage936, SeparatorsCountOnlyWhereACharacterBegins) {
  EXPECT_EQ(cp936::FindLast("abc", '\\'), std::string_view::npos);
  EXPECT_EQ(cp936::FindLast("a\\b\\", '\\'), 3u);
  EXPECT_EQ(cp936::FindLast(std::string_view("\\\x81", 2), '\\'), 0u);  // lone lead byte at the end
  EXPECT_EQ(cp936::FindLast("a\\\x81\x5C", '\\'), 1u);                 // 81 5C is one character
  EXPECT_EQ(cp936::FindLast("a\x80\\", '\\'), 2u);                      // 80 stands alone
  EXPECT_EQ(cp936::Find("1x2x3", 'x', 2), 3u);
  EXPECT_EQ(cp936::Find("\xB0x1x", 'x'), 3u);

  for (const char* s : {"S:\\dir\\", "S:\\\x81\x5C\\", "S:\\\x80\\"}) EXPECT_TRUE(cp936::EndsWith(s, '\\')) << s;
  for (const char* s : {"S:\\\x81\x5C", "S:\\dir", ""}) EXPECT_FALSE(cp936::EndsWith(s, '\\')) << s;
}

TEST(LauncherDirectory, CutsAtTheLastBackslashThatBeginsACharacter) {
  const auto cut = [](std::string_view path) { return DirectoryOfModulePath(path, cp936::IsLeadByte); };
  EXPECT_EQ(cut("D:\\Tools\\launcher.exe"), "D:\\Tools");
  EXPECT_EQ(cut("C:\\launcher.exe"), "C:");
  EXPECT_EQ(cut("\\\\server\\share\\dir\\launcher.exe"), "\\\\server\\share\\dir");
  // B9 5C is one character whose second byte is "\".
  EXPECT_EQ(cut(std::string("D:\\A\xB9\x5C") + "launcher.exe"), "D:");
  // A folder ending in the euro sign (80): the backslash after it still separates.
  EXPECT_EQ(cut("D:\\Games\\CS\x80\\launcher.exe"), "D:\\Games\\CS\x80");
  // Code page 1252 has no lead bytes: "café" ends in E9 there.
  EXPECT_EQ(DirectoryOfModulePath("D:\\caf\xE9\\launcher.exe", [](unsigned char) { return false; }), "D:\\caf\xE9");
}
