// The game's start: the settings saved, the parameter text built, the game handed to the shell.
// Defines the handler OnLaunchClicked (MainWindow's 按钮1 "启动 CS").
#include "core/launch.h"

#include <windows.h>

#include <shellapi.h>

#include <vector>

#include "core/command_line.h"
#include "core/display_modes.h"
#include "core/settings_controls.h"
#include "ui/layouts/main_window.h"
#include "ui/model/model.h"

namespace {

using namespace main_window;

MouseSwitch SwitchOf(const char* box) {
  MouseSwitch s;
  s.checked = ui::Checked(MainWindow, box);
  if (s.checked) s.caption = ui::Caption(MainWindow, box);
  return s;
}

}  // namespace

void StartGame(const std::string& gamePath, const std::string& parameters) {
  ShellExecuteA(nullptr, "open", gamePath.c_str(), parameters.c_str(), "", SW_SHOWNORMAL);
}

void OnLaunchClicked() {
  if (ui::Content(MainWindow, kGamePathBox).empty()) {
    ui::ShowMessage("请设置CS文件路径地址", ui::kMsgOk);
    return;
  }
  SaveLaunchSettings(SettingsFromControls());

  std::vector<MouseSwitch> switches;
  for (const GameSwitch& s : kGameSwitches) switches.push_back(SwitchOf(s.box));
  const std::string parameters = BuildGameCommandLine(SelectedItemText(kColorDepthList),
                                                      SelectedItemText(kResolutionList),
                                                      SelectedItemText(kRefreshRateList), switches);
  StartGame(ui::Content(MainWindow, kGamePathBox), parameters);
}
