// DoCustomizeMarkers through the real library, in both settings back ends: what OK writes for
// each kind of change and the mask the host is sent, Cancel writing nothing, an invalid regular
// expression keeping the sheet open, and markers added, copied, pasted and recoloured.

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../native/marker_test_util.h"
#include "controls/check_list_win.h"
#include "key_dialog_steps.h"
#include "markers/marker_list.h"
#include "resource_ids.h"
#include "scrvdlgs_api.h"
#include "settings/ini_encoding.h"
#include "settings_test_support.h"
#include "dialog_test_support.h"
#include "test_support.h"

using namespace testing_support;
using namespace key_dialog_steps;
using scrv::M;
using scrv::MarkerList;
namespace mf = scrv::marker_flag;

namespace {

using DoCustomizeMarkersFn = decltype(&DoCustomizeMarkers);

HWND Page(HWND sheet) {
  return reinterpret_cast<HWND>(SendMessageW(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
}

int PageIndex(HWND sheet) {
  HWND tab = reinterpret_cast<HWND>(SendMessageW(sheet, PSM_GETTABCONTROL, 0, 0));
  return static_cast<int>(SendMessageW(tab, TCM_GETCURSEL, 0, 0));
}

// The check list's command to its page, as its keys and menu send it.
void ListCommand(HWND sheet, WPARAM command) {
  SendMessageW(Page(sheet), scrv::SLM_CHECKLIST, command, 0);
}

class MarkerSheet : public ::testing::TestWithParam<bool> {
 protected:
  MarkerSheet() : folder(Ini()), lib(folder.Path()) {
    ClearRegistrySettings();
    fn = lib.Get<DoCustomizeMarkersFn>("DoCustomizeMarkers");
  }
  ~MarkerSheet() override { ClearRegistrySettings(); }
  bool Ini() const { return GetParam(); }

  int Open(int start, const std::function<void(HWND)>& script) {
    if (!fn) {
      ADD_FAILURE() << "no DoCustomizeMarkers";
      return -1;
    }
    ScriptResult r = RunDialog(
        [&] { return static_cast<INT_PTR>(fn(host.Hwnd(), start, L"", -1, 0, 0)); }, script);
    EXPECT_TRUE(r.scriptRan);
    EXPECT_FALSE(r.timedOut);
    return static_cast<int>(r.result);
  }

  void StoreMarkers(const MarkerList& markers) {
    const std::vector<uint8_t> value = scrv::EncodeMarkerValues(markers).at(0);
    if (!Ini()) {
      settings_test::SetRawValue(L"Common", L"Marker", REG_BINARY, value.data(),
                                 static_cast<DWORD>(value.size()));
      return;
    }
    const std::wstring file = folder.File(L"scCommon.ini");
    const std::u16string text = scrv::EncodeIniBinary(value.data(), value.size());
    WritePrivateProfileStringW(L"Common", L"Marker-Size", std::to_wstring(value.size()).c_str(),
                               file.c_str());
    WritePrivateProfileStringW(L"Common", L"Marker", std::wstring(text.begin(), text.end()).c_str(),
                               file.c_str());
  }

  MarkerList StoredMarkers() {
    std::vector<uint8_t> value;
    if (Ini()) {
      const std::wstring text = folder.IniText(L"scCommon.ini", L"Common", L"Marker");
      const long long size = CommonDword(folder, true, L"Marker-Size");
      if (size > 0)
        value = scrv::DecodeIniBinary(settings_test::U(text), static_cast<size_t>(size))
                    .value_or(std::vector<uint8_t>());
    } else {
      value = settings_test::GetRawValue(L"Common", L"Marker").bytes;
    }
    MarkerList markers;
    scrv::ReadMarkerValue(value.data(), value.size(), markers);
    return markers;
  }

  std::vector<uint64_t> Broadcasts() const {
    std::vector<uint64_t> masks;
    for (const FakeHost::Message& m : host.messages)
      if (m.msg == scrv::SCM_SETTINGS_CHANGED)
        masks.push_back((static_cast<uint64_t>(m.lParam) << 32) | (m.wParam & 0xFFFFFFFF));
    return masks;
  }

  AppFolder folder;
  Library lib;
  FakeHost host;
  DoCustomizeMarkersFn fn = nullptr;
};

INSTANTIATE_TEST_SUITE_P(BothBackEnds, MarkerSheet, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Ini" : "Registry"; });

TEST_P(MarkerSheet, OkWritesEachKindOfChangeWithItsBitsAndCancelWritesNothing) {
  const MarkerList stored = {M(u"alpha", '0', mf::kOn), M(u"beta", '2', 0)};
  struct Case {
    const char* what;
    int page;
    std::function<void(HWND)> edit;
    UINT end;
    std::vector<uint64_t> masks;
  } cases[] = {
      {"cancel", 0, [](HWND s) { SetRowChecked(Page(s), 0, false); }, IDCANCEL, {}},
      {"marker turned on",
       0,
       [](HWND s) { SetRowChecked(Page(s), 1, true); },
       IDOK,
       {0x60000004100}},
      {"automatic flag", 1, [](HWND s) { Click(Page(s), IDC_MA_WORD); }, IDOK, {0x4100}},
      {"options, counting",
       2,
       [](HWND s) { Click(Page(s), IDC_MO_COUNT_MATCHES); },
       IDOK,
       {0x40000004100}},
      {"options untouched", 2, [](HWND) {}, IDOK, {0x4100}},
      {"options, counting undone with the keys",
       2,
       [](HWND s) {
         Click(Page(s), IDC_MO_COUNT_MATCHES);
         dialog_test::PostedKey(GetFocus(), 'Z', true);
       },
       IDOK,
       {0x4100}},
  };
  for (const Case& c : cases) {
    ClearRegistrySettings();
    DeleteFileW(folder.File(L"scCommon.ini").c_str());
    StoreMarkers(stored);
    host.messages.clear();
    EXPECT_EQ(Open(c.page,
                   [&](HWND sheet) {
                     c.edit(sheet);
                     Click(sheet, static_cast<int>(c.end));
                   }),
              c.end == IDOK ? 1 : 0)
        << c.what;
    EXPECT_EQ(Broadcasts(), c.masks) << c.what;
    EXPECT_EQ(CommonDword(folder, Ini(), L"DefMarkerPage"), c.page) << c.what;
    MarkerList expected = stored;
    if (c.masks == std::vector<uint64_t>{0x60000004100}) expected[1].flags |= mf::kOn;
    EXPECT_EQ(StoredMarkers(), expected) << c.what;
    EXPECT_EQ(CommonDword(folder, Ini(), L"AutoMarkerFlags"), c.page == 1 ? 2 : -1) << c.what;
    EXPECT_EQ(CommonDword(folder, Ini(), L"CountMarkerMatches"),
              c.end == IDOK && c.page == 2 && c.masks[0] > 0x4100 ? 1 : -1)
        << c.what;
    EXPECT_EQ(CommonDword(folder, Ini(), L"PromptRemoveMarker"), c.page == 2 ? 1 : -1) << c.what;
    EXPECT_EQ(CommonDword(folder, Ini(), L"AutoDisableMarkers"), -1) << "at its default";
  }
}

TEST_P(MarkerSheet, AnInvalidExpressionKeepsTheSheetOpenWithItsMarkerSelected) {
  StoreMarkers({M(u"a(b", '0', mf::kRegExp),  // off: not checked
                M(u"x+", '0', mf::kOn | mf::kRegExp), M(u"a(b", '1', mf::kOn | mf::kRegExp)});
  int pageAfterOk = -1;
  std::vector<int> selected;
  bool listFocused = false;
  std::wstring reason;
  EXPECT_EQ(Open(0,
                 [&](HWND sheet) {
                   SendMessageW(sheet, PSM_SETCURSEL, 2, 0);
                   Click(sheet, IDOK);
                   PumpMessages(50);
                   pageAfterOk = PageIndex(sheet);
                   for (int r = 0; r < RowCount(Page(sheet)); ++r)
                     if (SendMessageW(List(Page(sheet)), LVM_GETITEMSTATE, r, LVIS_SELECTED))
                       selected.push_back(r);
                   listFocused = GetFocus() == List(Page(sheet));
                   reason = Text(Page(sheet), IDC_ML_REASON);
                   Click(sheet, IDCANCEL);
                 }),
            0);
  EXPECT_EQ(pageAfterOk, 0);
  EXPECT_EQ(selected, std::vector<int>{2});
  EXPECT_TRUE(listFocused);
  EXPECT_EQ(reason,
            L"Marker 3, \"a(b\", is not a valid regular expression: correct it, clear Regular "
            L"expression, or turn the marker off.");
  int asked = 0;
  for (const FakeHost::Message& m : host.messages)
    asked += m.msg == scrv::SCM_QUERY && m.wParam == scrv::kQueryRegex;
  EXPECT_EQ(asked, 2) << "the two markers that are on";
  EXPECT_TRUE(Broadcasts().empty());
}

TEST_P(MarkerSheet, AddedCopiedPastedAndRecolouredMarkersAreStored) {
  StoreMarkers({M(u"a", '0', mf::kOn | mf::kMatchCase), M(u"b", '0', mf::kOn)});
  EXPECT_EQ(Open(0,
                 [&](HWND sheet) {
                   HWND page = Page(sheet);
                   Click(page, IDC_ML_ADD);
                   SendMessageW(List(page), LVM_CANCELEDITLABEL, 0, 0);
                   EXPECT_EQ(Rows(page), L"a|b|New marker");
                   SelectRows(page, {0});
                   ListCommand(sheet, scrv::kClCopy);
                   ListCommand(sheet, scrv::kClPaste);
                   ChooseComboEntry(page, IDC_ML_COLOR, 4);
                   Click(sheet, IDOK);
                 }),
            1);
  EXPECT_EQ(StoredMarkers(),
            (MarkerList{M(u"a", '0', mf::kOn | mf::kMatchCase), M(u"b", '0', mf::kOn),
                        M(u"New marker", '1', mf::kOn | mf::kMatchCase),
                        M(u"a", '4', mf::kOn | mf::kMatchCase)}));
}

}  // namespace
