// The display choices of MainWindow.
#include "core/display_modes.h"

#include <windows.h>

#include "ui/layouts/main_window.h"
#include "ui/model/model.h"

std::vector<DisplayMode> EnumerateDisplayModes() {
  std::vector<DisplayMode> modes;
  for (DWORD number = 0;; ++number) {
    DEVMODEA mode{};
    mode.dmSize = sizeof mode;
    if (!EnumDisplaySettingsA(nullptr, number, &mode)) break;
    modes.push_back({mode.dmPelsWidth, mode.dmPelsHeight, mode.dmBitsPerPel, mode.dmDisplayFrequency});
  }
  return modes;
}

void FillResolutionBox(const std::vector<std::string>& texts) {
  int position = 0;
  for (const std::string& text : texts) ui::InsertItem(MainWindow, main_window::kResolutionList, position++, text);
}

std::string SelectedItemText(const char* control) {
  return ui::ItemText(MainWindow, control, ui::CurrentSelection(MainWindow, control));
}
