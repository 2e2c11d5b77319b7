// A stand-in for the game: appends its command line and current folder to game.log beside itself,
// one record per start, then exits.
#include <windows.h>

#include <string>

int main() {
  char module[MAX_PATH * 4] = {};
  const DWORD n = GetModuleFileNameA(nullptr, module, sizeof module);
  std::string log(module, n);
  log = log.substr(0, log.find_last_of('\\') + 1) + "game.log";

  char current[MAX_PATH * 4] = {};
  GetCurrentDirectoryA(sizeof current, current);
  const std::string record = std::string("cmd=") + GetCommandLineA() + "\r\ncwd=" + current + "\r\n";

  HANDLE file = CreateFileA(log.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 1;
  DWORD written = 0;
  WriteFile(file, record.data(), static_cast<DWORD>(record.size()), &written, nullptr);
  CloseHandle(file);
  return 0;
}
