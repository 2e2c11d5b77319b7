// The shortcuts to the system's mouse and display settings pages.
#include "system/control_panel.h"

void OnMouseSettingsClicked() {}
void OnDisplaySettingsClicked() {}
