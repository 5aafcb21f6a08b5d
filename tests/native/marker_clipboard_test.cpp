#include "markers/marker_clipboard.h"

#include <gtest/gtest.h>

#include "marker_test_util.h"

namespace scrv {
namespace {

namespace mf = marker_flag;
using namespace std::string_view_literals;

TEST(MarkerClipboard, CopyWritesOneLinePerMarkerWithTheLettersInOrder) {
  MarkerList markers = {
      M(u"error", '9', mf::kOn | mf::kWholeWord | mf::kRegExp | mf::kMatchCase | mf::kNamed,
        u"Errors"),
      M(u"todo", '0', 0),
  };
  EXPECT_EQ(FormatMarkerLines(markers),
            u"on\terror\tErrors\t10\tCRWT\r\n"
            u"off\ttodo\t\t1\t\r\n");
}

TEST(MarkerClipboard, LinesInTheCopyFormatReadBackUnchanged) {
  const std::u16string lines =
      u"on\terror\tErrors\t10\tCRWT\r\n"
      u"off\ttodo\t\t1\t\r\n"
      u"on\ta\tb\tname\t4\tW\r\n"  // a text holding a tab
      u"off\t\t\t7\tR\r\n";
  MarkerList markers = ParseMarkerLines(lines);
  ASSERT_EQ(markers.size(), 4u);
  EXPECT_EQ(markers[2].text, u"a\tb");
  EXPECT_EQ(markers[2].name, u"name");
  EXPECT_EQ(FormatMarkerLines(markers), lines);
}

TEST(MarkerClipboard, PastedLinesOfEveryShape) {
  struct Case {
    const char16_t* line;
    Marker expected;
  } cases[] = {
      {u"ON\tx\tn\t3\twc", M(u"x", '2', mf::kOn | mf::kWholeWord | mf::kMatchCase, u"n")},
      {u"off\tx\t\t2\tTZR?", M(u"x", '1', mf::kNamed | mf::kRegExp)},
      {u"on\tx", M(u"x", '0', mf::kOn)},
      {u"on", M(u"", '0', mf::kOn)},
      {u"on\tx\t\t0\t", M(u"x", '0', mf::kOn)},
      {u"on\tx\t\t11\t", M(u"x", '0', mf::kOn)},
      {u"on\tx\t\t-3\t", M(u"x", '0', mf::kOn)},
      {u"on\tx\t\t99999999999999\t", M(u"x", '0', mf::kOn)},
      // Lines from elsewhere: the second field, or the whole line.
      {u"1\tfoo\tbar\t5\tC", M(u"foo", '0', mf::kOn)},
      {u"just text", M(u"just text", '0', mf::kOn)},
      {u"\tleading tab", M(u"leading tab", '0', mf::kOn)},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseMarkerLine(c.line), c.expected) << "line";
}

TEST(MarkerClipboard, PasteSplitsAtLineFeedsSkipsEmptyLinesAndStopsAtNul) {
  MarkerList got = ParseMarkerLines(u"a\n\r\nb\r\n\nc\r\0d"sv);
  ASSERT_EQ(got.size(), 3u);
  EXPECT_EQ(got[0].text, u"a");
  EXPECT_EQ(got[1].text, u"b");
  EXPECT_EQ(got[2].text, u"c");
  EXPECT_TRUE(ParseMarkerLines(u"").empty());
  EXPECT_TRUE(ParseMarkerLines(u"\r\n\n").empty());
}

TEST(MarkerClipboard, PastedTextAndNameAreCutToTheirLimits) {
  std::u16string line =
      u"on\t" + std::u16string(10050, u'x') + u"\t" + std::u16string(100, u'n') + u"\t2\tT";
  Marker m = ParseMarkerLine(line);
  EXPECT_EQ(m.text.size(), kMarkerTextMax);
  EXPECT_EQ(m.name.size(), kMarkerNameMax);
  EXPECT_EQ(m.color, '1');
}

}  // namespace
}  // namespace scrv
