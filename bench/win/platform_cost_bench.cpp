// The platform's own share of the dialogs that stay above the bare template's cost: the same
// platform calls those dialogs must make, timed alone (median of many runs, in milliseconds), to
// set beside the difference the open-cost benchmark reports for the dialog.
//   - the plug-in dialog loads each plug-in library to ask for its name and images, and frees it
//     when it closes: LoadLibraryExW, GetProcAddress("OnEvents"), FreeLibrary per library of
//     the PlugIns folder;
//   - the code page dialog asks the system's multi-language service for its code pages and
//     their names: CoInitialize, CoCreateInstance, EnumCodePages with every Next, a description
//     per code page, Release, CoUninitialize (on a thread whose OLE is already up, as the
//     host's is);
//   - a dialog's list that shows rows costs more than the empty list of the bare template: a
//     report list view (created hidden, as a dialog's controls are during its initialisation)
//     given check boxes, columns and rows, the way the check-list dialogs fill theirs, with the
//     list's creation timed apart;
//   - an edit field that takes dropped text registers a drop target while the dialog is open:
//     RegisterDragDrop and RevokeDragDrop of one edit field (the number range dialog has three);
//   - the Customize sheet's Sort page lists every locale of the system by its display name in a
//     sorted drop-down list: the enumeration, the names, and the sorted inserts timed apart.
//
//   scripts/wine-run build/win64/bin/platform_cost_bench.exe [runs]

#include <windows.h>

#include <commctrl.h>
#include <mlang.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "bench_clock.h"

