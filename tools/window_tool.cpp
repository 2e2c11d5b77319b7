// A small helper for the maintainer's scripts (run.sh, screenshots.sh): finds a visible top-level window
// by its title, prints its frame, asks it to close, presses its buttons, waits for its texts, or holds
// still the work behind it for a picture.
//   window_tool wait      <title> [timeout-ms]         prints "left top width height"; exit 1 on timeout
//   window_tool close     <title>                      asks the window to close
//   window_tool click     <title> <caption>            presses the window's button with that caption
//   window_tool wait-text <title> <text> [timeout-ms]  waits until one of the window's controls shows a
//                                                      text that contains <text>
//   window_tool freeze    <title>                      suspends every other thread of the window's process:
//                                                      the window still paints, and what it shows stays put.
//                                                      The caller ends the process afterwards.
// Titles, captions and texts are ANSI (code page 936 under the build's Wine prefix).
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "snapshot.h"

namespace {

constexpr DWORD kDefaultTimeoutMs = 20000;

HWND FindVisible(const char* title) {
  HWND hwnd = FindWindowA(nullptr, title);
  return hwnd && IsWindowVisible(hwnd) ? hwnd : nullptr;
}

// Polls `found` until it gives a window or the time is up.
template <class Find>
HWND WaitFor(Find found, DWORD timeoutMs) {
  const ULONGLONG start = GetTickCount64();
  do {
    if (HWND hwnd = found()) return hwnd;
    Sleep(50);
  } while (GetTickCount64() - start < timeoutMs);
  return nullptr;
}

// A control's text, also of another process's control (WM_GETTEXT is marshalled; GetWindowText is not).
std::string TextOf(HWND control) {
  char text[1024] = {};
  DWORD_PTR ignored = 0;
  SendMessageTimeoutA(control, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 1000,
                      &ignored);
  return text;
}

struct ChildSearch {
  const char* text;
  bool whole;  // the whole text, else a part of it
  HWND found;
};

BOOL CALLBACK MatchChild(HWND child, LPARAM p) {
  auto* s = reinterpret_cast<ChildSearch*>(p);
  const std::string shown = TextOf(child);
  if (s->whole ? shown == s->text : shown.find(s->text) != std::string::npos) {
    s->found = child;
    return FALSE;
  }
  return TRUE;
}

HWND ChildWithText(HWND window, const char* text, bool whole) {
  ChildSearch search{text, whole, nullptr};
  EnumChildWindows(window, MatchChild, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

int Freeze(HWND window) {
  DWORD pid = 0;
  const DWORD windowThread = GetWindowThreadProcessId(window, &pid);
  int suspended = 0;
  for (const THREADENTRY32& entry : test::ThreadsOf(pid)) {
    if (entry.th32ThreadID == windowThread) continue;
    if (HANDLE thread = OpenThread(THREAD_SUSPEND_RESUME, FALSE, entry.th32ThreadID)) {
      if (SuspendThread(thread) != static_cast<DWORD>(-1)) ++suspended;
      CloseHandle(thread);
    }
  }
  return suspended > 0 ? 0 : 1;
}

DWORD TimeoutArg(int argc, char** argv, int index) {
  return argc > index ? static_cast<DWORD>(std::strtoul(argv[index], nullptr, 10)) : kDefaultTimeoutMs;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: window_tool wait|close|click|wait-text|freeze <title> [...]\n");
    return 2;
  }
  const std::string command = argv[1];
  const char* title = argv[2];
  // The launcher is DPI aware: its frame in the screen's own pixels, as the screenshot takes them.
  SetProcessDPIAware();
  if (command == "wait") {
    HWND hwnd = WaitFor([&] { return FindVisible(title); }, TimeoutArg(argc, argv, 3));
    if (!hwnd) return 1;
    RECT rc;
    GetWindowRect(hwnd, &rc);
    std::printf("%ld %ld %ld %ld\n", rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top);
    return 0;
  }
  HWND hwnd = FindVisible(title);
  if (!hwnd) return 1;
  if (command == "close") {
    PostMessageA(hwnd, WM_CLOSE, 0, 0);
    return 0;
  }
  if (command == "click" && argc > 3) {
    HWND button = ChildWithText(hwnd, argv[3], true);
    if (!button) return 1;
    PostMessageA(button, BM_CLICK, 0, 0);
    return 0;
  }
  if (command == "wait-text" && argc > 3) {
    return WaitFor([&] { return ChildWithText(hwnd, argv[3], false); }, TimeoutArg(argc, argv, 4)) ? 0 : 1;
  }
  if (command == "freeze") return Freeze(hwnd);
  std::fprintf(stderr, "window_tool: unknown command or missing argument: %s\n", command.c_str());
  return 2;
}
