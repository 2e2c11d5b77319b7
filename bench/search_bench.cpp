// Times the drive search against a plain walk of the same tree: (a) a recursive FindFirstFileA walk,
// (b) that walk plus one synchronous WM_SETTEXT per entry to a multi-line edit of another thread (the
// floor that showing every path imposes), and (c) the launcher's own search from the 搜索 click until
// the box says "没有找到CS文件". Run by scripts/bench.sh, which makes the tree and maps the drive.
#include <windows.h>

#include <cstdio>
#include <string>

#include "locate/drive_search.h"
#include "ui/layouts/main_window.h"
#include "ui/layouts/search_window.h"
#include "ui/model/model.h"
#include "ui/model/threads.h"

namespace {

double Now() {
  LARGE_INTEGER frequency, counter;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&counter);
  return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Walks like the search does, descending only into folders; calls `each` with every entry's path.
template <class Each>
long Walk(const std::string& folder, Each& each) {
  long entries = 0;
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA((folder + "*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return 0;
  do {
    ++entries;
    const std::string path = folder + data.cFileName;
    each(path);
    if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && data.cFileName[0] != '.') {
      entries += Walk(path + "\\", each);
    }
  } while (FindNextFileA(find, &data));
  FindClose(find);
  return entries;
}

struct WalkJob {
  std::string root;
  HWND edit;
  long entries;
};

DWORD WINAPI WalkShowing(void* p) noexcept {
  auto* job = static_cast<WalkJob*>(p);
  auto show = [&](const std::string& path) {
    SendMessageA(job->edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
  };
  job->entries = Walk(job->root, show);
  return 0;
}

// Handles the calling thread's messages until `thread` has ended.
void PumpUntilEnded(HANDLE thread) {
  for (;;) {
    const DWORD r = MsgWaitForMultipleObjects(1, &thread, FALSE, INFINITE, QS_ALLINPUT);
    if (r == WAIT_OBJECT_0 || r == WAIT_FAILED) return;
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message != WM_QUIT) ui::DispatchWindowMessage(msg);
    }
  }
}

double PlainWalk(const std::string& root, long* entries) {
  auto nothing = [](const std::string&) {};
  const double start = Now();
  *entries = Walk(root, nothing);
  return Now() - start;
}

double WalkWithEdit(const std::string& root, long* entries) {
  HWND edit = CreateWindowExA(0, "EDIT", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL, 0, 0,
                              208, 32, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  WalkJob job{root, edit, 0};
  const double start = Now();
  HANDLE thread = CreateThread(nullptr, 0, WalkShowing, &job, 0, nullptr);
  PumpUntilEnded(thread);
  const double seconds = Now() - start;
  CloseHandle(thread);
  DestroyWindow(edit);
  *entries = job.entries;
  return seconds;
}

double LauncherSearch(char letter, bool* completed) {
  *completed = false;
  if (!ui::Load(MainWindow)) return 0;
  OnOpenSearchClicked();
  using namespace search_window;
  const int n = ui::ItemCount(SearchWindow, kDriveList);
  for (int i = 0; i < n; ++i) {
    if (ui::ItemText(SearchWindow, kDriveList, i)[0] == letter) ui::SetCurrentSelection(SearchWindow, kDriveList, i);
  }
  if (ui::CurrentDrive(SearchWindow, kDriveList) != std::string(1, letter)) return 0;

  const double start = Now();
  OnStartSearchClicked();
  PumpUntilEnded(WorkerHandle.load());
  const double seconds = Now() - start;
  *completed = ui::Content(SearchWindow, kSearchBox) == "没有找到CS文件";
  ui::Destroy(MainWindow);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
  return seconds;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || !argv[1][0]) {
    std::fprintf(stderr, "usage: search_bench <drive letter of the generated tree>\n");
    return 2;
  }
  const char letter = static_cast<char>(argv[1][0] & ~0x20);
  const std::string root = std::string(1, letter) + ":\\";

  long entries = 0, shownEntries = 0;
  PlainWalk(root, &entries);  // warms the file system's caches for every run alike
  const double a = PlainWalk(root, &entries);
  const double b = WalkWithEdit(root, &shownEntries);
  bool completed = false;
  const double c = LauncherSearch(letter, &completed);
  if (entries == 0 || !completed) {
    std::fprintf(stderr, "the search of %s did not run to its end (%ld entries)\n", root.c_str(), entries);
    return 1;
  }
  std::printf("entries walked: %ld\n", entries);
  std::printf("(a) plain FindFirstFileA walk:          %8.3f s  %10.0f entries/s\n", a, entries / a);
  std::printf("(b) walk + WM_SETTEXT to another thread: %8.3f s  %10.0f entries/s\n", b, entries / b);
  std::printf("(c) launcher search, click to result:   %8.3f s  %10.0f entries/s\n", c, entries / c);
  std::printf("c/a = %.2f   c/b = %.2f   (target c/b <= 1.25)\n", c / a, c / b);
  return 0;
}
