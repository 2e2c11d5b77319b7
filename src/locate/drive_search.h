// The drive search behind SearchWindow: its buttons' logic and the worker thread that walks the chosen
// drive depth first, shows every path it looks at, asks the player about each path that names the game,
// and hands a confirmed one to MainWindow. The walk's order itself is search_walk.h.
//
// One walk at a time: a walk still running or ending when a new one is started, or when the window
// goes, is ended first. No thread is ended forcibly: an ended worker's accesses are refused by the model
// and its walk ends at its next check, closing its own listings.
#pragma once

#include <windows.h>

#include <atomic>
#include <string>

#include "base/handles.h"

// Shared by the window thread and the worker, without a lock. 1 asks the walk to end at its next
// check; 搜索 clears it on the window thread before it starts the worker, 停止 sets it, and the worker
// sets it on a confirmed find and otherwise only reads it.
extern std::atomic<LONG> StopRequested;
// The most recently started worker's thread handle, owned by the search's logic; null when there is
// none.
extern std::atomic<HANDLE> WorkerHandle;

// Starts `entry(parameter)` as the search worker, at once when runAtOnce is set, suspended otherwise.
// Returns the thread handle, owned by the caller, or null.
HANDLE StartWorkerThread(LPTHREAD_START_ROUTINE entry, void* parameter, bool runAtOnce, DWORD* threadId);
// Ends that worker: its open prompt goes, it makes no further change to any control, and it is waited
// for while the window thread goes on handling messages. Closes the handle; null does nothing.
void EndWorkerThread(HANDLE thread);

// The worker thread's entry; the parameter is not used.
DWORD WINAPI SearchWorker(void* parameter) noexcept;
