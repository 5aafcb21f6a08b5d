// The dialogs the host stand-in can open, with the sample data each is shown with.

#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <string>

#include "host_app.h"
#include "host_key_demos.h"
#include "host_menu_demos.h"
#include "host_condition_block.h"
#include "host_integration_demos.h"
#include "host_customize_demos.h"
#include "host_marker_demos.h"
#include "host_string_list.h"
#include "host_tool_demos.h"
#include "resource_ids.h"
#include "scrvdlgs_api.h"

namespace {

std::wstring Result(int r) {
  return L"returned " + std::to_wstring(r);
}

// The advanced filter over the current document with `conditions`.
std::function<std::wstring(HWND)> OpenFilterDemo(std::vector<HostCondition> conditions) {
  return [conditions](HWND owner) {
    HGLOBAL block = conditions.empty() ? nullptr : MakeConditionBlock(conditions);
    HostStringList columns(CurrentDocumentColumns());
    int r = DoAdvancedFilterDlg(owner, columns.Descriptor(), &block, 1);
    if (block) GlobalFree(block);
    return Result(r);
  };
}

// An import's report over a sample settings file: changes, an unknown and an out-of-range
// value, a duplicate, a damaged line and a file of a newer version.
std::wstring OpenImportReportDemo(HWND owner) {
  wchar_t dir[MAX_PATH];
  GetTempPathW(MAX_PATH, dir);
  const std::wstring path = std::wstring(dir) + L"scrvhost-sample.scrvset";
  const char text[] =
      "Scrivlet settings\nversion = 2\n[Common]\n"
      "TabWidth = dword 120\nAppTheme = dword 9\nDateFormat = string \"dd.MM.yyyy\"\n"
      "OtherEditorFont = string \"Consolas\"\nMaxRecentFile = dword 8\n"
      "MaxRecentFile = dword 12\nBeep = dword one\n"
      "[Record Menu0]\ndword 1\ntext \"&File\"\nend\n[End]\n";
  HANDLE f = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  if (f != INVALID_HANDLE_VALUE) {
    WriteFile(f, text, sizeof text - 1, &written, nullptr);
    CloseHandle(f);
  }
  const int r = ImportSettings(owner, path.c_str(), 0);
  DeleteFileW(path.c_str());
  return Result(r);
}

// The dialog placed below the host's toolbars, and both in the screenshot.
void PlaceBelowToolbars(HWND dlg) {
  RECT bars = {};
  GetWindowRect(HostRebarWindow(), &bars);
  SetWindowPos(dlg, nullptr, bars.left + 8, bars.bottom + 8, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
// The second user toolbar selected and Delete pressed: the gallery answers the question No.
void AskToDeleteAToolbar(HWND dlg) {
  HWND list = GetDlgItem(dlg, IDC_CHECK_LIST);
  LVITEMW item = {};
  item.stateMask = item.state = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageW(list, LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&item));
  // Posted: the question runs its own modal loop over the dialog.
  PostMessageW(dlg, WM_COMMAND, MAKEWPARAM(IDC_TB_DELETE, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dlg, IDC_TB_DELETE)));
}
RECT ToolbarsAndDialog(HWND dlg) {
  RECT bars = {}, box = {};
  GetWindowRect(HostRebarWindow(), &bars);
  GetWindowRect(dlg, &box);
  return {bars.left, bars.top, box.right + 8, box.bottom + 8};
}

// The caption's help button, posted (the platform posts no WM_HELP): the help's question or
// message box runs its own modal loop.
void AskForHelp(HWND dlg) { PostMessageW(dlg, WM_SYSCOMMAND, SC_CONTEXTHELP, 0); }

constexpr const wchar_t* kHelpChoices[] = {L"PromptHelp", L"HelpInternet"};

std::wstring OpenJumpDemo(HWND owner);

// Jump where the user chose local help and never installed it: help offers the download page.
std::wstring OpenJumpWithoutLocalHelp(HWND owner) {
  DWORD zero = 0;
  for (const wchar_t* name : kHelpChoices)
    RegSetKeyValueW(HKEY_CURRENT_USER, kCommonKey, name, REG_DWORD, &zero, sizeof zero);
  std::wstring r = OpenJumpDemo(owner);
  for (const wchar_t* name : kHelpChoices) RegDeleteKeyValueW(HKEY_CURRENT_USER, kCommonKey, name);
  return r;
}

// Jump with the local help file installed and no choice made yet: help asks where to read help.
std::wstring OpenJumpWithLocalHelp(HWND owner) {
  wchar_t common[MAX_PATH] = {};
  SHGetSpecialFolderPathW(nullptr, common, CSIDL_COMMON_APPDATA, TRUE);
  const std::wstring folder = std::wstring(common) + L"\\Veltranix\\Scrivlet\\Help";
  const std::wstring file = folder + L"\\scrivlet.chm";
  const bool installed = GetFileAttributesW(file.c_str()) != INVALID_FILE_ATTRIBUTES;
  if (!installed) {
    SHCreateDirectoryExW(nullptr, folder.c_str(), nullptr);
    HANDLE h = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    if (h != INVALID_HANDLE_VALUE) {
      DWORD written = 0;
      WriteFile(h, "ITSF", 4, &written, nullptr);
      CloseHandle(h);
    }
  }
  std::wstring r = OpenJumpDemo(owner);
  if (!installed) DeleteFileW(file.c_str());
  return r;
}

// The jump dialog over line 120, column 8 of a document counted in four kinds of line.
std::wstring OpenJumpDemo(HWND owner) {
  HostStringList units({L"Logical lines", L"Display lines", L"Paragraphs", L"Pages"});
  uint32_t line = 119, column = 7;
  int32_t unit = 1;
  int r = DoJump(owner, &line, &column, &unit, units.Descriptor(), 0);
  return Result(r) + L", line " + std::to_wstring(line) + L", column " + std::to_wstring(column) +
         L", unit " + std::to_wstring(unit);
}

}  // namespace

