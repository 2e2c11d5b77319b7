// The real launcher.exe, started from another folder: what the player sees at start-up, and the game
// it starts (a fake that logs its command line and current folder).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "launcher_process.h"
#include "ui/layouts/main_window.h"
#include "ui/model/model.h"

namespace {

using test::ControlOf;

class LaunchTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(test::CopyTo(test::BuiltLauncher(), launcherExe_)) << test::BuiltLauncher();
    ASSERT_TRUE(CreateDirectoryA(home_.File("game").c_str(), nullptr));
    ASSERT_TRUE(test::CopyTo(test::BesideThisProgram("fake_game.exe"), gameExe_));
  }

  void WriteIni(const char* key, const std::string& value) {
    WritePrivateProfileStringA("参数设置", key, value.c_str(), ini_.c_str());
  }

  // Starts the launcher (through that spelling of its path) from the other folder, with arguments it must
  // ignore; its MainWindow must show.
  void Start() {
    launcher_ = Start(launcherExe_);
    ASSERT_NE(main_, nullptr);
  }
  std::unique_ptr<test::LauncherProcess> Start(const std::string& exe) {
    auto p = std::make_unique<test::LauncherProcess>(exe, elsewhere_.path(), "-game foo /x option.ini");
    EXPECT_TRUE(p->started());
    main_ = p->MainWindow();
    EXPECT_NE(main_, nullptr);
    return p;
  }

  HWND Control(const char* name) const { return ControlOf(main_, MainWindow, name); }
  int Count(const char* combo) const { return static_cast<int>(SendMessageA(Control(combo), CB_GETCOUNT, 0, 0)); }

  std::vector<test::GameStart> GameRecords() const { return test::GameStarts(home_.File("game\\game.log")); }

  // The launcher's thread has handled everything sent before: a box opened meanwhile would show now.
  void SyncWithLauncher() const {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(main_, WM_NULL, 0, 0, SMTO_NORMAL, test::kDefaultTimeoutMs, &ignored);
  }

  test::ScratchDir home_;
  test::ScratchDir elsewhere_;
  std::string launcherExe_ = home_.File("launcher.exe");
  std::string gameExe_ = home_.File("game\\hl.exe");
  std::string ini_ = home_.File("option.ini");
  std::unique_ptr<test::LauncherProcess> launcher_;
  HWND main_ = nullptr;
};

