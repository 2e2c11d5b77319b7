// The shortcuts to the system's mouse and display settings pages.
// Defines the handlers OnMouseSettingsClicked (MainWindow's 按钮3 "鼠标调节") and
// OnDisplaySettingsClicked (按钮9 "显卡调节").
#include <windows.h>

#include <string>

#include "system/control_panel_command.h"
#include "ui/layouts/main_window.h"

namespace {

// Starts the applet command, with the page number appended, from the system directory; does not wait
// and reports nothing.
void OpenControlPanelPage(std::string_view appletCommand, int page) {
  char systemDirectory[MAX_PATH] = {};
  const UINT length = GetSystemDirectoryA(systemDirectory, sizeof systemDirectory);
  // Without the system directory there is no safe place to start the program from.
  if (length == 0 || length >= sizeof systemDirectory) return;
  const std::string commandLine = ControlPanelCommandLine(systemDirectory, appletCommand, page);
  WinExec(commandLine.c_str(), SW_SHOW);
}

}  // namespace

void OnMouseSettingsClicked() { OpenControlPanelPage(kMouseAppletCommand, kMouseSettingsPage); }
void OnDisplaySettingsClicked() { OpenControlPanelPage(kDisplayAppletCommand, kDisplaySettingsPage); }
