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
  // The last: the full-width digit 5 is no digit.
  for (const char* text : {"", "abc", "-", "+-3", "- 3", "真5", "\xA3\xB5"}) {
    EXPECT_EQ(SettingTextToInt(text), 0) << text;
  }
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

TEST(SettingValueTexts, OneLockNamePerFolder) {
  const std::string name = SettingsLockName(0x1234ABCDu, 0x0005000000000A2Bull);
  for (const std::string& n : {name, SettingsLockName(u"D:\\GAMES\\CS\\" + std::u16string(5000, u'A'))}) {
    EXPECT_EQ(n.rfind("Local\\", 0), 0u) << n;
    EXPECT_EQ(n.find('\\', 6), std::string::npos) << n;
    EXPECT_LT(n.size(), 100u) << n;
  }
  // The serial number and both halves of the index count; so does every unit of a path.
  EXPECT_NE(SettingsLockName(0x1234ABCDu, 0x0005000000000A2Aull), name);
  EXPECT_NE(SettingsLockName(0x1234ABCDu, 0x0004000000000A2Bull), name);
  EXPECT_NE(SettingsLockName(0x1234ABCCu, 0x0005000000000A2Bull), name);
  EXPECT_NE(SettingsLockName(u"D:\\\uFF23\uFF33"), SettingsLockName(u"D:\\\uFF23\uFF34"));
  EXPECT_NE(SettingsLockName(u"D:\\\u4E00"), SettingsLockName(u"D:\\\u0100"));  // both bytes of a unit
}
