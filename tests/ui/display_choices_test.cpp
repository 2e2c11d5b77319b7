// The display lists of the real MainWindow: the resolution list filled from the system's modes, stored
// indexes from option.ini applied to the three lists, and the selected texts read back.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <climits>
#include <set>
#include <string>
#include <vector>

#include "core/display_modes.h"
#include "core/settings_file.h"
#include "test_support.h"
#include "ui/layouts/main_window.h"
#include "ui/model/model.h"
#include "ui_test_helpers.h"

namespace {

class MainWindowTest : public uitest::RealMainWindowTest {
 protected:
  // Writes the stored indexes the way start-up does.
  static void ApplyIndexes(const LaunchSettings& s) {
    ui::SetCurrentSelection(MainWindow, "组合框1", s.resolutionIndex);
    ui::SetCurrentSelection(MainWindow, "组合框2", s.refreshRateIndex);
    ui::SetCurrentSelection(MainWindow, "组合框3", s.colorDepthIndex);
  }
};

}  // namespace

TEST_F(MainWindowTest, ResolutionTextsGoFirstInTheirOrder) {
  // Start-up may have filled the list already; the inserted texts still lead it, in the given order.
  const std::vector<std::string> before = uitest::Items(MainWindow, "组合框1");
  const std::vector<std::string> texts = {"800x600", "640x480", "1024x768", "1x1"};
  FillResolutionBox(texts);
  std::vector<std::string> expected = texts;
  expected.insert(expected.end(), before.begin(), before.end());
  EXPECT_EQ(uitest::Items(MainWindow, "组合框1"), expected);
}

TEST_F(MainWindowTest, TheSystemsModesFillTheListWithoutRepeats) {
  const std::vector<DisplayMode> modes = EnumerateDisplayModes();
  ASSERT_FALSE(modes.empty());
  DEVMODEA current{};
  current.dmSize = sizeof current;
  ASSERT_TRUE(EnumDisplaySettingsA(nullptr, ENUM_CURRENT_SETTINGS, &current));
  const std::string currentText = std::to_string(current.dmPelsWidth) + "x" + std::to_string(current.dmPelsHeight);

  const std::vector<std::string> texts = BuildResolutionList(modes);
  FillResolutionBox(texts);
  EXPECT_EQ(std::set<std::string>(texts.begin(), texts.end()).size(), texts.size()) << "a text repeated";
  EXPECT_NE(std::find(texts.begin(), texts.end(), currentText), texts.end()) << currentText;

  // The first item is the first mode's resolution, and splits back into its numbers.
  ui::SetCurrentSelection(MainWindow, "组合框1", 0);
  const ResolutionParts parts = SplitResolution(SelectedItemText("组合框1"));
  EXPECT_EQ(parts.width, std::to_string(modes[0].width));
  EXPECT_EQ(parts.height, std::to_string(modes[0].height));
}

TEST_F(MainWindowTest, StoredIndexesSelectByTheListRule) {
  FillResolutionBox({"800x600", "640x480", "1024x768"});
  const int last = ui::ItemCount(MainWindow, "组合框1") - 1;
  test::ScratchDir dir;
  test::WriteFileBytes(dir.File("past.ini"), "[参数设置]\r\n分辨率=99999999999\r\n刷新率=9\r\n颜色质量=5\r\n");
  test::WriteFileBytes(dir.File("below.ini"), "[参数设置]\r\n分辨率=-1\r\n刷新率=-99999999999\r\n颜色质量=abc\r\n");
  test::WriteFileBytes(dir.File("inside.ini"), "[参数设置]\r\n分辨率=1\r\n刷新率=3\r\n颜色质量=1\r\n");

  // Past the end: the last item.
  ApplyIndexes(LoadLaunchSettings(dir.File("past.ini")));
  EXPECT_EQ(ui::CurrentSelection(MainWindow, "组合框1"), last);
  EXPECT_EQ(SelectedItemText("组合框1"), ui::ItemText(MainWindow, "组合框1", last));
  EXPECT_EQ(SelectedItemText("组合框2"), "120");
  EXPECT_EQ(SelectedItemText("组合框3"), "32bpp");

  // Negative: no selection and the empty text; abc reads as 0.
  ApplyIndexes(LoadLaunchSettings(dir.File("below.ini")));
  EXPECT_EQ(ui::CurrentSelection(MainWindow, "组合框1"), -1);
  EXPECT_EQ(SelectedItemText("组合框1"), "");
  EXPECT_EQ(ui::CurrentSelection(MainWindow, "组合框2"), -1);
  EXPECT_EQ(SelectedItemText("组合框2"), "");
  EXPECT_EQ(SelectedItemText("组合框3"), "16bpp");

  // Inside the list, after a cleared selection.
  ApplyIndexes(LoadLaunchSettings(dir.File("inside.ini")));
  EXPECT_EQ(SelectedItemText("组合框1"), "640x480");
  EXPECT_EQ(SelectedItemText("组合框2"), "85");
  EXPECT_EQ(SelectedItemText("组合框3"), "32bpp");
}

namespace {
// Its list without items (组合框1): the resolution list when the system reports no mode.
const ui::WindowLayout kEmptyListWindow = uitest::ProbeWindow("EmptyList");
}  // namespace

TEST(EmptyResolutionList, NoStoredIndexSelectsAnything) {
  ASSERT_TRUE(ui::Load(kEmptyListWindow));
  for (int index : {0, 1, 5, INT_MAX, -1, INT_MIN}) {
    ui::SetCurrentSelection(kEmptyListWindow, "组合框1", index);
    EXPECT_EQ(ui::CurrentSelection(kEmptyListWindow, "组合框1"), -1) << index;
    EXPECT_EQ(ui::ItemText(kEmptyListWindow, "组合框1", 0), "");
  }
  EXPECT_TRUE(uitest::CloseAndWait(kEmptyListWindow));
}
