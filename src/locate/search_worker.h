// The drive search's worker thread: walks the drive chosen in SearchWindow depth first, shows every
// path it looks at, asks the player about each path that names the game, and hands a confirmed one to
// MainWindow. Started and ended by the search window's logic (search_window.cpp).
#pragma once

#include <windows.h>

#include <atomic>
#include <string>

#include "core/handles.h"

// Shared by the window thread and the worker, without a lock. 1 asks the walk to end at its next
// check; the worker clears it when it begins and sets it on a confirmed find.
extern std::atomic<LONG> StopRequested;
// The most recently started worker's thread handle, owned by the search window's logic; null when
// there is none.
extern std::atomic<HANDLE> WorkerHandle;

// One level's listing, owned by that level: closed when it runs out, and at the latest when the level
// ends.
struct DirectoryListing {
  UniqueFindHandle find;
  DWORD attributes = 0;  // of the entry last fetched
};

// A non-empty pattern starts a new listing, an empty one continues it. Returns the name of the next
// entry, whatever its attributes (a file with none but "normal" is a file like any other), or an empty
// text when there is none.
std::string FindEntry(const std::string& pattern, DirectoryListing& listing);

// Lets the calling thread handle the window messages queued for it.
void ProcessPendingMessages();

// Walks one folder of the searched drive and everything below it.
void WalkDirectory(const std::string& directory);

// The worker thread's entry; the parameter is not used.
DWORD WINAPI SearchWorker(void* parameter);
