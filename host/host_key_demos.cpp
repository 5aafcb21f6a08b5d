#include "host_key_demos.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

#include "host_key_list.h"
#include "host_string_list.h"
#include "resource_ids.h"
#include "scrvdlgs_api.h"

namespace {

constexpr uint32_t kKeyIncluded = 0x4000000;

// The columns of the host's first document, as its sort and duplicate commands pass them.
const std::vector<std::wstring> kCustomerColumns = {L"Id", L"Name", L"City", L"Country",
                                                    L"Customer since"};

// The editor's join record.
struct JoinRecord {
  uint32_t flags;
  int32_t firstDocument, firstKeyColumn, secondDocument, secondKeyColumn;
  uint32_t unused;
  uint64_t pairs;
};
static_assert(sizeof(JoinRecord) == 32);

std::wstring Hex32(uint32_t v) {
  wchar_t buf[16];
  swprintf(buf, 16, L"0x%X", v);
  return buf;
}

std::wstring Returned(int r) {
  return L"returned " + std::to_wstring(r);
}

// The keys as "column:flags" pairs.
std::wstring KeysText(const std::vector<HostKey>& keys) {
  std::wstring out;
  for (const HostKey& k : keys)
    out += (out.empty() ? L"" : L" ") + std::to_wstring(k.column) + L":" + Hex32(k.flags);
  return out;
}

// The entries of a column block as "column:flags" pairs; the host frees the block.
std::wstring TakeColumnBlock(uint64_t handle) {
  auto block = reinterpret_cast<HGLOBAL>(static_cast<uintptr_t>(handle));
  if (!block) return L"(no block)";
  std::wstring out;
  size_t size = GlobalSize(block);
  if (const auto* p = static_cast<const uint8_t*>(GlobalLock(block))) {
    for (size_t at = 0; at + 8 <= size; at += 8) {
      uint32_t column, flags;
      std::memcpy(&column, p + at, 4);
      std::memcpy(&flags, p + at + 4, 4);
      out += (out.empty() ? L"" : L" ") + std::to_wstring(column) + L":" + Hex32(flags);
    }
    GlobalUnlock(block);
  }
  GlobalFree(block);
  return out.empty() ? L"(empty)" : out;
}

}  // namespace

std::wstring OpenSortMultiDemo(HWND owner) {
  HostStringList names(kCustomerColumns);
  HostKeyList keys(
      {{3, kKeyIncluded}, {2, kKeyIncluded | 0x80000000}, {4, 0x80000}, {0, 0x400000}, {1, 0}});
  int r = DoSortMulti(owner, names.Descriptor(), keys.Descriptor(), 1, 1);
  return Returned(r) + L", keys " + KeysText(keys.Keys());
}

// The gallery shows the grid of kinds with the keyboard in it: the focus around a radio.
void PrepareSortMultiDemo(HWND dlg) {
  HWND radio = GetDlgItem(dlg, IDC_SM_TEXT_ASC);
  for (int id = IDC_SM_KIND_FIRST; id <= IDC_SM_KIND_LAST; ++id)
    if (IsDlgButtonChecked(dlg, id) == BST_CHECKED) radio = GetDlgItem(dlg, id);
  SendMessageW(dlg, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(radio), TRUE);
  SendMessageW(dlg, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
}

std::wstring OpenDeleteDuplicatesDemo(HWND owner) {
  HostStringList names(kCustomerColumns);
  HostKeyList keys({{0, 0}, {1, kKeyIncluded}, {2, kKeyIncluded}, {3, 0}, {4, 0}});
  int r = DoDeleteDuplicateAdvanced(owner, names.Descriptor(), keys.Descriptor(), 1, 2);
  return Returned(r) + L", keys " + KeysText(keys.Keys());
}

// The gallery shows the column list in use.
void PrepareDeleteDuplicatesDemo(HWND dlg) {
  SendDlgItemMessageW(dlg, IDC_DD_COMPARE_COLUMNS, BM_CLICK, 0, 0);
}

std::wstring OpenJoinCsvDemo(HWND owner) {
  JoinRecord record = {0, 0, -1, 1, -1, 0, 0};
  int r = DoJoinCSV(owner, &record);
  std::wstring line = Returned(r);
  if (r == 1) {
    line += L", flags " + Hex32(record.flags) + L", documents " +
            std::to_wstring(record.firstDocument) + L" and " +
            std::to_wstring(record.secondDocument) + L", key columns " +
            std::to_wstring(record.firstKeyColumn) + L" and " +
            std::to_wstring(record.secondKeyColumn) + L", pairs " + TakeColumnBlock(record.pairs);
  }
  return line;
}

std::wstring OpenExtractColumnsDemo(HWND owner) {
  uint8_t record[32] = {};
  int r = DoExtractColumns(owner, record);
  std::wstring line = Returned(r);
  if (r == 1) {
    uint64_t handle;
    std::memcpy(&handle, record + 24, 8);
    line += L", columns " + TakeColumnBlock(handle);
  }
  return line;
}
