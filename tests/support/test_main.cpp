// Entry of every test executable: refuses to run unless the ANSI code page is 936, since every text
// of the launcher is a code page 936 text, and keeps the name of the test that is running in a file
// beside the executable (tests/run-group.sh names it when the group overruns its time limit).
#include <windows.h>

#include <cstdio>
#include <string>

#include "gtest/gtest.h"

namespace {

// "<executable>.current-test" holds the full name of the test started last; it is removed when every
// test has run.
class CurrentTestFile : public testing::EmptyTestEventListener {
 public:
  CurrentTestFile() {
    char exe[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    path_ = std::string(exe) + ".current-test";
  }
  void OnTestStart(const testing::TestInfo& test) override {
    if (FILE* f = std::fopen(path_.c_str(), "w")) {
      std::fprintf(f, "%s.%s\n", test.test_suite_name(), test.name());
      std::fclose(f);
    }
  }
  void OnTestProgramEnd(const testing::UnitTest&) override { std::remove(path_.c_str()); }

 private:
  std::string path_;
};

}  // namespace

int main(int argc, char** argv) {
  if (GetACP() != 936) {
    std::fprintf(stderr, "The ANSI code page is %u, not 936: run under LC_ALL=zh_CN.UTF-8.\n", GetACP());
    return 1;
  }
  SetErrorMode(GetErrorMode() | SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX | SEM_NOGPFAULTERRORBOX);
  testing::InitGoogleTest(&argc, argv);
  testing::UnitTest::GetInstance()->listeners().Append(new CurrentTestFile);
  return RUN_ALL_TESTS();
}
