// The search window's logic.
#include "locate/search_window.h"

#include "ui/layouts/main_window.h"
#include "ui/layouts/search_window.h"
#include "ui/model/model.h"

void OnOpenSearchClicked() {
  ui::Load(SearchWindow, &MainWindow, false);
  ui::SetVisible(SearchWindow, true);
}
void OnStartSearchClicked() {}
void OnStopSearchClicked() {}
void OnExitSearchClicked() { ui::Destroy(SearchWindow); }
void OnSearchWindowClosing() {}
