// Paths and separators in code page 936 texts.
#include <gtest/gtest.h>

#include "core/process_start.h"
#include "core/text.h"

TEST(LauncherDirectory, CutsAtTheLastBackslash) {
  EXPECT_EQ(DirectoryOfModulePath("D:\\Tools\\launcher.exe"), "D:\\Tools");
  EXPECT_EQ(DirectoryOfModulePath("C:\\launcher.exe"), "C:");
  EXPECT_EQ(DirectoryOfModulePath("\\\\server\\share\\dir\\launcher.exe"), "\\\\server\\share\\dir");
}

TEST(LauncherDirectory, SecondByteOfATwoByteCharacterIsNoSeparator) {
  // "功" ends in 0x5C in code page 936 only when written as bytes B9 5C: a lead byte, then 0x5C.
  const std::string name = std::string("D:\\A\xB9\x5C") + "launcher.exe";
  EXPECT_EQ(DirectoryOfModulePath(name), "D:");
  EXPECT_EQ(FindLastBackslash("abc"), std::string_view::npos);
  EXPECT_EQ(FindLastBackslash("a\\b\\"), 3u);
  EXPECT_EQ(FindLastBackslash(std::string_view("\\\x81", 2)), 0u);  // lone lead byte at the end
}
