// The search window's logic. One walk at a time: a walk still running or ending when a new one is
// started, or when the window goes, is ended first. No thread is ended forcibly: an ended worker's
// accesses are refused by the model and its walk ends at its next check, closing its own listings.
#include "locate/search_window.h"

#include <algorithm>
#include <vector>

#include "locate/search_worker.h"
#include "ui/layouts/main_window.h"
#include "ui/layouts/search_window.h"
#include "ui/model/model.h"
#include "ui/model/threads.h"

namespace {

constexpr const char* kDriveList = "驱动器框1";
constexpr const char* kStartButton = "按钮1";

// Window thread only. Workers whose end is being waited for: a handler that comes in while the
// window thread handles messages during that wait waits for them too before it goes on.
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

HANDLE StartWorkerThread(LPTHREAD_START_ROUTINE entry, void* parameter, bool runAtOnce, DWORD* threadId) {
  return ui::StartWorker(entry, parameter, runAtOnce, threadId);
}

void EndWorkerThread(HANDLE thread) {
  if (!thread) return;
  StopRequested = 1;
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
