// The dialogs the host stand-in can open, with the sample data each is shown with.

#include <windows.h>

#include <string>

#include "host_app.h"
#include "host_key_demos.h"
#include "host_string_list.h"
#include "resource_ids.h"
#include "scrvdlgs_api.h"

namespace {

std::wstring Result(int r) {
  return L"returned " + std::to_wstring(r);
}

}  // namespace

const std::vector<DemoEntry>& DemoEntries() {
  static const std::vector<DemoEntry> entries = {
      {L"Jump", L"DoJump", IDD_JUMP,
       [](HWND owner) {
         // Line 120, column 8 (zero-based), counted by the second kind of line.
         HostStringList units({L"Logical lines", L"Display lines", L"Paragraphs", L"Pages"});
         uint32_t line = 119, column = 7;
         int32_t unit = 1;
         int r = DoJump(owner, &line, &column, &unit, units.Descriptor(), 0);
         return Result(r) + L", line " + std::to_wstring(line) + L", column " +
                std::to_wstring(column) + L", unit " + std::to_wstring(unit);
       },
       nullptr},
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
      {L"Sort by Multiple Columns", L"DoSortMulti", IDD_SORT_MULTI, OpenSortMultiDemo, nullptr},
      {L"Delete Duplicate Lines", L"DoDeleteDuplicateAdvanced", IDD_DELETE_DUPLICATES,
       OpenDeleteDuplicatesDemo, PrepareDeleteDuplicatesDemo},
      {L"Join CSV Documents", L"DoJoinCSV", IDD_JOIN_CSV, OpenJoinCsvDemo, nullptr},
      {L"Extract Columns", L"DoExtractColumns", IDD_EXTRACT_COLUMNS, OpenExtractColumnsDemo,
       nullptr},
  };
  return entries;
}
