// The sheet's search beyond the page list: the "@modified" filter, the index built from the
// compiled templates and strings, every match of a page, and the walk through the matches.

#include "frame/search_index.h"
#include "frame/sheet_search.h"

#include <gtest/gtest.h>

#include "customize/customize_pages.h"
#include "customize/customize_search.h"
#include "customize/page_model.h"
#include "controls_ids.h"
#include "resource_file.h"

namespace scrv {
namespace {

using testing_res::ResourceFile;

const SimpleTextFolder kFolder;

std::string Narrow(std::u16string_view s) {
  return std::string(s.begin(), s.end());
}

TEST(SearchQuery, TheModifiedFilterIsTakenOutAndEverythingElseStaysAsTyped) {
  struct Case {
    const char16_t* typed;
    const char16_t* words;
    bool modified;
    bool empty;
  } cases[] = {
      {u"tab width", u"tab width", false, false},
      {u"  tab\t", u"  tab\t", false, false},  // as typed: the page list splits it
      {u"@modified", u"", true, false},
      {u"@Modified tab", u"tab", true, false},
      {u"tab  @MODIFIED\twidth", u"tab width", true, false},
      {u"@modifiedx", u"@modifiedx", false, false},  // only the whole word is the filter
      {u"@mod", u"@mod", false, false},
      {u"modified", u"modified", false, false},
      {u"", u"", false, true},
      {u" \t ", u" \t ", false, true},
  };
  for (const Case& c : cases) {
    const SearchQuery q = ParseSearchQuery(c.typed);
    EXPECT_EQ(q.words, c.words) << Narrow(c.typed);
    EXPECT_EQ(q.modified, c.modified) << Narrow(c.typed);
    EXPECT_EQ(q.Empty(), c.empty) << Narrow(c.typed);
  }
}

TEST(SearchTexts, TheQueryOrTheDefaultGoesWhereTheTextSaysAndShowsItsAmpersands) {
  EXPECT_EQ(FormatText(u"No settings match \"%s\"", u"tab width"), u"No settings match \"tab width\"");
  EXPECT_EQ(FormatText(u"&Reset to default (%s)", u"Tom & Jerry", true),
            u"&Reset to default (Tom && Jerry)");
  EXPECT_EQ(FormatText(u"Restore defaults of ", u"A&B"), u"Restore defaults of A&B");
  if (!ResourceFile::Localisation().Loaded()) GTEST_SKIP() << "no compiled localisation module";
  EXPECT_EQ(FormatText(ResourceFile::Localisation().String(IDS_SEARCH_NO_MATCH), u"xyz"),
            u"No settings match \"xyz\"");
}

// Three pages: File and Status hold changed settings, Tab does not.
class SmallIndex : public ::testing::Test {
 protected:
  SmallIndex() {
    IndexedPage file{u"File", u"Show the encoding::Op&en in a new tab", std::nullopt,
                     {u"Show the encoding", u"Op&en in a new tab"}, 50};
    IndexedPage tab{u"Tab",
                    u"",
                    DialogTemplateText{u"Tab",
                                       {{10, u"Tab &width:"},
                                        {1000, u"Restore &Defaults"},
                                        {11, u""},
                                        {12, u"Close button &width"}}},
                    {},
                    0};
    IndexedPage status{u"Status", u"Encoding::Line", std::nullopt, {u"Encoding", u"Line"}, 60};
    index = SearchIndex({file, tab, status});
  }
  std::vector<size_t> Listed(const char16_t* typed) const {
    std::vector<size_t> pages;
    for (const PageListRow& r : index.List(ParseSearchQuery(typed), kFolder,
                                           [](size_t p) { return p != 1; }))
      pages.push_back(r.page);
    return pages;
  }
  PageHits Hits(size_t page, const char16_t* typed) const {
    return index.Hits(page, OptionQuery(ParseSearchQuery(typed).words, kFolder));
  }
  SearchIndex index;
};

TEST_F(SmallIndex, ListsWhatTheWordsFindNarrowedByTheFilter) {
  struct Case {
    const char16_t* typed;
    std::vector<size_t> pages;
  } cases[] = {
      {u"", {0, 1, 2}},
      {u"@modified", {0, 2}},
      {u"@modified tab", {0}},  // File by its label; Tab holds no change
      {u"tab", {0, 1}},
      {u"WIDTH", {1}},
      {u"open", {0}},            // the mnemonic inside a word
      {u"encoding line", {2}},   // words spread over two labels still find the page
      {u"@modified encoding", {0, 2}},
      {u"defaults", {}},         // the reset button's caption says nothing
      {u"@modified nothing", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(Listed(c.typed), c.pages) << Narrow(c.typed);
}

TEST_F(SmallIndex, MarksEveryCaptionAndRowTheWordsMatch) {
  EXPECT_EQ(Hits(1, u"width"), (PageHits{{10, 12}, {}}));
  EXPECT_EQ(Hits(1, u"close WIDTH"), (PageHits{{12}, {}}));
  EXPECT_EQ(Hits(0, u"open"), (PageHits{{}, {1}}));
  EXPECT_EQ(Hits(2, u"n"), (PageHits{{}, {0, 1}}));
  EXPECT_TRUE(Hits(2, u"encoding line").Empty());  // no single row holds both words
  EXPECT_TRUE(Hits(1, u"").Empty());
  EXPECT_TRUE(Hits(1, u"@modified").Empty());
  EXPECT_TRUE(Hits(7, u"width").Empty());
}

TEST(SearchWalk, GoesThroughPagesInListOrderAndControlsInTemplateOrder) {
  DialogTemplateText t{u"Open", {{10, u"&Open"}, {11, u""}, {12, u"Open again"}}};
  SearchIndex index({IndexedPage{u"Open", u"", t, {u"open file", u"close", u"open dir"}, 11},
                     IndexedPage{u"Other", u"", std::nullopt, {u"x"}, 0}});
  const OptionQuery open(u"open", kFolder);
  const std::vector<PageListRow> rows = {{1, {}}, {0, {}}};
  const std::vector<SearchMatch> walk =
      index.Walk(rows, [&](size_t p) { return index.Hits(p, open); });
  const std::vector<SearchMatch> expected = {
      {1}, {0, 10}, {0, 11, 0}, {0, 11, 2}, {0, 12}};
  EXPECT_EQ(walk, expected);

  EXPECT_EQ(StepMatch(walk, std::nullopt, false), std::optional<size_t>(0));
  EXPECT_EQ(StepMatch(walk, std::nullopt, true), std::optional<size_t>(4));
  EXPECT_EQ(StepMatch(walk, SearchMatch{0, 11, 0}, false), std::optional<size_t>(3));
  EXPECT_EQ(StepMatch(walk, SearchMatch{0, 12}, false), std::optional<size_t>(0));
  EXPECT_EQ(StepMatch(walk, SearchMatch{1}, true), std::optional<size_t>(4));
  EXPECT_EQ(StepMatch(walk, SearchMatch{0, 99}, false), std::optional<size_t>(0));
  EXPECT_EQ(StepMatch({}, std::nullopt, false), std::nullopt);

  // Labels shown by several controls go where each of their controls stands.
  DialogTemplateText two{u"Two", {{20, u"Open kinds"}, {21, u""}, {22, u""}}};
  IndexedPage split{u"Two", u"", two, {u"open a", u"b", u"open c"}, 0, {{22, 0}, {21, 0}, {21, 1}}};
  SearchIndex both({split});
  EXPECT_EQ(both.Walk({{0, {}}}, [&](size_t p) { return both.Hits(p, open); }),
            (std::vector<SearchMatch>{{0, 20}, {0, 21, 1}, {0, 22, 0}}));
}

// The localisation module's templates and strings, as the library reads them.
class ModuleResources : public TemplateSource, public StringSource {
 public:
  std::span<const uint8_t> Template(uint32_t id) const override {
    const std::vector<uint8_t>* data = ResourceFile::Localisation().Dialog(id);
    return data ? std::span<const uint8_t>(*data) : std::span<const uint8_t>();
  }
  std::u16string Load(uint32_t id) const override {
    return ResourceFile::Localisation().String(id);
  }
};

std::u16string WithoutMnemonic(std::u16string text) {
  if (size_t amp = text.find(u'&'); amp != std::u16string::npos) text.erase(amp, 1);
  return text;
}

// Every caption, label and option text of every page is in the index and is found there.
TEST(CustomizeIndex, FindsEveryCaptionAndLabelOfEveryPage) {
  if (!ResourceFile::Localisation().Loaded()) GTEST_SKIP() << "no compiled localisation module";
  const ModuleResources res;
  const SearchIndex index = BuildCustomizeIndex(res, res);
  ASSERT_EQ(index.Size(), page::kCount);
  for (size_t p = 0; p < page::kCount; ++p) {
    const PageDescriptor& page = *CustomizePages()[p];
    SCOPED_TRACE(testing::Message() << "page " << page.templateId);
    const std::span<const uint8_t> bytes = res.Template(page.templateId);
    const std::optional<DialogTemplateText> text = ReadDialogTemplateText(bytes.data(), bytes.size());
    ASSERT_TRUE(text);
    EXPECT_EQ(index.Page(p).title, text->caption);
    EXPECT_EQ(index.Page(p).listControl, page.optionList);
    auto listed = [&](const std::u16string& words) {
      for (const PageListRow& r : index.List(ParseSearchQuery(words), kFolder))
        if (r.page == p) return true;
      return false;
    };
    EXPECT_TRUE(listed(text->caption));
    for (const TemplateControl& c : text->controls) {
      if (c.title.empty() || IsSearchIgnoredControl(c.id)) continue;
      const std::u16string words = WithoutMnemonic(c.title);
      const PageHits hits = index.Hits(p, OptionQuery(words, kFolder));
      EXPECT_NE(std::find(hits.controls.begin(), hits.controls.end(), c.id), hits.controls.end())
          << "control " << c.id << " " << Narrow(words);
      EXPECT_TRUE(listed(words)) << Narrow(words);
    }
    for (size_t i = 0; uint16_t id = AdditionalTextId(page, i); ++i) {
      const std::u16string words = WithoutMnemonic(res.Load(id));
      ASSERT_LT(i, index.Page(p).labels.size()) << "label " << id;
      const PageHits hits = index.Hits(p, OptionQuery(words, kFolder));
      EXPECT_NE(std::find(hits.rows.begin(), hits.rows.end(), i), hits.rows.end())
          << "label " << id << " " << Narrow(words);
      EXPECT_TRUE(listed(words)) << Narrow(words);
      // Each label is shown by a control of the page, where its mark can go.
      const LabelPlace place = index.Page(p).PlaceOf(i);
      EXPECT_TRUE(std::any_of(text->controls.begin(), text->controls.end(),
                              [&](const TemplateControl& c) { return c.id == place.control; }))
          << "label " << id << " in control " << place.control;
      EXPECT_GE(place.row, 0);
    }
  }
}

}  // namespace
}  // namespace scrv

namespace scrv {
namespace {

// The sheet's search over the small index: File and Status hold changes (File in its second
// row, Status in control 61).
class OpenSheet : public SmallIndex {
 protected:
  OpenSheet()
      : search(index, kFolder, [](size_t p) { return p != 1; },
               [](size_t p) { return p == 0 ? PageHits{{}, {1}} : p == 2 ? PageHits{{61}, {}} : PageHits{}; }) {}
  SheetSearch search;
};

TEST_F(OpenSheet, StepsThroughEveryPlaceAcrossPagesAndStartsAgainOnANewQuery) {
  EXPECT_FALSE(search.HasQuery());
  EXPECT_EQ(search.Rows().size(), 3u);
  EXPECT_EQ(search.Step(false), std::nullopt);  // nothing typed: nothing to go to

  search.Update(u"width");
  ASSERT_EQ(search.Rows().size(), 1u);
  EXPECT_EQ(search.Step(false), (SearchMatch{1, 10}));
  EXPECT_EQ(search.Step(false), (SearchMatch{1, 12}));
  EXPECT_EQ(search.Step(false), (SearchMatch{1, 10}));  // round the end
  EXPECT_EQ(search.Step(true), (SearchMatch{1, 12}));

  search.Update(u"tab");
  EXPECT_EQ(search.Step(false), (SearchMatch{0, 50, 1}));  // File's row "Open in a new tab"
  EXPECT_EQ(search.FirstOn(1), (SearchMatch{1, 10}));
  EXPECT_EQ(search.Current(), (SearchMatch{1, 10}));
  EXPECT_EQ(search.FirstOn(2), std::nullopt);  // not listed

  search.Update(u"nothing at all");
  EXPECT_TRUE(search.NoMatch());
  EXPECT_EQ(search.Step(false), std::nullopt);
  search.Update(u"  ");
  EXPECT_FALSE(search.NoMatch());
}

TEST_F(OpenSheet, ModifiedLeadsToTheChangedSettingsOfTheListedPages) {
  search.Update(u"@modified");
  ASSERT_EQ(search.Rows().size(), 2u);
  EXPECT_EQ(search.Places(0), (PageHits{{}, {1}}));
  EXPECT_EQ(search.Step(false), (SearchMatch{0, 50, 1}));
  EXPECT_EQ(search.Step(false), (SearchMatch{2, 61}));
  // Combined with a word, both the matches and the changes of a listed page are places.
  search.Update(u"@modified encoding");
  EXPECT_EQ(search.Places(0), (PageHits{{}, {0, 1}}));
  EXPECT_EQ(search.Places(2), (PageHits{{61}, {0}}));
}

}  // namespace
}  // namespace scrv
