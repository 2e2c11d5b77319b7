// SearchWindow's layout as data, with the handlers bound to its buttons.
#include "ui/layouts/search_window.h"

namespace {

using namespace ui;
using namespace search_window;

constexpr ControlLayout TabButton(const char* name, int left, const char* caption, Handler clicked) {
  return {.name = name, .cls = ControlClass::Button, .left = left, .top = 96, .width = 56, .height = 24,
          .tabStop = true, .caption = caption, .hAlign = HAlign::Center, .clicked = clicked};
}

constexpr ControlLayout kControls[] = {
    TabButton("按钮3", 84, "停止", OnStopSearchClicked),
    {.name = kSearchBox, .cls = ControlClass::EditBox, .left = 8, .top = 56, .width = 208, .height = 32,
     .tabStop = true, .border = FrameStyle::Sunken, .multiLine = true},
    TabButton("按钮2", 160, "退出", OnExitSearchClicked),
    TabButton(kStartButton, 8, "搜索", OnStartSearchClicked),
    {.name = "标签1", .cls = ControlClass::Label, .left = 8, .top = 8, .width = 80, .height = 16,
     .caption = "选择驱动器:"},
    {.name = kDriveList, .cls = ControlClass::DriverBox, .left = 8, .top = 32, .width = 208, .height = 20,
     .tabStop = true, .dropHeight = 80, .drives = DriveKinds::All},
};

}  // namespace

const ui::WindowLayout SearchWindow = {
    .name = "SearchWindow",
    .title = "搜索CS文件所在位置",
    .left = 50, .top = 50, .width = 230, .height = 157,
    .border = ui::WindowBorder::Fixed,
    .background = kWhite,
    .controlBox = true,
    .minimizeButton = false,
    .maximizeButton = false,
    .start = ui::StartPosition::CenterScreen,
    .movable = true,
    .iconResource = 0,
    .escCloses = true,
    .enterMovesFocus = false,
    .showInTaskbar = true,
    .alwaysOnTop = false,
    .visible = true,
    .created = nullptr,
    .closing = OnSearchWindowClosing,
    .controls = kControls,
};
