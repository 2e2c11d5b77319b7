// Browsing for the game's executable.
#include "locate/browse.h"

void OnBrowseClicked() {}
