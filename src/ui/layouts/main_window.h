// MainWindow: the launcher's window at start. Its layout, the names of the controls that the logic
// reads and writes, and the handlers its events run (defined by the logic, bound by the layout).
#pragma once

#include "ui/model/layout.h"

extern const ui::WindowLayout MainWindow;

// Controls of MainWindow that the logic uses.
namespace main_window {
inline constexpr const char kGamePathBox[] = "编辑框1";
inline constexpr const char kResolutionList[] = "组合框1";
inline constexpr const char kRefreshRateList[] = "组合框2";
inline constexpr const char kColorDepthList[] = "组合框3";
inline constexpr const char kMouseStateLabel[] = "标签5";
inline constexpr const char kMouseAccelButton[] = "按钮4";
inline constexpr const char kGameFileDialog[] = "通用对话框1";

// The game's mouse switches, a check box each. A switch's text is three things at once: its box's
// caption, the key under which option.ini keeps whether the box is checked, and what a launch puts on
// the game's command line while it is (there the caption as it reads at that moment).
struct GameSwitch {
  const char* box;
  const char* text;
};
inline constexpr GameSwitch kNoForceMouseAccel = {"选择框1", "-noforcemaccel"};
inline constexpr GameSwitch kNoForceMouseParms = {"选择框2", "-noforcemparms"};
inline constexpr GameSwitch kNoForceMouseSpeed = {"选择框3", "-noforcemspd"};
// Every switch, in the order a launch takes them and option.ini keeps them.
inline constexpr GameSwitch kGameSwitches[] = {kNoForceMouseAccel, kNoForceMouseParms, kNoForceMouseSpeed};
}  // namespace main_window

// Handlers of MainWindow's events.
void OnMainWindowCreated();        // Created: before the window is first shown
void OnLaunchClicked();            // 按钮1 "启动 CS"
void OnBrowseClicked();            // 按钮6 "浏览"
void OnOpenSearchClicked();        // 按钮5 "搜索"
void OnMouseAccelSwitchClicked();  // 按钮4 "开/关鼠标加速度"
void OnMouseSettingsClicked();     // 按钮3 "鼠标调节"
void OnDisplaySettingsClicked();   // 按钮9 "显卡调节"
