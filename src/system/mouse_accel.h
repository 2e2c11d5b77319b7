// The mouse acceleration switch: two registry curves, their state in 标签5 and 按钮4 of MainWindow.
#pragma once

void RefreshMouseAccelState();
void OnMouseAccelSwitchClicked();
