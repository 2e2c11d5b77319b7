// The mouse acceleration switch in the real MainWindow, against a scratch key standing in for
// HKEY_CURRENT_USER: what the label and the button show, the two questions, and what gets written.
// No test ever answers Yes to the log-off question: under Wine a log-off ends every process of the
// prefix. Wine reports Windows 7 (6.1) to this process, as a stock Windows 7, 8.1, 10 or 11 system
// does, so a restore here writes Windows 7's defaults; tests/e2e covers the restore on Windows XP.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "pixels.h"
#include "scratch_registry.h"
#include "system/curves.h"
#include "system/mouse_accel.h"
#include "test_support.h"
#include "ui/layouts/main_window.h"
#include "ui/model/model.h"
#include "ui_test_helpers.h"

namespace {

using test::Bytes;
using test::kMouseCurveX;
using test::kMouseCurveY;
using test::kMouseKey;

// What 标签5 and 按钮4 show in each state.
struct Shown {
  const char* label;
  Color color;
  const char* button;
};
constexpr Shown kOff = {"鼠标加速:已关", 0xFF00u, "恢复鼠标加速度"};
constexpr Shown kOn = {"鼠标加速:未关", 0xFFFFu, "关闭鼠标加速度"};
constexpr Shown kUnknown = {"鼠标加速:未知", 0xFFu, "恢复鼠标加速度"};

// The switch's two questions, as BoxAnswerer::SeenTexts gives them.
const std::string kAskOff = "请确认操作: 是否要关闭鼠标加速度?";
const std::string kAskRestore = "请确认操作: 是否要恢复鼠标加速度?";
const std::string kAskLogOff = "是否立即注销系统: 该操作要重启或注销系统才有用,是否立即注销?";
using Boxes = std::vector<std::string>;

class MouseAccelSwitch : public uitest::RealMainWindowTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(user_.active());
    RealMainWindowTest::SetUp();
  }

  void SetCurves(const Curve& x, const Curve& y) {
    ASSERT_TRUE(user_.Set(kMouseKey, kMouseCurveX, REG_BINARY, Bytes(x)));
    ASSERT_TRUE(user_.Set(kMouseKey, kMouseCurveY, REG_BINARY, Bytes(y)));
  }
  std::string StoredX() const { return user_.Get(kMouseKey, kMouseCurveX).bytes; }
  std::string StoredY() const { return user_.Get(kMouseKey, kMouseCurveY).bytes; }

  static void ExpectShown(const Shown& state) {
    EXPECT_EQ(ui::Caption(MainWindow, "标签5"), state.label);
    EXPECT_EQ(ui::TextColor(MainWindow, "标签5"), state.color);
    EXPECT_EQ(ui::Caption(MainWindow, "按钮4"), state.button);
  }

  // Clicks the switch with these answers queued; returns the boxes it showed.
  static std::vector<std::string> Click(std::vector<int> answers) {
    test::BoxAnswerer answerer;
    for (int answer : answers) answerer.Answer(answer);
    OnMouseAccelSwitchClicked();
    return answerer.SeenTexts();
  }

  test::ScratchUserKey user_;
};

}  // namespace

TEST_F(MouseAccelSwitch, ShowsEachStateFromTheRegistry) {
  RefreshMouseAccelState();  // nothing stored
  ExpectShown(kUnknown);

  SetCurves(LinearCurveX, LinearCurveY);
  RefreshMouseAccelState();
  ExpectShown(kOff);

  // Either system's own defaults: a stock Windows 7 (8.1, 10, 11) account, and Windows XP's.
  for (const Curve* y : {&Windows7CurveY, &RestoreCurveY}) {
    SetCurves(RestoreCurveX, *y);
    RefreshMouseAccelState();
    ExpectShown(kOn);
  }

  for (const Curve* y : {&RestoreCurveY, &Windows7CurveY}) {
    SetCurves(LinearCurveX, *y);  // a mixed pair
    RefreshMouseAccelState();
    ExpectShown(kUnknown);
  }
}

TEST_F(MouseAccelSwitch, RightBytesInTheWrongFormAreUnknown) {
  SetCurves(RestoreCurveX, RestoreCurveY);
  ASSERT_TRUE(user_.Set(kMouseKey, kMouseCurveY, REG_SZ, Bytes(RestoreCurveY)));
  RefreshMouseAccelState();
  ExpectShown(kUnknown);

  SetCurves(LinearCurveX, LinearCurveY);
  ASSERT_TRUE(user_.Set(kMouseKey, kMouseCurveX, REG_DWORD, Bytes(LinearCurveX).substr(8, 4)));
  RefreshMouseAccelState();
  ExpectShown(kUnknown);

  SetCurves(LinearCurveX, LinearCurveY);
  ASSERT_TRUE(user_.Set(kMouseKey, kMouseCurveX, REG_BINARY, Bytes(LinearCurveX) + std::string(8, '\0')));
  RefreshMouseAccelState();
  ExpectShown(kUnknown);
}

