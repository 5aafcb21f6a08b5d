#pragma once
// The toolbars dialog: which of the editor's toolbars are shown, the user toolbars to delete or
// customize, the toolbar style options, and the font and zoom of the combo boxes that toolbars
// hold. There is no OK: each change goes to the editor's main window at once (it shows, hides
// and rebuilds its bars) and each setting is written as it changes.

#include <cstdint>
#include <string>
#include <vector>

#include "controls/check_list_win.h"
#include "frame/dialog_impl_win.h"
#include "menus/toolbars.h"
#include "resource_ids.h"
#include "scrvdlgs_api.h"

namespace scrv {

// What the editor hands over: its main window (the receiver of the toolbar messages), its
// rebar, the two style values and the two options.
struct ToolbarsArgs {
  HWND mainWindow = nullptr;
  HWND rebar = nullptr;
  uint8_t styleFlag = 0;   // 1342
  uint8_t styleValue = 0;  // 1347 = 0, 1349 = 1
  uint8_t option1 = 0;     // 1388
  uint8_t option2 = 0;     // 1389
};

// The dialog's results besides Close (2).
constexpr int kToolbarsNewResult = -1;
constexpr int kToolbarsRebuildFailed = 0;
constexpr int ToolbarsCustomizeResult(int userToolbar) {
  return static_cast<int>(kUserToolbarBand) + userToolbar;
}

class CToolbarsDlg : public CMyDialogImpl<CToolbarsDlg> {
 public:
  enum { IDD = IDD_TOOLBARS };
  static constexpr Anchor kAnchors[] = {
      {IDCANCEL, anchor::kMoveRight},
      {IDC_TB_NEW, anchor::kMoveRight},
      {IDC_TB_DELETE, anchor::kMoveRight},
      {IDC_TB_CUSTOMIZE, anchor::kMoveRight},
      {IDC_TB_RESET, anchor::kMoveRight},
      {IDC_CHECK_LIST, anchor::kStretchRight | anchor::kStretchBottom},
      {IDC_TB_BAR_STANDARD, anchor::kMoveBottom},
      {IDC_TB_BAR_MACROS, anchor::kMoveBottom},
      {IDC_TB_BAR_PLUGINS, anchor::kMoveBottom},
      {IDC_TB_OPTION_1, anchor::kMoveBottom},
      {IDC_TB_OPTION_2, anchor::kMoveBottom},
      {IDC_TB_LARGE_ICONS, anchor::kMoveBottom},
      {IDC_TB_TEXT_LABELS, anchor::kMoveBottom},
      {IDC_TB_STYLE_0, anchor::kMoveBottom},
      {IDC_TB_ICONS_LABEL, anchor::kMoveBottom},
      {IDC_TB_STYLE_1, anchor::kMoveBottom | anchor::kMoveHalfX},
      {IDC_TB_FONT_LABEL, anchor::kMoveBottom | anchor::kStretchRight},
      {IDC_TB_ZOOM_LABEL, anchor::kMoveBottom | anchor::kStretchRight},
      {IDC_TB_FONT, anchor::kMoveBottom | anchor::kStretchRight},
      {IDC_TB_SAMPLE, anchor::kMoveBottom | anchor::kStretchRight},
      {IDC_TB_ZOOM, anchor::kMoveBottom | anchor::kStretchRight},
      {IDC_TB_ZOOM_VALUE, anchor::kMoveRight | anchor::kMoveBottom},
  };
  static constexpr const char16_t* kPlacementKey = u"ToolbarsDlgPos";
  static constexpr uint32_t kResizeMode = kResizeWidth | kResizeHeight;
  static constexpr uint32_t kHelpTopic = HELP_TOPIC_TOOLBARS;

  CToolbarsDlg(const ToolbarsArgs& args, ToolbarSettings settings, std::u16string defaultFace);
  ~CToolbarsDlg() override;

  LRESULT OnCheckList(UINT code, LPARAM lParam) override;
  void OnLayout() override;
  // The zoom slider and, in the dark theme, the statics' colours.
  bool ProcessWindowMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                            LRESULT& result) override;
  BOOL OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;
  bool OnNotify(int id, NMHDR& header, LRESULT& result) override;

 private:
  void OnZoom(int code);
  HBRUSH OnStaticColor(HDC dc);

  // The user toolbars' rows; FillList refills them with redraw off and updates the buttons.
  void FillList();
  void FillRows();
  void ShowBars();
  void UpdateButtons();
  void FillFaces();
  void ShowZoomAndFace();
  void RemakeSample();
  int SelectedToolbar() const;

  void OnDeleteToolbar();
  void OnFaceChosen();
  void OnReset();
  // Asks the editor to rebuild its bars; its answer is the rebar from then on.
  HWND Rebuild();
  LRESULT SendToMain(UINT msg, WPARAM wParam, LPARAM lParam) const;

  ToolbarsArgs args_;
  ToolbarSettings settings_;
  std::u16string defaultFace_;
  std::vector<std::u16string> faces_;  // the font box's entries
  CCheckList list_;
  HFONT sample_ = nullptr;
  HBRUSH darkBrush_ = nullptr;
  bool dark_ = false;
};

}  // namespace scrv
