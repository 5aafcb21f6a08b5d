// The page search: the match rule, the dialog template reader, and both run over the real
// templates and strings of the localisation module; the host's search of option labels.

#include "frame/option_search.h"

#include "frame/page_list.h"

#include <gtest/gtest.h>

#include "customize/additional_text.h"
#include "customize/customize_pages.h"
#include "customize/page_model.h"
#include "controls_ids.h"
#include "customize_ids.h"
#include "jump_ids.h"
#include "toolbars_ids.h"
#include "resource_file.h"

namespace scrv {
namespace {

using testing_res::ResourceFile;

const SimpleTextFolder kFolder;

TEST(OptionQuery, EveryWordMustOccurIgnoringCaseAndTheFirstMnemonic) {
  struct Case {
    const char16_t* text;
    const char16_t* query;
    bool matches;
  } cases[] = {
      {u"Close the find bar with &Esc", u"ESC bar", true},
      {u"Close the find bar with &Esc", u"esc\tbox", false},
      {u"Op&en in a new tab", u"open", true},   // the mnemonic inside a word
      {u"Tom && Jerry", u"tom & jerry", true},  // only the first "&" goes
      {u"*", u"", false},                       // "*" never matches
      {u"Anything", u"  \t ", true},            // no words: nothing to miss
      {u"Übergröße", u"ÜBER", true},
  };
  for (const Case& c : cases)
    EXPECT_EQ(OptionQuery(c.query, kFolder).Matches(c.text), c.matches)
        << std::string(c.query, c.query + std::char_traits<char16_t>::length(c.query));
}

TEST(OptionQuery, OnlyTheFirst260CharactersOfAQueryCount) {
  const std::u16string blanks(259, u' ');
  EXPECT_FALSE(OptionQuery(blanks + u"x", kFolder).Matches(u"yes"));
  EXPECT_TRUE(OptionQuery(blanks + u" x", kFolder).Matches(u"yes"));
}

TEST(DialogTemplate, ATruncatedTemplateIsRefused) {
  const std::vector<uint8_t>* file = ResourceFile::Localisation().Dialog(IDD_CUST_FILE);
  if (!file) GTEST_SKIP() << "no compiled localisation module";
  ASSERT_TRUE(ReadDialogTemplateText(file->data(), file->size()));
  for (size_t cut : {size_t(0), size_t(3), size_t(30), file->size() / 2, file->size() - 1})
    EXPECT_FALSE(ReadDialogTemplateText(file->data(), cut)) << cut;
}

// The controls a dialog sets up as it opens come from its template: numeric edits and list
// views, unless one of them shares its identifier with another control.
TEST(DialogTemplate, NumericEditsAndListViewsAreFoundByIdentifier) {
  const ResourceFile& res = ResourceFile::Localisation();
  if (!res.Loaded()) GTEST_SKIP() << "no compiled localisation module";
  auto declared = [&](uint32_t templateId) {
    const std::vector<uint8_t>* data = res.Dialog(templateId);
    std::optional<DialogTemplateText> text =
        data ? ReadDialogTemplateText(data->data(), data->size()) : std::nullopt;
    return text ? ControlsToPrepare(*text) : std::nullopt;
  };
  EXPECT_EQ(declared(IDD_JUMP),
            (std::vector<PreparedControl>{{IDC_JUMP_TARGET, false}, {IDC_JUMP_SECONDARY, false}}));
  EXPECT_EQ(declared(IDD_TOOLBARS), (std::vector<PreparedControl>{{IDC_CHECK_LIST, true}}));

  DialogTemplateText text{u"", {{7, u"", 0x2000, u"Edit"}, {8, u"", 0, u"EDIT"}}};
  EXPECT_EQ(ControlsToPrepare(text), (std::vector<PreparedControl>{{7, false}}));
  text.controls.push_back({7, u"", 0, u"Static"});
  EXPECT_FALSE(ControlsToPrepare(text)) << "two controls numbered 7";
}

// Every page against its template in the localisation module.
class PageTemplate : public ::testing::TestWithParam<size_t> {
 protected:
  void SetUp() override {
    if (!ResourceFile::Localisation().Loaded()) GTEST_SKIP() << "no compiled localisation module";
    const std::vector<uint8_t>* data = ResourceFile::Localisation().Dialog(Page().templateId);
    ASSERT_TRUE(data) << Page().templateId;
    std::optional<DialogTemplateText> text = ReadDialogTemplateText(data->data(), data->size());
    ASSERT_TRUE(text);
    controls = *text;
  }
  const PageDescriptor& Page() const { return *CustomizePages()[GetParam()]; }
  bool Has(uint32_t id) const {
    for (const TemplateControl& c : controls.controls)
      if (c.id == id) return true;
    return false;
  }
  std::u16string String(uint32_t id) const { return ResourceFile::Localisation().String(id); }
  std::u16string Extra() const {
    std::u16string joined;
    for (size_t i = 0; uint16_t id = AdditionalTextId(Page(), i); ++i)
      joined += (i ? u"::" : u"") + String(id);
    return joined;
  }
  PageMatchResult Match(std::u16string_view query) const {
    return MatchPage(OptionQuery(query, kFolder), controls.caption, Extra(), &controls);
  }

