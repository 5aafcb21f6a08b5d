#include "controls/column_tip_win.h"

#include <commctrl.h>

#include "frame/control_look_win.h"

namespace scrv {
namespace {

constexpr UINT_PTR kHeaderTool = 1, kCellsTool = 2;

TTTOOLINFOW Tool(HWND window, UINT_PTR id) {
  TTTOOLINFOW tool = {};
  tool.cbSize = sizeof tool;
  tool.hwnd = window;
  tool.uId = id;
  return tool;
}

HWND HeaderOf(HWND list) {
  return reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
}

}  // namespace

HWND CreateColumnTooltip(HWND list) {
  HWND tip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                             WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, GetParent(list), nullptr, nullptr,
                             nullptr);
  if (!tip) return nullptr;
  // Several lines, each short enough to be read.
  SendMessageW(tip, TTM_SETMAXTIPWIDTH, 0, 600);
  PrepareTooltip(tip);
  return tip;
}

void AddColumnTool(HWND tip, HWND window, UINT_PTR id, wchar_t* text) {
  TTTOOLINFOW tool = Tool(window, id);
  tool.uFlags = TTF_SUBCLASS;
  tool.lpszText = text;
  SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void FitColumnTools(HWND tip, HWND list, int column, UINT_PTR headerTool, UINT_PTR cellsTool) {
  HWND header = HeaderOf(list);
  RECT item = {};
  if (!tip || !SendMessageW(header, HDM_GETITEMRECT, static_cast<WPARAM>(column),
                            reinterpret_cast<LPARAM>(&item)))
    return;
  if (headerTool) {
    TTTOOLINFOW onHeader = Tool(header, headerTool);
    onHeader.rect = item;
    SendMessageW(tip, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&onHeader));
  }
  if (cellsTool) {
    RECT client = {};
    GetClientRect(list, &client);
    const int scroll = GetScrollPos(list, SB_HORZ);
    TTTOOLINFOW onCells = Tool(list, cellsTool);
    onCells.rect = {item.left - scroll, item.bottom, item.right - scroll, client.bottom};
    SendMessageW(tip, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&onCells));
  }
}

void CColumnTip::Attach(HWND list, int column, std::wstring text) {
  list_ = list;
  column_ = column;
  text_ = std::move(text);
  HWND header = list_ ? HeaderOf(list_) : nullptr;
  if (!header || text_.empty() || !(tip_ = CreateColumnTooltip(list_))) return;
  AddColumnTool(tip_, header, kHeaderTool, text_.data());
  AddColumnTool(tip_, list_, kCellsTool, text_.data());
  // A legend takes a while to read.
  SendMessageW(tip_, TTM_SETDELAYTIME, TTDT_AUTOPOP, 30000);
  Fit();
}

void CColumnTip::Fit() {
  FitColumnTools(tip_, list_, column_, kHeaderTool, kCellsTool);
}

}  // namespace scrv
