// Binary registry values by full path, against a scratch key standing in for HKEY_CURRENT_USER.
#include <gtest/gtest.h>

#include <string>

#include "scratch_registry.h"
#include "system/curves.h"
#include "system/registry.h"

namespace {

using test::kMouseCurveX;
using test::kMouseKey;

class RegistryBytes : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(user_.active()); }
  test::ScratchUserKey user_;
  const std::string linearX_ = test::Bytes(LinearCurveX);
};

}  // namespace

TEST_F(RegistryBytes, WriteCreatesTheMissingKeyAndStoresBinary) {
  EXPECT_EQ(user_.Get(kMouseKey, kMouseCurveX).type, static_cast<DWORD>(REG_NONE));
  ASSERT_TRUE(WriteRegistryBytes(HKEY_CURRENT_USER, kMouseCurveXPath, linearX_));
  const auto stored = user_.Get(kMouseKey, kMouseCurveX);
  EXPECT_EQ(stored.type, static_cast<DWORD>(REG_BINARY));
  EXPECT_EQ(stored.bytes, linearX_);
  EXPECT_EQ(ReadRegistryBytes(HKEY_CURRENT_USER, kMouseCurveXPath), linearX_);

  // Overwriting in the existing key, with a value of another length.
  ASSERT_TRUE(WriteRegistryBytes(HKEY_CURRENT_USER, kMouseCurveXPath, std::string("\0\1\2", 3)));
  EXPECT_EQ(ReadRegistryBytes(HKEY_CURRENT_USER, kMouseCurveXPath), std::string("\0\1\2", 3));
}

TEST_F(RegistryBytes, AbsentOrNonBinaryValuesReadAsEmpty) {
  EXPECT_EQ(ReadRegistryBytes(HKEY_CURRENT_USER, kMouseCurveXPath), "");  // no key
  ASSERT_TRUE(user_.Set(kMouseKey, "Other", REG_BINARY, linearX_));
  EXPECT_EQ(ReadRegistryBytes(HKEY_CURRENT_USER, kMouseCurveXPath), "");  // key without the value

  // The right 40 bytes under another type count as absent, as do a DWORD and an empty binary value.
  for (const auto& [type, bytes] : {std::pair<DWORD, std::string>{REG_SZ, linearX_}, {REG_EXPAND_SZ, linearX_},
                                    {REG_MULTI_SZ, linearX_}, {REG_DWORD, linearX_.substr(8, 4)}, {REG_BINARY, ""}}) {
    ASSERT_TRUE(user_.Set(kMouseKey, kMouseCurveX, type, bytes));
    EXPECT_EQ(ReadRegistryBytes(HKEY_CURRENT_USER, kMouseCurveXPath), "") << "type " << type;
  }
}

TEST_F(RegistryBytes, ReadGivesTheWholeValueWhateverItsLength) {
  const std::string longer = linearX_ + std::string(8, '\x7F');
  ASSERT_TRUE(user_.Set(kMouseKey, kMouseCurveX, REG_BINARY, longer));
  EXPECT_EQ(ReadRegistryBytes(HKEY_CURRENT_USER, kMouseCurveXPath), longer);
  const std::string large(100000, '\x5C');
  ASSERT_TRUE(user_.Set(kMouseKey, kMouseCurveX, REG_BINARY, large));
  EXPECT_EQ(ReadRegistryBytes(HKEY_CURRENT_USER, kMouseCurveXPath), large);
}

TEST_F(RegistryBytes, SplitsAtTheLastBackslashOnACharacterBoundary) {
  // "筡" is B9 5C in code page 936: its second byte is no separator.
  const std::string name = "A\xB9\x5C" "B";
  ASSERT_TRUE(WriteRegistryBytes(HKEY_CURRENT_USER, std::string(kMouseKey) + "\\" + name, linearX_));
  EXPECT_EQ(user_.Get(kMouseKey, name.c_str()).bytes, linearX_);
  EXPECT_EQ(ReadRegistryBytes(HKEY_CURRENT_USER, std::string(kMouseKey) + "\\" + name), linearX_);

  // No backslash: the whole text names a value of the root itself.
  ASSERT_TRUE(WriteRegistryBytes(HKEY_CURRENT_USER, "TopValue", "xy"));
  EXPECT_EQ(user_.Get("", "TopValue").bytes, "xy");
  EXPECT_EQ(ReadRegistryBytes(HKEY_CURRENT_USER, "TopValue"), "xy");
}

TEST_F(RegistryBytes, WriteReportsFailure) {
  // Under a volatile key no lasting key can be created.
  HKEY volatileKey = nullptr;
  ASSERT_EQ(RegCreateKeyExA(user_.key(), "Volatile", 0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr,
                            &volatileKey, nullptr),
            ERROR_SUCCESS);
  RegCloseKey(volatileKey);
  EXPECT_FALSE(WriteRegistryBytes(HKEY_CURRENT_USER, "Volatile\\Missing\\Value", linearX_));
  EXPECT_EQ(user_.Get("Volatile\\Missing", "Value").type, static_cast<DWORD>(REG_NONE));

  // A value name beyond the system's limit is refused by the store itself.
  EXPECT_FALSE(WriteRegistryBytes(HKEY_CURRENT_USER, std::string(kMouseKey) + "\\" + std::string(20000, 'v'), "x"));
}
