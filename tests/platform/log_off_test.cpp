// The log-off's system steps that are safe to run in the test process: the platform check and the
// shutdown privilege. The log-off request itself is never made here: under Wine it ends every process
// of the prefix.
#include <gtest/gtest.h>

#include <windows.h>

#include "base/handles.h"
#include "system/log_off.h"

namespace {

// Sets the shutdown privilege of this process on or off; the account holds it under Wine.
bool SetShutdownPrivilege(bool enabled) {
  UniqueKernelHandle token;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, token.put())) return false;
  TOKEN_PRIVILEGES privileges = {};
  privileges.PrivilegeCount = 1;
  privileges.Privileges[0].Attributes = enabled ? SE_PRIVILEGE_ENABLED : 0;
  if (!LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &privileges.Privileges[0].Luid)) return false;
  return AdjustTokenPrivileges(token.get(), FALSE, &privileges, 0, nullptr, nullptr) &&
         GetLastError() == ERROR_SUCCESS;
}

bool ShutdownPrivilegeEnabled() {
  UniqueKernelHandle token;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, token.put())) return false;
  PRIVILEGE_SET set = {};
  set.PrivilegeCount = 1;
  set.Control = PRIVILEGE_SET_ALL_NECESSARY;
  if (!LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &set.Privilege[0].Luid)) return false;
  BOOL held = FALSE;
  return PrivilegeCheck(token.get(), &set, &held) && held;
}

}  // namespace

TEST(LogOffSteps, EnableTheShutdownPrivilegeOnNt) {
  const LogOffSteps& steps = SystemLogOffSteps();
  EXPECT_TRUE(steps.isNtPlatform());  // Wine reports an NT-family system
  ASSERT_TRUE(SetShutdownPrivilege(false));
  ASSERT_FALSE(ShutdownPrivilegeEnabled());
  EXPECT_TRUE(steps.enableShutdownPrivilege());
  EXPECT_TRUE(ShutdownPrivilegeEnabled());
  EXPECT_TRUE(steps.enableShutdownPrivilege());  // already enabled: still in force
}
