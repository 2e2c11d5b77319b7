// The mouse acceleration switch (MainWindow's 按钮4): two registry curves of the current user, their
// state shown in 标签5 and the switch's direction in 按钮4's caption.
#pragma once

// Reads the two curves and shows their state: 标签5's caption and colour, 按钮4's caption.
void RefreshMouseAccelState();
