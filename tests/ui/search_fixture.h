// What the drive search tests share: a scratch folder mapped to a drive letter that the search walks,
// trees made in it, and SearchWindow opened on that drive with every text its search box is given
// recorded.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui_test_helpers.h"

namespace search_test {

// The drive letter the tests search (S:), mapped to an empty folder of the build before the tests start
// (tests/fixtures/map-search-drive.sh); '\0' with a failure when it is not mapped.
char TestDrive();
std::string Root();  // "S:\"

// Empties the test drive, then makes each path below its root: a path ending in "\" is a folder,
// any other an empty file (its folders are made as needed).
void MakeTree(const std::vector<std::string>& paths);
// Makes a path below the test drive's root a Unix symbolic link to `target` (as ln -s takes it). Wine
// lists a link to a folder as Windows lists a junction (0x410) and opens it as its target.
void MakeLink(const std::string& path, const std::string& target);
// Paths for MakeTree from `format` given a folder number and a file number (e.g. "f%d\\%d"), folder by
// folder.
std::vector<std::string> NumberedFiles(const char* format, int folders, int filesPerFolder);

// Every text SearchWindow's 编辑框1 is given (WM_SETTEXT), in order, while it is being recorded.
std::vector<std::string>& Recorded();

// The search box of SearchWindow's native window; null when not loaded.
HWND SearchBoxHwnd();

// Loads MainWindow, opens SearchWindow with MainWindow's 搜索, selects the test drive and records the
// search box. Tears everything down after each test, ending a walk still running.
class SearchWindowTest : public uitest::RealMainWindowTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Opens SearchWindow again (after it was closed or hidden) and records its box anew.
  void Reopen();
  void SelectTestDrive();
  // True once the most recent worker has ended (or none was started).
  static bool WalkEnded();
  // Waits until the most recent worker has ended, then handles what it left queued.
  static void WaitForWalkEnd();
};

// Counts of the process's open handles and threads.
DWORD HandleCount();
DWORD ThreadCount();

}  // namespace search_test
