// Style translation: what the system's window and control classes are asked for, for each setting of a
// layout; and the launcher's colours as the system takes them.
#include <windows.h>

#include "ui/model/model_internal.h"

namespace ui::detail {

DWORD WindowStyle(const WindowLayout& w, DWORD* exStyle) {
  DWORD style = 0;
  *exStyle = 0;
  switch (w.border) {
    case WindowBorder::None: style = WS_POPUP; break;
    case WindowBorder::Resizable: style = WS_OVERLAPPED | WS_CAPTION | WS_THICKFRAME; break;
    case WindowBorder::Fixed: style = WS_OVERLAPPED | WS_CAPTION; break;
    case WindowBorder::NarrowResizable:
      style = WS_OVERLAPPED | WS_CAPTION | WS_THICKFRAME;
      *exStyle |= WS_EX_TOOLWINDOW;
      break;
    case WindowBorder::NarrowFixed:
      style = WS_OVERLAPPED | WS_CAPTION;
      *exStyle |= WS_EX_TOOLWINDOW;
      break;
    case WindowBorder::SunkenResizable:
      style = WS_OVERLAPPED | WS_CAPTION | WS_THICKFRAME;
      *exStyle |= WS_EX_CLIENTEDGE;
      break;
    case WindowBorder::SunkenFixed:
      style = WS_OVERLAPPED | WS_CAPTION;
      *exStyle |= WS_EX_CLIENTEDGE;
      break;
  }
  if (w.controlBox && (style & WS_CAPTION)) style |= WS_SYSMENU;
  if (w.minimizeButton) style |= WS_MINIMIZEBOX;
  if (w.maximizeButton) style |= WS_MAXIMIZEBOX;
  if (w.alwaysOnTop) *exStyle |= WS_EX_TOPMOST;
  if (!w.showInTaskbar) *exStyle |= WS_EX_TOOLWINDOW;
  return style;
}

namespace {

DWORD FrameExStyle(FrameStyle frame) {
  switch (frame) {
    case FrameStyle::Sunken: return WS_EX_CLIENTEDGE;
    case FrameStyle::Raised: return WS_EX_DLGMODALFRAME;
    case FrameStyle::ShallowSunken: return WS_EX_STATICEDGE;
    case FrameStyle::Framed: return WS_EX_DLGMODALFRAME | WS_EX_CLIENTEDGE;
    default: return 0;
  }
}

}  // namespace

NativeClass NativeClassFor(const ControlLayout& c) {
  const DWORD hAlignStatic = c.hAlign == HAlign::Center ? SS_CENTER : c.hAlign == HAlign::Right ? SS_RIGHT : SS_LEFT;
  const DWORD hAlignButton = c.hAlign == HAlign::Center ? BS_CENTER : c.hAlign == HAlign::Right ? BS_RIGHT : BS_LEFT;
  const DWORD vAlignButton = c.vAlign == VAlign::Top ? BS_TOP : c.vAlign == VAlign::Bottom ? BS_BOTTOM : BS_VCENTER;
  const int listHeight = c.dropHeight > 0 ? c.dropHeight : c.height;
  const DWORD comboType = c.comboType == ComboType::Simple     ? CBS_SIMPLE
                          : c.comboType == ComboType::DropDown ? (CBS_DROPDOWN | CBS_AUTOHSCROLL)
                                                               : CBS_DROPDOWNLIST;
  switch (c.cls) {
    case ControlClass::Label: {
      DWORD style = SS_NOPREFIX | hAlignStatic;
      // One line centred vertically; a left-aligned line that does not wrap is cut, not wrapped.
      if (!c.wordWrap && c.vAlign == VAlign::Center) style |= SS_CENTERIMAGE;
      if (!c.wordWrap && c.hAlign == HAlign::Left) style = (style & ~SS_LEFT) | SS_LEFTNOWORDWRAP;
      return {"STATIC", style, FrameExStyle(c.border), c.height};
    }
    case ControlClass::EditBox: {
      DWORD style = ES_LEFT;
      if (c.multiLine) style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
      if (c.autoHScroll) style |= ES_AUTOHSCROLL;
      if (c.scrollBars) style |= c.multiLine ? (WS_VSCROLL | WS_HSCROLL) : 0;
      if (c.input == InputMode::ReadOnly) style |= ES_READONLY;
      if (c.input == InputMode::Password) style |= ES_PASSWORD;
      const DWORD border = c.border == FrameStyle::SingleLine ? WS_BORDER : 0;
      return {"EDIT", style | border, FrameExStyle(c.border), c.height};
    }
    case ControlClass::GroupBox: return {"BUTTON", BS_GROUPBOX | hAlignButton, 0, c.height};
    case ControlClass::Button:
      return {"BUTTON", (c.defaultButton ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | hAlignButton | vAlignButton, 0,
              c.height};
    case ControlClass::CheckBox: return {"BUTTON", BS_AUTOCHECKBOX | hAlignButton | BS_VCENTER, 0, c.height};
    case ControlClass::ComboBox: {
      // Rows of another height than the system's need a list that the model draws itself: not every
      // system lets a plain list change its row height.
      const DWORD ownerDraw = c.rowSpacing != 0 ? (CBS_OWNERDRAWFIXED | CBS_HASSTRINGS) : 0u;
      return {"COMBOBOX", comboType | WS_VSCROLL | ownerDraw | (c.sorted ? CBS_SORT : 0u), 0, listHeight};
    }
    case ControlClass::DriverBox: return {"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL, 0, listHeight};
    case ControlClass::CommonDlg: break;
  }
  return {nullptr, 0, 0, 0};
}

COLORREF NativeColor(Color color) {
  return color == kDefaultColor ? GetSysColor(COLOR_BTNFACE) : static_cast<COLORREF>(color & 0x00FFFFFFu);
}

UniqueGdiObject SolidBrush(Color color) { return UniqueGdiObject(CreateSolidBrush(NativeColor(color))); }

}  // namespace ui::detail
