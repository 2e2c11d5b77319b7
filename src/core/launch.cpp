// The game's start from MainWindow's 按钮1 "启动 CS".
#include "core/launch.h"

#include <windows.h>

#include <shellapi.h>

#include "core/command_line.h"
#include "core/display_modes.h"
#include "core/settings_file.h"
#include "ui/layouts/main_window.h"
#include "ui/model/model.h"

namespace {

LaunchSettings GatherLaunchSettings() {
  LaunchSettings s;
  s.gamePath = ui::Content(MainWindow, "编辑框1");
  s.resolutionIndex = ui::CurrentSelection(MainWindow, "组合框1");
  s.refreshRateIndex = ui::CurrentSelection(MainWindow, "组合框2");
  s.colorDepthIndex = ui::CurrentSelection(MainWindow, "组合框3");
  s.noForceMouseAccel = ui::Checked(MainWindow, "选择框1");
  s.noForceMouseParms = ui::Checked(MainWindow, "选择框2");
  s.noForceMouseSpeed = ui::Checked(MainWindow, "选择框3");
  return s;
}

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
  if (ui::Content(MainWindow, "编辑框1").empty()) {
    ui::ShowMessage("请设置CS文件路径地址", ui::kMsgOk);
    return;
  }
  SaveLaunchSettings(GatherLaunchSettings());

  const std::string colorDepth = SelectedItemText("组合框3");
  const std::string resolution = SelectedItemText("组合框1");
  const std::string refreshRate = SelectedItemText("组合框2");
  const MouseSwitch switches[3] = {SwitchOf("选择框1"), SwitchOf("选择框2"), SwitchOf("选择框3")};
  const std::string parameters = BuildGameCommandLine(colorDepth, resolution, refreshRate, switches);

  StartGame(ui::Content(MainWindow, "编辑框1"), parameters);
}