const std::vector<DemoEntry>& DemoEntries() {
  static std::vector<DemoEntry> entries = {
      {L"Jump", L"DoJump", IDD_JUMP, OpenJumpDemo, nullptr},
      {L"Help (asks where to read help)", L"DoJump", IDD_JUMP, OpenJumpWithLocalHelp, AskForHelp,
       nullptr, false, nullptr, true, true},
      {L"Help (no local help file: the download page)", L"DoJump", IDD_JUMP,
       OpenJumpWithoutLocalHelp, AskForHelp, nullptr, false, nullptr, true, true},
      {L"Jump (a number out of range: what OK will use)", L"DoJump", IDD_JUMP, OpenJumpDemo,
       [](HWND dlg) { SetDlgItemTextW(dlg, IDC_JUMP_TARGET, L"0"); }},
      {L"Number Range", L"DoNumberRangeDlg", IDD_NUMBER_RANGE,
       [](HWND owner) {
         wchar_t text[160] = L"[1 , 100]";
         int r = DoNumberRangeDlg(owner, text, 160);
         return Result(r) + L", text \"" + text + L"\"";
       },
       nullptr},
      {L"Number Range (expression typed directly)", L"DoNumberRangeDlg", IDD_NUMBER_RANGE,
       [](HWND owner) {
         wchar_t text[160] = L"192.168.0.0/24";
         int r = DoNumberRangeDlg(owner, text, 160);
         return Result(r) + L", text \"" + text + L"\"";
       },
       nullptr},
      {L"Number Range (an invalid bound: the reason in place of the examples)", L"DoNumberRangeDlg",
       IDD_NUMBER_RANGE,
       [](HWND owner) {
         wchar_t text[160] = L"";
         return Result(DoNumberRangeDlg(owner, text, 160));
       },
       [](HWND dlg) {
         SetDlgItemTextW(dlg, IDC_NR_LOWER, L"10.0.0.1");
         SetDlgItemTextW(dlg, IDC_NR_UPPER, L"250");
       }},
      {L"Number Range (a range longer than 159 characters, cut)", L"DoNumberRangeDlg",
       IDD_NUMBER_RANGE,
       [](HWND owner) {
         std::wstring text = L"[1 , 100]" + std::wstring(190, L' ') + L"and more";
         text.resize(260);
         return Result(DoNumberRangeDlg(owner, text.data(), 260));
       },
       nullptr},
      {L"Sort by Multiple Columns", L"DoSortMulti", IDD_SORT_MULTI, OpenSortMultiDemo,
       PrepareSortMultiDemo},
      {L"Delete Duplicate Lines", L"DoDeleteDuplicateAdvanced", IDD_DELETE_DUPLICATES,
       OpenDeleteDuplicatesDemo, PrepareDeleteDuplicatesDemo},
      {L"Join CSV Documents", L"DoJoinCSV", IDD_JOIN_CSV, OpenJoinCsvDemo, nullptr},
      {L"Extract Columns", L"DoExtractColumns", IDD_EXTRACT_COLUMNS, OpenExtractColumnsDemo,
       nullptr},
      {L"Advanced Filter", L"DoAdvancedFilterDlg", IDD_ADVANCED_FILTER,
       [](HWND owner) {
         // Conditions of each kind on the columns of the current document.
         HGLOBAL block = MakeConditionBlock({
             {0x43, 2, 0, -1, L"Berlin"},                   // case, whole words, in City
             {0x101, 1, 0, -1, L"^(Anna|Jo)"},              // regular expression in Name
             {0x100000000001, 4, 0, -1, L"[2015 , 2020]"},  // number range in Customer since
             {0x1, -2, 9, 500, L""},                        // lines 10 to 500
             {0x40000004, -1, 0, -1, L"test\\t"},           // escape sequences, negative, off
             {0x40000040401, -1, 0, -1, L"draft"},          // or, bookmarked lines only
         });
         HostStringList columns(CurrentDocumentColumns());
         int r = DoAdvancedFilterDlg(owner, columns.Descriptor(), &block, 1);
         size_t applied = ReadConditionBlock(block).size();
         if (block) GlobalFree(block);
         return Result(r) + L", last list " + std::to_wstring(applied) + L" conditions";
       },
       [](HWND dlg) {
         // The line range condition, so that its range fields show.
         HWND list = GetDlgItem(dlg, IDC_CHECK_LIST);
         LVITEMW item = {};
         item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
         SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1),
                      reinterpret_cast<LPARAM>(&item));
         item.state = LVIS_SELECTED | LVIS_FOCUSED;
         SendMessageW(list, LVM_SETITEMSTATE, 3, reinterpret_cast<LPARAM>(&item));
       }},
      {L"Advanced Filter (an invalid number range, refused on Filter)", L"DoAdvancedFilterDlg",
       IDD_ADVANCED_FILTER, OpenFilterDemo({{0x100000000001, 4, 0, -1, L"[2020 , 2015]"}}),
       [](HWND dlg) { PostMessageW(dlg, WM_COMMAND, IDOK, 0); }},
      {L"Advanced Filter (a line range that ends before it starts, refused beside the fields)",
       L"DoAdvancedFilterDlg", IDD_ADVANCED_FILTER,
       OpenFilterDemo({{0x1, -2, 9, 500, L""}, {0x101, 1, 0, -1, L"^(Anna|Jo)"}}),
       [](HWND dlg) { SetDlgItemTextW(dlg, IDC_AF_RANGE_START, L"600"); }},
      {L"Advanced Filter (no conditions yet)", L"DoAdvancedFilterDlg", IDD_ADVANCED_FILTER,
       OpenFilterDemo({}), nullptr},
      {L"Plug-ins", L"DoPlugIn", IDD_PLUGINS, OpenPlugInsDemo, nullptr},
      {L"Plug-ins (standard list)", L"DoPlugIn", IDD_PLUGINS,
       OpenStandardPlugInsDemo, nullptr},
      {L"File Associations", L"DoFileAssociate", IDD_FILE_ASSOCIATE, OpenFileAssociateDemo,
       nullptr},
      {L"File Type Properties", L"DoFileAssociate", IDD_ASSOCIATE_PROPERTIES, OpenFileAssociateDemo,
       PrepareAssociatePropertiesDemo, nullptr, false},
      {L"File Type Properties (an extension that cannot be taken: why OK is greyed)",
       L"DoFileAssociate", IDD_ASSOCIATE_PROPERTIES, OpenFileAssociateDemo,
       PrepareReservedExtensionDemo, nullptr, false},
      {L"Customize Menus", L"DoMenu", IDD_MENUS, OpenMainMenuDemo, PrepareMainMenuDemo},
      {L"Customize Menus (user menu)", L"DoMenu", IDD_MENUS, OpenUserMenuDemo, nullptr},
      {L"Menu Item Properties (command)", L"DoMenu", IDD_MENU_PROPERTIES, OpenMainMenuDemo,
       PrepareCommandPropertiesDemo, BareMenusDialog},
      {L"Menu Item Properties (popup)", L"DoMenu", IDD_MENU_PROPERTIES, OpenMainMenuDemo,
       PreparePopupPropertiesDemo, BareMenusDialog},
      {L"Menu Item Properties (an item without a label, refused on OK)", L"DoMenu",
       IDD_MENU_PROPERTIES, OpenMainMenuDemo, PrepareUnlabelledPropertiesDemo, BareMenusDialog},
      {L"Customize Menus (a paste that holds no menu items)", L"DoMenu", IDD_MENUS,
       OpenUserMenuDemo, PreparePasteOfNoItemsDemo},
      {L"Toolbars", L"DoToolbarsDlg", IDD_TOOLBARS,
       [](HWND owner) {
         int r = DoToolbarsDlg(owner, HostRebarWindow(), 0, 1, 1, 0);
         return Result(r);
       },
       PlaceBelowToolbars, nullptr, true, ToolbarsAndDialog},
      {L"Toolbars (the question before a toolbar is deleted)", L"DoToolbarsDlg", IDD_TOOLBARS,
       [](HWND owner) {
         int r = DoToolbarsDlg(owner, HostRebarWindow(), 0, 1, 1, 0);
         return Result(r);
       },
       AskToDeleteAToolbar, nullptr, false, nullptr, true, true},
      {L"Extract Frequent Strings", L"DoExtractFrequent", IDD_EXTRACT_FREQUENT,
       OpenExtractFrequentDemo, nullptr},
      {L"Extract Frequent Strings (no count, refused on OK)", L"DoExtractFrequent",
       IDD_EXTRACT_FREQUENT, OpenExtractFrequentDemo,
       [](HWND dlg) {
         SetDlgItemTextW(dlg, IDC_EF_LINES, L"0");
         PostMessageW(dlg, WM_COMMAND, IDOK, 0);
       }},
      {L"Convert Characters", L"DoConvert", IDD_CONVERT, OpenConvertDemo, nullptr},
      {L"Code Pages", L"DoCodePage", IDD_CODE_PAGE,
       [](HWND owner) { return Result(DoCodePage(owner)); }, nullptr},
      {L"Tray Icon", L"DoCustomizeTray", IDD_TRAY,
       [](HWND owner) { return Result(DoCustomizeTray(owner)); }, nullptr},
      {L"Start Dialog Options", L"DoCustomizeStart", IDD_START_OPTIONS,
       [](HWND owner) { return Result(DoCustomizeStart(owner)); }, nullptr},
      {L"Import Settings", L"ImportSettings", IDD_SETTINGS_REPORT, OpenImportReportDemo,
       nullptr},
      {L"About", L"DoAbout", IDD_ABOUT, [](HWND owner) { return Result(DoAbout(owner, 0)); },
       nullptr},
  };
  static const bool customize = [] {
    for (DemoEntry& e : CustomizeDemoEntries()) entries.push_back(std::move(e));
    for (DemoEntry& e : MarkerDemoEntries()) entries.push_back(std::move(e));
    return true;
  }();
  (void)customize;
  return entries;
}
