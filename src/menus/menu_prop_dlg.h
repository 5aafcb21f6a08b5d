#pragma once
// CMenuPropDlg: one menu item edited as a command, a popup or a separator, with its label; the
// rules live in MenuPropModel.

#include "controls/edit_dd_win.h"
#include "frame/dialog_impl_win.h"
#include "menus/menu_prop.h"
#include "menus_ids.h"

namespace scrv {

class CMenuPropDlg : public CMyDialogImpl<CMenuPropDlg> {
 public:
  enum { IDD = IDD_MENU_PROPERTIES };
  static constexpr Anchor kAnchors[] = {{IDOK, 1},
                                              {IDCANCEL, 1},
                                              {IDC_MPROP_CATEGORIES, 8},
                                              {IDC_MPROP_COMMANDS, 12},
                                              {IDC_MPROP_STATUS_LABEL, 6},
                                              {IDC_MPROP_STATUS, 6},
                                              {IDC_MPROP_LABEL_LABEL, 6},
                                              {IDC_MPROP_LABEL, 6}};
  static constexpr const char16_t* kPlacementKey = u"MenuPropDlgPos";
  static constexpr uint32_t kResizeMode = 3;
  static constexpr uint32_t kHelpTopic = HELP_TOPIC_MENU_PROPERTIES;

  // `isPopup`: the item is a popup and stays one.
  CMenuPropDlg(const MenuItem& record, uint32_t menuIndex, bool isPopup,
               const MenuLabelSources& sources)
      : model_(record, menuIndex, isPopup, sources) {}

  // The item as accepted (valid after OK).
  const MenuItem& Result() const { return result_; }
  const MenuPropModel& Model() const { return model_; }

  BOOL OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnOK() override;

 private:
  void FillCommands();
  void ShowLabel();
  void ShowState();

  MenuPropModel model_;
  CEditDD label_;
  MenuItem result_;
  bool showing_ = false;  // the label is being set by the dialog, not typed
};

}  // namespace scrv
