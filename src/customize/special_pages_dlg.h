#pragma once
// The Customize pages with controls a table cannot bind: the File page's association button,
// the Sort page's list of locales, the Active string page's kinds and occasions and the
// Language page's list of languages.

#include <string>
#include <vector>

#include "customize/customize_page_dlg.h"

namespace scrv {

class CCustomizeFilePage : public CCustomizePage {
 public:
  using CCustomizePage::CCustomizePage;
  BOOL OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;
};

class CCustomizeSortPage : public CCustomizePage {
 public:
  using CCustomizePage::CCustomizePage;
  BOOL OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnModelRestored() override;

 private:
  std::vector<std::wstring> names_;  // locale names, by the items' data
};

// The kinds of active string and the occasions, the page's plain settings being the ones last
// chosen; the table of actions is the active string page's own.
class CCustomizeActiveStringPage : public CCustomizePage {
 public:
  using CCustomizePage::CCustomizePage;
  BOOL OnInitDialog() override;
  bool OnNotify(int id, NMHDR& header, LRESULT& result) override;
  void OnModelRestored() override;
  bool MarksRowsOf(int id) const override;
};

class CCustomizeLangPage : public CCustomizePage {
 public:
  using CCustomizePage::CCustomizePage;
  BOOL OnInitDialog() override;
  bool OnNotify(int id, NMHDR& header, LRESULT& result) override;
  void OnModelRestored() override;

 private:
  std::vector<LanguageEntry> languages_;
};

}  // namespace scrv
