// Browsing for the game's executable with the open-file dialog of MainWindow.
#include "locate/browse.h"

#include "locate/game_path.h"
#include "ui/layouts/main_window.h"
#include "ui/model/model.h"

// The dialog keeps the last confirmed path as its FileName and offers it again next time, whether or
// not it was taken as the game path. A cancelled dialog writes nothing: the path box may hold what the
// player typed after an earlier choice, and that must not be overwritten with the earlier choice.
void OnBrowseClicked() {
  if (!ui::Open(MainWindow, "通用对话框1")) return;
  const ui::Text chosen = ui::FileName(MainWindow, "通用对话框1");
  if (IsGamePath(chosen.c_str())) ui::SetContent(MainWindow, "编辑框1", chosen);
}
