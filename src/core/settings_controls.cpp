// The one map between LaunchSettings and the controls of MainWindow that show them.
#include "core/settings_controls.h"

#include "ui/layouts/main_window.h"
#include "ui/model/model.h"

namespace {

using namespace main_window;

struct SettingControl {
  LaunchSettingField field;
  const char* control;
};
constexpr SettingControl kSettingControls[] = {
    {&LaunchSettings::gamePath, kGamePathBox},
    {&LaunchSettings::resolutionIndex, kResolutionList},
    {&LaunchSettings::refreshRateIndex, kRefreshRateList},
    {&LaunchSettings::colorDepthIndex, kColorDepthList},
    {&LaunchSettings::noForceMouseAccel, kNoForceMouseAccel.box},
    {&LaunchSettings::noForceMouseParms, kNoForceMouseParms.box},
    {&LaunchSettings::noForceMouseSpeed, kNoForceMouseSpeed.box},
};

// A text is the content of an edit box, an index the selection of a list, a flag a check box's state.
void Read(const char* control, std::string& text) { text = ui::Content(MainWindow, control); }
void Read(const char* control, std::int32_t& index) { index = ui::CurrentSelection(MainWindow, control); }
void Read(const char* control, bool& flag) { flag = ui::Checked(MainWindow, control); }
void Apply(const char* control, const std::string& text) { ui::SetContent(MainWindow, control, text); }
void Apply(const char* control, std::int32_t index) { ui::SetCurrentSelection(MainWindow, control, index); }
void Apply(const char* control, bool flag) { ui::SetChecked(MainWindow, control, flag); }

}  // namespace

LaunchSettings SettingsFromControls() {
  LaunchSettings s;
  for (const SettingControl& c : kSettingControls) {
    std::visit([&](auto field) { Read(c.control, s.*field); }, c.field);
  }
  return s;
}

void ApplySettingsToControls(const LaunchSettings& s) {
  for (const SettingControl& c : kSettingControls) {
    std::visit([&](auto field) { Apply(c.control, s.*field); }, c.field);
  }
}
