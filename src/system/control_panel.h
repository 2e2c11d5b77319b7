// The shortcuts to the system's mouse and display settings pages.
#pragma once

void OnMouseSettingsClicked();
void OnDisplaySettingsClicked();
