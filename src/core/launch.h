// The game's start from MainWindow's 按钮1 "启动 CS" (OnLaunchClicked): save the settings, build the
// parameter text, hand the game to the shell.
#pragma once

#include <string>

// Starts the game through the shell with the verb "open", in the launcher's current folder; does not
// wait and reports nothing.
void StartGame(const std::string& gamePath, const std::string& parameters);
