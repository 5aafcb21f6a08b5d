// The Customize sheet's search index over the localisation module the library loaded, with the
// platform's case folding: built once and kept.

#include "customize/customize_search_win.h"

#include <gtest/gtest.h>

#include "customize/customize_pages.h"
#include "customize_ids.h"
#include "dialog_test_support.h"
#include "frame/text_folder_win.h"

namespace {

using namespace scrv;

TEST(CustomizeSearchIndex, IsBuiltOnceFromTheLoadedModuleAndFindsWithThePlatformsCase) {
  dialog_test::InProcessModule module;
  const SearchIndex& index = CustomizeSearchIndex();
  EXPECT_EQ(&CustomizeSearchIndex(), &index);
  ASSERT_EQ(index.Size(), page::kCount);
  for (size_t p = 0; p < index.Size(); ++p) {
    EXPECT_FALSE(index.Page(p).title.empty()) << p;
    EXPECT_TRUE(index.Page(p).controls) << p;
  }
  const WinTextFolder folder;
  const PageHits hits = index.Hits(page::kTab, OptionQuery(u"WIDTH", folder));
  EXPECT_NE(std::find(hits.controls.begin(), hits.controls.end(), uint32_t(IDC_TAB_WIDTH_LABEL)),
            hits.controls.end());
  const std::vector<PageListRow> rows = index.List(ParseSearchQuery(u"@modified"), folder,
                                                   [](size_t p) { return p == page::kTab; });
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].page, page::kTab);
}

}  // namespace
