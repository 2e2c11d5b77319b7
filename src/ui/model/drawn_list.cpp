// Drop-down lists whose rows the model draws itself: rows of another height than the system's need
// it, since not every system lets a plain list change its row height.
#include <windows.h>

#include <string>

#include "ui/model/model_internal.h"
#include "ui/model/scaling.h"

namespace ui::detail {

ListRows PlainListRows(HFONT font) {
  ListRows rows;
  HWND probe = CreateWindowExA(0, "COMBOBOX", "", WS_POPUP | CBS_DROPDOWNLIST | WS_VSCROLL, 0, 0, 80, 160, nullptr,
                               nullptr, GetModuleHandleA(nullptr), nullptr);
  if (!probe) return rows;
  SendMessageA(probe, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  rows.item = static_cast<int>(SendMessageA(probe, CB_GETITEMHEIGHT, 0, 0));
  rows.field = static_cast<int>(SendMessageA(probe, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
  DestroyWindow(probe);
  return rows;
}

int ListItemHeight(const WindowInstance& w, const ControlLayout& list) {
  return w.listRows.item + ScaleToDpi(list.rowSpacing, w.dpi);
}

void MeasureListItem(WindowInstance& w, MEASUREITEMSTRUCT& measure) {
  ControlInstance* c = ControlById(w, measure.CtlID);
  if (!c || measure.CtlType != ODT_COMBOBOX) return;
  if (measure.itemID != static_cast<UINT>(-1) && w.listRows.item > 0) {
    measure.itemHeight = static_cast<UINT>(ListItemHeight(w, *c->layout));
  }
}

void DrawListItem(WindowInstance& w, const DRAWITEMSTRUCT& draw) {
  ControlInstance* c = ControlById(w, draw.CtlID);
  if (!c || draw.CtlType != ODT_COMBOBOX) return;
  const bool selected = (draw.itemState & ODS_SELECTED) != 0;
  const bool disabled = (draw.itemState & ODS_DISABLED) != 0;
  RECT rc = draw.rcItem;
  if (selected) {
    FillRect(draw.hDC, &rc, GetSysColorBrush(COLOR_HIGHLIGHT));
  } else {
    FillRect(draw.hDC, &rc, static_cast<HBRUSH>(c->backBrush.get()));
  }
  if (draw.itemID != static_cast<UINT>(-1)) {
    const std::string text = ItemTextOf(draw.hwndItem, static_cast<int>(draw.itemID));
    const COLORREF color = disabled ? GetSysColor(COLOR_GRAYTEXT)
                           : selected ? GetSysColor(COLOR_HIGHLIGHTTEXT)
                                      : NativeColor(c->textColor);
    ::SetTextColor(draw.hDC, color);
    SetBkMode(draw.hDC, TRANSPARENT);
    HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessageA(draw.hwndItem, WM_GETFONT, 0, 0));
    HGDIOBJ previous = font ? SelectObject(draw.hDC, font) : nullptr;
    RECT textRect = rc;
    textRect.left += ScaleToDpi(2, w.dpi);
    // Drawn as Unicode: GDI's ANSI functions read the text in the selected font's charset, which on a
    // system of another language is not GB2312 even where the manifest gives the process code page 936.
    const std::wstring wide = WideText(text, CP_ACP);
    DrawTextW(draw.hDC, wide.c_str(), static_cast<int>(wide.size()), &textRect,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    if (previous) SelectObject(draw.hDC, previous);
  }
  if ((draw.itemState & ODS_FOCUS) && !(draw.itemState & ODS_NOFOCUSRECT)) DrawFocusRect(draw.hDC, &rc);
}

}  // namespace ui::detail
