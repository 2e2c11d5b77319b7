// Start-up of MainWindow: the resolution list, the stored settings and the mouse acceleration state,
// all in place before the player first sees the window.
#include "core/startup.h"

#include "core/display_modes.h"
#include "core/resolutions.h"
#include "core/settings_file.h"
#include "system/mouse_accel.h"
#include "ui/layouts/main_window.h"
#include "ui/model/model.h"

void OnMainWindowCreated() {
  FillResolutionBox(BuildResolutionList(EnumerateDisplayModes()));

  // Every setting is applied, absent ones included: they give the empty path, index 0 and cleared
  // boxes, never what the layout presets.
  const LaunchSettings s = LoadLaunchSettings();
  ui::SetContent(MainWindow, "编辑框1", s.gamePath);
  ui::SetCurrentSelection(MainWindow, "组合框1", s.resolutionIndex);
  ui::SetCurrentSelection(MainWindow, "组合框2", s.refreshRateIndex);
  ui::SetCurrentSelection(MainWindow, "组合框3", s.colorDepthIndex);
  ui::SetChecked(MainWindow, "选择框1", s.noForceMouseAccel);
  ui::SetChecked(MainWindow, "选择框2", s.noForceMouseParms);
  ui::SetChecked(MainWindow, "选择框3", s.noForceMouseSpeed);

  RefreshMouseAccelState();
}
