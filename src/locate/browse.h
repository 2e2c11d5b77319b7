// Browsing for the game's executable with the open-file dialog of MainWindow.
#pragma once

void OnBrowseClicked();
