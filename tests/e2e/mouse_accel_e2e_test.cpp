// The mouse switch of the real launcher.exe on Windows XP, driven from outside. Wine reports Windows 7
// unless told otherwise; a copy of the launcher under a name of its own, with Wine's AppDefaults key for
// that name set to "winxp", is told it runs on Windows XP. The launcher writes the prefix's own mouse
// curves, so the test keeps what the prefix held and puts it back at the end.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "launcher_process.h"
#include "scratch_registry.h"
#include "system/curves.h"
#include "ui/layouts/main_window.h"

namespace {

constexpr const char* kXpExe = "launcher_on_xp.exe";
constexpr const char* kXpAppDefaults = "Software\\Wine\\AppDefaults\\launcher_on_xp.exe";

using test::Bytes;
using Stored = test::RegistryValue;

Stored Read(const char* key, const char* name) { return test::ReadValue(HKEY_CURRENT_USER, key, name); }
bool Write(const char* key, const char* name, const Stored& value) {
  return test::WriteValue(HKEY_CURRENT_USER, key, name, value);
}
Stored Binary(const Curve& curve) { return {REG_BINARY, Bytes(curve)}; }

// Tells Wine to report Windows XP to kXpExe, and keeps the prefix's two curves; both undone at the end.
class XpPrefix {
 public:
  XpPrefix() { set_ = Write(kXpAppDefaults, "Version", {REG_SZ, std::string("winxp", 6)}); }
  ~XpPrefix() { RegDeleteTreeA(HKEY_CURRENT_USER, kXpAppDefaults); }
  XpPrefix(const XpPrefix&) = delete;
  XpPrefix& operator=(const XpPrefix&) = delete;
  bool set() const { return set_; }

 private:
  test::KeptMouseCurves curves_;
  bool set_ = false;
};

}  // namespace

// The player switched acceleration off on Windows XP earlier (the linear pair is stored); the restore
// puts back XP's own defaults, and the label then shows them as on.
TEST(MouseSwitchOnWindowsXp, RestoreWritesTheXpDefaults) {
  test::ScratchDir scratch;
  const std::string exe = scratch.File(kXpExe);
  ASSERT_TRUE(test::CopyTo(test::BuiltLauncher(), exe)) << test::BuiltLauncher();
  XpPrefix xp;
  ASSERT_TRUE(xp.set());
  ASSERT_TRUE(Write(test::kMouseKey, test::kMouseCurveX, Binary(LinearCurveX)));
  ASSERT_TRUE(Write(test::kMouseKey, test::kMouseCurveY, Binary(LinearCurveY)));

  test::LauncherProcess launcher(exe, scratch.path());
  ASSERT_TRUE(launcher.started());
  HWND main = launcher.MainWindow();
  ASSERT_NE(main, nullptr);
  HWND label = test::ControlOf(main, MainWindow, "标签5");
  HWND button = test::ControlOf(main, MainWindow, "按钮4");
  ASSERT_TRUE(test::WaitUntil([&] { return test::WindowText(label) == "鼠标加速:已关"; }));
  ASSERT_EQ(test::WindowText(button), "恢复鼠标加速度");

  test::BoxAnswerer boxes(launcher.pid());
  boxes.Answer(IDYES);  // restore
  boxes.Answer(IDNO);   // no log-off now
  test::Click(button);
  EXPECT_TRUE(test::WaitUntil([&] { return test::WindowText(label) == "鼠标加速:未关"; }));
  EXPECT_EQ(boxes.SeenCount(), 2u);
  EXPECT_EQ(test::WindowText(button), "关闭鼠标加速度");

  const Stored x = Read(test::kMouseKey, test::kMouseCurveX), y = Read(test::kMouseKey, test::kMouseCurveY);
  EXPECT_EQ(x.type, static_cast<DWORD>(REG_BINARY));
  EXPECT_EQ(x.bytes, CurveBytes(RestoreCurveX));
  EXPECT_EQ(y.type, static_cast<DWORD>(REG_BINARY));
  EXPECT_EQ(y.bytes, CurveBytes(RestoreCurveY));

  PostMessageA(main, WM_CLOSE, 0, 0);
  EXPECT_TRUE(launcher.WaitForExit(nullptr));
}
