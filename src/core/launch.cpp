// The game's command line and its start.
#include "core/launch.h"

void OnLaunchClicked() {}
