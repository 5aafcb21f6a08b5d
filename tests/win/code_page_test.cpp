// DoCodePage and ResetCodePage through the real library. The system's code pages are Wine's
// own table here, so the checks compare the dialog with what the multi-language service
// enumerates on this system, by the library's rule (no Unicode family, no 50000).

#include <gtest/gtest.h>

#include <mlang.h>

#include <algorithm>
#include <cstring>

#include "integration/code_pages.h"
#include "key_dialog_steps.h"
#include "settings/settings_record.h"

using namespace testing_support;
using namespace key_dialog_steps;

namespace {

using DoCodePageFn = int (*)(HWND);
using ResetCodePageFn = void (*)(void*);
using Pages = std::vector<uint16_t>;

constexpr IID kIidMultiLanguage2 = {
    0xDCCFC164, 0x2B38, 0x11D2, {0xB7, 0xEC, 0x00, 0xC0, 0x4F, 0x8F, 0x5D, 0x9A}};

// The code pages the dialog may offer on this system, in the service's order.
Pages SystemCandidates() {
  Pages out;
  CoInitialize(nullptr);
  IMultiLanguage2* ml = nullptr;
  if (SUCCEEDED(CoCreateInstance(CLSID_CMultiLanguage, nullptr, CLSCTX_INPROC_SERVER,
                                 kIidMultiLanguage2, reinterpret_cast<void**>(&ml)))) {
    IEnumCodePage* e = nullptr;
    if (SUCCEEDED(ml->EnumCodePages(MIMECONTF_VALID, GetUserDefaultUILanguage(), &e))) {
      MIMECPINFO info;
      ULONG got = 0;
      while (e->Next(1, &info, &got) == S_OK && got == 1)
        if (info.uiFamilyCodePage != 1200 && info.uiCodePage != 50000 &&
            std::find(out.begin(), out.end(), info.uiCodePage) == out.end())
          out.push_back(static_cast<uint16_t>(info.uiCodePage));
      e->Release();
    }
    ml->Release();
  }
  CoUninitialize();
  return out;
}

class CodePageExport : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override {
    ClearRegistrySettings();
    DeleteFileW(RecordPath().c_str());
    fn = lib.Get<DoCodePageFn>("DoCodePage");
    ASSERT_NE(fn, nullptr);
  }
  void TearDown() override {
    ClearRegistrySettings();
    DeleteFileW(RecordPath().c_str());
  }

  std::wstring RecordPath() const { return AppDataFile(folder, ini, L"Common\\newcp.bin"); }
  scrv::SettingsRecord Record() const {
    std::wstring path = RecordPath();
    return *scrv::OpenRecord(scrv::record::kNewCp,
                             [&](auto, auto) { return std::u16string(path.begin(), path.end()); });
  }
  void Store(const Pages& list) {
    scrv::SettingsRecord r = Record();
    scrv::FillCodePageRecord(r, list, 0x01D0000000000000);
    auto bytes = scrv::BuildRecordFile(r.Lists(), r.Magic(), r.TextEncoding());
    PutFile(RecordPath(), std::string(bytes->begin(), bytes->end()));
  }
  std::optional<Pages> Stored() const {
    std::string file = FileBytes(RecordPath());
    scrv::SettingsRecord r = Record();
    scrv::RecordLists lists;
    if (file.empty() || !scrv::ParseRecordFile(reinterpret_cast<const uint8_t*>(file.data()),
                                               file.size(), r.Magic(), r.TextEncoding(), lists))
      return std::nullopt;
    if (lists.words.empty() || lists.words.size() != 1u + lists.words[0]) return std::nullopt;
    return Pages(lists.words.begin() + 1, lists.words.end());
  }
  int Run(const std::function<void(HWND)>& script) {
    auto r = RunDialog([&] { return fn(host.Hwnd()); },
                       [&](HWND dlg) {
                         Settle();
                         script(dlg);
                       });
    EXPECT_TRUE(r.scriptRan);
    EXPECT_FALSE(r.timedOut);
    return static_cast<int>(r.result);
  }
  size_t Broadcasts() const {
    return std::count_if(host.messages.begin(), host.messages.end(), [](const auto& m) {
      return m.msg == 0x8020 && m.wParam == 8 && m.lParam == 0;
    });
  }
  static int Ticked(HWND dlg) {
    int n = 0;
    for (int r = 0; r < RowCount(dlg); ++r) n += RowChecked(dlg, r);
    return n;
  }

  bool ini = GetParam();
  AppFolder folder{ini};
  Library lib{folder.Path()};
  FakeHost host;
  DoCodePageFn fn = nullptr;
  Pages candidates = SystemCandidates();
};

