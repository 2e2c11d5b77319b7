// Browsing for the game's executable with the open-file dialog of MainWindow.
// Defines the handler OnBrowseClicked (MainWindow's 按钮6 "浏览").
#include "locate/game_path.h"
#include "ui/layouts/main_window.h"
#include "ui/model/model.h"

// The dialog keeps the last confirmed path as its FileName and offers it again next time, whether or
// not it was taken as the game path. A cancelled dialog writes nothing: the path box may hold what the
// player typed after an earlier choice, and that must not be overwritten with the earlier choice.
void OnBrowseClicked() {
  using namespace main_window;
  if (!ui::Open(MainWindow, kGameFileDialog)) return;
  const ui::Text chosen = ui::FileName(MainWindow, kGameFileDialog);
  if (IsGamePath(chosen.c_str())) ui::SetContent(MainWindow, kGamePathBox, chosen);
}
