// Start-up of MainWindow (filled in by the start-up handler's change).
#include "core/startup.h"

void OnMainWindowCreated() {}
