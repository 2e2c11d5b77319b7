// The control panel command lines and the decisions of the forced log-off.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "system/control_panel_command.h"
#include "system/log_off.h"

TEST(ControlPanelCommandLine, FullSystemPathThenTheArgumentsAndThePage) {
  EXPECT_EQ(ControlPanelCommandLine("C:\\windows\\system32", kMouseAppletCommand, kMouseSettingsPage),
            "C:\\windows\\system32\\rundll32.exe shell32.dll,Control_RunDLL main.cpl @0,2");
  EXPECT_EQ(ControlPanelCommandLine("C:\\windows\\system32", kDisplayAppletCommand, kDisplaySettingsPage),
            "C:\\windows\\system32\\rundll32.exe shell32.dll,Control_RunDLL desk.cpl,,4");
  EXPECT_EQ(ControlPanelCommandLine("C:\\", "rundll32.exe a,b", 12), "C:\\rundll32.exe a,b12");
  EXPECT_EQ(ControlPanelCommandLine("D:\\WIN NT\\system32", "rundll32.exe x,", 0),
            "\"D:\\WIN NT\\system32\\rundll32.exe\" x,0");
}

namespace {

// Records which steps ran, in order, and gives each the result a case asks for.
struct Script {
  bool nt = true;
  bool privilege = true;
  bool request = true;
  std::vector<std::string> ran = {};
};
Script* current = nullptr;

const LogOffSteps kRecordingSteps = {
    [] { current->ran.push_back("platform"); return current->nt; },
    [] { current->ran.push_back("privilege"); return current->privilege; },
    [] { current->ran.push_back("logoff"); return current->request; },
};

bool RunLogOff(Script& script) {
  current = &script;
  const bool result = ForceLogOff(kRecordingSteps);
  current = nullptr;
  return result;
}

}  // namespace

TEST(ForceLogOff, RequestsTheLogOffEvenWithoutTheShutdownPrivilege) {
  using Steps = std::vector<std::string>;
  // Granted, refused, and a system without the NT privileges.
  for (const auto& [nt, privilege, ran] : {std::tuple{true, true, Steps{"platform", "privilege", "logoff"}},
                                           {true, false, Steps{"platform", "privilege", "logoff"}},
                                           {false, true, Steps{"platform", "logoff"}}}) {
    Script script{nt, privilege, true};
    EXPECT_TRUE(RunLogOff(script));
    EXPECT_EQ(script.ran, ran) << nt << privilege;
  }
}

TEST(ForceLogOff, FalseOnlyWhenTheRequestFails) {
  Script failed{true, true, false};
  EXPECT_FALSE(RunLogOff(failed));
  Script bothFailed{true, false, false};
  EXPECT_FALSE(RunLogOff(bothFailed));
  EXPECT_EQ(bothFailed.ran.back(), "logoff");
}