  DialogTemplateText controls;
};

TEST_P(PageTemplate, HoldsEveryControlAndStringItsTableNames) {
  EXPECT_FALSE(controls.caption.empty());
  for (const Binding& b : Page().bindings) {
    if (b.inList)
      EXPECT_FALSE(String(b.id).empty()) << "label " << b.id;
    else
      EXPECT_TRUE(Has(b.id)) << "control " << b.id;
    for (uint16_t item : b.items) EXPECT_FALSE(String(item).empty()) << "item " << item;
  }
  for (const EnableRule& r : Page().enables) {
    const Binding* target = PageModel(Page()).Find(r.target);
    EXPECT_TRUE((target && target->inList) || Has(r.target)) << "rule target " << r.target;
  }
  for (const Anchor& a : Page().anchors) EXPECT_TRUE(Has(a.controlId)) << "anchor " << a.controlId;
  if (Page().optionList) EXPECT_TRUE(Has(Page().optionList));
  if (Page().resetButton) EXPECT_TRUE(Has(Page().resetButton));
  for (uint16_t id : Page().extraTexts) EXPECT_FALSE(String(id).empty()) << "text " << id;
}

TEST_P(PageTemplate, IsFoundByItsTitleItsLabelsAndItsCaptions) {
  EXPECT_EQ(Match(controls.caption).where, PageMatch::kTitle);
  if (uint16_t label = AdditionalTextId(Page(), 0))
    EXPECT_NE(Match(String(label)).where, PageMatch::kNone);
  // Every caption finds its page (by the title, the labels or a caption).
  for (const TemplateControl& c : controls.controls) {
    if (c.title.empty() || IsSearchIgnoredControl(c.id)) continue;
    std::u16string words = c.title;
    if (size_t amp = words.find(u'&'); amp != std::u16string::npos) words.erase(amp, 1);
    PageMatchResult found = Match(words);
    EXPECT_NE(found.where, PageMatch::kNone) << c.id;
    if (found.where == PageMatch::kControl) EXPECT_FALSE(IsSearchIgnoredControl(found.controlId));
  }
  // The reset button's caption says nothing about a page.
  EXPECT_EQ(Match(u"Restore Defaults").where, PageMatch::kNone);
}

INSTANTIATE_TEST_SUITE_P(AllPages, PageTemplate, ::testing::Range<size_t>(0, page::kCount));

TEST(PageMatch, TriesTitleThenExtraTextThenControls) {
  DialogTemplateText t{u"Mouse", {{IDC_CUST_RESET, u"Drag"}, {7, u"&Drag and drop"}, {8, u"Drag"}}};
  OptionQuery drag(u"drag", kFolder);
  EXPECT_EQ(MatchPage(drag, u"Drag", u"", &t).where, PageMatch::kTitle);
  EXPECT_EQ(MatchPage(drag, u"Mouse", u"a::drag", &t).where, PageMatch::kExtraText);
  PageMatchResult r = MatchPage(drag, u"Mouse", u"", &t);
  EXPECT_EQ(r.where, PageMatch::kControl);
  EXPECT_EQ(r.controlId, 7u);
  EXPECT_EQ(MatchPage(drag, u"Mouse", u"", nullptr).where, PageMatch::kNone);
}

TEST(PageList, AQueryListsMatchingPagesAndKeepsTheSelectedOneSelected) {
  DialogTemplateText tab{u"Tab", {{20, u"Tab &width:"}}};
  const std::vector<PageSearchEntry> pages = {{u"File", u"Show the encoding", nullptr},
                                              {u"Tab", u"", &tab},
                                              {u"Status", u"Encoding", nullptr}};
  const std::vector<PageListRow> all = ListPages(pages, OptionQuery(u"", kFolder));
  ASSERT_EQ(all.size(), 3u);
  const std::vector<PageListRow> rows = ListPages(pages, OptionQuery(u"encoding", kFolder));
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[1].page, 2u);
  EXPECT_EQ(rows[1].match.where, PageMatch::kExtraText);
  const std::vector<PageListRow> width = ListPages(pages, OptionQuery(u"width", kFolder));
  ASSERT_EQ(width.size(), 1u);
  EXPECT_EQ(width[0].match.controlId, 20u);
  // The page selected before stays selected; without one, the current page; else none.
  EXPECT_EQ(RowToSelect(rows, 2, 0), std::optional<size_t>(1));
  EXPECT_EQ(RowToSelect(rows, std::nullopt, 0), std::optional<size_t>(0));
  EXPECT_EQ(RowToSelect(rows, std::nullopt, 1), std::nullopt);
  EXPECT_EQ(RowToSelect(width, 0, 1), std::nullopt);
}

// The localisation module's strings, with one label turned into "*".
class ModuleStrings : public StringSource {
 public:
  std::u16string Load(uint32_t id) const override {
    return id == star ? u"*" : ResourceFile::Localisation().String(id);
  }
  uint32_t star = 0;
};

class FindText : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!ResourceFile::Localisation().Loaded()) GTEST_SKIP() << "no compiled localisation module";
  }
  uint32_t Find(uint32_t templateId, uint32_t index, const char16_t* query, size_t capacity = 260) {
    std::u16string q = query ? query : u"";
    return FindAdditionalText((templateId << 16) | index, query ? &q : nullptr, strings, kFolder,
                              &label, capacity);
  }
  ModuleStrings strings;
  std::u16string label = u"old";
};

