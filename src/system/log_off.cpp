// The log-off as the system carries it out: the platform check, the shutdown privilege and the
// request itself.
#include "system/log_off.h"

#include <windows.h>

#include "base/handles.h"

namespace {

bool IsNtPlatform() {
  OSVERSIONINFOA version = {};
  version.dwOSVersionInfoSize = sizeof version;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  if (!GetVersionExA(&version)) return false;
#pragma GCC diagnostic pop
  return version.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

bool EnableShutdownPrivilege() {
  UniqueKernelHandle token;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, token.put())) return false;
  TOKEN_PRIVILEGES privileges = {};
  privileges.PrivilegeCount = 1;
  privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
  if (!LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &privileges.Privileges[0].Luid)) return false;
  // Success of the call alone is not enough: ERROR_NOT_ALL_ASSIGNED means the account lacks it.
  SetLastError(ERROR_SUCCESS);
  if (!AdjustTokenPrivileges(token.get(), FALSE, &privileges, 0, nullptr, nullptr)) return false;
  return GetLastError() == ERROR_SUCCESS;
}

// Every program is asked first (WM_QUERYENDSESSION) and may save its work or refuse; only one that hangs
// is ended without its answer. EWX_FORCE would end them all unasked, unsaved work lost.
bool RequestLogOff() { return ExitWindowsEx(EWX_LOGOFF | EWX_FORCEIFHUNG, 0) != FALSE; }

constexpr LogOffSteps kSystemSteps = {IsNtPlatform, EnableShutdownPrivilege, RequestLogOff};

}  // namespace

const LogOffSteps& SystemLogOffSteps() { return kSystemSteps; }

bool ForceLogOff() { return ForceLogOff(kSystemSteps); }
