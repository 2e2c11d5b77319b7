// A stand-in for the game: appends its command line and current folder to game.log beside itself, one
// record per start, then exits. It reads them as Unicode and writes them in code page 936, so a game
// started in another code page still logs a Chinese path right.
#include <windows.h>

#include <string>

namespace {
std::string InCodePage936(const wchar_t* wide) {
  char text[MAX_PATH * 8] = {};
  WideCharToMultiByte(936, 0, wide, -1, text, sizeof text, nullptr, nullptr);
  return text;
}
}  // namespace

int main() {
  wchar_t module[MAX_PATH * 4] = {};
  const DWORD n = GetModuleFileNameW(nullptr, module, MAX_PATH * 4);
  std::wstring log(module, n);
  log = log.substr(0, log.find_last_of(L'\\') + 1) + L"game.log";

  wchar_t current[MAX_PATH * 4] = {};
  GetCurrentDirectoryW(MAX_PATH * 4, current);
  const std::string record = "cmd=" + InCodePage936(GetCommandLineW()) + "\r\ncwd=" + InCodePage936(current) + "\r\n";

  // Wine appends by asking the file's size and writing there, which two games started together can do
  // at once, the second record then overwriting the first: the games take turns (the turn's handle
  // closes with the process).
  const HANDLE turn = CreateMutexW(nullptr, FALSE, L"fake_game.log");
  WaitForSingleObject(turn, INFINITE);
  HANDLE file = CreateFileW(log.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written = 0;
  const bool logged = file != INVALID_HANDLE_VALUE &&
                      WriteFile(file, record.data(), static_cast<DWORD>(record.size()), &written, nullptr);
  if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
  ReleaseMutex(turn);
  return logged ? 0 : 1;
}
