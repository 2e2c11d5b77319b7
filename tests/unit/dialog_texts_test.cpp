// The texts the window model hands to the system: the open-file dialog's filter and the drive list's items.
#include <gtest/gtest.h>

#include <string>

#include "ui/model/dialog_texts.h"

using namespace std::string_literals;

TEST(SystemDialogFilter, AppendsTheClosingPairOfSeparatorsOnce) {
  // MainWindow's own filter: one description and its two patterns.
  EXPECT_EQ(ui::SystemDialogFilter("Cstrike.exe 或 hl.exe|Cstrike.exe;hl.exe"),
            "Cstrike.exe 或 hl.exe\0Cstrike.exe;hl.exe\0\0"s);
  EXPECT_EQ(ui::SystemDialogFilter("All|*.*||"), "All\0*.*\0\0"s);
  EXPECT_EQ(ui::SystemDialogFilter("A|a|B|b"), "A\0a\0B\0b\0\0"s);
  // A single "|" at the end is not the closing pair: the other one is still added.
  EXPECT_EQ(ui::SystemDialogFilter("A|a|"), "A\0a\0\0\0"s);
  EXPECT_EQ(ui::SystemDialogFilter(""), "\0\0"s);
  EXPECT_EQ(ui::SystemDialogFilter("|"), "\0\0\0"s);
}

TEST(SystemDialogFilter, KeepsABarThatIsTheSecondByteOfATwoByteCharacter) {
  // 0x81 0x7C is one code page 936 character whose second byte is '|'.
  const std::string text = "\x81\x7C|*.x"s;  // "亅"
  EXPECT_EQ(ui::SystemDialogFilter(text), "\x81\x7C\0*.x\0\0"s);
  // A description ending in such a character, right before the separator, keeps its character whole.
  EXPECT_EQ(ui::SystemDialogFilter("a\x81\x7C|b"s), "a\x81\x7C\0b\0\0"s);
}

TEST(DriveItemText, NamesEachKindOfDrive) {
  using ui::DriveKind;
  EXPECT_EQ(ui::DriveItemText('C', DriveKind::Fixed, ""), "C: （硬盘）");
  EXPECT_EQ(ui::DriveItemText('d', DriveKind::Fixed, "系统"), "D: （硬盘） 系统");
  EXPECT_EQ(ui::DriveItemText('Z', DriveKind::Remote, "share"), "Z: （网络驱动器）");
  EXPECT_EQ(ui::DriveItemText('E', DriveKind::CdRom, "DISC"), "E: （光驱）");
  EXPECT_EQ(ui::DriveItemText('R', DriveKind::RamDisk, ""), "R: （内存虚拟驱动器）");
  EXPECT_EQ(ui::DriveItemText('a', DriveKind::Removable, "USB"), "A:");
  EXPECT_EQ(ui::DriveItemText('X', DriveKind::Unknown, ""), "X:");
  EXPECT_EQ(ui::DriveItemText('Y', DriveKind::NoRootDir, ""), "Y:");
}

TEST(DateText, DateAloneOrWithItsTimeOfDay) {
  EXPECT_EQ(ui::DateText({2026, 12, 9}), "2026年12月9日");
  EXPECT_EQ(ui::DateText({2026, 1, 2, 8, 5, 0}), "2026年1月2日8时5分0秒");
  EXPECT_EQ(ui::DateText({1999, 12, 31, 0, 0, 1}), "1999年12月31日0时0分1秒");
}
