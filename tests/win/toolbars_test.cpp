// DoToolbarsDlg against a real rebar of the test host: the list of user toolbars and the bar
// boxes read from the bands, the message each control sends to the main window, the settings
// written as each control changes, and the reset, in both settings back ends.

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../../host/host_rebar.h"
#include "key_dialog_steps.h"
#include "menus/toolbars.h"
#include "resource_ids.h"
#include "scrvdlgs_api.h"
#include "test_support.h"

using namespace testing_support;
using namespace key_dialog_steps;

namespace {

using DoToolbarsFn = decltype(&DoToolbarsDlg);

struct Sent {
  UINT msg;
  WPARAM wParam;
  LPARAM lParam;
  friend bool operator==(const Sent&, const Sent&) = default;
};

void PrintTo(const Sent& s, std::ostream* os) {
  *os << std::hex << "{0x" << s.msg << ", " << s.wParam << ", " << s.lParam << "}";
}

// Makes `face` the system's substitute of "MS Shell Dlg", the face the library takes as the
// default, for the test's lifetime.
class ShellDlgSubstitute {
 public:
  explicit ShellDlgSubstitute(const std::wstring& face) {
    wchar_t old[64] = {};
    DWORD size = sizeof old;
    had_ = RegGetValueW(HKEY_LOCAL_MACHINE, kKey, L"MS Shell Dlg", RRF_RT_REG_SZ, nullptr, old,
                        &size) == ERROR_SUCCESS;
    old_ = old;
    Set(face);
  }
  ~ShellDlgSubstitute() {
    if (had_)
      Set(old_);
    else
      RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, kKey, L"MS Shell Dlg");
  }

 private:
  static void Set(const std::wstring& face) {
    RegSetKeyValueW(HKEY_LOCAL_MACHINE, kKey, L"MS Shell Dlg", REG_SZ, face.c_str(),
                    static_cast<DWORD>((face.size() + 1) * sizeof(wchar_t)));
  }
  static constexpr const wchar_t* kKey =
      L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes";
  bool had_ = false;
  std::wstring old_;
};

// The first two font families of the display, as the font box lists them.
std::vector<std::wstring> TwoFaces() {
  std::vector<std::wstring> faces;
  LOGFONTW all = {};
  all.lfCharSet = DEFAULT_CHARSET;
  HDC dc = GetDC(nullptr);
  EnumFontFamiliesExW(
      dc, &all,
      [](const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM p) -> int {
        auto* out = reinterpret_cast<std::vector<std::wstring>*>(p);
        if (font->lfFaceName[0] != L'@' && (out->empty() || out->back() != font->lfFaceName))
          out->push_back(font->lfFaceName);
        return out->size() < 2;
      },
      reinterpret_cast<LPARAM>(&faces), 0);
  ReleaseDC(nullptr, dc);
  return faces;
}

void ChooseFace(HWND dlg, const std::wstring& face) {
  HWND box = GetDlgItem(dlg, IDC_TB_FONT);
  auto entry = SendMessageW(box, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                            reinterpret_cast<LPARAM>(face.c_str()));
  ASSERT_GE(entry, 0) << "no entry " << std::string(face.begin(), face.end());
  ChooseComboEntry(dlg, IDC_TB_FONT, entry);
}

void MoveZoom(HWND dlg, int position, int code = TB_ENDTRACK) {
  HWND slider = GetDlgItem(dlg, IDC_TB_ZOOM);
  SendMessageW(slider, TBM_SETPOS, TRUE, position);
  SendMessageW(dlg, WM_HSCROLL, MAKEWPARAM(code, 0), reinterpret_cast<LPARAM>(slider));
}

class ToolbarsBase : public ::testing::Test {
 protected:
  explicit ToolbarsBase(bool iniMode) : folder(iniMode), lib(folder.Path()) {}
  void SetUp() override {
    ClearRegistrySettings();
    fn = lib.Get<DoToolbarsFn>("DoToolbarsDlg");
    ASSERT_NE(fn, nullptr);
    host.rebar = &rebar;
  }
  void TearDown() override { ClearRegistrySettings(); }

