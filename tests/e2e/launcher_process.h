// Driving the real launcher.exe from outside: a copy in a scratch folder, started from another working
// folder, its windows found by title and its controls by their ids.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "base/handles.h"
#include "test_support.h"
#include "ui/model/layout.h"

namespace test {

// The launcher named by LAUNCHER_EXE (a Linux path, as ctest sets it) as Windows sees it: the Linux root
// is drive Z:. Empty when LAUNCHER_EXE is not set.
std::string LauncherExe();
// The built launcher.exe (its fakes are built beside the test program: BesideThisProgram).
std::string BuiltLauncher();
bool CopyTo(const std::string& from, const std::string& to);

class LauncherProcess {
 public:
  // Starts `exe` with `arguments` in `workingDir`. With `unixLocale` it runs in that Unix locale, not the
  // test's (a Wine process takes its code page from it): started through the Unix env and wine, and
  // then found by its executable's path.
  LauncherProcess(const std::string& exe, const std::string& workingDir, const std::string& arguments = "",
                  const char* unixLocale = nullptr);
  ~LauncherProcess();  // ends a launcher still running
  LauncherProcess(const LauncherProcess&) = delete;
  LauncherProcess& operator=(const LauncherProcess&) = delete;

  bool started() const { return static_cast<bool>(process_); }
  DWORD pid() const { return pid_; }
  // The visible top-level window of this process with that title, waiting for it; null on timeout.
  HWND WaitForWindow(const char* title, DWORD timeoutMs = kDefaultTimeoutMs) const;
  HWND MainWindow(DWORD timeoutMs = kDefaultTimeoutMs) const;
  // Waits for the process to end; true with its exit code when it did.
  bool WaitForExit(DWORD* exitCode, DWORD timeoutMs = kDefaultTimeoutMs) const;

 private:
  UniqueKernelHandle process_;
  DWORD pid_ = 0;
};

// A control of a launcher window by its layout name.
HWND ControlOf(HWND window, const ui::WindowLayout& layout, const char* name);
// The settings a launcher's MainWindow shows: its path box, lists and switch boxes.
LaunchSettings ShownSettings(HWND main);
// Text of a combo box item in another process (sent as Unicode and converted: see PLATFORM notes).
std::string RemoteItemText(HWND combo, int index);
void Click(HWND button);  // posted, so a box that the click opens does not block the test

// The starts that the fake game logged in `logFile` (game.log beside it), in order: its command line and
// its current folder, each start's record once it is whole.
struct GameStart {
  std::string commandLine;
  std::string folder;
};
std::vector<GameStart> GameStarts(const std::string& logFile);

}  // namespace test
