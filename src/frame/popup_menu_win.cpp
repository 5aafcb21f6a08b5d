#include "frame/popup_menu_win.h"

#include <algorithm>
#include <cwctype>
#include <string>
#include <vector>

#include "frame/dialog_appearance.h"
#include "frame/dialog_appearance_win.h"
#include "frame/dpi_win.h"
#include "frame/subclass_win.h"

namespace scrv {
namespace {

constexpr UINT_PTR kMenuSubclass = 0x5C4D;

// An item made owner-drawn while its menu is open, and what it was before.
struct DarkItem {
  HMENU menu = nullptr;
  UINT position = 0;
  UINT type = 0;
  ULONG_PTR data = 0;
  std::wstring text;
  bool popup = false;
};

struct DarkMenu {
  std::vector<DarkItem> items;
  std::vector<std::pair<HMENU, HBRUSH>> backgrounds;  // each menu's own background
  HFONT font = nullptr;
  int dpi = 96;
};

// The character after the single '&' of `text`, lower-cased; 0 when none.
wchar_t Mnemonic(const std::wstring& text) {
  for (size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != L'&') continue;
    if (text[i + 1] != L'&') return static_cast<wchar_t>(std::towlower(text[i + 1]));
    ++i;
  }
  return 0;
}

void Collect(HMENU menu, DarkMenu& dark, int depth) {
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count && depth < 8; ++i) {
    MENUITEMINFOW info = {sizeof info};
    info.fMask = MIIM_FTYPE | MIIM_DATA | MIIM_SUBMENU | MIIM_STRING;
    wchar_t buf[512] = {};
    info.dwTypeData = buf;
    info.cch = 511;
    if (!GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info)) continue;
    if (info.fType & (MFT_OWNERDRAW | MFT_BITMAP)) continue;  // drawn by someone else already
    DarkItem item{menu, static_cast<UINT>(i),    info.fType, info.dwItemData,
                  buf,  info.hSubMenu != nullptr};
    dark.items.push_back(std::move(item));
    if (info.hSubMenu) Collect(info.hSubMenu, dark, depth + 1);
  }
}

HBRUSH MenuBrush() {
  static HBRUSH brush = CreateSolidBrush(kDarkMenuColor);
  return brush;
}

void MakeDark(DarkMenu& dark) {
  for (DarkItem& item : dark.items) {
    MENUITEMINFOW info = {sizeof info};
    info.fMask = MIIM_FTYPE | MIIM_DATA;
    info.fType = item.type | MFT_OWNERDRAW;
    info.dwItemData = reinterpret_cast<ULONG_PTR>(&item);
    SetMenuItemInfoW(item.menu, item.position, TRUE, &info);
    if (std::none_of(dark.backgrounds.begin(), dark.backgrounds.end(),
                     [&](const auto& b) { return b.first == item.menu; })) {
      MENUINFO menuInfo = {sizeof menuInfo, MIM_BACKGROUND};
      GetMenuInfo(item.menu, &menuInfo);
      dark.backgrounds.emplace_back(item.menu, menuInfo.hbrBack);
      menuInfo.hbrBack = MenuBrush();
      SetMenuInfo(item.menu, &menuInfo);
    }
  }
}

void Restore(DarkMenu& dark) {
  for (DarkItem& item : dark.items) {
    MENUITEMINFOW info = {sizeof info};
    info.fMask = MIIM_FTYPE | MIIM_DATA;
    info.fType = item.type;
    info.dwItemData = item.data;
    SetMenuItemInfoW(item.menu, item.position, TRUE, &info);
    if (!(item.type & MFT_SEPARATOR)) {
      info.fMask = MIIM_STRING;
      info.dwTypeData = item.text.data();
      SetMenuItemInfoW(item.menu, item.position, TRUE, &info);
    }
  }
  for (const auto& [menu, brush] : dark.backgrounds) {
    MENUINFO menuInfo = {sizeof menuInfo, MIM_BACKGROUND};
    menuInfo.hbrBack = brush;
    SetMenuInfo(menu, &menuInfo);
  }
}

DarkItem* Ours(const DarkMenu& dark, ULONG_PTR data) {
  for (const DarkItem& item : dark.items)
    if (reinterpret_cast<ULONG_PTR>(&item) == data) return const_cast<DarkItem*>(&item);
  return nullptr;
}

