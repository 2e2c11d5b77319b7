// SearchWindow: picks a drive and runs the search for the game's executable. Its layout, the names of
// the controls that the logic reads and writes, and the handlers its events run (defined by the
// logic, bound by the layout).
#pragma once

#include "ui/model/layout.h"

extern const ui::WindowLayout SearchWindow;

// Controls of SearchWindow that the logic uses.
namespace search_window {
inline constexpr const char kSearchBox[] = "编辑框1";
inline constexpr const char kDriveList[] = "驱动器框1";
inline constexpr const char kStartButton[] = "按钮1";
}  // namespace search_window

// Handlers of SearchWindow's events.
void OnStartSearchClicked();   // 按钮1 "搜索"
void OnStopSearchClicked();    // 按钮3 "停止"
void OnExitSearchClicked();    // 按钮2 "退出"
void OnSearchWindowClosing();  // before the window goes, however it is closed
