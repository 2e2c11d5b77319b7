// Resource identifiers shared by launcher.rc and the layouts.
#pragma once

#define IDI_LAUNCHER 1
