#include "controls/radio_grid_win.h"

#include <commctrl.h>

#include "frame/dpi_win.h"

namespace scrv {
namespace {

// The subclass identifier says whether the button shows only its glyph; the reference data is
// the neighbour function.
constexpr UINT_PTR kGridSubclass = 0x5247;  // "RG"
constexpr UINT_PTR kGlyphOnlySubclass = 0x5248;

// The cell an arrow key leads to, or null.
HWND ArrowTarget(HWND button, WPARAM key, GridNeighbourFn neighbour) {
  int dx = 0, dy = 0;
  switch (key) {
    case VK_LEFT:
      dx = -1;
      break;
    case VK_RIGHT:
      dx = 1;
      break;
    case VK_UP:
      dy = -1;
      break;
    case VK_DOWN:
      dy = 1;
      break;
    default:
      return nullptr;
  }
  const int id = neighbour(GetDlgCtrlID(button), dx, dy);
  HWND target = id ? GetDlgItem(GetParent(button), id) : nullptr;
  return target && IsWindowEnabled(target) && IsWindowVisible(target) ? target : nullptr;
}

// The face behind the glyph as the dialog gives it (dark or light), then the button's own
// drawing clipped to the glyph's square, then the focus rectangle around that square.
void PaintGlyphOnly(HWND button) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(button, &ps);
  RECT client = {};
  GetClientRect(button, &client);
  auto brush = reinterpret_cast<HBRUSH>(SendMessageW(GetParent(button), WM_CTLCOLORSTATIC,
                                                     reinterpret_cast<WPARAM>(dc),
                                                     reinterpret_cast<LPARAM>(button)));
  FillRect(dc, &client, brush ? brush : GetSysColorBrush(COLOR_BTNFACE));
  // The platform draws the glyph 13 pixels wide at 96 DPI, the text after a gap.
  const int glyph = MulDiv(13, static_cast<int>(WindowDpi(button)), 96);
  const int side = glyph < client.right ? glyph : client.right;
  const int saved = SaveDC(dc);
  IntersectClipRect(dc, 0, 0, side, client.bottom);
  SendMessageW(button, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  RestoreDC(dc, saved);
  const auto ui = static_cast<UINT>(SendMessageW(button, WM_QUERYUISTATE, 0, 0));
  if (GetFocus() == button && !(ui & UISF_HIDEFOCUS)) {
    RECT focus = {0, 0, side, client.bottom};
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    DrawFocusRect(dc, &focus);
  }
  EndPaint(button, &ps);
}

LRESULT CALLBACK GridRadioProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                               DWORD_PTR data) {
  const auto neighbour = reinterpret_cast<GridNeighbourFn>(data);
  const bool glyphOnly = id == kGlyphOnlySubclass;
  switch (msg) {
    case WM_GETDLGCODE:
      // The arrow keys are ours: the dialog would walk the whole group in template order.
      return DefSubclassProc(hwnd, msg, wParam, lParam) | DLGC_WANTARROWS;
    case WM_KEYDOWN:
      if (neighbour && wParam >= VK_LEFT && wParam <= VK_DOWN) {
        if (HWND target = ArrowTarget(hwnd, wParam, neighbour)) {
          SendMessageW(GetParent(hwnd), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(target), TRUE);
          if (SendMessageW(target, BM_GETCHECK, 0, 0) != BST_CHECKED)
            SendMessageW(target, BM_CLICK, 0, 0);
        }
        return 0;
      }
      break;
    case WM_PAINT:
      if (!glyphOnly) break;
      PaintGlyphOnly(hwnd);
      return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_UPDATEUISTATE:
      if (glyphOnly) InvalidateRect(hwnd, nullptr, TRUE);
      break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(hwnd, GridRadioProc, id);
      break;
  }
  return DefSubclassProc(hwnd, msg, wParam, lParam);
}

}  // namespace

void AttachGridRadio(HWND button, bool glyphOnly, GridNeighbourFn neighbour) {
  if (!button) return;
  SetWindowSubclass(button, GridRadioProc, glyphOnly ? kGlyphOnlySubclass : kGridSubclass,
                    reinterpret_cast<DWORD_PTR>(neighbour));
}

}  // namespace scrv