TEST_F(FindText, WithoutAQueryServesItemIOrItsComplement) {
  EXPECT_EQ(Find(IDD_CUST_FILE, 13, nullptr), 0xFFFFFFF2u);
  EXPECT_EQ(label, u"");
  EXPECT_EQ(Find(IDD_CUST_FILE, 0, nullptr), 0u);
  EXPECT_EQ(label, strings.Load(IDS_FILE_SAVE_OPEN_DIR));
  EXPECT_EQ(Find(IDD_CUST_ACTIVE_STRING, 38, u""), 38u);
  EXPECT_EQ(Find(IDD_CUST_STATUS, 16, nullptr), 16u);
  EXPECT_EQ(label, strings.Load(IDS_STATUS_ITEM_17));
  EXPECT_EQ(Find(IDD_CUST_WINDOW, 2, nullptr), ~2u);
  EXPECT_EQ(Find(12345, 0, nullptr), ~0u);
  EXPECT_EQ(Find(IDD_CUST_EDIT, 0, nullptr, 5), 0u);
  EXPECT_EQ(label.size(), 4u);
}

TEST_F(FindText, WithAQueryFindsTheNextMatchingLabelAndSkipsStars) {
  // Items 4 and 5 of the File page both mention the encoding.
  EXPECT_EQ(Find(IDD_CUST_FILE, 0, u"ENCODING"), 4u);
  EXPECT_EQ(Find(IDD_CUST_FILE, 5, u"encoding show"), 5u);
  strings.star = IDS_FILE_SHOW_DETECT;
  EXPECT_EQ(Find(IDD_CUST_FILE, 0, u"*"), ~13u);
  EXPECT_EQ(Find(IDD_CUST_FILE, 0, u"encoding"), 5u);
  EXPECT_EQ(Find(IDD_CUST_FILE, 6, u"encoding"), ~13u);
}

TEST(AdditionalText, JoinsTheLabelsOfAPage) {
  ModuleStrings strings;
  if (!ResourceFile::Localisation().Loaded()) GTEST_SKIP() << "no compiled localisation module";
  std::u16string all = GetAllAdditionalText(kSortPage, strings, 100000);
  EXPECT_EQ(all.find(strings.Load(IDS_SORT_IGNORE_CASE) + u"::"), 0u);
  EXPECT_EQ(GetAllAdditionalText(kWindowPage, strings, 100000), u"");
  EXPECT_EQ(GetAllAdditionalText(kSortPage, strings, 8).size(), 7u);
}

}  // namespace
}  // namespace scrv
