// The code page 936 rules against the system's own: which bytes begin a two-byte character.
#include <gtest/gtest.h>
#include <windows.h>

#include "base/text.h"

TEST(CodePage936, LeadBytesAreTheSystemsOwn) {
  // 0x80 (the euro sign) and 0xFF stand alone; 0x81 to 0xFE begin a two-byte character.
  for (int b = 0; b < 256; ++b) {
    EXPECT_EQ(cp936::IsLeadByte(static_cast<unsigned char>(b)), IsDBCSLeadByteEx(936, static_cast<BYTE>(b)) != FALSE)
        << "byte " << b;
  }
}
