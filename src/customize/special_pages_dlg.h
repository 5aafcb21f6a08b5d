#pragma once
// The Customize pages with controls a table cannot bind: the File page's association button,
// the Sort page's list of locales and the Language page's list of languages.

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

 private:
  std::vector<std::wstring> names_;  // locale names, by the items' data
};

class CCustomizeLangPage : public CCustomizePage {
 public:
  using CCustomizePage::CCustomizePage;
  BOOL OnInitDialog() override;
  bool OnNotify(int id, NMHDR& header, LRESULT& result) override;

 private:
  std::vector<LanguageEntry> languages_;
};

}  // namespace scrv
