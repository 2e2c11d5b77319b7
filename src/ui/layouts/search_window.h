// SearchWindow: picks a drive and runs the search for the game's executable.
#pragma once

#include "ui/model/layout.h"

extern const ui::WindowLayout SearchWindow;