  ScriptResult Open(const std::function<void(HWND)>& script, uint8_t styleValue = 1) {
    ScriptResult r = RunDialog([&] { return fn(host.Hwnd(), rebar.Hwnd(), 0, styleValue, 1, 0); },
                               [&](HWND dlg) {
                                 Settle();
                                 script(dlg);
                                 if (IsWindow(dlg) && IsWindowVisible(dlg)) Click(dlg, IDCANCEL);
                               });
    EXPECT_TRUE(r.scriptRan);
    EXPECT_FALSE(r.timedOut);
    return r;
  }
  std::vector<Sent> Toolbar() const {
    std::vector<Sent> out;
    for (const auto& m : host.messages)
      if (m.msg == scrv::SCM_TOOLBAR_SHOW || m.msg == scrv::SCM_TOOLBAR_HIDE ||
          m.msg == scrv::SCM_TOOLBAR_REBUILD)
        out.push_back({m.msg, m.wParam, m.lParam});
    return out;
  }

  AppFolder folder;
  Library lib;
  FakeHost host;
  HostRebar rebar{host.Hwnd(), 3};
  DoToolbarsFn fn = nullptr;
};

class Toolbars : public ToolbarsBase {
 protected:
  Toolbars() : ToolbarsBase(false) {}
};

class ToolbarsSettings : public ToolbarsBase, public ::testing::WithParamInterface<bool> {
 protected:
  ToolbarsSettings() : ToolbarsBase(GetParam()) {}
  // A value of "Common" as text: a DWORD in decimal, a string as it is, "-" when missing.
  std::wstring Stored(const std::wstring& name) const {
    if (GetParam()) {
      std::wstring v = folder.IniText(L"scCommon.ini", L"Common", name);
      return v == L"\x1" ? L"-" : v;
    }
    wchar_t text[64] = {};
    DWORD type = 0, size = sizeof text;
    if (RegGetValueW(HKEY_CURRENT_USER, L"Software\\Korvan\\Scrivlet v3\\Common", name.c_str(),
                     RRF_RT_ANY, &type, text, &size) != ERROR_SUCCESS)
      return L"-";
    return type == REG_DWORD ? std::to_wstring(*reinterpret_cast<DWORD*>(text)) : text;
  }
  void Store(const std::wstring& name, DWORD value) {
    if (GetParam()) {
      WritePrivateProfileStringW(L"Common", name.c_str(), std::to_wstring(value).c_str(),
                                 folder.File(L"scCommon.ini").c_str());
    } else {
      RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\Korvan\\Scrivlet v3\\Common", name.c_str(),
                      REG_DWORD, &value, sizeof value);
    }
  }
};

