// The system's processes and threads as a toolhelp snapshot lists them; header only, for the test
// support and the maintainer's window tool alike.
#pragma once

#include <windows.h>

#include <tlhelp32.h>

#include <vector>

namespace test {

// Every entry of a snapshot of `what` (TH32CS_SNAPPROCESS, TH32CS_SNAPTHREAD), in the system's order;
// empty when no snapshot can be taken.
template <class Entry, BOOL(WINAPI* First)(HANDLE, Entry*), BOOL(WINAPI* Next)(HANDLE, Entry*)>
std::vector<Entry> Snapshot(DWORD what) {
  std::vector<Entry> entries;
  const HANDLE snapshot = CreateToolhelp32Snapshot(what, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return entries;
  Entry entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = First(snapshot, &entry); more; more = Next(snapshot, &entry)) entries.push_back(entry);
  CloseHandle(snapshot);
  return entries;
}

inline std::vector<PROCESSENTRY32> Processes() {
  return Snapshot<PROCESSENTRY32, Process32First, Process32Next>(TH32CS_SNAPPROCESS);
}

// The threads of one process.
inline std::vector<THREADENTRY32> ThreadsOf(DWORD processId) {
  std::vector<THREADENTRY32> threads;
  for (const THREADENTRY32& t : Snapshot<THREADENTRY32, Thread32First, Thread32Next>(TH32CS_SNAPTHREAD)) {
    if (t.th32OwnerProcessID == processId) threads.push_back(t);
  }
  return threads;
}

}  // namespace test
