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
  LRESULT OnCheckList(UINT code, LPARAM lParam) override;
  void OnLayout() override;
  // Colour buttons are drawn by the page (WM_DRAWITEM).
  bool ProcessWindowMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                            LRESULT& result) override;

  PageModel& Model() { return model_; }
  // Shows the model anew after it changed outside the page (an import in the sheet).
  virtual void ShowModel() { ShowValues(); }

 protected:
  // Every control from the model, and the model's enable rules.
  void ShowValues();
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

  PageModel& model_;
  CustomizeEnvironment& env_;
  CCheckList options_;
  std::vector<uint16_t> optionIds_;  // option-list rows, in list order
  std::vector<bool> rowEnabled_;
  std::optional<PageDefaults> defaults_;  // taken at the first context menu
};

}  // namespace scrv
