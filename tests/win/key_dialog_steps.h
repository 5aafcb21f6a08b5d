#pragma once
// Steps for the key and column dialogs under test: their check list driven as the user drives
// it (selection, check boxes), the texts it shows, the host's private answers, and the settings
// the dialogs leave in either back end.

#include <windows.h>

#include <commctrl.h>
#include <shlobj.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "../../host/host_key_list.h"
#include "../../host/host_string_list.h"
#include "resource_ids.h"
#include "test_support.h"

namespace key_dialog_steps {

// The dialog's check list: 119 unless another list is named.
inline HWND List(HWND dlg, int id = IDC_CHECK_LIST) {
  return GetDlgItem(dlg, id);
}

inline int RowCount(HWND dlg, int id = IDC_CHECK_LIST) {
  return static_cast<int>(SendMessageW(List(dlg, id), LVM_GETITEMCOUNT, 0, 0));
}

inline std::wstring RowText(HWND dlg, int row, int column = 0, int id = IDC_CHECK_LIST) {
  wchar_t buf[300] = {};
  LVITEMW item = {};
  item.iSubItem = column;
  item.pszText = buf;
  item.cchTextMax = 300;
  SendMessageW(List(dlg, id), LVM_GETITEMTEXTW, static_cast<WPARAM>(row),
               reinterpret_cast<LPARAM>(&item));
  return buf;
}

// The rows' texts in order, separated by "|".
inline std::wstring Rows(HWND dlg, int column = 0) {
  std::wstring s;
  for (int r = 0; r < RowCount(dlg); ++r) s += (r ? L"|" : L"") + RowText(dlg, r, column);
  return s;
}

inline bool RowChecked(HWND dlg, int row, int id = IDC_CHECK_LIST) {
  auto state =
      SendMessageW(List(dlg, id), LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_STATEIMAGEMASK);
  return ((state & LVIS_STATEIMAGEMASK) >> 12) == 2;
}

// Lets the check list's coalesced notice of state changes reach the dialog.
inline void Settle() {
  testing_support::PumpMessages(60);
}

inline void SetRowChecked(HWND dlg, int row, bool checked, int id = IDC_CHECK_LIST) {
  LVITEMW item = {};
  item.stateMask = LVIS_STATEIMAGEMASK;
  item.state = INDEXTOSTATEIMAGEMASK(checked ? 2 : 1);
  SendMessageW(List(dlg, id), LVM_SETITEMSTATE, static_cast<WPARAM>(row),
               reinterpret_cast<LPARAM>(&item));
  Settle();
}

// Selects exactly `rows` (the first one focused), as a click and shift-clicks would.
inline void SelectRows(HWND dlg, const std::vector<int>& rows) {
  HWND list = List(dlg);
  LVITEMW clear = {};
  clear.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&clear));
  for (size_t i = 0; i < rows.size(); ++i) {
    LVITEMW sel = {};
    sel.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    sel.state = LVIS_SELECTED | (i == 0 ? LVIS_FOCUSED : 0);
    SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(rows[i]),
                 reinterpret_cast<LPARAM>(&sel));
  }
  Settle();
}

// Fills `count` slots of 260 units of `buffer` with `names`; nonzero when done, as the host.
inline LRESULT FillNameSlots(LPARAM buffer, size_t count, const std::vector<std::wstring>& names) {
  auto* out = reinterpret_cast<wchar_t*>(buffer);
  if (!out || count != names.size()) return 0;
  for (size_t i = 0; i < count; ++i) lstrcpynW(out + i * 260, names[i].c_str(), 260);
  return 1;
}

// Every text of a window and its children, joined by newlines (to find a message's text).
inline std::wstring AllTexts(HWND window) {
  std::wstring all;
  EnumChildWindows(
      window,
      [](HWND child, LPARAM p) -> BOOL {
        wchar_t buf[1024] = {};
        GetWindowTextW(child, buf, 1024);
        *reinterpret_cast<std::wstring*>(p) += std::wstring(buf) + L"\n";
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&all));
  return all;
}

// A string of the localisation module in the build's application folder.
inline std::wstring LocalisedString(UINT id) {
  HMODULE module =
      LoadLibraryExW((testing_support::BinFolder() + L"mui\\1033\\scrvloc.dll").c_str(), nullptr,
                     LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  wchar_t buf[512] = {};
  if (module) {
    LoadStringW(module, id, buf, 512);
    FreeLibrary(module);
  }
  return buf;
}

// A DWORD of the "Common" settings as the library left it: from the registry, or from
// "scCommon.ini" in the application folder in INI mode. -1 when it is not stored.
inline long long CommonDword(const testing_support::AppFolder& folder, bool ini,
                             const std::wstring& name) {
  if (ini) {
    std::wstring text = folder.IniText(L"scCommon.ini", L"Common", name);
    if (text == L"\x1") return -1;
    return std::stoll(text);
  }
  DWORD value = 0, size = sizeof value;
  LONG status = RegGetValueW(HKEY_CURRENT_USER, L"Software\\Korvan\\Scrivlet v3\\Common",
                             name.c_str(), RRF_RT_REG_DWORD, nullptr, &value, &size);
  return status == ERROR_SUCCESS ? static_cast<long long>(value) : -1;
}

}  // namespace key_dialog_steps

namespace key_dialog_steps {

// A control's rectangle in its dialog's client coordinates.
inline RECT ControlRect(HWND dlg, int id) {
  RECT r = {};
  GetWindowRect(GetDlgItem(dlg, id), &r);
  MapWindowPoints(nullptr, dlg, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

// Grows the dialog's outer size by dx, dy (the layout runs on the resulting WM_SIZE).
inline void Grow(HWND dlg, int dx, int dy) {
  RECT w = {};
  GetWindowRect(dlg, &w);
  SetWindowPos(dlg, nullptr, 0, 0, w.right - w.left + dx, w.bottom - w.top + dy,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Whether the dialog left a placement record under `key` in the "Common" settings.
inline bool PlacementStored(const testing_support::AppFolder& folder, bool ini,
                            const std::wstring& key) {
  if (ini) return folder.IniText(L"scCommon.ini", L"Common", key) != L"\x1";
  DWORD size = 0;
  return RegGetValueW(HKEY_CURRENT_USER, L"Software\\Korvan\\Scrivlet v3\\Common", key.c_str(),
                      RRF_RT_REG_BINARY, nullptr, nullptr, &size) == ERROR_SUCCESS &&
         size == 16;
}

}  // namespace key_dialog_steps

namespace key_dialog_steps {

// A file below the application-data folder the library uses: the user's roaming folder plus
// "Veltranix\Scrivlet" in registry mode, the folder "AppData" beside the library in INI mode.
inline std::wstring AppDataFile(const testing_support::AppFolder& folder, bool ini,
                                const std::wstring& relative) {
  if (ini) return folder.File(L"AppData\\" + relative);
  wchar_t roaming[MAX_PATH] = {};
  SHGetSpecialFolderPathW(nullptr, roaming, CSIDL_APPDATA, TRUE);
  return std::wstring(roaming) + L"\\Veltranix\\Scrivlet\\" + relative;
}

inline std::string FileBytes(const std::wstring& path) {
  std::ifstream in(std::filesystem::path(path), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void PutFile(const std::wstring& path, const std::string& bytes) {
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  std::ofstream(std::filesystem::path(path), std::ios::binary) << bytes;
}

}  // namespace key_dialog_steps
