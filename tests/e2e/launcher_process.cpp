// Driving the real launcher.exe from outside.
#include "launcher_process.h"

#include <cstdlib>
#include <vector>

#include "snapshot.h"
#include "ui/layouts/main_window.h"
#include "ui/model/model.h"

namespace test {

std::string LauncherExe() {
  const char* unixPath = std::getenv("LAUNCHER_EXE");
  if (!unixPath || !*unixPath) return {};
  std::string path = std::string("Z:") + unixPath;
  for (char& c : path) c = c == '/' ? '\\' : c;
  return path;
}

std::string BuiltLauncher() {
  const std::string exe = LauncherExe();
  return !exe.empty() ? exe : BesideThisProgram("..\\launcher.exe");
}

bool CopyTo(const std::string& from, const std::string& to) { return CopyFileA(from.c_str(), to.c_str(), FALSE) != 0; }

namespace {
// The process running that executable, or 0.
DWORD ProcessRunning(const std::string& exe) {
  for (const PROCESSENTRY32& entry : Processes()) {
    UniqueKernelHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, entry.th32ProcessID));
    char image[MAX_PATH * 4] = {};
    DWORD size = sizeof image;
    if (process && QueryFullProcessImageNameA(process.get(), 0, image, &size) && lstrcmpiA(image, exe.c_str()) == 0) {
      return entry.th32ProcessID;
    }
  }
  return 0;
}
}  // namespace

LauncherProcess::LauncherProcess(const std::string& exe, const std::string& workingDir, const std::string& arguments,
                                 const char* unixLocale) {
  std::string commandLine = "\"" + exe + "\"";
  if (!arguments.empty()) commandLine += " " + arguments;
  if (unixLocale) commandLine = std::string("Z:\\usr\\bin\\env LC_ALL=") + unixLocale + " wine " + commandLine;
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessA(unixLocale ? nullptr : exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      workingDir.c_str(), &si, &pi)) {
    return;
  }
  CloseHandle(pi.hThread);
  process_.reset(pi.hProcess);
  pid_ = pi.dwProcessId;
  if (unixLocale) {
    pid_ = 0;
    WaitUntil([&] { return (pid_ = ProcessRunning(exe)) != 0; });
    process_.reset(pid_ ? OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE | PROCESS_QUERY_INFORMATION, FALSE, pid_)
                        : nullptr);
  }
}

LauncherProcess::~LauncherProcess() {
  if (process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT) {
    TerminateProcess(process_.get(), 1);
    WaitForSingleObject(process_.get(), 5000);
  }
}

HWND LauncherProcess::WaitForWindow(const char* title, DWORD timeoutMs) const {
  HWND found = nullptr;
  WaitUntil([&] { return (found = TopLevel(title, pid_, true)) != nullptr; }, timeoutMs);
  return found;
}

HWND LauncherProcess::MainWindow(DWORD timeoutMs) const { return WaitForWindow(::MainWindow.title, timeoutMs); }

bool LauncherProcess::WaitForExit(DWORD* exitCode, DWORD timeoutMs) const {
  if (!process_) return false;
  if (!WaitUntil([&] { return WaitForSingleObject(process_.get(), 0) == WAIT_OBJECT_0; }, timeoutMs)) return false;
  DWORD code = 0;
  GetExitCodeProcess(process_.get(), &code);
  if (exitCode) *exitCode = code;
  return true;
}

HWND ControlOf(HWND window, const ui::WindowLayout& layout, const char* name) {
  return GetDlgItem(window, ui::ControlId(layout, name));
}

LaunchSettings ShownSettings(HWND main) {
  const auto send = [&](const char* name, UINT msg) {
    return static_cast<int>(SendMessageA(ControlOf(main, ::MainWindow, name), msg, 0, 0));
  };
  return {.gamePath = WindowText(ControlOf(main, ::MainWindow, "编辑框1")),
          .resolutionIndex = send("组合框1", CB_GETCURSEL), .refreshRateIndex = send("组合框2", CB_GETCURSEL),
          .colorDepthIndex = send("组合框3", CB_GETCURSEL), .noForceMouseAccel = send("选择框1", BM_GETCHECK) == BST_CHECKED,
          .noForceMouseParms = send("选择框2", BM_GETCHECK) == BST_CHECKED,
          .noForceMouseSpeed = send("选择框3", BM_GETCHECK) == BST_CHECKED};
}

std::string RemoteItemText(HWND combo, int index) {
  wchar_t wide[1024] = {};
  if (SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(wide)) == CB_ERR) return {};
  char text[2048] = {};
  WideCharToMultiByte(936, 0, wide, -1, text, sizeof text, nullptr, nullptr);
  return text;
}

void Click(HWND button) { PostMessageA(button, BM_CLICK, 0, 0); }

std::vector<GameStart> GameStarts(const std::string& logFile) {
  std::vector<GameStart> starts;
  std::string commandLine;
  for (const std::string& line : Lines(ReadFileBytes(logFile))) {
    if (line.rfind("cmd=", 0) == 0) commandLine = line.substr(4);
    if (line.rfind("cwd=", 0) == 0) starts.push_back({commandLine, line.substr(4)});
  }
  return starts;
}

}  // namespace test
