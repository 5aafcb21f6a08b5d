// The remembered placement of a dialog, through DoJump of the real library in both settings
// back ends: written on close, restored on reopen, and pulled back onto the real monitor. The
// rules of the record (sizes, wrong lengths, moves) live in the model's tests.

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <optional>

#include "dialog_test_support.h"
#include "controls/wide_string_list.h"
#include "resource_ids.h"
#include "settings_test_support.h"
#include "test_support.h"
#include "scrvdlgs_api.h"

using namespace testing_support;
using namespace dialog_test;

namespace {

using DoJumpFn = decltype(&DoJump);

struct Record {
  int32_t x, y, width, height;
};

std::vector<BYTE> Bytes(const Record& r) {
  std::vector<BYTE> b(16, 0);
  std::memcpy(b.data(), &r, 16);
  return b;
}

class DialogPlacement : public ::testing::TestWithParam<bool> {
 protected:
  bool Ini() const { return GetParam(); }

  void SetUp() override {
    ClearRegistrySettings();
    fn = lib.Get<DoJumpFn>("DoJump");
    ASSERT_NE(fn, nullptr);
    POINT origin = {0, 0};
    ClientToScreen(host.Hwnd(), &origin);
    hostClient = origin;
  }
  void TearDown() override { ClearRegistrySettings(); }

  // Opens the jump dialog; `script` gets its window and ends it.
  void Open(const std::function<void(HWND)>& script) {
    uint32_t a = 0, b = 0;
    int32_t c = 0;
    scrv::WideStringListBuilder list({u"Logical lines"});
    auto r = RunDialog(
        [&] { return static_cast<INT_PTR>(fn(host.Hwnd(), &a, &b, &c, list.Descriptor(), 0)); },
        script);
    ASSERT_TRUE(r.scriptRan);
    ASSERT_FALSE(r.timedOut);
  }
  // Opens and closes the dialog, giving its window rectangle.
  RECT OpenedRect() {
    RECT rc = {};
    Open([&](HWND dlg) {
      rc = WindowRectOf(dlg);
      Click(dlg, IDCANCEL);
    });
    return rc;
  }

  void Plant(const std::vector<BYTE>& bytes) {
    if (Ini()) {
      WritePrivateProfileStructW(L"Common", L"JumpDlgPos", const_cast<BYTE*>(bytes.data()),
                                 static_cast<UINT>(bytes.size()), CommonIni().c_str());
    } else {
      settings_test::SetRawValue(L"Common", L"JumpDlgPos", REG_BINARY, bytes.data(),
                                 static_cast<DWORD>(bytes.size()));
    }
  }
  void Forget() {
    if (Ini()) {
      WritePrivateProfileStringW(L"Common", L"JumpDlgPos", nullptr, CommonIni().c_str());
    } else {
      ClearRegistrySettings();
    }
  }
  std::optional<Record> Stored() {
    BYTE b[16] = {};
    if (Ini()) {
      if (!GetPrivateProfileStructW(L"Common", L"JumpDlgPos", b, 16, CommonIni().c_str()))
        return std::nullopt;
    } else {
      settings_test::RawValue v = settings_test::GetRawValue(L"Common", L"JumpDlgPos");
      if (v.status != ERROR_SUCCESS || v.type != REG_BINARY || v.bytes.size() != 16)
        return std::nullopt;
      std::memcpy(b, v.bytes.data(), 16);
    }
    Record r;
    std::memcpy(&r, b, 16);
    return r;
  }
  std::wstring CommonIni() const { return folder.File(L"scCommon.ini"); }

  AppFolder folder{Ini()};
  Library lib{folder.Path()};
  FakeHost host;
  DoJumpFn fn = nullptr;
  POINT hostClient = {};
};

TEST_P(DialogPlacement, AResizedDialogStoresItsSizeAndReopensWithIt) {
  RECT initial = {}, initialOk = {};
  Open([&](HWND dlg) {
    initial = WindowRectOf(dlg);
    initialOk = WindowRectOf(GetDlgItem(dlg, IDOK));
    Click(dlg, IDCANCEL);
  });
  Forget();
  const int width = initial.right - initial.left, height = initial.bottom - initial.top;
  RECT resized = {};
  Open([&](HWND dlg) {
    // Width only: the height asked for is held at the template's.
    SetWindowPos(dlg, nullptr, 0, 0, width + 120, height + 80, SWP_NOMOVE | SWP_NOZORDER);
    resized = WindowRectOf(dlg);
    Click(dlg, IDCANCEL);
  });
  EXPECT_EQ(resized.right - resized.left, width + 120);
  EXPECT_EQ(resized.bottom - resized.top, height);

  std::optional<Record> stored = Stored();
  ASSERT_TRUE(stored);
  EXPECT_EQ(stored->x, resized.left - hostClient.x);
  EXPECT_EQ(stored->y, resized.top - hostClient.y);
  EXPECT_EQ(stored->width, PlacementUnits(width + 120));
  EXPECT_EQ(stored->height, PlacementUnits(height));
  if (Ini()) {
    EXPECT_EQ(folder.IniText(L"scCommon.ini", L"Common", L"JumpDlgPos-Size"), L"\x1");
  }

  // The dialog takes its place as it is shown, with its controls laid out for that size, and
  // an unchanged dialog stores the same record again.
  RECT reopened = {}, ok = {};
  Open([&](HWND dlg) {
    reopened = WindowRectOf(dlg);
    ok = WindowRectOf(GetDlgItem(dlg, IDOK));
    Click(dlg, IDCANCEL);
  });
  EXPECT_EQ(reopened.left, resized.left);
  EXPECT_EQ(reopened.top, resized.top);
  EXPECT_EQ(reopened.right - reopened.left, PlacementPixels(stored->width));
  EXPECT_EQ(reopened.bottom - reopened.top, height);
  EXPECT_EQ(reopened.right - ok.right, initial.right - initialOk.right);
  EXPECT_EQ(Stored()->width, stored->width);
}

TEST_P(DialogPlacement, APositionOffEveryMonitorIsPulledIntoTheWorkArea) {
  RECT initial = OpenedRect();
  Forget();
  const int width = initial.right - initial.left, height = initial.bottom - initial.top;
  const int planted = PlacementUnits(width + 40);
  Plant(Bytes({6000, 5000, planted, PlacementUnits(height + 200)}));
  RECT rc = OpenedRect();
  RECT work = {};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  EXPECT_EQ(rc.right, work.right);
  EXPECT_EQ(rc.bottom, work.bottom);
  EXPECT_EQ(rc.right - rc.left, PlacementPixels(planted));
  EXPECT_EQ(rc.bottom - rc.top, height);  // width-only dialogs never take a stored height
}

SCRV_IN_BOTH_BACK_ENDS(DialogPlacement);

}  // namespace