TEST_F(MouseAccelSwitch, NoToTheQuestionChangesNothing) {
  SetCurves(RestoreCurveX, RestoreCurveY);
  RefreshMouseAccelState();
  EXPECT_EQ(Click({IDNO}), Boxes{kAskOff});
  EXPECT_EQ(StoredX(), Bytes(RestoreCurveX));
  EXPECT_EQ(StoredY(), Bytes(RestoreCurveY));
  ExpectShown(kOn);

  // From nothing stored: the question offers the restore, and No leaves the key uncreated.
  user_.Set(kMouseKey, kMouseCurveX, REG_SZ, "");
  RefreshMouseAccelState();
  EXPECT_EQ(Click({IDNO}), Boxes{kAskRestore});
  EXPECT_EQ(user_.Get(kMouseKey, kMouseCurveX).type, static_cast<DWORD>(REG_SZ));
  ExpectShown(kUnknown);
}

TEST_F(MouseAccelSwitch, RestoreFromNothingCreatesTheKeyAndShowsOn) {
  RefreshMouseAccelState();
  EXPECT_EQ(Click({IDYES, IDNO}), (Boxes{kAskRestore, kAskLogOff}));
  EXPECT_EQ(user_.Get(kMouseKey, kMouseCurveX).type, static_cast<DWORD>(REG_BINARY));
  EXPECT_EQ(StoredX(), Bytes(RestoreCurveX));
  EXPECT_EQ(StoredY(), Bytes(Windows7CurveY));
  ExpectShown(kOn);
}

// From a stock Windows 7+ account and back to it.
TEST_F(MouseAccelSwitch, SwitchOffThenRestore) {
  SetCurves(RestoreCurveX, Windows7CurveY);
  RefreshMouseAccelState();
  EXPECT_EQ(Click({IDYES, IDNO}), (Boxes{kAskOff, kAskLogOff}));
  EXPECT_EQ(StoredX(), Bytes(LinearCurveX));
  EXPECT_EQ(StoredY(), Bytes(LinearCurveY));
  ExpectShown(kOff);

  EXPECT_EQ(Click({IDYES, IDNO}), (Boxes{kAskRestore, kAskLogOff}));
  EXPECT_EQ(StoredX(), Bytes(RestoreCurveX));
  EXPECT_EQ(StoredY(), Bytes(Windows7CurveY));
  ExpectShown(kOn);
}

TEST_F(MouseAccelSwitch, TheLayoutCaptionMeansSwitchOff) {
  // Before any refresh 按钮4 still reads "开/关鼠标加速度".
  ui::SetCaption(MainWindow, "按钮4", "开/关鼠标加速度");
  EXPECT_EQ(Click({IDNO}), Boxes{kAskOff});
}

// The label is drawn in the state's colour on its black background, at once: the pixels are read
// from its surface after only the paint it has asked for.
TEST_F(MouseAccelSwitch, LabelIsDrawnInTheStateColour) {
  HWND window = test::TopLevel(MainWindow.title);
  ASSERT_NE(window, nullptr);
  struct Case {
    const Curve* x;
    const Curve* y;
    const char* caption;
    unsigned rgb;  // 0x00RRGGBB as the picture holds it
  };
  const Case cases[] = {{nullptr, nullptr, kUnknown.label, 0xFF0000},
                        {&LinearCurveX, &LinearCurveY, kOff.label, 0x00FF00},
                        {&RestoreCurveX, &RestoreCurveY, kOn.label, 0xFFFF00}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.caption);
    if (c.x) SetCurves(*c.x, *c.y);
    RefreshMouseAccelState();
    HWND label = test::ChildWithText(window, c.caption);
    ASSERT_NE(label, nullptr);
    // What the label shows once the paint it has asked for is done, without forcing one.
    RedrawWindow(label, nullptr, nullptr, RDW_UPDATENOW);
    const test::Picture picture = test::Render(label, test::Capture::kSurface);
    ASSERT_GT(picture.width, 10);
    ASSERT_GT(picture.height, 10);

    // Every pixel is black or a shade of the text colour (the glyphs are smoothed), and plenty of
    // stroke pixels come near the full colour.
    int black = 0, shade = 0, bright = 0, stray = 0;
    for (int y = 1; y < picture.height - 1; ++y) {
      for (int x = 1; x < picture.width - 1; ++x) {
        const unsigned p = picture.At(x, y) & 0xFFFFFF;
        if (p == 0) {
          ++black;
          continue;
        }
        unsigned lowest = 0xFF, highest = 0;
        bool wrongChannel = false;
        for (int shift = 0; shift < 24; shift += 8) {
          const unsigned channel = (p >> shift) & 0xFF;
          if (((c.rgb >> shift) & 0xFF) == 0) {
            wrongChannel = wrongChannel || channel > 0x20;
          } else {
            lowest = std::min(lowest, channel);
            highest = std::max(highest, channel);
          }
        }
        if (wrongChannel || highest - lowest > 0x20) {
          ++stray;
        } else {
          ++shade;
          if (lowest >= 0xC0) ++bright;
        }
      }
    }
    EXPECT_GT(black, shade);
    EXPECT_GT(bright, 20);
    EXPECT_EQ(stray, 0);
  }
}
