// The search window's logic: opening it, starting, stopping and ending a drive search.
#pragma once

void OnOpenSearchClicked();   // MainWindow's 按钮5 "搜索"
void OnStartSearchClicked();  // SearchWindow's 按钮1 "搜索"
void OnStopSearchClicked();   // SearchWindow's 按钮3 "停止"
void OnExitSearchClicked();   // SearchWindow's 按钮2 "退出"
// Runs before SearchWindow goes, however it is closed: ends a running walk first.
void OnSearchWindowClosing();
