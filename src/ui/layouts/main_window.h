// MainWindow: the launcher's window at start.
#pragma once

#include "ui/model/layout.h"

extern const ui::WindowLayout MainWindow;
