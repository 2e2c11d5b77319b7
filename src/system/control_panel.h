// The shortcuts to the system's mouse and display settings pages.
#pragma once

#include <string_view>

// Starts the applet command, with the page number appended, from the system directory; does not wait
// and reports nothing.
void OpenControlPanelPage(std::string_view appletCommand, int page);

void OnMouseSettingsClicked();
void OnDisplaySettingsClicked();
