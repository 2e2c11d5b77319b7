// Stands in for the system's rundll32.exe in end-to-end tests: appends its command line, one per line,
// to the file named by FAKE_RUNDLL32_LOG, and ends.
#include <windows.h>

#include <cstdio>

int main() {
  char log[MAX_PATH] = {};
  const DWORD length = GetEnvironmentVariableA("FAKE_RUNDLL32_LOG", log, sizeof log);
  if (length == 0 || length >= sizeof log) return 1;
  FILE* file = std::fopen(log, "ab");
  if (!file) return 1;
  std::fprintf(file, "%s\n", GetCommandLineA());
  std::fclose(file);
  return 0;
}