TEST_P(CodePageExport, OkKeepsTheTickedPagesInTheSystemsOrderAndTellsTheHost) {
  ASSERT_GE(std::count(candidates.begin(), candidates.end(), 1252), 1);
  ASSERT_GE(std::count(candidates.begin(), candidates.end(), 932), 1);
  Store({4711, 1252, 932});  // 4711 is no code page of this system
  int rows = -1, ticked = -1;
  int r = Run([&](HWND dlg) {
    rows = RowCount(dlg);
    ticked = Ticked(dlg);
    Click(dlg, IDOK);
  });
  EXPECT_EQ(r, IDOK);
  EXPECT_EQ(rows, static_cast<int>(candidates.size()));
  EXPECT_EQ(ticked, 2);
  Pages expected;
  for (uint16_t cp : candidates)
    if (cp == 1252 || cp == 932) expected.push_back(cp);
  EXPECT_EQ(Stored(), expected) << "candidate order; 4711 dropped";
  EXPECT_EQ(Broadcasts(), 1u);
}

TEST_P(CodePageExport, EveryPageTickedIsStoredAndShownTickedNextTime) {
  Run([&](HWND dlg) {
    LVITEMW all = {};
    all.stateMask = LVIS_STATEIMAGEMASK;
    all.state = INDEXTOSTATEIMAGEMASK(2);
    SendMessageW(List(dlg), LVM_SETITEMSTATE, static_cast<WPARAM>(-1),
                 reinterpret_cast<LPARAM>(&all));
    Click(dlg, IDOK);
  });
  EXPECT_EQ(Stored(), candidates);
  int ticked = -1;
  Run([&](HWND dlg) {
    ticked = Ticked(dlg);
    Click(dlg, IDCANCEL);
  });
  EXPECT_EQ(ticked, static_cast<int>(candidates.size()));
}

TEST_P(CodePageExport, ResetTicksTheDefaultsAndCancelWritesNothing) {
  Store({1252});
  int before = -1, after = -1;
  int r = Run([&](HWND dlg) {
    before = Ticked(dlg);
    Click(dlg, IDC_CP_RESET);
    after = Ticked(dlg);
    Click(dlg, IDCANCEL);
  });
  EXPECT_EQ(r, IDCANCEL);
  EXPECT_EQ(before, 1);
  int defaults = 0;
  for (uint16_t cp : scrv::kDefaultCodePages)
    defaults += std::count(candidates.begin(), candidates.end(), cp) > 0;
  EXPECT_EQ(after, defaults);
  EXPECT_EQ(Stored(), Pages{1252});
  EXPECT_EQ(Broadcasts(), 0u);
}

TEST_P(CodePageExport, AnUnreadableRecordShowsTheDefaults) {
  PutFile(RecordPath(), std::string("\x00\x3C\xFF\x00garbage", 11));
  int ticked = -1;
  Run([&](HWND dlg) {
    ticked = Ticked(dlg);
    Click(dlg, IDCANCEL);
  });
  int defaults = 0;
  for (uint16_t cp : scrv::kDefaultCodePages)
    defaults += std::count(candidates.begin(), candidates.end(), cp) > 0;
  EXPECT_EQ(ticked, defaults);
}

INSTANTIATE_TEST_SUITE_P(BothBackEnds, CodePageExport, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Ini" : "Registry"; });

struct HostWordList {
  uint16_t* first;
  uint16_t* last;
  uint16_t* end;
};

TEST(ResetCodePageExport, FillsRoomyListsInPlaceAndGivesSmallOnesABlockOfTheProcessHeap) {
  AppFolder folder{false};
  Library lib{folder.Path()};
  auto reset = lib.Get<ResetCodePageFn>("ResetCodePage");
  ASSERT_NE(reset, nullptr);

  std::vector<uint16_t> roomy(40, 7);
  HostWordList big{roomy.data(), roomy.data() + 3, roomy.data() + 40};
  reset(&big);
  EXPECT_EQ(big.first, roomy.data()) << "the host's block is kept";
  EXPECT_EQ(big.last, roomy.data() + 38);
  EXPECT_EQ(big.end, roomy.data() + 40);
  EXPECT_TRUE(
      std::equal(scrv::kDefaultCodePages.begin(), scrv::kDefaultCodePages.end(), roomy.begin()));
  EXPECT_EQ(roomy[38], 7);

  uint16_t small[4] = {1, 2, 3, 4};
  HostWordList tiny{small, small + 4, small + 4};
  reset(&tiny);
  ASSERT_NE(tiny.first, small);
  EXPECT_EQ(tiny.last - tiny.first, 38);
  EXPECT_EQ(tiny.end, tiny.last);
  EXPECT_EQ(HeapSize(GetProcessHeap(), 0, tiny.first), 76u) << "a block of the process heap";
  EXPECT_TRUE(std::equal(tiny.first, tiny.last, scrv::kDefaultCodePages.begin()));
  EXPECT_EQ(small[0], 1) << "the old block is the host's to free, untouched";
  HeapFree(GetProcessHeap(), 0, tiny.first);

  HostWordList empty{nullptr, nullptr, nullptr};
  reset(&empty);
  ASSERT_NE(empty.first, nullptr);
  EXPECT_EQ(empty.last - empty.first, 38);
  HeapFree(GetProcessHeap(), 0, empty.first);
  reset(nullptr);  // nothing to fill: nothing happens
}

}  // namespace
