#pragma once
// The plug-ins dialog: the plug-in list with its button images and descriptions; add, remove,
// switch on and off, reorder, configure and uninstall plug-ins. The dialog loads its own copy
// of every listed plug-in (the host's loaded plug-ins are separate), writes the list and the
// folder offered for adding on OK, tells the host, and unloads its copies when it closes.

#include <windows.h>

#include <commctrl.h>

#include <memory>

#include "controls/check_list_win.h"
#include "frame/dialog_impl_win.h"
#include "integration/plugin_module_win.h"
#include "resource_ids.h"

namespace scrv {

class CPluginDlg : public CMyDialogImpl<CPluginDlg> {
 public:
  enum { IDD = IDD_PLUGINS };
  static constexpr Anchor kAnchors[] = {
      {IDOK, anchor::kMoveRight},
      {IDCANCEL, anchor::kMoveRight},
      {IDC_PLUGIN_ADD, anchor::kMoveRight},
      {IDC_PLUGIN_REMOVE, anchor::kMoveRight},
      {IDC_CL_MOVE_UP, anchor::kMoveRight},
      {IDC_CL_MOVE_DOWN, anchor::kMoveRight},
      {IDC_PLUGIN_PROPERTIES, anchor::kMoveRight},
      {IDC_PLUGIN_UNINSTALL, anchor::kMoveRight},
      {IDC_PLUGIN_RESET, anchor::kMoveRight},
      {IDC_CHECK_LIST, anchor::kStretchRight | anchor::kStretchBottom},
      {IDC_PLUGIN_PATH_LABEL, anchor::kMoveBottom},
      {IDC_PLUGIN_FIRST_LABEL, anchor::kMoveBottom},
      {IDC_PLUGIN_SECOND_LABEL, anchor::kMoveBottom},
      {IDC_PLUGIN_FIRST_TEXT, anchor::kMoveBottom | anchor::kStretchRight},
      {IDC_PLUGIN_SECOND_TEXT, anchor::kMoveBottom | anchor::kStretchRight},
      {IDC_PLUGIN_PATH, anchor::kMoveBottom | anchor::kStretchRight},
  };
  static constexpr const char16_t* kPlacementKey = u"PluginDlgPos";
  static constexpr uint32_t kResizeMode = kResizeWidth | kResizeHeight;
  static constexpr uint32_t kHelpTopic = HELP_TOPIC_PLUGINS;

  explicit CPluginDlg(HWND owner) : owner_(owner) {}
  ~CPluginDlg() override;

  LRESULT OnCheckList(UINT code, LPARAM lParam) override;
  // A new DPI rebuilds the images.
  bool ProcessWindowMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                            LRESULT& result) override;
  BOOL OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;
  bool OnNotify(int id, NMHDR& header, LRESULT& result) override;
  void OnOK() override;
  // After an uninstall the plug-in is gone whatever the list says: only OK closes.
  void OnCancel() override;

 private:
  void FillList();
  void AppendRow(size_t position);
  void BuildImages();
  // The one selected row, or -1 (none or several).
  int SelectedRow() const;
  void ShowDetails();
  void OnRowChanged(const NMLISTVIEW& change);
  void OnAdd();
  void OnRemove();
  void OnProperties();
  void OnUninstall();
  void OnReset();
  void SelectAfterRemoval(int row);
  static void SwapRecords(int first, int second, void* context);

  HWND owner_;
  std::unique_ptr<WinPluginLoader> loader_;
  std::unique_ptr<PluginList> plugins_;
  std::u16string folder_;        // offered when adding (absolute)
  std::u16string folderAtOpen_;  // "PlugInsFolder" as it was, made absolute
  CCheckList list_;
  UINT dpi_ = 96;             // the dialog's DPI, for the images
  bool columnAdded_ = false;  // the list's one column, added by the first fill
  bool ready_ = false;        // check changes count only after the list was filled
};

// Tells the owner and every main window that the plug-in list changed: SCM_PLUGINS_CHANGING 0
// to the owner, SCM_SETTINGS_CHANGED (3, 0) to every main window, SCM_PLUGINS_CHANGING 1 to the
// owner.
void NotifyPluginsChanged(HWND owner);

}  // namespace scrv
