// Process entry of launcher.exe. The command line is not read.
#include <windows.h>

#include "core/process_start.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return RunLauncher(); }
