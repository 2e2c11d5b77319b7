// Numbers and logical values as option.ini stores them, and how stored texts read back.
#include <gtest/gtest.h>

#include <climits>

#include "core/setting_values.h"

TEST(SettingTextToInt, TakesTheLeadingDecimalNumber) {
  EXPECT_EQ(SettingTextToInt("5"), 5);
  EXPECT_EQ(SettingTextToInt("12abc"), 12);
  EXPECT_EQ(SettingTextToInt(" -1"), -1);
  EXPECT_EQ(SettingTextToInt("\t+7"), 7);
  EXPECT_EQ(SettingTextToInt("007"), 7);
  EXPECT_EQ(SettingTextToInt("3 4"), 3);
}

TEST(SettingTextToInt, TextWithoutDigitsIsZero) {
  EXPECT_EQ(SettingTextToInt(""), 0);
  EXPECT_EQ(SettingTextToInt("abc"), 0);
  EXPECT_EQ(SettingTextToInt("-"), 0);
  EXPECT_EQ(SettingTextToInt("+-3"), 0);
  EXPECT_EQ(SettingTextToInt("- 3"), 0);
  EXPECT_EQ(SettingTextToInt("真5"), 0);
  EXPECT_EQ(SettingTextToInt("\xA3\xB5"), 0);  // the full-width digit 5 is no digit
}

TEST(SettingTextToInt, SaturatesAtThe32BitLimits) {
  EXPECT_EQ(SettingTextToInt("2147483647"), INT_MAX);
  EXPECT_EQ(SettingTextToInt("-2147483648"), INT_MIN);
  EXPECT_EQ(SettingTextToInt("2147483648"), INT_MAX);
  EXPECT_EQ(SettingTextToInt("-2147483649"), INT_MIN);
  EXPECT_EQ(SettingTextToInt("4294967296"), INT_MAX);  // would wrap to 0 in 32 bits
  EXPECT_EQ(SettingTextToInt("4294967297"), INT_MAX);  // would wrap to 1
  EXPECT_EQ(SettingTextToInt(std::string(5000, '9')), INT_MAX);
  EXPECT_EQ(SettingTextToInt("-" + std::string(5000, '9') + "x"), INT_MIN);
  EXPECT_EQ(SettingTextToInt("00000000000000000000000000012"), 12);
}

TEST(SettingValueTexts, IndexesAreWrittenAsPlainSignedDecimals) {
  EXPECT_EQ(IndexToSettingText(0), "0");
  EXPECT_EQ(IndexToSettingText(5), "5");
  EXPECT_EQ(IndexToSettingText(-1), "-1");
  EXPECT_EQ(IndexToSettingText(INT_MIN), "-2147483648");
  for (int v : {0, 1, -1, 123456, INT_MAX, INT_MIN}) EXPECT_EQ(SettingTextToInt(IndexToSettingText(v)), v);
}

TEST(SettingValueTexts, OnlyTheExactTrueTextReadsTrue) {
  EXPECT_EQ(FlagToSettingText(true), "\xD5\xE6");
  EXPECT_EQ(FlagToSettingText(false), "\xBC\xD9");
  EXPECT_TRUE(SettingTextToFlag("\xD5\xE6"));
  EXPECT_FALSE(SettingTextToFlag("\xBC\xD9"));
  for (const char* other : {"", "1", "TRUE", "true", " \xD5\xE6", "\xD5\xE6 ", "\xD5", "\xD5\xE6\xD5\xE6"})
    EXPECT_FALSE(SettingTextToFlag(other)) << other;
}

TEST(SettingValueTexts, OneLockNamePerSettingsFile) {
  const std::string name = SettingsLockName("D:\\Games\\CS\\option.ini");
  EXPECT_EQ(name.rfind("Local\\", 0), 0u);
  EXPECT_EQ(name.find('\\', 6), std::string::npos);
  EXPECT_LT(name.size(), 260u);
  // Letters in another case name the same file; another folder is another file.
  EXPECT_EQ(SettingsLockName("d:\\games\\cs\\OPTION.INI"), name);
  EXPECT_NE(SettingsLockName("D:\\Games\\CS2\\option.ini"), name);
  // The second byte of a two-byte character is not a letter: B0 61 and B0 41 are other characters.
  EXPECT_NE(SettingsLockName("D:\\\xB0\x61\\option.ini"), SettingsLockName("D:\\\xB0\x41\\option.ini"));
  EXPECT_EQ(SettingsLockName(std::string(5000, 'a')).size(), name.size());
}