namespace {

double MedianMs(int runs, const std::function<void()>& work) {
  work();  // the first run fills the system's caches, as the benchmark's warm-up opens do
  std::vector<double> t;
  for (int i = 0; i < runs; ++i) {
    double t0 = Now();
    work();
    t.push_back((Now() - t0) * 1000);
  }
  std::sort(t.begin(), t.end());
  return t[t.size() / 2];
}

constexpr IID kIidMultiLanguage2 = {
    0xDCCFC164, 0x2B38, 0x11D2, {0xB7, 0xEC, 0x00, 0xC0, 0x4F, 0x8F, 0x5D, 0x9A}};

// What the code page dialog asks of the multi-language service; the number of code pages.
int AskCodePages() {
  int count = 0;
  if (FAILED(CoInitialize(nullptr))) return 0;
  void* service = nullptr;
  if (SUCCEEDED(CoCreateInstance(CLSID_CMultiLanguage, nullptr, CLSCTX_INPROC_SERVER,
                                 kIidMultiLanguage2, &service))) {
    auto* ml = static_cast<IMultiLanguage2*>(service);
    IEnumCodePage* pages = nullptr;
    if (SUCCEEDED(ml->EnumCodePages(MIMECONTF_VALID, GetUserDefaultUILanguage(), &pages)) &&
        pages) {
      MIMECPINFO batch[32];
      ULONG got = 0;
      std::vector<UINT> found;
      while (SUCCEEDED(pages->Next(32, batch, &got)) && got > 0) {
        for (ULONG i = 0; i < got; ++i) found.push_back(batch[i].uiCodePage);
        if (got < 32) break;
      }
      pages->Release();
      wchar_t text[MAX_MIMECP_NAME];
      for (UINT cp : found)
        ml->GetCodePageDescription(cp, GetUserDefaultUILanguage(), text, MAX_MIMECP_NAME);
      count = static_cast<int>(found.size());
    }
    ml->Release();
  }
  CoUninitialize();
  return count;
}

// A hidden report list view over `parent`, optionally with check boxes, `columns` columns and
// `rows` rows (owner data: only their number; else inserted with a check state each).
void FillList(HWND parent, bool checkBoxes, int columns, int rows, bool ownerData) {
  DWORD style = WS_CHILD | LVS_REPORT | LVS_SHOWSELALWAYS | (ownerData ? LVS_OWNERDATA : 0);
  HWND list = CreateWindowExW(0, WC_LISTVIEWW, L"", style, 0, 0, 300, 200, parent, nullptr, nullptr,
                              nullptr);
  SendMessageW(list, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
  if (checkBoxes)
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT,
                 LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
  for (int c = 0; c < columns; ++c) {
    LVCOLUMNW column = {};
    column.mask = LVCF_WIDTH | LVCF_TEXT;
    column.cx = 120;
    column.pszText = const_cast<wchar_t*>(L"Name");
    SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(c),
                 reinterpret_cast<LPARAM>(&column));
  }
  if (ownerData) {
    SendMessageW(list, LVM_SETITEMCOUNT, static_cast<WPARAM>(rows), 0);
  } else {
    for (int r = 0; r < rows; ++r) {
      LVITEMW item = {};
      item.mask = LVIF_TEXT;
      item.iItem = r;
      item.pszText = LPSTR_TEXTCALLBACKW;
      SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
      // A list with check boxes takes no check state with the insert: it is set afterwards.
      if (checkBoxes) ListView_SetCheckState(list, r, TRUE);
    }
  }
  DestroyWindow(list);
}

// A drop target that accepts nothing: enough to register.
class NullDropTarget : public IDropTarget {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (iid == IID_IUnknown || iid == IID_IDropTarget) {
      *out = this;
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
  ULONG STDMETHODCALLTYPE Release() override { return --refs_; }
  HRESULT STDMETHODCALLTYPE DragEnter(IDataObject*, DWORD, POINTL, DWORD* effect) override {
    *effect = DROPEFFECT_NONE;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE DragOver(DWORD, POINTL, DWORD* effect) override {
    *effect = DROPEFFECT_NONE;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE DragLeave() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE Drop(IDataObject*, DWORD, POINTL, DWORD* effect) override {
    *effect = DROPEFFECT_NONE;
    return S_OK;
  }

 private:
  ULONG refs_ = 1;  // lives on the stack of main
};

std::vector<std::wstring> LocaleNames() {
  std::vector<std::wstring> names;
  EnumSystemLocalesEx(
      [](LPWSTR name, DWORD, LPARAM p) -> BOOL {
        if (name && *name) reinterpret_cast<std::vector<std::wstring>*>(p)->push_back(name);
        return TRUE;
      },
      LOCALE_WINDOWS, reinterpret_cast<LPARAM>(&names), nullptr);
  return names;
}

std::vector<std::wstring> DisplayNames(const std::vector<std::wstring>& locales) {
  std::vector<std::wstring> shown;
  for (const std::wstring& l : locales) {
    wchar_t text[LOCALE_NAME_MAX_LENGTH + 100] = {};
    // As the page does: the locale's own name where the system has no display name for it.
    shown.push_back(GetLocaleInfoEx(l.c_str(), LOCALE_SLOCALIZEDDISPLAYNAME, text, 100) ? text : l);
  }
  return shown;
}

// A drop-down list (sorted or not) over `parent` given `texts`, then destroyed.
void FillCombo(HWND parent, const std::vector<std::wstring>& texts, bool sorted) {
  HWND combo = CreateWindowExW(0, L"COMBOBOX", L"",
                               WS_CHILD | CBS_DROPDOWNLIST | WS_VSCROLL | (sorted ? CBS_SORT : 0),
                               0, 0, 200, 300, parent, nullptr, nullptr, nullptr);
  SendMessageW(combo, WM_SETREDRAW, FALSE, 0);
  for (const std::wstring& t : texts)
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(t.c_str()));
  DestroyWindow(combo);
}

}  // namespace

int main(int argc, char** argv) {
  int runs = argc > 1 ? std::atoi(argv[1]) : 60;
  if (runs < 1) runs = 60;
  OleInitialize(nullptr);
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder = path;
  folder.resize(folder.rfind(L'\\') + 1);
  folder += L"PlugIns\\";

  std::vector<std::wstring> plugins;
  WIN32_FIND_DATAW found;
  HANDLE find = FindFirstFileW((folder + L"*.dll").c_str(), &found);
  for (bool more = find != INVALID_HANDLE_VALUE; more; more = FindNextFileW(find, &found))
    plugins.push_back(folder + found.cFileName);
  if (find != INVALID_HANDLE_VALUE) FindClose(find);

  std::printf("%-44s %9s\n", "platform work", "median ms");
  double all = 0;
  for (const std::wstring& p : plugins) {
    double ms = MedianMs(runs, [&] {
      HMODULE m = LoadLibraryExW(p.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
      if (m) {
        GetProcAddress(m, "OnEvents");
        FreeLibrary(m);
      }
    });
    all += ms;
    std::string name(p.begin() + static_cast<std::ptrdiff_t>(folder.size()), p.end());
    std::printf("load and free plug-in %-22s %9.2f\n", name.c_str(), ms);
  }
  std::printf("%-44s %9.2f\n", "all plug-ins", all);
  int codePages = AskCodePages();
  std::printf("code pages asked of the service (%3d)         %9.2f\n", codePages,
              MedianMs(runs, [] { AskCodePages(); }));

  InitCommonControls();
  HWND parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr,
                                nullptr, nullptr);
  struct ListCase {
    const char* what;
    bool checkBoxes;
    int columns, rows;
    bool ownerData;
  };
  const ListCase cases[] = {
      {"list created and destroyed (the bare share)", false, 0, 0, false},
      {"  + check boxes", true, 0, 0, false},
      {"  + check boxes, 1 column", true, 1, 0, false},
      {"  + check boxes, 2 columns", true, 2, 0, false},
      {"  + check boxes, 1 column, 5 rows inserted", true, 1, 5, false},
      {"  + 1 column, 5 rows inserted (no check boxes)", false, 1, 5, false},
      {"  + check boxes, 1 column, 200 rows inserted", true, 1, 200, false},
      {"  + check boxes, 1 column, 200 rows owner data", true, 1, 200, true},
      {"  + check boxes, 2 columns, 47 rows owner data", true, 2, 47, true},
  };
  for (const ListCase& c : cases)
    std::printf("%-44s %9.2f\n", c.what, MedianMs(runs, [&] {
                  FillList(parent, c.checkBoxes, c.columns, c.rows, c.ownerData);
                }));
  NullDropTarget target;
  HWND edit =
      CreateWindowExW(0, L"EDIT", L"", WS_CHILD, 0, 0, 100, 20, parent, nullptr, nullptr, nullptr);
  std::printf("drop target registered and revoked (an edit) %9.2f\n", MedianMs(runs, [&] {
                if (SUCCEEDED(RegisterDragDrop(edit, &target))) RevokeDragDrop(edit);
              }));
  DestroyWindow(edit);
  std::vector<std::wstring> locales = LocaleNames();
  std::vector<std::wstring> shown = DisplayNames(locales);
  std::printf("locales enumerated (%4zu)                      %9.2f\n", locales.size(),
              MedianMs(runs, [] { LocaleNames(); }));
  std::printf("their display names                          %9.2f\n",
              MedianMs(runs, [&] { DisplayNames(locales); }));
  std::printf("added to a sorted drop-down list             %9.2f\n",
              MedianMs(runs, [&] { FillCombo(parent, shown, true); }));
  std::printf("added to an unsorted drop-down list          %9.2f\n",
              MedianMs(runs, [&] { FillCombo(parent, shown, false); }));
  DestroyWindow(parent);
  OleUninitialize();
  return 0;
}
