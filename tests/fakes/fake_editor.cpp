// Stands in for another program of the player's session, an editor with unsaved work, in the log-off
// test. Usage: fake_editor.exe refuse|agree RECORD. Its window answers WM_QUERYENDSESSION with FALSE
// (refuse) or TRUE (agree). It appends one line to the file RECORD for each event: "ready" once its
// window is up, "asked" when the session's end is asked, "ended" or "cancelled" from WM_ENDSESSION.
#include <windows.h>

#include <cstdio>
#include <cstring>

namespace {

const char* g_record = nullptr;
bool g_refuse = false;

void Record(const char* line) {
  if (FILE* file = std::fopen(g_record, "ab")) {
    std::fprintf(file, "%s\n", line);
    std::fclose(file);
  }
}

LRESULT CALLBACK EditorProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_QUERYENDSESSION:
      Record("asked");
      return g_refuse ? FALSE : TRUE;
    case WM_ENDSESSION:
      Record(wParam ? "ended" : "cancelled");
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(hwnd, message, wParam, lParam);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  g_refuse = std::strcmp(argv[1], "refuse") == 0;
  g_record = argv[2];
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = EditorProc;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = "FakeEditor";
  if (!RegisterClassA(&windowClass)) return 1;
  HWND window = CreateWindowA("FakeEditor", g_refuse ? "unsaved work" : "saved work", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                              10, 10, 200, 100, nullptr, nullptr, windowClass.hInstance, nullptr);
  if (!window) return 1;
  Record("ready");
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
  return 0;
}
