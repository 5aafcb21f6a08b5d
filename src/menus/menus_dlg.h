#pragma once
// CMenusDlg: the fourteen customisable menus, one of them shown as a tree with buttons, keys, a
// context menu, the clipboard and drag and drop to rearrange it. The edits and their rules are
// MenusModel's; the dialog moves them between the model and the controls. Every structural
// edit refills the tree from the model with drawing switched off; the children of a closed popup
// are put into the tree only when it is opened.

#include <functional>
#include <unordered_map>

#include "frame/dialog_impl_win.h"
#include "menus/menu_drop.h"
#include "menus/menu_drop_target_win.h"
#include "menus/menus_model.h"
#include "menus_ids.h"

namespace scrv {

class CMenusDlg : public CMyDialogImpl<CMenusDlg> {
 public:
  enum { IDD = IDD_MENUS };
  static constexpr Anchor kAnchors[] = {
      {IDOK, 1},
      {IDCANCEL, 1},
      {IDC_MENUS_INSERT_BEFORE, 1},
      {IDC_MENUS_INSERT_AFTER, 1},
      {IDC_MENUS_INSERT_INTO, 1},
      {IDC_MENUS_PROPERTIES, 1},
      {IDC_MENUS_DELETE, 1},
      {IDC_MENUS_UP, 1},
      {IDC_MENUS_DOWN, 1},
      {IDC_MENUS_RESET, 1},
      {IDC_MENUS_LIST, 260},
      {IDC_MENUS_HINT, 132},
      {IDC_MENUS_ITEMS_LABEL, 128},
      {IDC_MENUS_TREE, 4},
      {IDC_MENUS_TREE, 512},
      {IDC_MENUS_DELAY_LABEL, 2},
      {IDC_MENUS_DELAY_MIN, 2},
      {IDC_MENUS_DELAY_MAX, 2},
      {IDC_MENUS_DELAY, 2},
      {IDC_MENUS_DELAY_TEXT, 2},
  };
  static constexpr const char16_t* kPlacementKey = u"MenuDlgPos";
  static constexpr uint32_t kResizeMode = 3;
  static constexpr uint32_t kHelpTopic = HELP_TOPIC_MENUS;

  // Runs a drag of the tree's items: the platform's modal drag by default.
  using DragRunner = std::function<void(IDataObject* data, IDropSource* source)>;

  CMenusDlg(int32_t start, MenuResources& resources, PlugInLabels* plugIns);

  MenusModel& Model() { return model_; }
  // The tree's drop target (null before the dialog opens and after it closed).
  CMenuDropTarget* DropTarget() const { return dropTarget_; }
  void SetDragRunner(DragRunner runner) { runDrag_ = std::move(runner); }
  // The tree item of a node (null when it has none).
  HTREEITEM ItemOf(const MenuNode* node) const;

  BOOL OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;
  bool OnNotify(int id, NMHDR& header, LRESULT& result) override;
  void OnOK() override;
  void OnCancel() override;
  bool ProcessWindowMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                            LRESULT& result) override;

 private:
  MenuNode* Selected() const;
  MenuNode* NodeOf(HTREEITEM item) const;
  void FillTree(MenuNode* select);
  void InsertNodes(HTREEITEM parent, const std::vector<std::unique_ptr<MenuNode>>& nodes);
  void RefreshItem(const MenuNode* node);
  void UpdateButtons();
  void ShowDelay();
  bool Editing() const;

  void Insert(MenuInsert how);
  void ShowProperties(MenuNode* node);
  void Remove();
  void Move(MenuMove move);
  bool Copy();
  void Paste();
  void RunCommand(int id);

  bool OnTreeKey(const NMTVKEYDOWN& key);
  void OnTreeDoubleClick(LRESULT& result);
  void OnContextMenu(LPARAM lParam);
  void OnDelaySlider();

  void StartDrag(MenuNode* node);
  void OnDragOver(DWORD* effect);
  LRESULT OnDrop();
  void EndDragFeedback();
  void OnAutoScroll();

  int32_t start_;
  MenuResources& resources_;
  MenusModel model_;
  HWND tree_ = nullptr;
  CMenuDropTarget* dropTarget_ = nullptr;
  bool dropRegistered_ = false;
  std::unordered_map<const MenuNode*, HTREEITEM> items_;
  bool refilling_ = false;
  std::wstring delayFormat_;

  DragRunner runDrag_;
  MenuNode* dragged_ = nullptr;
  MenuDropTarget drop_;
  bool scrolling_ = false;
};

}  // namespace scrv
