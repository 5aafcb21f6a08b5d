// DoJump through the real library: what the user sees when the dialog opens and what the host
// gets back for each way of leaving it.

#include <gtest/gtest.h>

#include <cstdint>

#include "controls/wide_string_list.h"
#include "resource_ids.h"
#include "test_support.h"
#include "scrvdlgs_api.h"

using namespace testing_support;

namespace {

using DoJumpFn = decltype(&DoJump);

const std::vector<std::u16string> kUnits = {u"Logical lines", u"Display lines",
                                            u"Paragraphs of the document"};

class JumpExport : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearRegistrySettings();
    fn = lib.Get<DoJumpFn>("DoJump");
    ASSERT_NE(fn, nullptr);
  }
  void TearDown() override { ClearRegistrySettings(); }

  // Runs the dialog over the host's values; `script` ends it.
  ScriptResult Run(int asIs, const std::function<void(HWND)>& script,
                   const std::vector<std::u16string>& choices = kUnits) {
    scrv::WideStringListBuilder list(choices);
    ScriptResult r = RunDialog(
        [&] {
          return static_cast<INT_PTR>(
              fn(host.Hwnd(), &target, &secondary, &choice, list.Descriptor(), asIs));
        },
        script);
    EXPECT_TRUE(r.scriptRan);
    EXPECT_FALSE(r.timedOut);
    return r;
  }

  AppFolder folder{false};
  Library lib{folder.Path()};
  FakeHost host;
  DoJumpFn fn = nullptr;
  uint32_t target = 0;
  uint32_t secondary = 0;
  int32_t choice = 0;
};

TEST_F(JumpExport, ZeroBasedNumbersAreShownOneBasedAndComeBackUnchanged) {
  std::wstring shownTarget, shownSecondary;
  auto r = Run(0, [&](HWND dlg) {
    shownTarget = Text(dlg, IDC_JUMP_TARGET);
    shownSecondary = Text(dlg, IDC_JUMP_SECONDARY);
    Click(dlg, IDOK);
  });
  EXPECT_EQ(shownTarget, L"1");
  EXPECT_EQ(shownSecondary, L"1");
  EXPECT_EQ(r.result, 1);
  EXPECT_EQ(target, 0u);
  EXPECT_EQ(secondary, 0u);
}

TEST_F(JumpExport, PastingIntoANumberKeepsItsDigitsOnly) {
  std::wstring pasted;
  Run(0, [&](HWND dlg) {
    HWND edit = GetDlgItem(dlg, IDC_JUMP_TARGET);
    SetText(dlg, IDC_JUMP_TARGET, L"");
    PutClipboardText(dlg, L"1,2a 3");
    SendMessageW(edit, WM_PASTE, 0, 0);
    pasted = Text(dlg, IDC_JUMP_TARGET);
    Click(dlg, IDCANCEL);
  });
  EXPECT_EQ(pasted, L"123");
}

TEST_F(JumpExport, TheListShowsTheHostsEntriesAndChoosingOneResetsTheSecondaryNumber) {
  choice = 1;
  secondary = 40;
  std::wstring selected, typedBefore, afterChange;
  LRESULT count = 0;
  auto r = Run(0, [&](HWND dlg) {
    count = SendDlgItemMessageW(dlg, IDC_JUMP_CHOICE, CB_GETCOUNT, 0, 0);
    selected = Text(dlg, IDC_JUMP_CHOICE);
    SetText(dlg, IDC_JUMP_SECONDARY, L"77");
    typedBefore = Text(dlg, IDC_JUMP_SECONDARY);
    ChooseComboEntry(dlg, IDC_JUMP_CHOICE, 2);
    afterChange = Text(dlg, IDC_JUMP_SECONDARY);
    Click(dlg, IDOK);
  });
  EXPECT_EQ(count, 3);
  EXPECT_EQ(selected, L"Display lines");
  EXPECT_EQ(typedBefore, L"77");
  EXPECT_EQ(afterChange, L"1");
  EXPECT_EQ(r.result, 1);
  EXPECT_EQ(choice, 2);
  EXPECT_EQ(secondary, 0u);
}

TEST_F(JumpExport, TheResultIsTheCheckBoxAndCancelLeavesEverythingUntouched) {
  bool checkedOnOpen = false;
  auto checked = Run(0, [&](HWND dlg) {
    checkedOnOpen = Checked(dlg, IDC_JUMP_CHECK);
    Click(dlg, IDOK);
  });
  EXPECT_TRUE(checkedOnOpen);
  EXPECT_EQ(checked.result, 1);

  auto unchecked = Run(0, [&](HWND dlg) {
    Click(dlg, IDC_JUMP_CHECK);
    Click(dlg, IDOK);
  });
  EXPECT_EQ(unchecked.result, 0);

  target = 7;
  secondary = 8;
  choice = 0;
  auto cancelled = Run(0, [&](HWND dlg) {
    SetText(dlg, IDC_JUMP_TARGET, L"500");
    SetText(dlg, IDC_JUMP_SECONDARY, L"600");
    ChooseComboEntry(dlg, IDC_JUMP_CHOICE, 2);
    Click(dlg, IDCANCEL);
  });
  EXPECT_EQ(cancelled.result, -1);
  EXPECT_EQ(target, 7u);
  EXPECT_EQ(secondary, 8u);
  EXPECT_EQ(choice, 0);
}

TEST_F(JumpExport, MissingInOutValuesAreRefusedWithoutADialog) {
  scrv::WideStringListBuilder list(kUnits);
  EXPECT_EQ(fn(host.Hwnd(), nullptr, &secondary, &choice, list.Descriptor(), 0), -1);
  EXPECT_EQ(fn(host.Hwnd(), &target, &secondary, nullptr, list.Descriptor(), 0), -1);
  EXPECT_EQ(FindThreadDialog(), nullptr);
}

}  // namespace
