// What the launcher tells a player whose system gives it another code page than 936. Free of window
// code.
#pragma once

#include <string>

// The code page of every text of the launcher.
inline constexpr unsigned kLauncherCodePage = 936;

// The title and the text of the box shown at start when the process's code page is `found`, not 936:
// Chinese, then English, in code page 936 (the box shows them converted, so they read right in any
// code page). They say that the launcher needs the Chinese (Simplified) system locale, where to set it,
// and which code page it found; for 65001 also to untick Windows' UTF-8 beta option.
inline constexpr char kCodePageNoticeTitle[] = "系统区域设置 / System locale";
std::string CodePageNotice(unsigned found);
