// MainWindow's layout as data, with the handlers bound to its events.
#include "ui/layouts/main_window.h"

#include "resource.h"

namespace {

using namespace ui;
using namespace main_window;

constexpr const char* kColorDepths[] = {"16bpp", "32bpp"};
constexpr const char* kRefreshRates[] = {"60", "70", "75", "85", "100", "120"};
constexpr const char* kGroupChildren[] = {"标签4", kColorDepthList, kRefreshRateList, "标签3",
                                          kNoForceMouseSpeed.box, kNoForceMouseParms.box,
                                          kNoForceMouseAccel.box, kResolutionList, "标签2"};

// A caption on white, left-aligned and vertically centred.
constexpr ControlLayout PlainLabel(const char* name, int left, int top, int width, int height,
                                   const char* caption) {
  return {.name = name, .cls = ControlClass::Label, .left = left, .top = top, .width = width,
          .height = height, .caption = caption};
}
constexpr ControlLayout List(const char* name, int left, int top, int width, Items items, int selection) {
  return {.name = name, .cls = ControlClass::ComboBox, .left = left, .top = top, .width = width,
          .height = 20, .items = items, .initialSelection = selection, .rowSpacing = 1,
          .dropHeight = 160};
}
// A game switch's check box, captioned with the switch.
constexpr ControlLayout Switch(const GameSwitch& s, int top) {
  return {.name = s.box, .cls = ControlClass::CheckBox, .left = 168, .top = top, .width = 104,
          .height = 20, .caption = s.text};
}
constexpr ControlLayout PushButton(const char* name, int left, int top, int width, int height,
                                   const char* caption, Handler clicked) {
  return {.name = name, .cls = ControlClass::Button, .left = left, .top = top, .width = width,
          .height = height, .caption = caption, .hAlign = HAlign::Center, .clicked = clicked};
}

constexpr ControlLayout kControls[] = {
    {.name = kMouseStateLabel, .cls = ControlClass::Label, .left = 211, .top = 181, .width = 86, .height = 22,
     .caption = "鼠标加速:", .textColor = kWhite, .backColor = kBlack, .border = FrameStyle::Sunken,
     .hAlign = HAlign::Center},
    {.name = kGameFileDialog, .cls = ControlClass::CommonDlg, .left = 136, .top = 104, .width = 24,
     .height = 24, .visible = false, .caption = "", .dialogTitle = "手动查找CS位置",
     .filter = "Cstrike.exe 或 hl.exe|Cstrike.exe;hl.exe", .initialFilter = 0, .fileMustExist = true,
     .pathMustExist = true, .overwritePrompt = true},
    {.name = kGamePathBox, .cls = ControlClass::EditBox, .left = 56, .top = 152, .width = 240, .height = 20,
     .border = FrameStyle::Sunken, .autoHScroll = true},
    PlainLabel("标签1", 8, 152, 40, 20, "CS路径:"),
    PlainLabel("标签4", 8, 66, 56, 20, "颜色质量:"),
    List(kColorDepthList, 64, 66, 56, kColorDepths, 1),
    List(kRefreshRateList, 64, 42, 56, kRefreshRates, 2),
    PlainLabel("标签3", 8, 42, 56, 20, "刷新率:"),
    Switch(kNoForceMouseSpeed, 66),
    Switch(kNoForceMouseParms, 42),
    Switch(kNoForceMouseAccel, 18),
    List(kResolutionList, 64, 18, 80, {}, -1),
    PlainLabel("标签2", 8, 18, 48, 20, "分辨率:"),
    {.name = "分组框1", .cls = ControlClass::GroupBox, .left = 8, .top = 48, .width = 288, .height = 96,
     .caption = "启动参数", .children = kGroupChildren},
    PushButton("按钮9", 72, 7, 63, 30, "显卡调节", OnDisplaySettingsClicked),
    PushButton("按钮6", 8, 181, 50, 22, "浏览", OnBrowseClicked),
    PushButton("按钮5", 58, 181, 49, 22, "搜索", OnOpenSearchClicked),
    PushButton(kMouseAccelButton, 135, 7, 113, 30, "开/关鼠标加速度", OnMouseAccelSwitchClicked),
    PushButton("按钮3", 9, 7, 63, 30, "鼠标调节", OnMouseSettingsClicked),
    {.name = "按钮1", .cls = ControlClass::Button, .left = 107, .top = 181, .width = 96, .height = 22,
     .caption = "启动 CS", .hAlign = HAlign::Center, .defaultButton = true, .clicked = OnLaunchClicked},
};

}  // namespace

const ui::WindowLayout MainWindow = {
    .name = "MainWindow",
    .title = "Vantor 多功能启动器",
    .left = 50, .top = 50, .width = 310, .height = 242,
    .border = ui::WindowBorder::Fixed,
    .background = kWhite,
    .controlBox = true,
    .minimizeButton = true,
    .maximizeButton = false,
    .start = ui::StartPosition::CenterScreen,
    .movable = true,
    .iconResource = IDI_LAUNCHER,
    .escCloses = true,
    .enterMovesFocus = false,
    .showInTaskbar = true,
    .alwaysOnTop = false,
    .visible = true,
    .created = OnMainWindowCreated,
    .controls = kControls,
};
