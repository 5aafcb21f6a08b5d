// The remembered placement of a dialog, through DoJump of the real library in both settings
// back ends: written on close, restored on reopen, never below the template's size, pulled back
// onto a monitor, and ignored when the stored value has the wrong size.

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <optional>

#include "dialog_test_support.h"
#include "frame/wide_string_list.h"
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

std::vector<BYTE> Bytes(const Record& r, size_t size = 16) {
  std::vector<BYTE> b(size, 0);
  int32_t v[4] = {r.x, r.y, r.width, r.height};
  std::memcpy(b.data(), v, std::min<size_t>(size, 16));
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
  RECT initial = OpenedRect();
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
  EXPECT_EQ(stored->width, width + 120);  // 96 DPI, 100 %: placement units are pixels
  EXPECT_EQ(stored->height, height);
  if (Ini()) {
    EXPECT_EQ(folder.IniText(L"scCommon.ini", L"Common", L"JumpDlgPos-Size"), L"\x1");
  }

  RECT reopened = OpenedRect();
  EXPECT_EQ(reopened.left, resized.left);
  EXPECT_EQ(reopened.top, resized.top);
  EXPECT_EQ(reopened.right - reopened.left, width + 120);
  EXPECT_EQ(reopened.bottom - reopened.top, height);
}

TEST_P(DialogPlacement, AStoredSizeBelowTheTemplatesOpensAtTheTemplatesSize) {
  RECT initial = OpenedRect();
  Forget();
  Plant(Bytes({40, 30, 50, 20}));
  RECT rc = OpenedRect();
  EXPECT_EQ(rc.right - rc.left, initial.right - initial.left);
  EXPECT_EQ(rc.bottom - rc.top, initial.bottom - initial.top);
  EXPECT_EQ(rc.left, hostClient.x + 40);
  EXPECT_EQ(rc.top, hostClient.y + 30);
}

TEST_P(DialogPlacement, APositionOffEveryMonitorIsPulledIntoTheWorkArea) {
  RECT initial = OpenedRect();
  Forget();
  const int width = initial.right - initial.left, height = initial.bottom - initial.top;
  Plant(Bytes({6000, 5000, width + 40, height + 200}));
  RECT rc = OpenedRect();
  RECT work = {};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  EXPECT_EQ(rc.right, work.right);
  EXPECT_EQ(rc.bottom, work.bottom);
  EXPECT_EQ(rc.right - rc.left, width + 40);
  EXPECT_EQ(rc.bottom - rc.top, height);  // width-only dialogs never take a stored height
}

TEST_P(DialogPlacement, ValuesOf15Or17BytesAreIgnoredAndTheDialogIsCentred) {
  RECT centred = OpenedRect();
  Forget();
  const int width = centred.right - centred.left;
  for (size_t size : {15u, 17u}) {
    Plant(Bytes({10, 10, width + 100, 400}, size));
    RECT rc = OpenedRect();
    EXPECT_EQ(rc.left, centred.left) << size;
    EXPECT_EQ(rc.top, centred.top) << size;
    EXPECT_EQ(rc.right - rc.left, width) << size;
    Forget();
  }
  // Centred over the owner.
  RECT owner = WindowRectOf(host.Hwnd());
  EXPECT_EQ(centred.left, (owner.left + owner.right) / 2 - width / 2);
}

TEST_P(DialogPlacement, AMovedButNotResizedDialogWritesBackTheSizeItRead) {
  RECT initial = OpenedRect();
  Forget();
  const int width = initial.right - initial.left;
  Plant(Bytes({20, 30, width + 61, 999}));
  Open([&](HWND dlg) {
    RECT rc = WindowRectOf(dlg);
    SetWindowPos(dlg, nullptr, rc.left + 15, rc.top + 25, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    Click(dlg, IDCANCEL);
  });
  std::optional<Record> stored = Stored();
  ASSERT_TRUE(stored);
  EXPECT_EQ(stored->x, 35);
  EXPECT_EQ(stored->y, 55);
  EXPECT_EQ(stored->width, width + 61);
  EXPECT_EQ(stored->height, 999);
}

INSTANTIATE_TEST_SUITE_P(BothBackEnds, DialogPlacement, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Ini" : "Registry"; });

}  // namespace
