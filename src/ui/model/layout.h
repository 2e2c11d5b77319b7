// Layout records: a window and its controls declared as plain data, from which the model builds the
// native windows. One file per window under ui/layouts/ holds its table and its event bindings.
#pragma once

#include <span>

#include "base/color.h"

namespace ui {

// A handler bound to an event: a plain procedure without arguments or result.
using Handler = void (*)();

enum class ControlClass { EditBox, Label, GroupBox, Button, CheckBox, ComboBox, DriverBox, CommonDlg };

enum class WindowBorder { None, Resizable, Fixed, NarrowResizable, NarrowFixed, SunkenResizable, SunkenFixed };
enum class StartPosition { AtLeftTop, CenterScreen, Minimized, Maximized };
enum class FrameStyle { None, Sunken, Raised, ShallowSunken, Framed, SingleLine };
enum class HAlign { Left, Center, Right };
enum class VAlign { Top, Center, Bottom };
enum class ComboType { Simple, DropDown, DropDownList };
enum class InputMode { Normal, ReadOnly, Password };
enum class DriveKinds { All, Common };  // Common: removable, fixed, CD, network and RAM drives only
enum class DialogType { Open };

using Items = std::span<const char* const>;

// One control. Fields a class does not use keep their defaults; designated initialisers name the rest.
struct ControlLayout {
  const char* name = "";
  ControlClass cls = ControlClass::Label;
  int left = 0, top = 0, width = 0, height = 0;
  bool visible = true;
  bool disabled = false;
  bool tabStop = false;
  const char* caption = "";  // caption, content, or (CommonDlg) the initial file name
  Color textColor = kBlack;
  Color backColor = kWhite;
  FrameStyle border = FrameStyle::None;  // Label, EditBox
  HAlign hAlign = HAlign::Left;          // Label, Button, CheckBox, GroupBox caption
  VAlign vAlign = VAlign::Center;        // Label, Button
  bool wordWrap = false;                 // Label
  // EditBox
  bool multiLine = false;
  bool autoHScroll = false;  // one line that scrolls horizontally
  bool scrollBars = false;
  int maxLength = 0;  // 0: the system's limit
  InputMode input = InputMode::Normal;
  // Button
  bool defaultButton = false;
  // CheckBox
  bool checked = false;
  // ComboBox, DriverBox
  ComboType comboType = ComboType::DropDownList;
  Items items = {};
  int initialSelection = -1;
  bool sorted = false;
  int rowSpacing = 0;   // pixels added to the system's row height
  int dropHeight = 0;   // total height, field plus opened list; 0: the control's height
  DriveKinds drives = DriveKinds::All;
  // GroupBox: names of the controls placed inside it
  Items children = {};
  // CommonDlg
  DialogType dialogType = DialogType::Open;
  const char* dialogTitle = "";
  const char* filter = "";
  int initialFilter = 0;
  const char* initialDirectory = "";
  const char* defaultExtension = "";
  bool fileMustExist = false;
  bool pathMustExist = false;
  bool overwritePrompt = false;
  bool createPrompt = false;
  bool keepCurrentDirectory = false;
  // Events
  Handler clicked = nullptr;
};

struct WindowLayout {
  const char* name = "";
  const char* title = "";
  int left = 0, top = 0, width = 0, height = 0;
  WindowBorder border = WindowBorder::Fixed;
  Color background = kDefaultColor;
  bool controlBox = true;
  bool minimizeButton = false;
  bool maximizeButton = false;
  StartPosition start = StartPosition::CenterScreen;
  bool movable = true;
  int iconResource = 0;  // 0: no icon of its own
  bool escCloses = false;
  bool enterMovesFocus = false;
  bool showInTaskbar = true;
  bool alwaysOnTop = false;
  bool visible = true;
  Handler created = nullptr;
  // Runs on the window thread before the window goes, however it is closed (close box, Esc, Destroy,
  // or its owner closing). The logic uses it to end work that still uses the window's controls.
  Handler closing = nullptr;
  std::span<const ControlLayout> controls = {};
};

}  // namespace ui
