// The drive search tests' scratch drive, trees, and SearchWindow with its search box recorded.
#include "search_fixture.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "locate/drive_search.h"
#include "snapshot.h"
#include "test_support.h"
#include "ui/layouts/main_window.h"
#include "ui/layouts/search_window.h"
#include "ui/model/model.h"

namespace search_test {
namespace {

constexpr char kLetter = 'S';

std::vector<std::string> g_recorded;
WNDPROC g_editProc = nullptr;

LRESULT CALLBACK RecordingEditProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_SETTEXT && lp) g_recorded.emplace_back(reinterpret_cast<const char*>(lp));
  return CallWindowProcA(g_editProc, hwnd, msg, wp, lp);
}

void RecordSearchBox() {
  HWND edit = SearchBoxHwnd();
  ASSERT_NE(edit, nullptr);
  // A window built anew has a new box; one already recorded is left as it is.
  if (GetWindowLongPtrA(edit, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(RecordingEditProc)) return;
  g_editProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RecordingEditProc)));
}

// The test drive's folder as the Unix side names it, below the build's fixtures (ctest tells where).
std::string UnixPath(std::string below) {
  const char* fixtures = std::getenv("LAUNCHER_FIXTURES");
  std::replace(below.begin(), below.end(), '\\', '/');
  return fixtures ? std::string(fixtures) + "/search-drive/" + below : std::string();
}

// Starts a Unix program named by its path on drive Z: (Wine runs it as it is). The handle Wine gives
// back may end before the program does: the caller waits for what the program does.
void StartUnix(std::string commandLine) {
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return;
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
}

// A drive's root lists no "." and "..": anything listed is left over.
bool ListsAnything(const std::string& folder) {
  WIN32_FIND_DATAA data;
  const HANDLE find = FindFirstFileA((folder + "*").c_str(), &data);
  return find != INVALID_HANDLE_VALUE && FindClose(find);
}

}  // namespace

char TestDrive() {
  static const bool mapped = (GetLogicalDrives() & (1u << (kLetter - 'A'))) != 0 &&
                             GetFileAttributesA((std::string(1, kLetter) + ":\\").c_str()) != INVALID_FILE_ATTRIBUTES;
  EXPECT_TRUE(mapped) << "drive " << kLetter << ": is not mapped; run the tests with ctest, or run "
                      << "tests/fixtures/map-search-drive.sh <build folder> first";
  return mapped ? kLetter : '\0';
}

std::string Root() { return std::string(1, TestDrive()) + ":\\"; }

void MakeTree(const std::vector<std::string>& paths) {
  const std::string root = Root();
  test::RemoveTree(root.substr(0, 2), true);
  // Wine cannot remove a Unix link (MakeLink's): what is left goes from the Unix side.
  const std::string unixRoot = UnixPath("");
  if (!unixRoot.empty() && ListsAnything(root)) StartUnix("Z:\\usr\\bin\\find " + unixRoot + " -mindepth 1 -delete");
  ASSERT_TRUE(test::WaitUntil([&] { return !ListsAnything(root); }));
  for (const std::string& path : paths) {
    for (size_t cut = path.find('\\'); cut != std::string::npos; cut = path.find('\\', cut + 1)) {
      CreateDirectoryA((root + path.substr(0, cut)).c_str(), nullptr);
    }
    if (!path.empty() && path.back() != '\\') test::WriteFileBytes(root + path, "");
    ASSERT_TRUE(test::FileExists(root + path)) << path;
  }
}

void MakeLink(const std::string& path, const std::string& target) {
  StartUnix("Z:\\usr\\bin\\ln -s " + target + " " + UnixPath(path));
  constexpr DWORD kLinkToFolder = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT;
  ASSERT_TRUE(test::WaitUntil([&] { return GetFileAttributesA((Root() + path).c_str()) == kLinkToFolder; })) << path;
}

std::vector<std::string> NumberedFiles(const char* format, int folders, int filesPerFolder) {
  std::vector<std::string> paths;
  for (int folder = 0; folder < folders; ++folder) {
    for (int file = 0; file < filesPerFolder; ++file) {
      char path[64];
      std::snprintf(path, sizeof path, format, folder, file);
      paths.push_back(path);
    }
  }
  return paths;
}

std::vector<std::string>& Recorded() { return g_recorded; }

HWND SearchBoxHwnd() {
  const HWND window = test::TopLevel(SearchWindow.title);
  return window ? GetDlgItem(window, ui::ControlId(SearchWindow, search_window::kSearchBox)) : nullptr;
}

void SearchWindowTest::SetUp() {
  ASSERT_TRUE(TestDrive());
  RealMainWindowTest::SetUp();
  Reopen();
}

void SearchWindowTest::Reopen() {
  OnOpenSearchClicked();
  ASSERT_TRUE(ui::IsLoaded(SearchWindow));
  RecordSearchBox();
  g_recorded.clear();
  SelectTestDrive();
}

void SearchWindowTest::SelectTestDrive() {
  for (int i = 0; i < ui::ItemCount(SearchWindow, search_window::kDriveList); ++i) {
    if (ui::ItemText(SearchWindow, search_window::kDriveList, i).rfind(std::string(1, TestDrive()) + ":", 0) == 0) {
      ui::SetCurrentSelection(SearchWindow, search_window::kDriveList, i);
      break;
    }
  }
  ASSERT_EQ(ui::CurrentDrive(SearchWindow, search_window::kDriveList), std::string(1, TestDrive()));
}

void SearchWindowTest::TearDown() {
  RealMainWindowTest::TearDown();
  EXPECT_EQ(WorkerHandle.load(), nullptr);
  g_recorded.clear();
}

bool SearchWindowTest::WalkEnded() {
  HANDLE worker = WorkerHandle.load();
  return worker == nullptr || WaitForSingleObject(worker, 0) == WAIT_OBJECT_0;
}

void SearchWindowTest::WaitForWalkEnd() {
  const bool ended = test::WaitUntil(WalkEnded);
  test::PumpMessages();
  ASSERT_TRUE(ended);
}

// GetProcessHandleCount reports 0 under Wine; the system's handle table counts for real there too.
DWORD HandleCount() {
  struct HandleEntry {
    ULONG processId;
    BYTE type, flags;
    USHORT handle;
    void* object;
    ACCESS_MASK access;
  };
  using QuerySystemInformation = LONG(NTAPI*)(ULONG, void*, ULONG, ULONG*);
  constexpr ULONG kSystemHandleInformation = 16;
  constexpr LONG kInfoLengthMismatch = static_cast<LONG>(0xC0000004);
  auto query = reinterpret_cast<QuerySystemInformation>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQuerySystemInformation")));
  if (!query) return 0;
  std::vector<char> buffer(1 << 20);
  ULONG length = 0;
  LONG status;
  while ((status = query(kSystemHandleInformation, buffer.data(), static_cast<ULONG>(buffer.size()), &length)) ==
         kInfoLengthMismatch) {
    buffer.resize(buffer.size() * 2);
  }
  if (status != 0) return 0;
  const ULONG count = *reinterpret_cast<const ULONG*>(buffer.data());
  const auto* entries = reinterpret_cast<const HandleEntry*>(buffer.data() + sizeof(void*));
  DWORD n = 0;
  for (ULONG i = 0; i < count; ++i) n += entries[i].processId == GetCurrentProcessId();
  return n;
}

DWORD ThreadCount() { return static_cast<DWORD>(test::ThreadsOf(GetCurrentProcessId()).size()); }

}  // namespace search_test