int Scaled(const DarkMenu& dark, int pixels) {
  return MulDiv(pixels, dark.dpi, 96);
}

void Measure(const DarkMenu& dark, HWND owner, MEASUREITEMSTRUCT& m, const DarkItem& item) {
  if (item.type & MFT_SEPARATOR) {
    m.itemWidth = 1;
    m.itemHeight = static_cast<UINT>(Scaled(dark, 7));
    return;
  }
  HDC dc = GetDC(owner);
  HGDIOBJ old = SelectObject(dc, dark.font);
  const size_t tab = item.text.find(L'\t');
  RECT name = {}, keys = {};
  const std::wstring left = item.text.substr(0, tab);
  DrawTextW(dc, left.c_str(), static_cast<int>(left.size()), &name, DT_SINGLELINE | DT_CALCRECT);
  if (tab != std::wstring::npos) {
    const std::wstring right = item.text.substr(tab + 1);
    DrawTextW(dc, right.c_str(), static_cast<int>(right.size()), &keys,
              DT_SINGLELINE | DT_CALCRECT);
  }
  SelectObject(dc, old);
  ReleaseDC(owner, dc);
  // Room for the mark on the left, a gap before the keys, the submenu arrow on the right.
  m.itemWidth =
      static_cast<UINT>(Scaled(dark, 28) + name.right +
                        (keys.right ? Scaled(dark, 24) + keys.right : 0) + Scaled(dark, 20));
  m.itemHeight = static_cast<UINT>(std::max<LONG>(name.bottom, keys.bottom) + Scaled(dark, 8));
}