INSTANTIATE_TEST_SUITE_P(BothBackEnds, ToolbarsSettings, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Ini" : "Registry"; });

TEST_F(Toolbars, ListEndsAtTheFirstHiddenUserToolbarAndBoxesShowTheBars) {
  rebar.SetShown(513, false);
  std::wstring rows;
  bool deleteEnabled = true, customizeEnabled = true;
  std::vector<bool> boxes;
  Open([&](HWND dlg) {
    rows = Rows(dlg);
    deleteEnabled = Enabled(dlg, IDC_TB_DELETE);
    customizeEnabled = Enabled(dlg, IDC_TB_CUSTOMIZE);
    for (int id : {IDC_TB_BAR_STANDARD, IDC_TB_BAR_MACROS, IDC_TB_BAR_PLUGINS})
      boxes.push_back(Checked(dlg, id));
  });
  EXPECT_EQ(rows, L"Toolbar 1");
  EXPECT_FALSE(deleteEnabled);
  EXPECT_FALSE(customizeEnabled);
  EXPECT_EQ(boxes, (std::vector<bool>{true, true, false}));
}

TEST_F(Toolbars, EachControlSendsItsMessageToTheMainWindow) {
  Open([&](HWND dlg) {
    for (int id : {IDC_TB_BAR_STANDARD, IDC_TB_BAR_PLUGINS, IDC_TB_LARGE_ICONS, IDC_TB_STYLE_0,
                   IDC_TB_OPTION_1, IDC_TB_OPTION_2, IDC_TB_TEXT_LABELS})
      Click(dlg, id);
  });
  const UINT show = scrv::SCM_TOOLBAR_SHOW, hide = scrv::SCM_TOOLBAR_HIDE,
             rebuild = scrv::SCM_TOOLBAR_REBUILD;
  EXPECT_EQ(Toolbar(), (std::vector<Sent>{{hide, 768, 0},
                                          {show, 772, 0},
                                          {rebuild, 1, 1},
                                          {rebuild, 1, 0},
                                          {show, 0, 1},
                                          {show, 0, 2},
                                          {rebuild, 1, 0}}));
  EXPECT_EQ(rebar.optionClicks[0], 1);
}

TEST_F(Toolbars, DeletingAfterARebuildAsksTheNewRebar) {
  std::wstring before, after;
  bool enabledAfter = true;
  Open([&](HWND dlg) {
    Click(dlg, IDC_TB_LARGE_ICONS);  // the host builds a new rebar; the old one is gone
    SelectRows(dlg, {1});
    before = Rows(dlg);
    NestedDialogs yes(dlg, [](HWND question) { AnswerBox(question, IDYES); });
    Click(dlg, IDC_TB_DELETE);
    after = Rows(dlg);
    enabledAfter = Enabled(dlg, IDC_TB_DELETE);
  });
  EXPECT_EQ(Toolbar().back(), (Sent{scrv::SCM_TOOLBAR_HIDE, 513, 0}));
  EXPECT_EQ(before, L"Toolbar 1|Toolbar 2|Toolbar 3");
  EXPECT_EQ(after, L"Toolbar 1|Toolbar 2");
  EXPECT_FALSE(enabledAfter);
}

// Deleting a user toolbar cannot be undone and the dialog has no Cancel: the user is asked
// first (No sends nothing), and the focus leaves the button that disabled itself for the list,
// where the keys go on working.
TEST_F(Toolbars, DeleteAsksFirstAndLeavesTheFocusOnTheList) {
  std::vector<std::wstring> questions, rows;
  std::vector<size_t> sentBefore;
  bool focusOnList = false;
  auto r = Open([&](HWND dlg) {
    for (int answer : {IDNO, IDYES}) {
      SelectRows(dlg, {1});
      SetFocus(GetDlgItem(dlg, IDC_TB_DELETE));
      sentBefore.push_back(Toolbar().size());
      NestedDialogs box(dlg, [&](HWND question) {
        questions.push_back(AllTexts(question));
        AnswerBox(question, answer);
      });
      Click(dlg, IDC_TB_DELETE);
      rows.push_back(Rows(dlg));
    }
    focusOnList = GetFocus() == List(dlg);
    // The keys work without a click: Esc, as the modal loop hands it over, closes the dialog.
    MSG esc = {GetFocus(), WM_KEYDOWN, VK_ESCAPE, 1};
    IsDialogMessageW(dlg, &esc);
  });
  EXPECT_EQ(r.result, IDCANCEL);
  ASSERT_EQ(questions.size(), 2u);
  EXPECT_NE(questions[0].find(L"Delete Toolbar 2?"), std::wstring::npos) << questions[0];
  EXPECT_EQ(rows,
            (std::vector<std::wstring>{L"Toolbar 1|Toolbar 2|Toolbar 3", L"Toolbar 1|Toolbar 2"}));
  const std::vector<Sent> sent = Toolbar();
  EXPECT_EQ(sent.size(), sentBefore[1] + 1);  // nothing after No, one delete after Yes
  EXPECT_EQ(sent.back(), (Sent{scrv::SCM_TOOLBAR_HIDE, 513, 0}));
  EXPECT_TRUE(focusOnList);
}

TEST_F(Toolbars, ResultsOfTheClosingButtons) {
  EXPECT_EQ(Open([](HWND dlg) {
              SelectRows(dlg, {2});
              Click(dlg, IDC_TB_CUSTOMIZE);
            }).result,
            514);
  EXPECT_EQ(Open([](HWND dlg) {
              SelectRows(dlg, {1});
              NMITEMACTIVATE activate = {};
              activate.hdr = {List(dlg), IDC_CHECK_LIST, static_cast<UINT>(NM_DBLCLK)};
              activate.iItem = 1;
              SendMessageW(dlg, WM_NOTIFY, IDC_CHECK_LIST, reinterpret_cast<LPARAM>(&activate));
            }).result,
            513);
  EXPECT_EQ(Open([](HWND dlg) { Click(dlg, IDC_TB_NEW); }).result, -1);
  EXPECT_EQ(Open([](HWND) {}).result, 2);
}

TEST_P(ToolbarsSettings, FontZoomAndTextLabelsAreWrittenAsTheyChange) {
  const std::vector<std::wstring> faces = TwoFaces();
  ASSERT_EQ(faces.size(), 2u);
  const std::wstring& def = faces[0];
  ShellDlgSubstitute substitute(def);
  Store(L"ComboZoom", 150000);
  std::wstring face, zoomLabel, textLabels;
  Open([&](HWND dlg) {
    face = Text(dlg, IDC_TB_FONT);
    // Another face is stored; the default face is removed again.
    ChooseFace(dlg, faces[1]);
    EXPECT_EQ(Stored(L"ComboFontName"), faces[1]);
    ChooseFace(dlg, def);
    MoveZoom(dlg, 20);
    zoomLabel = Text(dlg, IDC_TB_ZOOM_VALUE);
    Click(dlg, IDC_TB_TEXT_LABELS);
    textLabels = Stored(L"ToolbarText");
  });
  EXPECT_EQ(face, def);
  EXPECT_EQ(Stored(L"ComboFontName"), L"-");
  EXPECT_EQ(Stored(L"ComboZoom"), L"100000");
  EXPECT_EQ(zoomLabel, L"100 %");
  EXPECT_EQ(textLabels, L"1");
}

TEST_P(ToolbarsSettings, ResetRemovesTheLayoutAndRebuildsInTheDefaultStyle) {
  for (const wchar_t* name : {L"RebarSize", L"PIB0", L"PIB1", L"CellEditHeight", L"ComboZoom"})
    Store(name, 5);
  Store(L"ToolbarText", 1);
  std::vector<bool> boxes;
  Open(
      [&](HWND dlg) {
        NestedDialogs box(dlg, [](HWND question) { AnswerBox(question, IDYES); });
        Click(dlg, IDC_TB_RESET);
        for (int id : {IDC_TB_LARGE_ICONS, IDC_TB_STYLE_1, IDC_TB_OPTION_1, IDC_TB_OPTION_2,
                       IDC_TB_TEXT_LABELS})
          boxes.push_back(Checked(dlg, id));
      },
      0);
  for (const wchar_t* name : {L"RebarSize", L"PIB0", L"PIB1", L"CellEditHeight", L"ComboZoom"})
    EXPECT_EQ(Stored(name), L"-") << name;
  EXPECT_EQ(Stored(L"ToolbarText"), L"0");
  EXPECT_EQ(Toolbar(), (std::vector<Sent>{{scrv::SCM_TOOLBAR_REBUILD, 0, 1}}));
  EXPECT_EQ(boxes, (std::vector<bool>{false, true, true, false, false}));
}

TEST_F(Toolbars, FailedRebuildAfterResetClosesWithZero) {
  rebar.failRebuild = true;
  auto r = Open([&](HWND dlg) {
    NestedDialogs box(dlg, [](HWND question) { AnswerBox(question, IDYES); });
    Click(dlg, IDC_TB_RESET);
  });
  EXPECT_EQ(r.result, 0);
}

// The reset discards the layout: Enter on its question answers No, and No changes nothing.
TEST_F(Toolbars, EnterOnTheResetQuestionAnswersNoAndChangesNothing) {
  bool asked = false;
  Open([&](HWND dlg) {
    NestedDialogs box(dlg, [&](HWND question) {
      asked = true;
      MSG enter = {question, WM_KEYDOWN, VK_RETURN, 1};
      IsDialogMessageW(question, &enter);
    });
    Click(dlg, IDC_TB_RESET);
  });
  EXPECT_TRUE(asked);
  EXPECT_TRUE(Toolbar().empty());  // Yes would have had the host rebuild
}

}  // namespace
