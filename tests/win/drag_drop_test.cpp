// The OLE drag and drop objects: the answers of the data objects and drop sources, list drags
// that only their own list accepts, insertion marks and drops that move the selection, and
// the text drop target's messages to its window.

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstring>

#include "control_dialog.h"
#include "controls/check_list_win.h"
#include "controls/list_drag_win.h"
#include "controls/text_drag_win.h"
#include "frame/dllmain_win.h"
#include "resource_ids.h"
#include "test_support.h"

using namespace testing_support;

namespace {

FORMATETC Format(CLIPFORMAT f, DWORD aspect = DVASPECT_CONTENT, DWORD tymed = TYMED_HGLOBAL) {
  return {f, nullptr, aspect, -1, tymed};
}

std::vector<char> BlockBytes(HGLOBAL h) {
  std::vector<char> bytes(GlobalSize(h));
  memcpy(bytes.data(), GlobalLock(h), bytes.size());
  GlobalUnlock(h);
  return bytes;
}

// Offers text only in the ANSI format, as some programs do.
class AnsiOnlyData : public scrv::CFormatDataObject {
 public:
  explicit AnsiOnlyData(std::string text) : CFormatDataObject({CF_TEXT}), text_(std::move(text)) {}

 protected:
  HGLOBAL Render(CLIPFORMAT) const override {
    return scrv::NewMovableBlock(text_.c_str(), text_.size() + 1);
  }

