// Start-up of MainWindow: the resolution list, the stored settings and the mouse acceleration state,
// all in place before the player first sees the window.
// Defines the handler OnMainWindowCreated (MainWindow's Created event).
#include "core/display_modes.h"
#include "core/resolutions.h"
#include "core/settings_controls.h"
#include "system/mouse_accel.h"
#include "ui/layouts/main_window.h"

void OnMainWindowCreated() {
  FillResolutionBox(BuildResolutionList(EnumerateDisplayModes()));
  // Every setting is applied, absent ones included: they give the empty path, index 0 and cleared
  // boxes, never what the layout presets.
  ApplySettingsToControls(LoadLaunchSettings());
  RefreshMouseAccelState();
}
