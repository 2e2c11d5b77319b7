// The two control panel shortcuts of the real launcher.exe, driven from outside: the system's
// rundll32.exe is swapped for a fake that logs its command line, and Wine is told to run that file.
// Wine takes WINEDLLOVERRIDES only from the environment its first process started with, so the
// override goes into the prefix's registry instead, for the length of the test.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "core/handles.h"
#include "test_support.h"
#include "ui/layouts/main_window.h"
#include "ui/model/model.h"

namespace {

std::string SystemDirectory() {
  char dir[MAX_PATH] = {};
  GetSystemDirectoryA(dir, sizeof dir);
  return dir;
}

// The launcher's path as Windows sees it: the Linux root is drive Z:.
std::string LauncherExe() {
  const char* unixPath = std::getenv("LAUNCHER_EXE");
  std::string path = "Z:";
  if (unixPath) path.append(unixPath);
  for (char& c : path) c = c == '/' ? '\\' : c;
  return path;
}

// The fakes are built beside the test executables.
std::string BesideThisExe(const char* name) {
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, sizeof self);
  std::string path = self;
  return path.substr(0, path.rfind('\\') + 1) + name;
}

// Puts the fake in place of rundll32.exe and has Wine run the file rather than its own; puts the real
// one back at the end. A real one left aside by an interrupted run is put back first.
class FakeRundll32 {
 public:
  FakeRundll32() : real_(SystemDirectory() + "\\rundll32.exe"), kept_(real_ + ".launcher-test") {
    if (test::FileExists(kept_)) MoveFileExA(kept_.c_str(), real_.c_str(), MOVEFILE_REPLACE_EXISTING);
    RegCreateKeyExA(HKEY_CURRENT_USER, kOverrides, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, overrides_.put(),
                    nullptr);
    const char kNativeFirst[] = "native,builtin";
    if (!overrides_ || RegSetValueExA(overrides_.get(), "rundll32.exe", 0, REG_SZ,
                                      reinterpret_cast<const BYTE*>(kNativeFirst),
                                      sizeof kNativeFirst) != ERROR_SUCCESS) {
      return;
    }
    const std::string fake = BesideThisExe("fake_rundll32.exe");
    installed_ = MoveFileExA(real_.c_str(), kept_.c_str(), MOVEFILE_REPLACE_EXISTING) &&
                 CopyFileA(fake.c_str(), real_.c_str(), FALSE);
  }
  ~FakeRundll32() {
    if (overrides_) RegDeleteValueA(overrides_.get(), "rundll32.exe");
    if (!test::FileExists(kept_)) return;  // the real one was never moved aside
    DeleteFileA(real_.c_str());
    MoveFileExA(kept_.c_str(), real_.c_str(), MOVEFILE_REPLACE_EXISTING);
  }
  FakeRundll32(const FakeRundll32&) = delete;
  FakeRundll32& operator=(const FakeRundll32&) = delete;
  bool installed() const { return installed_; }

 private:
  static constexpr const char* kOverrides = "Software\\Wine\\DllOverrides";
  std::string real_, kept_;
  UniqueRegKey overrides_;
  bool installed_ = false;
};

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
    lines.push_back(text.substr(start, end - start));
  }
  return lines;
}


struct WindowSearch {
  DWORD processId;
  HWND found;
};
BOOL CALLBACK MatchMainWindow(HWND hwnd, LPARAM lp) {
  auto* search = reinterpret_cast<WindowSearch*>(lp);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  if (pid != search->processId || !IsWindowVisible(hwnd) || test::WindowText(hwnd) != MainWindow.title) return TRUE;
  search->found = hwnd;
  return FALSE;
}

}  // namespace

TEST(ControlPanelShortcuts, RunRundll32FromTheSystemDirectory) {
  ASSERT_NE(std::getenv("LAUNCHER_EXE"), nullptr) << "LAUNCHER_EXE names the launcher (ctest sets it)";
  test::ScratchDir scratch;
  const std::string log = scratch.File("rundll32.log");
  FakeRundll32 fake;
  ASSERT_TRUE(fake.installed());

  // The launcher inherits this, and its WinExec children inherit it from the launcher.
  SetEnvironmentVariableA("FAKE_RUNDLL32_LOG", log.c_str());

  std::string commandLine = LauncherExe();
  commandLine.insert(commandLine.begin(), '"');
  commandLine += '"';
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info = {};
  ASSERT_TRUE(CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                             scratch.path().c_str(), &startup, &info));
  UniqueKernelHandle process(info.hProcess);
  UniqueKernelHandle thread(info.hThread);
  SetEnvironmentVariableA("FAKE_RUNDLL32_LOG", nullptr);

  WindowSearch window{info.dwProcessId, nullptr};
  ASSERT_TRUE(test::WaitUntil([&] {
    EnumWindows(MatchMainWindow, reinterpret_cast<LPARAM>(&window));
    return window.found != nullptr;
  }));
  HWND mouse = GetDlgItem(window.found, ui::ControlId(MainWindow, "按钮3"));
  HWND display = GetDlgItem(window.found, ui::ControlId(MainWindow, "按钮9"));
  ASSERT_NE(mouse, nullptr);
  ASSERT_NE(display, nullptr);

  const std::string system = SystemDirectory();
  const std::vector<std::string> expected = {
      system + "\\rundll32.exe shell32.dll,Control_RunDLL main.cpl @0,2",
      system + "\\rundll32.exe shell32.dll,Control_RunDLL desk.cpl,,4",
      system + "\\rundll32.exe shell32.dll,Control_RunDLL main.cpl @0,2",
  };
  // One press at a time, each waited for, so that the log's order is the order of the presses. A
  // second press starts a further process. (A posted BM_CLICK did not reach the handler under Wine.)
  const HWND presses[] = {mouse, display, mouse};
  for (size_t i = 0; i < 3; ++i) {
    SendMessageA(presses[i], BM_CLICK, 0, 0);
    EXPECT_TRUE(test::WaitUntil([&] { return SplitLines(test::ReadFileBytes(log)).size() > i; })) << i;
  }
  EXPECT_EQ(SplitLines(test::ReadFileBytes(log)), expected);

  PostMessageA(window.found, WM_CLOSE, 0, 0);
  EXPECT_EQ(WaitForSingleObject(process.get(), 20000), WAIT_OBJECT_0);
}
