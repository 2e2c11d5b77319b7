// Resource identifiers shared by launcher.rc and the layouts.
#pragma once

// The exe's own icon (Explorer, the taskbar, Alt-Tab): the first icon group, so the one Windows shows
// for the file. One image per size Windows asks for, 16 to 256 px.
#define IDI_PROGRAM 1
// MainWindow's icon as its layout keeps it: one 128-px image, scaled down by the window model.
#define IDI_LAUNCHER 2
