// A small helper for the run script: waits for a top-level window by its title and prints its frame
// ("left top width height"), or asks it to close.
//   window_tool wait  <title> [timeout-ms]   exit 0 when found, 1 on timeout
//   window_tool close <title>                exit 0 when a window was asked to close
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: window_tool wait|close <title> [timeout-ms]\n");
    return 2;
  }
  const char* title = argv[2];
  // The launcher is DPI aware: its frame in the screen's own pixels, as the screenshot takes them.
  SetProcessDPIAware();
  if (std::strcmp(argv[1], "close") == 0) {
    HWND hwnd = FindWindowA(nullptr, title);
    if (!hwnd) return 1;
    PostMessageA(hwnd, WM_CLOSE, 0, 0);
    return 0;
  }
  const DWORD timeout = argc > 3 ? static_cast<DWORD>(std::strtoul(argv[3], nullptr, 10)) : 20000;
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < timeout) {
    HWND hwnd = FindWindowA(nullptr, title);
    if (hwnd && IsWindowVisible(hwnd)) {
      RECT rc;
      GetWindowRect(hwnd, &rc);
      std::printf("%ld %ld %ld %ld\n", rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top);
      return 0;
    }
    Sleep(50);
  }
  return 1;
}
