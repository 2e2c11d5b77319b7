// Start-up of MainWindow: brings the display modes, the stored settings and the mouse state into it.
#pragma once

// Bound to MainWindow's Created event: runs once, before the window is first shown.
void OnMainWindowCreated();
