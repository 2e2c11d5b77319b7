// The order of a forced log-off's steps, free of window and system code.
#include "system/log_off.h"

bool ForceLogOff(const LogOffSteps& steps) {
  // A failed privilege step does not stop the log-off; it only matters for a shutdown or restart.
  if (steps.isNtPlatform()) steps.enableShutdownPrivilege();
  return steps.requestLogOff();
}
