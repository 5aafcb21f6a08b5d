// Key and shortcut names from the real keyboard layout (the test prefix uses the US English one).

#include <gtest/gtest.h>

#include <string>

#include "frame/key_names_win.h"

namespace {

std::wstring Accel(BYTE flags, WORD key) {
  ACCEL a = {static_cast<BYTE>(flags | FVIRTKEY), key, 0};
  wchar_t out[scrv::kAcceleratorTextCapacity];
  scrv::FormatAccelerator(out, a);
  return out;
}

std::wstring KeyName(UINT vk) {
  wchar_t out[64];
  scrv::GetVirtualKeyName(out, 64, vk);
  return out;
}

std::wstring Layout(UINT vk) {
  // What the layout itself says for the key, extended bit set as the library asks first.
  wchar_t out[64] = {};
  LONG arg = static_cast<LONG>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC) << 16) | (1 << 24);
  GetKeyNameTextW(arg, out, 64);
  return out;
}

// Modifier names follow the layout too (Windows' English layout says "Ctrl", Wine's "Control").
const std::wstring kAlt = KeyName(VK_MENU), kCtrl = KeyName(VK_CONTROL), kShift = KeyName(VK_SHIFT);

// The rules of the text are proved natively over a fake layout; here the real layout answers.
TEST(KeyNamesUnderTheLayout, ShortcutsAreNamedByTheLayoutWithEnglishFallbacks) {
  ASSERT_FALSE(kAlt.empty() || kCtrl.empty() || kShift.empty());
  EXPECT_TRUE(kCtrl == L"Ctrl" || kCtrl == L"Control") << "an English layout";
  EXPECT_EQ(Accel(FSHIFT | FALT | FCONTROL, 'K'), kAlt + L"+" + kCtrl + L"+" + kShift + L"+K");
  std::wstring del = KeyName(VK_DELETE);
  ASSERT_FALSE(del.empty());
  EXPECT_EQ(Accel(FALT | FCONTROL, VK_DELETE), kAlt + L"+" + kCtrl + L"+" + del);
  // Whatever the layout calls it, an upper-case name comes back title-cased.
  std::wstring layout = Layout(VK_DELETE);
  if (!layout.empty()) {
    EXPECT_EQ(towupper(del[0]), towupper(layout[0]));
    for (size_t i = 1; i < del.size(); ++i)
      if (iswalpha(del[i]) && iswalpha(del[i - 1])) EXPECT_TRUE(iswlower(del[i])) << del;
  }
  EXPECT_FALSE(KeyName(VK_NUMPAD0).empty());
  EXPECT_EQ(Accel(FCONTROL, VK_F9), kCtrl + L"+F9");
}

TEST(KeyNamesUnderTheLayout, ATinyBufferIsNeverOverrun) {
  wchar_t out[4] = {L'x', L'x', L'x', L'x'};
  scrv::GetVirtualKeyName(out, 3, VK_DELETE);
  EXPECT_LE(wcslen(out), 2u);
}

}  // namespace