bool EndsWith(const std::string& text, const std::string& tail) {
  return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

TEST_F(LaunchTest, FirstRunShowsDefaultsNotTheLayoutPresets) {
  ASSERT_NO_FATAL_FAILURE(Start());
  // "60" and "16bpp", although the layout presets "75" and "32bpp"; the first resolution if there is one.
  EXPECT_EQ(test::ShownSettings(main_), (LaunchSettings{.gamePath = "", .resolutionIndex = Count("组合框1") > 0 ? 0 : -1}));
  // The mouse state is shown from the first sight of the window.
  const std::string state = test::WindowText(Control("标签5"));
  EXPECT_TRUE(state == "鼠标加速:已关" || state == "鼠标加速:未关" || state == "鼠标加速:未知") << state;
  EXPECT_FALSE(test::FileExists(ini_));  // reading creates nothing
}

TEST_F(LaunchTest, StoredSettingsAreApplied) {
  test::WriteFileBytes(ini_, "[参数设置]\r\nCS路径=" + gameExe_ + "\r\n分辨率=999\r\n刷新率=-1\r\n颜色质量=5\r\n"
                             "-noforcemaccel=1\r\n-noforcemparms=真\r\n");
  ASSERT_NO_FATAL_FAILURE(Start());
  // The resolution past the end selects the last item; only 真 ticks a box.
  EXPECT_EQ(test::ShownSettings(main_), (LaunchSettings{.gamePath = gameExe_, .resolutionIndex = Count("组合框1") - 1,
                                                         .refreshRateIndex = -1, .colorDepthIndex = 1,
                                                         .noForceMouseParms = true}));
}

TEST_F(LaunchTest, StartsTheGameWithTheChosenSwitchesInTheLauncherFolder) {
  const LaunchSettings stored = {
      .gamePath = gameExe_, .refreshRateIndex = 3, .colorDepthIndex = 1, .noForceMouseAccel = true};
  test::WriteFileBytes(ini_, test::OptionIni(stored));
  ASSERT_NO_FATAL_FAILURE(Start());
  const std::string resolution = test::RemoteItemText(Control("组合框1"), 0);
  ASSERT_FALSE(resolution.empty());
  const std::string width = resolution.substr(0, resolution.find('x'));
  const std::string height = resolution.substr(resolution.find('x') + 1);

  SendMessageA(Control("选择框3"), BM_SETCHECK, BST_CHECKED, 0);  // one switch chosen in the window
  test::Click(Control("按钮1"));
  ASSERT_TRUE(test::WaitUntil([&] { return GameRecords().size() == 1; }));
  const auto records = GameRecords();
  EXPECT_TRUE(EndsWith(records[0].commandLine, " -game cstrike -32bpp -width " + width + " -height " + height +
                                             " -freq 85 -noforcemaccel -noforcemspd"))
      << records[0].commandLine;
  EXPECT_EQ(records[0].folder, home_.path());

  // Every key and nothing else, with the values of the controls.
  LaunchSettings saved = stored;
  saved.noForceMouseSpeed = true;
  EXPECT_EQ(test::ReadFileBytes(ini_), test::OptionIni(saved));
}

TEST_F(LaunchTest, TwoClicksStartTwoGamesAndSwitchChangesCount) {
  WriteIni("CS路径", gameExe_);
  ASSERT_NO_FATAL_FAILURE(Start());
  SendMessageA(Control("组合框1"), CB_SETCURSEL, static_cast<WPARAM>(-1), 0);  // no resolution chosen
  SendMessageA(Control("选择框2"), BM_SETCHECK, BST_CHECKED, 0);
  test::Click(Control("按钮1"));
  ASSERT_TRUE(test::WaitUntil([&] { return GameRecords().size() == 1; }));
  SendMessageA(Control("选择框2"), BM_SETCHECK, BST_UNCHECKED, 0);
  test::Click(Control("按钮1"));
  ASSERT_TRUE(test::WaitUntil([&] { return GameRecords().size() == 2; }));
  const auto records = GameRecords();
  EXPECT_TRUE(EndsWith(records[0].commandLine, " -game cstrike -16bpp -freq 60 -noforcemparms"))
      << records[0].commandLine;
  EXPECT_TRUE(EndsWith(records[1].commandLine, " -game cstrike -16bpp -freq 60")) << records[1].commandLine;
  EXPECT_EQ(GetPrivateProfileIntA("参数设置", "分辨率", 7, ini_.c_str()), -1);
}

TEST_F(LaunchTest, TwoLaunchersSavingAtOnceKeepEveryLine) {
  // Two copies in one folder press 启动 CS together, round after round: one started through the
  // folder's short (8.3) name, as an old shortcut may, the other through its long name in upper case.
  char shortExe[MAX_PATH * 4] = {};
  ASSERT_GT(GetShortPathNameA(launcherExe_.c_str(), shortExe, sizeof shortExe), 0u);
  ASSERT_NE(lstrcmpiA(shortExe, launcherExe_.c_str()), 0) << "no short name to start through";
  std::string upperExe = launcherExe_;
  CharUpperA(upperExe.data());
  ASSERT_TRUE(test::CopyTo(gameExe_, home_.File("game\\cstrike.exe")));
  // Each copy shows choices of its own, so every save must come whole from one copy. The player's own
  // lines, another section and a key of his, stand before what the copies save.
  const std::string byHand = "[其他]\r\nfoo=bar\r\n[参数设置]\r\n手写=1\r\n";
  std::vector<std::string> expected;
  std::vector<HWND> windows;
  std::vector<std::unique_ptr<test::LauncherProcess>> copies;
  for (const std::string& exe : {std::string(shortExe), upperExe}) {
    copies.push_back(Start(exe));
    ASSERT_NE(main_, nullptr);
    const int n = static_cast<int>(windows.size());
    const std::string path = home_.File(n == 0 ? "game\\hl.exe" : "game\\cstrike.exe");
    SendMessageA(Control("编辑框1"), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
    SendMessageA(Control("组合框2"), CB_SETCURSEL, n, 0);
    SendMessageA(Control("组合框3"), CB_SETCURSEL, 1 - n, 0);
    for (const char* box : {"选择框1", "选择框2", "选择框3"}) SendMessageA(Control(box), BM_SETCHECK, 1 - n, 0);
    const bool on = n == 0;
    const int resolution = test::ShownSettings(main_).resolutionIndex;
    expected.push_back(byHand + test::SettingLines({.gamePath = path, .resolutionIndex = resolution,
                                                    .refreshRateIndex = n, .colorDepthIndex = 1 - n,
                                                    .noForceMouseAccel = on, .noForceMouseParms = on,
                                                    .noForceMouseSpeed = on}));
    windows.push_back(main_);
  }

  for (size_t round = 1; round <= 20; ++round) {
    SCOPED_TRACE(round);
    test::WriteFileBytes(ini_, byHand);
    for (HWND window : windows) test::Click(ControlOf(window, MainWindow, "按钮1"));
    // Each launcher saves before it starts its game.
    ASSERT_TRUE(test::WaitUntil([&] { return GameRecords().size() == 2 * round; }));
    const std::string bytes = test::ReadFileBytes(ini_);
    EXPECT_TRUE(bytes == expected[0] || bytes == expected[1]) << bytes;
  }
}

TEST_F(LaunchTest, EnterInThePathBoxLaunches) {
  WriteIni("CS路径", gameExe_);
  ASSERT_NO_FATAL_FAILURE(Start());
  HWND edit = Control("编辑框1");
  PostMessageA(edit, WM_KEYDOWN, VK_RETURN, 1);
  PostMessageA(edit, WM_CHAR, '\r', 1);
  ASSERT_TRUE(test::WaitUntil([&] { return GameRecords().size() == 1; }));
  SyncWithLauncher();
  EXPECT_EQ(GameRecords().size(), 1u);
}

TEST_F(LaunchTest, EmptyPathAsksForItAndWritesNothing) {
  ASSERT_NO_FATAL_FAILURE(Start());
  test::BoxAnswerer boxes(launcher_->pid());
  boxes.Answer(IDOK);
  test::Click(Control("按钮1"));
  ASSERT_TRUE(test::WaitUntil([&] { return boxes.SeenCount() == 1; }));
  EXPECT_EQ(boxes.SeenTexts(), std::vector<std::string>{std::string(ui::kDefaultMessageTitle) + ": 请设置CS文件路径地址"});
  SyncWithLauncher();
  EXPECT_FALSE(test::FileExists(ini_));
  EXPECT_TRUE(GameRecords().empty());

  // An option.ini that is there already is not touched either.
  const std::string before = "[参数设置]\r\nCS路径=\r\n分辨率=3\r\n";
  test::WriteFileBytes(ini_, before);
  boxes.Answer(IDOK);
  test::Click(Control("按钮1"));
  ASSERT_TRUE(test::WaitUntil([&] { return boxes.SeenCount() == 2; }));
  SyncWithLauncher();
  EXPECT_EQ(test::ReadFileBytes(ini_), before);
}

TEST_F(LaunchTest, MissingGameStillSavesAndShowsNothing) {
  ASSERT_NO_FATAL_FAILURE(Start());
  const std::string missing = home_.File("nowhere\\hl.exe");
  SendMessageA(Control("编辑框1"), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(missing.c_str()));
  test::Click(Control("按钮1"));
  ASSERT_TRUE(test::WaitUntil([&] { return test::FileExists(ini_); }));
  SyncWithLauncher();
  char path[1024] = {};
  GetPrivateProfileStringA("参数设置", "CS路径", "", path, sizeof path, ini_.c_str());
  EXPECT_EQ(path, missing);
  EXPECT_EQ(test::FindDialog(nullptr, launcher_->pid()), nullptr);
}

}  // namespace
