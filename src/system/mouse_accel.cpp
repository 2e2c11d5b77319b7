// The mouse acceleration switch.
#include "system/mouse_accel.h"

void RefreshMouseAccelState() {}
void OnMouseAccelSwitchClicked() {}