 private:
  std::string text_;
};

class OleTest : public ::testing::Test {
 protected:
  void SetUp() override { OleInitialize(nullptr); }
  void TearDown() override { OleUninitialize(); }
};

TEST_F(OleTest, ListDataObjectCarriesTheSourceHandleInItsOwnFormatOnly) {
  HWND source = reinterpret_cast<HWND>(static_cast<uintptr_t>(0x12345678));
  auto* data = new scrv::CListDataObject(source);
  FORMATETC fe = Format(scrv::ListDragFormat());
  STGMEDIUM medium = {};
  ASSERT_EQ(data->GetData(&fe, &medium), S_OK);
  EXPECT_EQ(medium.tymed, DWORD{TYMED_HGLOBAL});
  EXPECT_EQ(medium.pUnkForRelease, nullptr);
  std::vector<char> bytes = BlockBytes(medium.hGlobal);
  ASSERT_EQ(bytes.size(), 8u);
  uint64_t handle = 0;
  memcpy(&handle, bytes.data(), 8);
  EXPECT_EQ(handle, 0x12345678u);
  ReleaseStgMedium(&medium);
  EXPECT_EQ(scrv::ReadListDragSource(data), source);

  wchar_t name[64] = {};
  GetClipboardFormatNameW(scrv::ListDragFormat(), name, 64);
  EXPECT_STREQ(name, L"VeltranixListFormat");

  FORMATETC text = Format(CF_TEXT), thumbnail = Format(scrv::ListDragFormat(), DVASPECT_THUMBNAIL),
            stream = Format(scrv::ListDragFormat(), DVASPECT_CONTENT, TYMED_ISTREAM);
  for (FORMATETC* wrong : {&text, &thumbnail, &stream}) {
    EXPECT_EQ(data->GetData(wrong, &medium), DV_E_FORMATETC);
    EXPECT_EQ(data->QueryGetData(wrong), DV_E_FORMATETC);
  }
  EXPECT_EQ(data->QueryGetData(&fe), S_OK);
  data->Release();
}

TEST_F(OleTest, DropSourcesDropOnReleaseAndCancelOnEscape) {
  auto* list = new scrv::CListDropSource();
  EXPECT_EQ(list->QueryContinueDrag(TRUE, MK_LBUTTON), DRAGDROP_S_CANCEL);
  EXPECT_EQ(list->QueryContinueDrag(FALSE, MK_LBUTTON), S_OK);
  EXPECT_EQ(list->QueryContinueDrag(FALSE, 0), DRAGDROP_S_DROP);
  EXPECT_EQ(list->GiveFeedback(DROPEFFECT_MOVE), DRAGDROP_S_USEDEFAULTCURSORS);
  list->Release();

  // The text source drops only where an effect was last offered.
  auto* text = new scrv::CTextDropSource();
  EXPECT_EQ(text->QueryContinueDrag(FALSE, 0), DRAGDROP_S_CANCEL);
  EXPECT_EQ(text->GiveFeedback(DROPEFFECT_COPY), DRAGDROP_S_USEDEFAULTCURSORS);
  EXPECT_EQ(text->QueryContinueDrag(FALSE, MK_LBUTTON), S_OK);
  EXPECT_EQ(text->QueryContinueDrag(FALSE, 0), DRAGDROP_S_DROP);
  text->GiveFeedback(DROPEFFECT_NONE);
  EXPECT_EQ(text->QueryContinueDrag(FALSE, 0), DRAGDROP_S_CANCEL);
  EXPECT_EQ(text->QueryContinueDrag(TRUE, 0), DRAGDROP_S_CANCEL);
  text->Release();
}

TEST_F(OleTest, TextDataObjectOffersUnicodeFirstAndAnsiConverted) {
  auto* data = new scrv::CTextDataObject(L"caf\u00E9 bar");
  IEnumFORMATETC* formats = nullptr;
  ASSERT_EQ(data->EnumFormatEtc(DATADIR_GET, &formats), S_OK);
  FORMATETC got[3] = {};
  ULONG n = 0;
  formats->Next(3, got, &n);
  formats->Release();
  ASSERT_EQ(n, 2u);
  EXPECT_EQ(got[0].cfFormat, CLIPFORMAT{CF_UNICODETEXT});
  EXPECT_EQ(got[1].cfFormat, CLIPFORMAT{CF_TEXT});

  std::wstring unicode;
  EXPECT_TRUE(scrv::ReadDroppedText(data, CF_UNICODETEXT, unicode));
  EXPECT_EQ(unicode, L"caf\u00E9 bar");
  FORMATETC fe = Format(CF_TEXT);
  STGMEDIUM medium = {};
  ASSERT_EQ(data->GetData(&fe, &medium), S_OK);
  std::vector<char> ansi = BlockBytes(medium.hGlobal);
  ReleaseStgMedium(&medium);
  char expected[16] = {};
  int bytes = WideCharToMultiByte(CP_ACP, 0, L"caf\u00E9 bar", -1, expected, 16, nullptr, nullptr);
  ASSERT_GT(bytes, 0);
  EXPECT_EQ(std::string(ansi.data()), std::string(expected));
  EXPECT_EQ(ansi.back(), '\0');
  data->Release();
}

// A window standing in for an edit: answers the drag-over message with `effect` and records
// the drops.
struct Probe {
  DWORD effect = DROPEFFECT_MOVE;
  std::vector<DWORD> keyStates;
  std::vector<std::pair<WPARAM, std::wstring>> drops;
  HWND hwnd = nullptr;
  static LRESULT CALLBACK Proc(HWND h, UINT msg, WPARAM w, LPARAM l) {
    auto* self = reinterpret_cast<Probe*>(GetWindowLongPtrW(h, GWLP_USERDATA));
    if (self && msg == scrv::SLM_TEXT_DRAGOVER) {
      self->keyStates.push_back(static_cast<DWORD>(w));
      *reinterpret_cast<DWORD*>(l) = self->effect;
      return 0;
    }
    if (self && msg == scrv::SLM_TEXT_DROP) {
      self->drops.emplace_back(w, reinterpret_cast<const wchar_t*>(l));
      return 0;
    }
    return DefWindowProcW(h, msg, w, l);
  }
  Probe() {
    static ATOM cls = [] {
      WNDCLASSW wc = {};
      wc.lpfnWndProc = Proc;
      wc.hInstance = GetModuleHandleW(nullptr);
      wc.lpszClassName = L"ScrvTextDropProbe";
      return RegisterClassW(&wc);
    }();
    (void)cls;
    hwnd = CreateWindowExW(0, L"ScrvTextDropProbe", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }
  ~Probe() { DestroyWindow(hwnd); }
};

TEST_F(OleTest, AnAnsiOnlyTextDropReachesTheWindowAsUnicode) {
  Probe probe;
  auto* target = new scrv::CDropTargetText(probe.hwnd);
  auto* data = new AnsiOnlyData("na\xEFve text");
  DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
  ASSERT_EQ(target->DragEnter(data, MK_LBUTTON | MK_SHIFT, {5, 6}, &effect), S_OK);
  EXPECT_EQ(effect, DWORD{DROPEFFECT_MOVE});
  EXPECT_EQ(probe.keyStates, (std::vector<DWORD>{MK_LBUTTON | MK_SHIFT}));
  EXPECT_EQ(target->LastPoint().x, 5);
  effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
  ASSERT_EQ(target->Drop(data, MK_SHIFT, {7, 8}, &effect), S_OK);
  EXPECT_EQ(effect, DWORD{DROPEFFECT_MOVE});
  wchar_t expected[32] = {};
  MultiByteToWideChar(CP_ACP, 0, "na\xEFve text", -1, expected, 32);
  ASSERT_EQ(probe.drops.size(), 1u);
  EXPECT_EQ(probe.drops[0].first, WPARAM{DROPEFFECT_MOVE});
  EXPECT_EQ(probe.drops[0].second, expected);
  data->Release();
  target->Release();
}

TEST_F(OleTest, TextTargetKeepsToTheSourcesEffectsAndRefusesOtherData) {
  Probe probe;
  auto* target = new scrv::CDropTargetText(probe.hwnd);
  auto* text = new scrv::CTextDataObject(L"abc");
  DWORD effect = DROPEFFECT_COPY;  // the source allows no move
  target->DragEnter(text, 0, {0, 0}, &effect);
  EXPECT_EQ(effect, DWORD{DROPEFFECT_COPY});
  target->DragLeave();

  auto* list = new scrv::CListDataObject(probe.hwnd);
  effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
  target->DragEnter(list, 0, {0, 0}, &effect);
  EXPECT_EQ(effect, DWORD{DROPEFFECT_NONE});
  effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
  target->Drop(list, 0, {0, 0}, &effect);
  EXPECT_EQ(effect, DWORD{DROPEFFECT_NONE});
  EXPECT_TRUE(probe.drops.empty());
  EXPECT_TRUE(probe.keyStates.size() == 1);  // the list data never reached the window
  list->Release();
  text->Release();
  target->Release();
}

// Two check lists side by side for list drags.
class ListDropTest : public OleTest {
 protected:
  static constexpr WORD kOtherList = 120;

