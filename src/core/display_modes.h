// The display choices of MainWindow: the resolution list gathered from the system's display modes, and
// the selected texts of the three lists 组合框1 (resolution), 组合框2 (refresh rate), 组合框3 (colour depth).
#pragma once

#include <string>
#include <vector>

#include "core/resolutions.h"

// Every mode of the display the launcher runs on, in the system's order, every depth and frequency.
std::vector<DisplayMode> EnumerateDisplayModes();

// Inserts the texts into MainWindow's 组合框1, text k (from 1) at position k - 1.
void FillResolutionBox(const std::vector<std::string>& texts);

// The selected item's text of MainWindow's list named `control`, or the empty text without a selection.
std::string SelectedItemText(const char* control);
