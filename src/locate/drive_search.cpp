// The drive search behind SearchWindow: the buttons' logic on the window thread, and the worker. Every
// access of the worker to a control goes through the window model, which carries it out on the window
// thread before the worker goes on; the worker touches no window itself.
// Defines the handlers OnOpenSearchClicked (MainWindow's 按钮5 "搜索"), OnStartSearchClicked
// (SearchWindow's 按钮1 "搜索"), OnStopSearchClicked (按钮3 "停止"), OnExitSearchClicked (按钮2 "退出")
// and OnSearchWindowClosing (SearchWindow's closing, however it is closed).
#include "locate/drive_search.h"

#include <algorithm>
#include <vector>

#include "base/folder_identity.h"
#include "locate/game_path.h"
#include "locate/search_walk.h"
#include "ui/layouts/main_window.h"
#include "ui/layouts/search_window.h"
#include "ui/model/model.h"
#include "ui/model/threads.h"

std::atomic<LONG> StopRequested{0};
std::atomic<HANDLE> WorkerHandle{nullptr};

namespace {

using namespace search_window;

constexpr const char* kNotFound = "没有找到CS文件";
constexpr const char* kAskSuffix = " 是否为该文件";

// --- The worker ------------------------------------------------------------------------------------

std::string ReadSearchBox() { return ui::Content(SearchWindow, kSearchBox); }
std::string RootText() { return ui::CurrentDrive(SearchWindow, kDriveList) + ":\\"; }

// Asks about what the box holds now (the player may have typed since it was tested). OK confirms;
// Cancel, closing the prompt, or a walk that has been ended meanwhile declines.
bool AskPlayer() { return ui::ShowMessage(ReadSearchBox() + kAskSuffix, ui::kMsgOkCancel) == ui::kOk; }

// The confirmed path goes to MainWindow, the search window is hidden and the walk ends, in one hop to
// the window thread, so that nothing of it happens once the worker has been ended.
void HandOff() {
  ui::RunOnWindowThread([] {
    ui::SetContent(MainWindow, main_window::kGamePathBox, ReadSearchBox());
    ui::SetVisible(SearchWindow, false);
    StopRequested = 1;
  });
}

// One level's listing, owned by that level: closed when it runs out, and at the latest when the level
// ends.
struct DirectoryListing {
  UniqueFindHandle find;
  DWORD attributes = 0;  // of the entry last fetched
};

// What the walk needs on the worker: real listings, the search box, and the prompts.
struct WorkerWalk {
  using Listing = DirectoryListing;

  // A non-empty pattern starts a new listing, an empty one continues it. Returns the name of the next
  // entry, whatever its attributes (a file with none but "normal" is a file like any other), or an empty
  // text when there is none.
  std::string FindEntry(const std::string& pattern, Listing& listing) {
    WIN32_FIND_DATAA data;
    if (!pattern.empty()) {
      listing.find.reset(FindFirstFileA(pattern.c_str(), &data));
      if (!listing.find) return {};
    } else if (!listing.find || !FindNextFileA(listing.find.get(), &data)) {
      listing.find.reset();
      return {};
    }
    listing.attributes = data.dwFileAttributes;
    return data.cFileName;
  }
  search_walk::Kind KindOf(const Listing& listing) const {
    if (!(listing.attributes & FILE_ATTRIBUTE_DIRECTORY)) return search_walk::Kind::File;
    return listing.attributes & FILE_ATTRIBUTE_REPARSE_POINT ? search_walk::Kind::Link : search_walk::Kind::Folder;
  }
  // Opening a link opens what it leads to.
  using FolderId = FolderIdentity;
  bool IdentifyFolder(const std::string& path, FolderId& id) { return ::IdentifyFolder(path, id); }
  void ProcessPendingMessages() { ui::ProcessPendingMessages(); }
  bool Stopping() { return StopRequested.load() != 0 || ui::WorkerAbandoned(); }

  void Show(const std::string& path) { ui::SetContent(SearchWindow, kSearchBox, path); }

