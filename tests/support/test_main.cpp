// Entry of every test executable: refuses to run unless the ANSI code page is 936, since every text
// of the launcher is a code page 936 text.
#include <windows.h>

#include <cstdio>

#include "gtest/gtest.h"

int main(int argc, char** argv) {
  if (GetACP() != 936) {
    std::fprintf(stderr, "The ANSI code page is %u, not 936: run under LC_ALL=zh_CN.UTF-8.\n", GetACP());
    return 1;
  }
  SetErrorMode(GetErrorMode() | SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX | SEM_NOGPFAULTERRORBOX);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
