#pragma once
// The Customize pages that edit lists and values of their own: the status bar's items and
// order, the CSV formats, the active string table, the rendering values with their live
// preview, and the history's excluded folders with the clear-history dialog; and the two small
// dialogs they open.

#include <functional>
#include <string>
#include <vector>

#include "customize/page_extensions.h"
#include "customize/special_pages_dlg.h"
#include "frame/dialog_impl_win.h"
#include "resource_ids.h"

namespace scrv {

// A list view of texts the page keeps in a vector: texts on demand, rows moved, added (edited
// in place) and deleted through the check list.
class CTextListPart {
 public:
  // The page then adds `list` as a parent hook.
  void Attach(HWND list, std::vector<std::u16string>& texts, size_t capacity, bool darkTheme);
  void Fill();
  void Append(std::u16string_view text);
  // Answers the list's notifications and commands; true when it was the list's.
  bool OnNotify(NMHDR& header, LRESULT& result);
  LRESULT OnListCommand(WPARAM code);
  // The page has been laid out anew: the column fills the list.
  void Fit();
  void DeleteSelected();
  CCheckList list;
  // Run after every change of the texts (a move, an edit, an addition or a deletion).
  std::function<void()> changed;

 private:
  static void Swapped(int a, int b, void* self);
  std::vector<std::u16string>* texts_ = nullptr;
  size_t capacity_ = 0;
  bool adding_ = false;
};

class CCustomizeStatusPage : public CCustomizePage {
 public:
  using CCustomizePage::CCustomizePage;
  BOOL OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;
  bool OnNotify(int id, NMHDR& header, LRESULT& result) override;
  bool OnApply() override;
  LRESULT OnCheckList(UINT code, LPARAM lParam) override;
  void OnLayout() override;
  void ShowModel() override;

 private:
  void Fill();
  static void Swapped(int a, int b, void* self);
  StatusExtension& Status() { return Model().Extension<StatusExtension>(); }
  CCheckList list_;
};

class CCustomizeCsvPage : public CCustomizePage {
 public:
  using CCustomizePage::CCustomizePage;
  BOOL OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;
  bool OnNotify(int id, NMHDR& header, LRESULT& result) override;
  LRESULT OnCheckList(UINT code, LPARAM lParam) override;
  void ShowModel() override;

 private:
  CsvFormatList& List() { return Model().Extension<CsvExtension>().list; }
  std::vector<size_t> Selected() const;
  void Refill(int select);
  void ShowSelection();
  void AddFormat();
  void DeleteFormats();
  static void Swapped(int a, int b, void* self);
  CCheckList formats_;
  bool filling_ = false;
};

class CCustomizeActiveStringTablePage : public CCustomizeActiveStringPage {
 public:
  using CCustomizeActiveStringPage::CCustomizeActiveStringPage;
  BOOL OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;
  bool OnNotify(int id, NMHDR& header, LRESULT& result) override;
  void ShowModel() override;

 private:
  ActiveStringEntry& Entry();
  void ShowEntry();
  void ShowVariables();
  std::vector<std::wstring> macros_;
  std::vector<uint16_t> commands_;  // the commands of list 1840, in list order
  bool filling_ = false;
};

class CCustomizeRendering : public CCustomizePage {
 public:
  using CCustomizePage::CCustomizePage;
  BOOL OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;
  bool OnNotify(int id, NMHDR& header, LRESULT& result) override;
  bool OnApply() override;
  LRESULT OnCheckList(UINT code, LPARAM) override { return families_.OnListCommand(code); }
  void OnLayout() override;
  // The sliders (WM_HSCROLL).
  bool ProcessWindowMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                            LRESULT& result) override;

 private:
  RenderingModel& Rendering() { return Model().Extension<RenderingExtension>().model; }
  void ShowControls();
  void ShowLabels();
  void ReadControls();
  void Preview();
  CTextListPart families_;
  bool filling_ = false;
};

class CCustomizeHistoryPage : public CCustomizePage {
 public:
  using CCustomizePage::CCustomizePage;
  BOOL OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;
  bool OnNotify(int id, NMHDR& header, LRESULT& result) override;
  LRESULT OnCheckList(UINT code, LPARAM) override { return folders_.OnListCommand(code); }
  void OnLayout() override;

 private:
  void ClearHistory();
  CTextListPart folders_;
};

// The ten histories to clear now; OK only while one is ticked.
class CClearHistoryDlg : public CMyDialogImpl<CClearHistoryDlg> {
 public:
  enum { IDD = IDD_CLEAR_HISTORY };
  static constexpr uint32_t kHelpTopic = HELP_TOPIC_CLEAR_HISTORY;

  explicit CClearHistoryDlg(uint32_t flags) : flags_(flags) {}
  uint32_t Flags() const { return flags_; }

  BOOL OnInitDialog() override;
  void OnOK() override;
  bool OnNotify(int id, NMHDR& header, LRESULT& result) override;
  LRESULT OnCheckList(UINT code, LPARAM lParam) override;

 private:
  uint32_t Ticked() const;
  uint32_t flags_;
  CCheckList list_;
};

// One installed font family, for the rendering page's fallback list.
class CFontFamilyDlg : public CMyDialogImpl<CFontFamilyDlg> {
 public:
  enum { IDD = IDD_FONT_FAMILY };
  static constexpr uint32_t kHelpTopic = HELP_TOPIC_CUST_RENDERING;

  const std::wstring& Family() const { return family_; }
  BOOL OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnOK() override;

 private:
  std::wstring family_;
};

}  // namespace scrv
