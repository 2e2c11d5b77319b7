// The launcher's start and end: error mode, LauncherDirectory, MainWindow and the message loop.
#pragma once

#include <string>

// The folder of the launcher's own executable, without a trailing backslash ("D:\Tools", or "C:" in a
// drive's root). Computed once, at the first call, which process start makes.
const std::string& LauncherDirectory();

// Runs the launcher; returns the process's exit code. Its first step keeps the DLL search out of the
// launcher's own folder and the current folder.
int RunLauncher();
