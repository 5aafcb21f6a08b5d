#pragma once
// The properties of one file association: its extension (when adding), description and icon.
// OK writes the association into the current user's class entries and tells the shell.

#include <vector>

#include "controls/edit_dd_win.h"
#include "frame/dialog_impl_win.h"
#include "integration/file_associations.h"
#include "resource_ids.h"

namespace scrv {

class CAssociatePropDlg : public CMyDialogImpl<CAssociatePropDlg> {
 public:
  enum { IDD = IDD_ASSOCIATE_PROPERTIES };
  static constexpr Anchor kAnchors[] = {
      {IDOK, anchor::kMoveRight},
      {IDCANCEL, anchor::kMoveRight},
      {IDC_ASSOC_BROWSE, anchor::kMoveRight},
      {IDC_ASSOC_ICON_FILE, anchor::kStretchRight},
      {IDC_ASSOC_ICONS, anchor::kStretchRight | anchor::kStretchBottom},
  };
  static constexpr const char16_t* kPlacementKey = u"AssociatePropDlgPos";
  static constexpr uint32_t kResizeMode = kResizeWidth | kResizeHeight;
  static constexpr uint32_t kHelpTopic = HELP_TOPIC_ASSOCIATE_PROPERTIES;

  // Adding when `editing` is null; `listed` are the associations the list shows.
  CAssociatePropDlg(ClassesRegistry& registry, const std::vector<Association>& listed,
                    const Association* editing, std::u16string program);
  ~CAssociatePropDlg() override;

  // The association as written, after OK.
  const Association& Result() const { return result_; }

  bool ProcessWindowMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                            LRESULT& result) override;
  BOOL OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnOK() override;

 private:
  // The extension edit's text normalised in place (and a description given when it has none).
  NormalizedExtension NormalizeExtensionField();
  void LoadIcons(int select);
  void UpdateOk();
  void OnBrowse();
  void DrawIcon(const DRAWITEMSTRUCT& item) const;
  int Scaled(int pixels96) const;

  ClassesRegistry& registry_;
  const std::vector<Association>& listed_;
  const bool adding_;
  Association result_;
  const std::u16string program_;
  CEditDD extension_, description_, iconFile_;
  std::vector<HICON> icons_;
  UINT dpi_ = 96;
  bool loading_ = false;  // the fields are being filled; their changes are not the user's
};

}  // namespace scrv
