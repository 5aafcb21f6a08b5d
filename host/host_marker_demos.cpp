#include "host_marker_demos.h"

#include <commctrl.h>

#include <iterator>
#include <string>

#include "host_customize_demos.h"
#include "resource_ids.h"
#include "scrvdlgs_api.h"

namespace {

constexpr int kMarkerPages[] = {IDD_MARKER_LIST, IDD_MARKER_AUTO, IDD_MARKER_OPTIONS};

// Markers in several colours, as the list page pastes them (one CR LF line each).
constexpr wchar_t kSampleMarkers[] =
    L"on\tTODO\t\t1\tCW\r\n"
    L"on\tFIXME\t\t2\tC\r\n"
    L"off\t\\d{4}-\\d{2}-\\d{2}\tDates\t3\tRT\r\n"
    L"on\terror\t\t8\tW\r\n"
    L"on\twarning\t\t5\t\r\n"
    L"off\thttps?://\\S+\tLinks\t6\tRT\r\n";

void SetClipboardMarkers(HWND owner, const std::wstring& lines) {
  if (!OpenClipboard(owner)) return;
  EmptyClipboard();
  const size_t bytes = (lines.size() + 1) * sizeof(wchar_t);
  if (HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
    memcpy(GlobalLock(block), lines.c_str(), bytes);
    GlobalUnlock(block);
    if (!SetClipboardData(CF_UNICODETEXT, block)) GlobalFree(block);
  }
  CloseClipboard();
}

// Pastes the sample markers into the list page (Cancel keeps them from being stored).
void PasteSamples(HWND sheet) {
  HWND page = reinterpret_cast<HWND>(SendMessageW(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
  if (!page) return;
  SetClipboardMarkers(sheet, kSampleMarkers);
  constexpr UINT kCheckListCommand = 0x8078;  // the check list's command to its page
  SendMessageW(page, kCheckListCommand, ID_CL_PASTE, 0);
  // The named expression alone selected, so that its name and colour show.
  HWND list = GetDlgItem(page, IDC_CHECK_LIST);
  LVITEMW item = {};
  item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&item));
  item.state = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageW(list, LVM_SETITEMSTATE, 2, reinterpret_cast<LPARAM>(&item));
}

// The samples and a marker whose regular expression the editor refuses, then OK: the list page
// keeps the sheet open and says which marker and why.
void PasteAnInvalidExpressionAndPressOk(HWND sheet) {
  PasteSamples(sheet);
  HWND page = reinterpret_cast<HWND>(SendMessageW(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
  if (!page) return;
  // On, a regular expression, and "(\\d+" misses its ")".
  SetClipboardMarkers(sheet, L"on\t(\\d+\tNumbers\t4\tRT\r\n");
  constexpr UINT kCheckListCommand = 0x8078;
  SendMessageW(page, kCheckListCommand, ID_CL_PASTE, 0);
  PostMessageW(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
}

DemoEntry OnPage(const wchar_t* title, int page) {
  return {title,
          L"DoCustomizeMarkers",
          kMarkerPages[page],
          [page](HWND owner) {
            return L"returned " +
                   std::to_wstring(DoCustomizeMarkers(owner, page, L"Text", -1, 0, 0));
          },
          page == 0 ? PasteSamples : std::function<void(HWND)>(),
          [page](HWND owner) {
            return BarePropertySheet(owner, kMarkerPages, std::size(kMarkerPages), page,
                                     L"Customize Markers");
          }};
}

}  // namespace

std::vector<DemoEntry> MarkerDemoEntries() {
  DemoEntry refused = OnPage(L"Markers (an invalid regular expression, refused on OK)", 0);
  refused.prepare = PasteAnInvalidExpressionAndPressOk;
  return {OnPage(L"Markers", 0), refused, OnPage(L"Markers: Automatic Markers", 1),
          OnPage(L"Markers: Options", 2)};
}
