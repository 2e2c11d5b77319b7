// The command lines of the control panel shortcuts. Free of window code.
#pragma once

#include <string>
#include <string_view>

inline constexpr const char* kMouseAppletCommand = "rundll32.exe shell32.dll,Control_RunDLL main.cpl @0,";
inline constexpr int kMouseSettingsPage = 2;
inline constexpr const char* kDisplayAppletCommand = "rundll32.exe shell32.dll,Control_RunDLL desk.cpl,,";
inline constexpr int kDisplaySettingsPage = 4;

// The applet command followed directly by the page number in decimal. The program that begins the
// command is named by its full path in `systemDirectory`: started by bare name it would be looked for
// in the launcher's own folder first, which is usually the game's folder and open to anyone who can drop
// a file there. A path with a blank is quoted so that no shorter prefix of it can be taken for the
// program.
std::string ControlPanelCommandLine(std::string_view systemDirectory, std::string_view appletCommand, int page);