  void SetUp() override {
    OleTest::SetUp();
    scrv::ModuleAttach(GetModuleHandleW(nullptr));
    tpl.Add(WC_LISTVIEWW, IDC_CHECK_LIST, LVS_REPORT | LVS_SHOWSELALWAYS | WS_BORDER, 7, 7, 120,
            140);
    tpl.Add(WC_LISTVIEWW, kOtherList, LVS_REPORT | LVS_SHOWSELALWAYS | WS_BORDER, 134, 7, 120, 140);
    dlg.hook = [this](HWND h, UINT m, WPARAM w, LPARAM l, LRESULT& r) {
      return list.OnParentMessage(h, m, w, l, r);
    };
    dlg.init = [this](HWND hwnd) {
      for (WORD id : {WORD{IDC_CHECK_LIST}, kOtherList}) {
        HWND lv = GetDlgItem(hwnd, id);
        LVCOLUMNW col = {};
        col.mask = LVCF_WIDTH;
        col.cx = 100;
        SendMessageW(lv, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&col));
        for (int i = 0; i < 6; ++i) {
          wchar_t text[2] = {static_cast<wchar_t>(L'a' + i), 0};
          LVITEMW item = {};
          item.mask = LVIF_TEXT;
          item.iItem = i;
          item.pszText = text;
          SendMessageW(lv, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
        }
      }
      list.options.moving = true;
      list.SubclassWindow(GetDlgItem(hwnd, IDC_CHECK_LIST));
    };
  }
  void TearDown() override {
    scrv::ModuleDetach();
    OleTest::TearDown();
  }

