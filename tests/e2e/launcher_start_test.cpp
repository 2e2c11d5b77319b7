// The real launcher.exe started from outside: from another working directory and with arguments it
// shows MainWindow with its own folder as current directory, Esc ends it with code 0, and closing
// MainWindow while SearchWindow is open ends it too.
//
// The launcher's current directory is read from its process parameters (NtQueryInformationProcess and
// ReadProcessMemory): nothing in the program has to report it, and no file has to be written to find it.
#include <windows.h>
#include <winternl.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "base/handles.h"
#include "launcher_process.h"
#include "test_support.h"
#include "ui/layouts/search_window.h"

namespace {

// The current directory of another 32-bit process, as code page 936 text ("C:\dir\", with its backslash).
std::string CurrentDirectoryOf(HANDLE process) {
  using Query = LONG(NTAPI*)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);
  auto query = reinterpret_cast<Query>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQueryInformationProcess")));
  if (!query) return {};
  PROCESS_BASIC_INFORMATION info{};
  if (query(process, ProcessBasicInformation, &info, sizeof info, nullptr) != 0) return {};
  // 32-bit layouts: PEB.ProcessParameters at 0x10, RTL_USER_PROCESS_PARAMETERS.CurrentDirectory.DosPath at 0x24.
  uint32_t parameters = 0;
  if (!ReadProcessMemory(process, reinterpret_cast<const char*>(info.PebBaseAddress) + 0x10, &parameters,
                         sizeof parameters, nullptr)) {
    return {};
  }
  struct {
    USHORT length, maximumLength;
    uint32_t buffer;
  } dosPath{};
  if (!ReadProcessMemory(process, reinterpret_cast<const void*>(static_cast<uintptr_t>(parameters) + 0x24), &dosPath,
                         sizeof dosPath, nullptr)) {
    return {};
  }
  std::wstring wide(dosPath.length / sizeof(wchar_t), L'\0');
  if (!ReadProcessMemory(process, reinterpret_cast<const void*>(static_cast<uintptr_t>(dosPath.buffer)), wide.data(),
                         dosPath.length, nullptr)) {
    return {};
  }
  std::string text(wide.size() * 2 + 1, '\0');
  const int n = WideCharToMultiByte(936, 0, wide.data(), static_cast<int>(wide.size()), text.data(),
                                    static_cast<int>(text.size()), nullptr, nullptr);
  text.resize(n > 0 ? static_cast<size_t>(n) : 0);
  return text;
}

std::string Lower(std::string s) {
  CharLowerBuffA(s.data(), static_cast<DWORD>(s.size()));
  return s;
}

// A copy of launcher.exe in a folder of its own (with a Chinese name), started from another folder.
class LauncherStart : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = home_.File("启动器 目录");
    ASSERT_TRUE(CreateDirectoryA(folder_.c_str(), nullptr));
    ASSERT_TRUE(test::CopyTo(test::BuiltLauncher(), folder_ + "\\launcher.exe"));
    launcher_ = std::make_unique<test::LauncherProcess>(folder_ + "\\launcher.exe", elsewhere_.path(),
                                                        "-game cstrike /参数 \"带 空格\"");
    ASSERT_TRUE(launcher_->started());
    main_ = launcher_->MainWindow();
    ASSERT_NE(main_, nullptr) << "MainWindow did not show";
  }

  test::ScratchDir home_, elsewhere_;
  std::string folder_;
  std::unique_ptr<test::LauncherProcess> launcher_;
  HWND main_ = nullptr;
};

TEST_F(LauncherStart, StartsInItsOwnFolderAndEscEndsIt) {
  UniqueKernelHandle process(OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, launcher_->pid()));
  ASSERT_TRUE(process);
  EXPECT_EQ(Lower(CurrentDirectoryOf(process.get())), Lower(folder_ + "\\"));
  RECT rc;
  GetWindowRect(main_, &rc);
  EXPECT_EQ(rc.right - rc.left, 310);
  EXPECT_EQ(rc.bottom - rc.top, 242);

  PostMessageA(main_, WM_KEYDOWN, VK_ESCAPE, 1);
  DWORD code = 12345;
  ASSERT_TRUE(launcher_->WaitForExit(&code));
  EXPECT_EQ(code, 0u);
  // Nothing is saved on the way out.
  EXPECT_FALSE(test::FileExists(folder_ + "\\option.ini"));
  EXPECT_FALSE(test::FileExists(elsewhere_.File("option.ini")));
}

TEST_F(LauncherStart, ClosingMainWindowWithSearchWindowOpenEndsIt) {
  HWND search = FindWindowExA(main_, nullptr, "Button", "搜索");
  ASSERT_NE(search, nullptr);
  test::Click(search);
  HWND searchWindow = launcher_->WaitForWindow(SearchWindow.title);
  ASSERT_NE(searchWindow, nullptr);
  EXPECT_EQ(GetWindow(searchWindow, GW_OWNER), main_);

  PostMessageA(main_, WM_SYSCOMMAND, SC_CLOSE, 0);
  DWORD code = 12345;
  ASSERT_TRUE(launcher_->WaitForExit(&code));
  EXPECT_EQ(code, 0u);
}

}  // namespace
