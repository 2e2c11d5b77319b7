// The log-off of the current user, offered after the mouse curves change.
#pragma once

// The steps of a log-off, as the system carries them out. ForceLogOff(steps) decides which run.
struct LogOffSteps {
  bool (*isNtPlatform)();
  // Enables the shutdown privilege of the launcher's own process; true when it is in force.
  bool (*enableShutdownPrivilege)();
  // Asks the system to end the session, letting the running programs save or refuse; true when accepted.
  bool (*requestLogOff)();
};

// The system's own steps.
const LogOffSteps& SystemLogOffSteps();

// Enables the shutdown privilege where the platform has privileges, then requests the log-off in every
// case: a log-off needs no shutdown privilege, and the player has asked for it. False only when the
// request fails.
bool ForceLogOff(const LogOffSteps& steps);
bool ForceLogOff();