  // A screen point in the upper or lower half of a row.
  static POINTL RowPoint(HWND lv, int row, bool lower) {
    RECT r = {};
    r.left = LVIR_BOUNDS;
    SendMessageW(lv, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&r));
    POINT pt = {r.left + 10, lower ? r.bottom - 2 : r.top + 2};
    ClientToScreen(lv, &pt);
    return {pt.x, pt.y};
  }

  void Run(const std::function<void(HWND)>& script) {
    auto r = RunDialog([&] { return dlg.Run(tpl); },
                       [&](HWND hwnd) {
                         script(hwnd);
                         EndDialog(hwnd, IDCANCEL);
                       });
    EXPECT_TRUE(r.scriptRan);
    EXPECT_FALSE(r.timedOut);
  }

  static void RecordTarget(void* context, int target) {
    static_cast<std::vector<int>*>(context)->push_back(target);
  }

  DialogTemplate tpl{L"Lists", 262, 160};
  ControlDialog dlg;
  scrv::CCheckList list;
};

TEST_F(ListDropTest, ADragFromOneListIsRefusedByAnother) {
  Run([&](HWND hwnd) {
    HWND a = GetDlgItem(hwnd, IDC_CHECK_LIST), b = GetDlgItem(hwnd, kOtherList);
    std::vector<int> moves;
    auto* target = new scrv::CDropTargetList(b, RecordTarget, &moves);
    auto* data = new scrv::CListDataObject(a);
    DWORD effect = DROPEFFECT_MOVE;
    target->DragEnter(data, MK_LBUTTON, RowPoint(b, 2, false), &effect);
    EXPECT_EQ(effect, DWORD{DROPEFFECT_NONE});
    EXPECT_EQ(target->CurrentMark().item, -1);
    effect = DROPEFFECT_MOVE;
    target->DragOver(MK_LBUTTON, RowPoint(b, 3, false), &effect);
    EXPECT_EQ(effect, DWORD{DROPEFFECT_NONE});
    effect = DROPEFFECT_MOVE;
    target->Drop(data, 0, RowPoint(b, 3, false), &effect);
    EXPECT_EQ(effect, DWORD{DROPEFFECT_NONE});
    EXPECT_TRUE(moves.empty());
    data->Release();
    target->Release();
  });
}

TEST_F(ListDropTest, TheSameListShowsTheInsertionMarkAndMovesOnTheDrop) {
  Run([&](HWND hwnd) {
    HWND a = GetDlgItem(hwnd, IDC_CHECK_LIST);
    std::vector<int> moves;
    auto* target = new scrv::CDropTargetList(a, RecordTarget, &moves);
    auto* data = new scrv::CListDataObject(a);
    DWORD effect = DROPEFFECT_MOVE;
    target->DragEnter(data, MK_LBUTTON, RowPoint(a, 3, false), &effect);
    EXPECT_EQ(effect, DWORD{DROPEFFECT_MOVE});
    EXPECT_EQ(target->CurrentMark(), (scrv::InsertMark{3, false}));
    target->DragOver(MK_LBUTTON, RowPoint(a, 1, true), &effect);
    EXPECT_EQ(target->CurrentMark(), (scrv::InsertMark{1, true}));
    RECT client;
    GetClientRect(a, &client);
    POINT below = {20, client.bottom - 3};
    ClientToScreen(a, &below);
    target->DragOver(MK_LBUTTON, {below.x, below.y}, &effect);
    EXPECT_EQ(target->CurrentMark(), (scrv::InsertMark{5, true}));
    target->DragLeave();
    EXPECT_EQ(target->CurrentMark().item, -1);

    for (auto [row, lower] : {std::pair{0, false}, std::pair{3, true}, std::pair{4, false}}) {
      effect = DROPEFFECT_MOVE;
      target->DragEnter(data, MK_LBUTTON, RowPoint(a, row, lower), &effect);
      effect = DROPEFFECT_MOVE;
      target->Drop(data, 0, RowPoint(a, row, lower), &effect);
      EXPECT_EQ(effect, DWORD{DROPEFFECT_MOVE});
    }
    EXPECT_EQ(moves, (std::vector<int>{-1, 3, 3}));
    data->Release();
    target->Release();
  });
}

}  // namespace