void Draw(const DarkMenu& dark, const DRAWITEMSTRUCT& d, const DarkItem& item) {
  HDC dc = d.hDC;
  RECT rc = d.rcItem;
  const bool disabled = d.itemState & (ODS_GRAYED | ODS_DISABLED);
  const bool selected = d.itemState & ODS_SELECTED;
  SetDCBrushColor(dc, selected && !disabled ? kDarkPressedColor : kDarkMenuColor);
  FillRect(dc, &rc, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
  if (item.type & MFT_SEPARATOR) {
    RECT line = {rc.left + Scaled(dark, 4), (rc.top + rc.bottom) / 2, rc.right - Scaled(dark, 4),
                 (rc.top + rc.bottom) / 2 + 1};
    SetDCBrushColor(dc, kDarkMenuLineColor);
    FillRect(dc, &line, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    return;
  }
  if (selected && disabled) {
    // Reached with the keyboard: framed, so that it still reads as disabled.
    SetDCBrushColor(dc, kDarkMenuLineColor);
    FrameRect(dc, &rc, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
  }
  const COLORREF ink = disabled ? kDarkDisabledTextColor : kDarkTextColor;
  const int mark = Scaled(dark, 28), height = rc.bottom - rc.top;
  if (d.itemState & ODS_CHECKED) {
    SelectObject(dc, GetStockObject(DC_PEN));
    SelectObject(dc, GetStockObject(DC_BRUSH));
    SetDCPenColor(dc, ink);
    SetDCBrushColor(dc, ink);
    const int cx = rc.left + mark / 2, cy = rc.top + height / 2;
    if (item.type & MFT_RADIOCHECK) {
      const int r = Scaled(dark, 3);
      Ellipse(dc, cx - r, cy - r, cx + r + 1, cy + r + 1);
    } else {
      const int u = Scaled(dark, 1);
      const POINT tick[] = {{cx - 4 * u, cy}, {cx - u, cy + 3 * u}, {cx + 4 * u, cy - 3 * u}};
      HPEN pen = CreatePen(PS_SOLID, std::max(1, Scaled(dark, 2)), ink);
      HGDIOBJ oldPen = SelectObject(dc, pen);
      Polyline(dc, tick, 3);
      SelectObject(dc, oldPen);
      DeleteObject(pen);
    }
  }
  HGDIOBJ oldFont = SelectObject(dc, dark.font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ink);
  const UINT prefix = (d.itemState & ODS_NOACCEL) ? DT_HIDEPREFIX : 0;
  const size_t tab = item.text.find(L'\t');
  RECT text = {rc.left + mark, rc.top, rc.right - Scaled(dark, 20), rc.bottom};
  const std::wstring left = item.text.substr(0, tab);
  DrawTextW(dc, left.c_str(), static_cast<int>(left.size()), &text,
            DT_SINGLELINE | DT_VCENTER | DT_LEFT | prefix);
  if (tab != std::wstring::npos) {
    const std::wstring right = item.text.substr(tab + 1);
    DrawTextW(dc, right.c_str(), static_cast<int>(right.size()), &text,
              DT_SINGLELINE | DT_VCENTER | DT_RIGHT | DT_NOPREFIX);
  }
  if (item.popup) {
    // The submenu arrow, a small triangle pointing right.
    const int cy = rc.top + height / 2, x = rc.right - Scaled(dark, 12), s = Scaled(dark, 4);
    const POINT arrow[] = {{x, cy - s}, {x + s, cy}, {x, cy + s}};
    SelectObject(dc, GetStockObject(DC_PEN));
    SelectObject(dc, GetStockObject(DC_BRUSH));
    SetDCPenColor(dc, ink);
    SetDCBrushColor(dc, ink);
    Polygon(dc, arrow, 3);
    // The system would draw its own light arrow over the item's right end.
    ExcludeClipRect(dc, rc.left, rc.top, rc.right, rc.bottom);
  }
  SelectObject(dc, oldFont);
}

// The item of `menu` whose mnemonic is `key`, for WM_MENUCHAR.
LRESULT FindMnemonic(const DarkMenu& dark, HMENU menu, wchar_t key) {
  key = static_cast<wchar_t>(std::towlower(key));
  for (const DarkItem& item : dark.items) {
    if (item.menu != menu || (item.type & MFT_SEPARATOR) || Mnemonic(item.text) != key) continue;
    if (GetMenuState(menu, item.position, MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED)) continue;
    return MAKELRESULT(item.position, MNC_EXECUTE);
  }
  return MAKELRESULT(0, MNC_IGNORE);
}

LRESULT CALLBACK MenuProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                          DWORD_PTR data) {
  auto& dark = *reinterpret_cast<DarkMenu*>(data);
  switch (msg) {
    case WM_MEASUREITEM: {
      auto* m = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
      if (m->CtlType != ODT_MENU) break;
      if (const DarkItem* item = Ours(dark, m->itemData)) {
        Measure(dark, hwnd, *m, *item);
        return TRUE;
      }
      break;
    }
    case WM_DRAWITEM: {
      auto* d = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
      if (d->CtlType != ODT_MENU) break;
      if (const DarkItem* item = Ours(dark, d->itemData)) {
        Draw(dark, *d, *item);
        return TRUE;
      }
      break;
    }
    case WM_MENUCHAR:
      if (std::any_of(dark.items.begin(), dark.items.end(),
                      [&](const DarkItem& i) { return i.menu == reinterpret_cast<HMENU>(lParam); }))
        return FindMnemonic(dark, reinterpret_cast<HMENU>(lParam),
                            static_cast<wchar_t>(LOWORD(wParam)));
      break;
  }
  return DefSubclass(hwnd, msg, wParam, lParam);
}

}  // namespace

int TrackMenu(HMENU menu, UINT flags, int x, int y, HWND owner) {
  if (!menu || !owner || !IsDarkTheme())
    return TrackPopupMenu(menu, flags, x, y, 0, owner, nullptr);
  DarkMenu dark;
  Collect(menu, dark, 0);
  dark.items.shrink_to_fit();  // the items' addresses are their data from here on
  dark.dpi = static_cast<int>(SystemDpi());
  NONCLIENTMETRICSW metrics = {sizeof metrics};
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  dark.font = CreateFontIndirectW(&metrics.lfMenuFont);
  if (!dark.font ||
      !SetSubclass(owner, MenuProc, kMenuSubclass, reinterpret_cast<DWORD_PTR>(&dark))) {
    if (dark.font) DeleteObject(dark.font);
    return TrackPopupMenu(menu, flags, x, y, 0, owner, nullptr);
  }
  MakeDark(dark);
  const int result = TrackPopupMenu(menu, flags, x, y, 0, owner, nullptr);
  Restore(dark);
  RemoveSubclass(owner, MenuProc, kMenuSubclass);
  DeleteObject(dark.font);
  return result;
}

}  // namespace scrv
