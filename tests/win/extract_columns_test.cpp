// DoExtractColumns through the real library: the current document's columns asked from the
// host, and the column entry block handed back in the list's order on OK.

#include <gtest/gtest.h>

#include <cstring>

#include "key_dialog_steps.h"
#include "scrvdlgs_api.h"

using namespace testing_support;
using namespace key_dialog_steps;

namespace {

using DoExtractColumnsFn = decltype(&DoExtractColumns);

struct Entry {
  uint32_t column;
  uint32_t flags;
  bool operator==(const Entry&) const = default;
};

class ExtractColumnsExport : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearRegistrySettings();
    fn = lib.Get<DoExtractColumnsFn>("DoExtractColumns");
    ASSERT_NE(fn, nullptr);
    host.answer = [this](UINT msg, WPARAM wParam, LPARAM lParam, FakeHost::Message&) -> LRESULT {
      if (msg != scrv::SCM_COLUMN_NAMES || HIWORD(wParam) != 0xFFFF) return 0;
      size_t count = LOWORD(wParam);
      return count == 0 ? static_cast<LRESULT>(columns.size())
                        : FillNameSlots(lParam, count, columns);
    };
    std::memset(record, 0xA5, sizeof record);
  }
  void TearDown() override { ClearRegistrySettings(); }

  int Run(const std::function<void(HWND)>& script) {
    auto r = RunDialog([&] { return fn(host.Hwnd(), record); },
                       [&](HWND dlg) {
                         Settle();
                         script(dlg);
                       });
    EXPECT_TRUE(r.scriptRan);
    EXPECT_FALSE(r.timedOut);
    return static_cast<int>(r.result);
  }

  // The entries of the block in the record; the host frees it.
  std::vector<Entry> TakeEntries() {
    uint64_t handle;
    std::memcpy(&handle, record + 24, 8);
    std::vector<Entry> entries;
    auto block = reinterpret_cast<HGLOBAL>(static_cast<uintptr_t>(handle));
    size_t size = GlobalSize(block);
    if (const auto* p = static_cast<const uint8_t*>(GlobalLock(block))) {
      for (size_t at = 0; at + 8 <= size; at += 8) {
        Entry e;
        std::memcpy(&e, p + at, 8);
        entries.push_back(e);
      }
      GlobalUnlock(block);
    }
    GlobalFree(block);
    return entries;
  }
  bool RestUntouched() const {
    for (size_t i = 0; i < 24; ++i)
      if (record[i] != 0xA5) return false;
    return true;
  }

  AppFolder folder{false};
  Library lib{folder.Path()};
  FakeHost host;
  std::vector<std::wstring> columns = {L"Id", L"Name", L"City", L"Country"};
  uint8_t record[32];
  DoExtractColumnsFn fn = nullptr;
};

TEST_F(ExtractColumnsExport, AMoveAndAnUncheckComeBackInTheNewOrder) {
  std::wstring before, after;
  int r = Run([&](HWND dlg) {
    before = Rows(dlg);
    SelectRows(dlg, {0});
    Click(dlg, IDC_CL_MOVE_DOWN);
    Click(dlg, IDC_CL_MOVE_DOWN);
    Settle();
    SetRowChecked(dlg, 3, false);
    after = Rows(dlg);
    Click(dlg, IDOK);
  });
  EXPECT_EQ(r, 1);
  EXPECT_EQ(before, L"Id|Name|City|Country");
  EXPECT_EQ(after, L"Name|City|Id|Country");
  std::vector<Entry> expected = {{1, 2}, {2, 2}, {0, 2}, {3, 0}};
  EXPECT_EQ(TakeEntries(), expected);
  EXPECT_TRUE(RestUntouched());
}

TEST_F(ExtractColumnsExport, TheColumnsAreAskedForTheCurrentDocument) {
  Run([&](HWND dlg) { Click(dlg, IDCANCEL); });
  std::vector<WPARAM> asked;
  for (const auto& m : host.messages)
    if (m.msg == scrv::SCM_COLUMN_NAMES) asked.push_back(m.wParam);
  EXPECT_EQ(asked, (std::vector<WPARAM>{0xFFFF0000, 0xFFFF0004}));
}

TEST_F(ExtractColumnsExport, CancelReturnsZeroAndLeavesTheRecordAlone) {
  int r = Run([&](HWND dlg) {
    SetRowChecked(dlg, 0, false);
    Click(dlg, IDCANCEL);
  });
  EXPECT_EQ(r, 0);
  for (uint8_t b : record) ASSERT_EQ(b, 0xA5);
}

TEST_F(ExtractColumnsExport, TheCheckAllBoxUnchecksEveryRow) {
  int r = Run([&](HWND dlg) {
    SelectRows(dlg, {});
    Click(dlg, IDC_CHECK_ALL);
    Settle();
    Click(dlg, IDOK);
  });
  EXPECT_EQ(r, 1);
  std::vector<Entry> expected = {{0, 0}, {1, 0}, {2, 0}, {3, 0}};
  EXPECT_EQ(TakeEntries(), expected);
}

TEST_F(ExtractColumnsExport, ADocumentWithoutColumnsGivesAnEmptyBlock) {
  columns.clear();
  int rows = -1;
  int r = Run([&](HWND dlg) {
    rows = RowCount(dlg);
    Click(dlg, IDOK);
  });
  EXPECT_EQ(r, 1);
  EXPECT_EQ(rows, 0);
  EXPECT_TRUE(TakeEntries().empty());
}

}  // namespace
