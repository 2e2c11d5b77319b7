// The mouse acceleration switch: reads and writes the two curves of the current user, shows the state
// in 标签5 and the action in 按钮4 of MainWindow, and offers a log-off after a change.
// Defines the handler OnMouseAccelSwitchClicked (MainWindow's 按钮4 "开/关鼠标加速度").
#include "system/mouse_accel.h"

#include <windows.h>

#include "system/curves.h"
#include "system/log_off.h"
#include "system/registry.h"
#include "ui/layouts/main_window.h"
#include "ui/model/model.h"

namespace {

// Version 6.1 or later, asked the documented way for a minimum version (GetVersionEx is deprecated for
// it). Windows 8.1 and later answer as 6.2 to a program whose manifest does not name them, which still
// passes. Major, minor and service pack are compared in that order, so 10.0 passes too.
bool IsWindows7OrLater() {
  OSVERSIONINFOEXA wanted = {};
  wanted.dwOSVersionInfoSize = sizeof wanted;
  wanted.dwMajorVersion = 6;
  wanted.dwMinorVersion = 1;
  wanted.wServicePackMajor = 0;
  DWORDLONG condition = 0;
  condition = VerSetConditionMask(condition, VER_MAJORVERSION, VER_GREATER_EQUAL);
  condition = VerSetConditionMask(condition, VER_MINORVERSION, VER_GREATER_EQUAL);
  condition = VerSetConditionMask(condition, VER_SERVICEPACKMAJOR, VER_GREATER_EQUAL);
  return VerifyVersionInfoA(&wanted, VER_MAJORVERSION | VER_MINORVERSION | VER_SERVICEPACKMAJOR, condition) !=
         FALSE;
}

}  // namespace

void RefreshMouseAccelState() {
  const std::string x = ReadRegistryBytes(HKEY_CURRENT_USER, kMouseCurveXPath);
  const std::string y = ReadRegistryBytes(HKEY_CURRENT_USER, kMouseCurveYPath);
  const MouseAccelDisplay& display = DisplayFor(ClassifyMouseCurves(x, y));
  ui::SetCaption(MainWindow, main_window::kMouseStateLabel, display.labelCaption);
  ui::SetTextColor(MainWindow, main_window::kMouseStateLabel, display.labelColor);
  ui::SetCaption(MainWindow, main_window::kMouseAccelButton, display.buttonCaption);
}

// MainWindow may be closed while a question is open (a polite close from outside still reaches it): the
// switch then does nothing more.
void OnMouseAccelSwitchClicked() {
  const MouseAccelAction action = ActionForCaption(ui::Caption(MainWindow, main_window::kMouseAccelButton));
  if (ui::ShowMessage(ConfirmQuestion(action), ui::kMsgYesNoQuestion, "请确认操作") != ui::kYes ||
      !ui::IsLoaded(MainWindow)) {
    return;
  }

  // X before Y; a failed write shows up at the next refresh, which reads what the registry holds.
  const CurvePair curves = CurvesFor(action, IsWindows7OrLater());
  WriteRegistryBytes(HKEY_CURRENT_USER, kMouseCurveXPath, CurveBytes(curves.x));
  WriteRegistryBytes(HKEY_CURRENT_USER, kMouseCurveYPath, CurveBytes(curves.y));

  const bool logOff = ui::ShowMessage("该操作要重启或注销系统才有用,是否立即注销?", ui::kMsgYesNoQuestion,
                                      "是否立即注销系统") == ui::kYes;
  if (!ui::IsLoaded(MainWindow)) return;
  // Shown before the request: another program may refuse the log-off, and the launcher then runs on.
  RefreshMouseAccelState();
  if (logOff) ForceLogOff();
}
