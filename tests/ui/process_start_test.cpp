// The launcher's start, run in this process: its error mode, its own folder as the current folder,
// MainWindow shown, and the loop ending with 0 when the window closes.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <string>
#include <thread>

#include "base/text.h"
#include "core/process_start.h"
#include "test_support.h"
#include "ui/layouts/main_window.h"

// Also: after the start no DLL is loaded by name from the program's own folder or the current folder,
// as a game folder would offer (stray.dll is built beside this test program).
TEST(ProcessStart, AddsToTheErrorModeMovesToItsOwnFolderAndEndsWithTheLastWindow) {
  char saved[MAX_PATH * 4] = {};
  GetCurrentDirectoryA(sizeof saved, saved);
  const UINT savedMode = GetErrorMode();
  test::ScratchDir elsewhere;
  ASSERT_TRUE(SetCurrentDirectoryA(elsewhere.path().c_str()));
  ASSERT_TRUE(CopyFileA(test::BesideThisProgram("stray.dll").c_str(), elsewhere.File("current.dll").c_str(), FALSE));
  // Before the start both are found by name.
  for (const char* dll : {"stray.dll", "current.dll"}) {
    HMODULE found = LoadLibraryA(dll);
    ASSERT_NE(found, nullptr) << dll;
    FreeLibrary(found);
  }
  SetErrorMode(SEM_NOGPFAULTERRORBOX);  // a bit the launcher inherits and must keep
  MSG quit;
  while (PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
  }

  std::atomic<UINT> modeSeen{0};
  std::string folderSeen;
  std::atomic<bool> shown{false};
  std::thread closer([&] {
    HWND window = nullptr;
    const bool found = test::PollUntil(
        [&] { return (window = test::TopLevel(MainWindow.title, GetCurrentProcessId(), true)) != nullptr; });
    if (!found) return;
    shown = true;
    modeSeen = GetErrorMode();
    char folder[MAX_PATH * 4] = {};
    GetCurrentDirectoryA(sizeof folder, folder);
    folderSeen = folder;
    PostMessageA(window, WM_CLOSE, 0, 0);
  });
  const int exitCode = RunLauncher();
  closer.join();

  SetErrorMode(savedMode);
  SetCurrentDirectoryA(saved);
  ASSERT_TRUE(shown.load());
  EXPECT_EQ(exitCode, 0);
  EXPECT_EQ(modeSeen.load(), static_cast<UINT>(SEM_NOGPFAULTERRORBOX | SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX));
  EXPECT_EQ(folderSeen, DirectoryOfModulePath(test::ThisProgram(), cp936::IsLeadByte));
  EXPECT_EQ(LauncherDirectory(), folderSeen);

  ASSERT_TRUE(SetCurrentDirectoryA(elsewhere.path().c_str()));
  EXPECT_EQ(LoadLibraryA("stray.dll"), nullptr);
  EXPECT_EQ(LoadLibraryA("current.dll"), nullptr);
  SetCurrentDirectoryA(saved);
}
