#pragma once
// The file association dialog: the extensions associated with this copy of the editor, for the
// current user and machine-wide, each with its icon; add, edit and delete them. Everything is
// written at once (at OK of the properties dialog and at delete); closing writes nothing.

#include <windows.h>

#include <commctrl.h>

#include <vector>

#include "frame/dialog_impl_win.h"
#include "integration/classes_registry_win.h"
#include "integration/file_associations.h"
#include "resource_ids.h"

namespace scrv {

class CFileAssociateDlg : public CMyDialogImpl<CFileAssociateDlg> {
 public:
  enum { IDD = IDD_FILE_ASSOCIATE };
  static constexpr Anchor kAnchors[] = {
      {IDC_ASSOC_CLOSE, anchor::kMoveRight},
      {IDC_ASSOC_ADD, anchor::kMoveRight},
      {IDC_ASSOC_DELETE, anchor::kMoveRight},
      {IDC_ASSOC_PROPERTIES, anchor::kMoveRight},
      {IDC_ASSOC_LIST, anchor::kStretchRight | anchor::kStretchBottom},
  };
  static constexpr const char16_t* kPlacementKey = u"FileAssociateDlgPos";
  static constexpr uint32_t kResizeMode = kResizeWidth | kResizeHeight;
  static constexpr uint32_t kHelpTopic = HELP_TOPIC_FILE_ASSOCIATE;

  CFileAssociateDlg();

  BOOL OnInitDialog() override;
  void OnLayout() override { FitColumns(); }  // the list was laid out anew
  bool OnCommand(int id, int code, HWND control) override;
  bool OnNotify(int id, NMHDR& header, LRESULT& result) override;

 private:
  // Rebuilds the rows (dropping records whose icon cannot be had) and selects `row`.
  void Fill(int row);
  void FitColumns();
  int SelectedRow() const;
  void UpdateButtons();
  void OnAdd();
  void OnProperties();
  void OnDelete();

  WinClassesRegistry registry_;
  const std::u16string program_;  // the editor the associations start
  std::vector<Association> associations_;
  HWND list_ = nullptr;
  int dpi_ = 96;               // the dialog runs system aware: its DPI stays
  bool columnsAdded_ = false;  // the list's columns, added by the first fill
};

}  // namespace scrv
