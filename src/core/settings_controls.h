// The one map between LaunchSettings and the controls of MainWindow that show them.
#pragma once

#include "core/settings_file.h"

// Every setting of kSettingControls as MainWindow's controls hold it now.
LaunchSettings SettingsFromControls();

// Puts every setting into its control: the path into 编辑框1, each index into its list, each flag into
// its check box.
void ApplySettingsToControls(const LaunchSettings& settings);