  // Shows the path and reads the box back in one hop; what the box holds is tested, since the player
  // may type into it. After a prompt the box is read again.
  bool Examine(const std::string& path) {
    std::string shown;
    ui::RunOnWindowThread([&] {
      ui::SetContent(SearchWindow, kSearchBox, path);
      shown = ReadSearchBox();
    });
    if (FindText(shown.c_str(), kCstrikeMarker) != -1) {
      if (AskPlayer()) {
        HandOff();
        return true;
      }
      // 停止 pressed while the first prompt was open: no second prompt follows.
      if (Stopping()) return false;
      shown = ReadSearchBox();
    }
    if (FindText(shown.c_str(), kHlMarker) != -1 && AskPlayer()) {
      HandOff();
      return true;
    }
    return false;
  }
};

// --- The window thread -----------------------------------------------------------------------------

// Workers whose end is being waited for: a handler that comes in while the window thread handles
// messages during that wait waits for them too before it goes on.
std::vector<HANDLE> g_ending;
// Counts the closings of SearchWindow, so that a start interrupted by one does not go on.
unsigned g_closings = 0;

// Ends the current walk, and any walk whose end an outer handler is still waiting for.
void EndRunningWalk() {
  EndWorkerThread(WorkerHandle.exchange(nullptr));
  const std::vector<HANDLE> ending = g_ending;
  for (HANDLE thread : ending) ui::EndWorker(thread);
}

}  // namespace

DWORD WINAPI SearchWorker(void*) noexcept {
  ui::SetDisabled(SearchWindow, kStartButton, true);
  const std::string root = RootText();
  // A worker ended before it got this far reads no drive and walks nothing.
  if (!ui::WorkerAbandoned()) {
    WorkerWalk walk;
    WalkDirectory(walk, root);
  }
  // The drive is read anew: the player may have picked another one after "停止".
  ui::RunOnWindowThread([] {
    if (RootText() == ReadSearchBox()) ui::SetContent(SearchWindow, kSearchBox, kNotFound);
  });
  ui::SetDisabled(SearchWindow, kDriveList, false);
  ui::SetDisabled(SearchWindow, kStartButton, false);
  return 0;
}

HANDLE StartWorkerThread(LPTHREAD_START_ROUTINE entry, void* parameter, bool runAtOnce, DWORD* threadId) {
  return ui::StartWorker(entry, parameter, runAtOnce, threadId);
}

void EndWorkerThread(HANDLE thread) {
  if (!thread) return;
  g_ending.push_back(thread);
  ui::EndWorker(thread);
  g_ending.erase(std::find(g_ending.begin(), g_ending.end(), thread));
  CloseHandle(thread);
}

void OnOpenSearchClicked() {
  ui::Load(SearchWindow, &MainWindow, false);
  ui::SetVisible(SearchWindow, true);
}

void OnStartSearchClicked() {
  // Cleared here, before the worker exists, so that a 停止 handled from now on, even before the worker
  // has begun or while an earlier walk is being ended, stops this walk. An ended walk needs no flag:
  // its worker's accesses are refused from then on, and it stops at its next check.
  StopRequested = 0;
  ui::SetDisabled(SearchWindow, kDriveList, true);
  const unsigned closings = g_closings;
  EndRunningWalk();
  // While the earlier walk ended, messages were handled: the window may have gone, or a later press
  // of "搜索" may have started the walk already.
  if (g_closings != closings || WorkerHandle.load() != nullptr) return;
  DWORD threadId = 0;
  WorkerHandle = StartWorkerThread(SearchWorker, nullptr, true, &threadId);
}

void OnStopSearchClicked() {
  ui::SetDisabled(SearchWindow, kStartButton, false);
  StopRequested = 1;
  ui::SetDisabled(SearchWindow, kDriveList, false);
}

void OnExitSearchClicked() {
  const unsigned closings = g_closings;
  EndRunningWalk();
  if (g_closings == closings) ui::Destroy(SearchWindow);
}

void OnSearchWindowClosing() {
  ++g_closings;
  EndRunningWalk();
}
