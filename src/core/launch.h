// The game's command line and its start from MainWindow's 按钮1 "启动 CS".
#pragma once

void OnLaunchClicked();
