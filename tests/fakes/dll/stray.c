/* A DLL that no launcher may load by name: the DLL search test places it where a game folder's DLLs
   lie, beside the program and in the current folder. */
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
  (void)instance;
  (void)reason;
  (void)reserved;
  return TRUE;
}
