// The drive search's worker thread. Every access to a control goes through the window model, which
// carries it out on the window thread before the worker goes on; the worker touches no window itself.
#include "locate/search_worker.h"

#include "locate/game_path.h"
#include "locate/search_walk.h"
#include "ui/layouts/main_window.h"
#include "ui/layouts/search_window.h"
#include "ui/model/model.h"
#include "ui/model/threads.h"

std::atomic<LONG> StopRequested{0};
std::atomic<HANDLE> WorkerHandle{nullptr};

namespace {

constexpr const char* kSearchBox = "编辑框1";
constexpr const char* kPathBox = "编辑框1";
constexpr const char* kDriveList = "驱动器框1";
constexpr const char* kStartButton = "按钮1";
constexpr const char* kNotFound = "没有找到CS文件";
constexpr const char* kAskSuffix = " 是否为该文件";

std::string ReadSearchBox() { return ui::Content(SearchWindow, kSearchBox); }

// Asks about what the box holds now (the player may have typed since it was tested). OK confirms;
// Cancel, closing the prompt, or a walk that has been ended meanwhile declines.
bool AskPlayer() { return ui::ShowMessage(ReadSearchBox() + kAskSuffix, ui::kMsgOkCancel) == ui::kOk; }

// The confirmed path goes to MainWindow, the search window is hidden and the walk ends, in one hop to
// the window thread, so that nothing of it happens once the worker has been ended.
void HandOff() {
  ui::RunOnWindowThread([] {
    ui::SetContent(MainWindow, kPathBox, ui::Content(SearchWindow, kSearchBox));
    ui::SetVisible(SearchWindow, false);
    StopRequested = 1;
  });
}

// What the walk needs on the worker: real listings, the search box, and the prompts.
struct WorkerWalk {
  using Listing = DirectoryListing;

  std::string FindEntry(const std::string& pattern, Listing& listing) { return ::FindEntry(pattern, listing); }
  bool IsFolder(const Listing& listing) const { return (listing.attributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }
  void ProcessPendingMessages() { ::ProcessPendingMessages(); }
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
    if (FindText(shown.c_str(), kHlMarker) != -1) {
      if (AskPlayer()) {
        HandOff();
        return true;
      }
    }
    return false;
  }
};

std::string RootText() { return ui::CurrentDrive(SearchWindow, kDriveList) + ":\\"; }

}  // namespace

std::string FindEntry(const std::string& pattern, DirectoryListing& listing) {
  WIN32_FIND_DATAA data;
  if (!pattern.empty()) {
    listing.find.reset(FindFirstFileA(pattern.c_str(), &data));
    if (!listing.find) return {};
  } else {
    if (!listing.find) return {};
    if (!FindNextFileA(listing.find.get(), &data)) {
      listing.find.reset();
      return {};
    }
  }
  listing.attributes = data.dwFileAttributes;
  return data.cFileName;
}

void ProcessPendingMessages() { ui::ProcessPendingMessages(); }

void WalkDirectory(const std::string& directory) {
  WorkerWalk host;
  WalkDirectory(host, directory);
}

DWORD WINAPI SearchWorker(void*) {
  StopRequested = 0;
  ui::SetDisabled(SearchWindow, kStartButton, true);
  const std::string root = RootText();
  // A worker ended before it got this far reads no drive and walks nothing.
  if (!ui::WorkerAbandoned()) WalkDirectory(root);
  // The drive is read anew: the player may have picked another one after "停止".
  ui::RunOnWindowThread([] {
    if (RootText() == ReadSearchBox()) ui::SetContent(SearchWindow, kSearchBox, kNotFound);
  });
  ui::SetDisabled(SearchWindow, kDriveList, false);
  ui::SetDisabled(SearchWindow, kStartButton, false);
  return 0;
}
