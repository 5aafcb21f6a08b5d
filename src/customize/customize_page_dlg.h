#pragma once
// The one window class of the Customize pages: it binds the controls its page's descriptor
// names to the page model — check boxes and option-list entries, number and text edits,
// drop-down lists, colour buttons, browse buttons and the reset button — and shows the model's
// enable rules. Pages with controls of their own (the Sort page's locales, the Language page's
// list, the File page's association button) derive from it.

#include <vector>

#include "controls/check_list_win.h"
#include "customize/customize_environment.h"
#include "customize/page_model.h"
#include "customize/page_state.h"
#include "customize/setting_reset.h"
#include <optional>
#include "frame/property_page_win.h"

namespace scrv {

class CCustomizePage : public CPropertyPageBase {
 public:
  CCustomizePage(PageModel& model, CustomizeEnvironment& env);

  BOOL OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;
  bool OnNotify(int id, NMHDR& header, LRESULT& result) override;
  bool OnApply() override;
  bool OnKillActive() override;
  LRESULT OnCheckList(UINT code, LPARAM lParam) override;
  void OnLayout() override;
  // The list views whose rows the search marks (the option list; a page's own lists besides).
  virtual bool MarksRowsOf(int id) const { return id && id == model_.Page().optionList; }
  // Colour buttons are drawn by the page (WM_DRAWITEM).
  bool ProcessWindowMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                            LRESULT& result) override;

  PageModel& Model() { return model_; }
  // Every control shows the model again (undo, redo, a page restored); a page with lists of its
  // own refills them.
  void OnModelRestored() override { ShowValues(); }

 protected:
  // Every control from the model, and the model's enable rules.
  void ShowValues();
  // The one-entry menu "Reset to default (…)" for `shown` at `where` (screen; for the
  // keyboard, below `control`): true when the entry was chosen.
  bool ChooseReset(const ShownDefault& shown, bool enabled, HWND control, LPARAM where);
  CustomizeEnvironment& Env() { return env_; }

 private:
  void ShowStates();
  void ReadBoxes();
  void ReadEdits();
  void ChooseColor(const Binding& b);
  void Browse(const Binding& b);
  void DrawColorButton(const DRAWITEMSTRUCT& item);
  int OptionRow(uint16_t id) const;
  // The context menu of a setting control or option row: "Reset to default (…)".
  bool OnSettingMenu(HWND control, LPARAM pos);
  const PageDefaults& Defaults();
  // A number typed for a setting with a largest value that the setting cannot hold: the first
  // such field is named in the page's reason line (emptied when there is none) and kept as
  // typed, and the page is not left until it is fixed. Answers the field, 0 for none.
  uint16_t ShowNumberReason();
  bool RefuseNumber();

  PageModel& model_;
  CustomizeEnvironment& env_;
  CCheckList options_;
  std::vector<uint16_t> optionIds_;  // option-list rows, in list order
  std::vector<bool> rowEnabled_;
  std::optional<PageDefaults> defaults_;  // taken at the first context menu
  uint16_t refused_ = 0;                   // the field whose number is refused
};

}  // namespace scrv
