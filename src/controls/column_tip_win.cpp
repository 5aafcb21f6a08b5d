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

}  // namespace

void CColumnTip::Attach(HWND list, int column, std::wstring text) {
  list_ = list;
  column_ = column;
  text_ = std::move(text);
  header_ = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
  if (!list_ || !header_ || text_.empty()) return;
  tip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                         WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                         CW_USEDEFAULT, CW_USEDEFAULT, GetParent(list), nullptr, nullptr, nullptr);
  if (!tip_) return;
  for (auto [window, id] : {std::pair{header_, kHeaderTool}, std::pair{list_, kCellsTool}}) {
    TTTOOLINFOW tool = Tool(window, id);
    tool.uFlags = TTF_SUBCLASS;
    tool.lpszText = text_.data();
    SendMessageW(tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
  // Several lines, and long enough to be read.
  SendMessageW(tip_, TTM_SETMAXTIPWIDTH, 0, 600);
  PrepareTooltip(tip_);
  SendMessageW(tip_, TTM_SETDELAYTIME, TTDT_AUTOPOP, 30000);
  Fit();
}

void CColumnTip::Fit() {
  if (!tip_) return;
  RECT item = {};
  if (!SendMessageW(header_, HDM_GETITEMRECT, static_cast<WPARAM>(column_),
                    reinterpret_cast<LPARAM>(&item)))
    return;
  TTTOOLINFOW onHeader = Tool(header_, kHeaderTool);
  onHeader.rect = item;
  SendMessageW(tip_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&onHeader));
  // The cells lie below the header at the same x, less the list's horizontal scroll.
  RECT client = {};
  GetClientRect(list_, &client);
  const int scroll = GetScrollPos(list_, SB_HORZ);
  TTTOOLINFOW onCells = Tool(list_, kCellsTool);
  onCells.rect = {item.left - scroll, item.bottom, item.right - scroll, client.bottom};
  SendMessageW(tip_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&onCells));
}

}  // namespace scrv
