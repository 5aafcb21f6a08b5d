// Dialog items: controls looked up once, check states set only where they change, and a radio
// checked among its group without the platform's walk (the group is cleared by the helper and
// the buttons stay automatic, so clicks and arrow keys still move the check).

#include <windows.h>

#include <gtest/gtest.h>

#include <array>

#include "controls/dialog_items_win.h"

namespace {

constexpr int kFirstRadio = 101;
constexpr int kOtherGroupRadio = 110;
constexpr int kThreeState = 120;

class DialogItemsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    parent_ = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 300, 200, nullptr, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
    ASSERT_TRUE(parent_);
    for (int i = 0; i < 3; ++i)
      Child(BS_AUTORADIOBUTTON | (i == 0 ? WS_GROUP : 0), kFirstRadio + i);
    Child(BS_AUTORADIOBUTTON | WS_GROUP, kOtherGroupRadio);
    Child(BS_AUTO3STATE | WS_GROUP, kThreeState);
  }
  void TearDown() override { DestroyWindow(parent_); }

  void Child(DWORD style, int id) {
    CreateWindowExW(0, L"BUTTON", L"x", WS_CHILD | WS_VISIBLE | style, 0, 20 * (id % 10), 100, 16,
                    parent_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                    GetModuleHandleW(nullptr), nullptr);
  }
  LRESULT State(int id) const { return SendMessageW(GetDlgItem(parent_, id), BM_GETCHECK, 0, 0); }

  HWND parent_ = nullptr;
};

TEST_F(DialogItemsTest, RadiosAndBoxesTakeTheirStatesThroughTheItemsLookedUpOnce) {
  scrv::DialogItems items;
  items.Attach(parent_);
  EXPECT_EQ(items[kFirstRadio], GetDlgItem(parent_, kFirstRadio));
  EXPECT_EQ(items[kFirstRadio], items[kFirstRadio]);
  EXPECT_EQ(items[999], nullptr);

  std::array<HWND, 3> group = {items[kFirstRadio], items[kFirstRadio + 1], items[kFirstRadio + 2]};
  SendMessageW(items[kOtherGroupRadio], BM_SETCHECK, BST_CHECKED, 0);
  struct Step {
    int checked;  // index in the group, -1 for none
    std::array<LRESULT, 3> states;
  };
  for (const Step& step :
       {Step{0, {1, 0, 0}}, Step{2, {0, 0, 1}}, Step{2, {0, 0, 1}}, Step{-1, {0, 0, 0}}}) {
    scrv::CheckRadio(group.data(), group.size(), step.checked < 0 ? nullptr : group[step.checked]);
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(State(kFirstRadio + i), step.states[i]) << "checked " << step.checked;
      EXPECT_EQ(GetWindowLongW(group[i], GWL_STYLE) & BS_TYPEMASK, BS_AUTORADIOBUTTON);
    }
  }
  EXPECT_EQ(State(kOtherGroupRadio), BST_CHECKED);  // another group is left alone

  scrv::SetButtonCheck(items[kThreeState], BST_INDETERMINATE);
  EXPECT_EQ(State(kThreeState), BST_INDETERMINATE);
  scrv::SetButtonChecked(items[kThreeState], false);
  EXPECT_EQ(State(kThreeState), BST_UNCHECKED);
  EXPECT_TRUE(!scrv::IsButtonChecked(items[kThreeState]) && !scrv::IsButtonChecked(nullptr));
}

}  // namespace
