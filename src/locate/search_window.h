// The search window's logic: opening it, starting, stopping and ending a drive search.
#pragma once

#include <windows.h>

void OnOpenSearchClicked();   // MainWindow's 按钮5 "搜索"
void OnStartSearchClicked();  // SearchWindow's 按钮1 "搜索"
void OnStopSearchClicked();   // SearchWindow's 按钮3 "停止"
void OnExitSearchClicked();   // SearchWindow's 按钮2 "退出"
// Runs before SearchWindow goes, however it is closed: ends a running walk first.
void OnSearchWindowClosing();

// Starts `entry(parameter)` as the search worker, at once when runAtOnce is set, suspended otherwise.
// Returns the thread handle, owned by the caller, or null.
HANDLE StartWorkerThread(LPTHREAD_START_ROUTINE entry, void* parameter, bool runAtOnce, DWORD* threadId);
// Ends that worker: its open prompt goes, it makes no further change to any control, and it is waited
// for while the window thread goes on handling messages. Closes the handle; null does nothing.
void EndWorkerThread(HANDLE thread);
