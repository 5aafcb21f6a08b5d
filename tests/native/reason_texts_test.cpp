// The sentences the dialogs show when they refuse an input or will not take it as typed, with
// the localisation module's own texts: which case gets which sentence, and how the details of
// the case fill it in.

#include <gtest/gtest.h>

#include "frame/reason_text.h"
#include "frame/text_case.h"
#include "integration/file_associations.h"
#include "marker_test_util.h"
#include "markers/marker_sheet.h"
#include "resource_file.h"
#include "tools/extract_frequent.h"
#include "tools/jump.h"
#include "tools/number_range_model.h"

namespace scrv {
namespace {

std::u16string Text(uint32_t id) {
  return testing_res::ResourceFile::Localisation().String(id);
}

TEST(ReasonTexts, ArgumentsFillTheirNumberedPlaces) {
  EXPECT_EQ(FillArguments(u"%2 before %1, 100%% sure", {u"a", u"b"}), u"b before a, 100% sure");
  EXPECT_EQ(FillArguments(u"%3 is missing; % stays", {u"a"}), u" is missing; % stays");
  EXPECT_EQ(DecimalText(-42), u"-42");
}

TEST(ReasonTexts, TheExtractCountSaysWhatIsWrongWithIt) {
  const struct {
    std::u16string_view field;
    std::u16string reason;
  } cases[] = {
      {u"25", u""},
      {u"", u"Type how many strings to extract (1 or more)."},
      {u"  ", u"Type how many strings to extract (1 or more)."},
      {u"0", u"Extract at least 1 string."},
      {u"000", u"Extract at least 1 string."},
      {u"2147483648", u"At most 2147483647 strings can be extracted."},
      {u"-3", u"The number of strings is not a number."},
  };
  for (const auto& c : cases)
    EXPECT_EQ(LineCountReason(c.field, Text), c.reason)
        << std::string(c.field.begin(), c.field.end());
}

TEST(ReasonTexts, JumpNotesWhatOkDoesWithAFieldItWillNotTakeAsItIs) {
  const JumpModel oneBased({119, 7, -1}, false, {});
  const JumpModel asIs({119, 7, -1}, true, {});
  EXPECT_EQ(oneBased.FieldNote(5u, 120, u"&Line number:", Text), u"");
  EXPECT_EQ(oneBased.FieldNote(std::nullopt, 120, u"&Line number:", Text),
            u"Line number is not a number: OK keeps 120.");
  EXPECT_EQ(oneBased.FieldNote(0u, 120, u"&Line number:", Text),
            u"Line number lies outside 1 to 2147483646: OK uses 1.");
  EXPECT_EQ(asIs.FieldNote(0u, 119, u"Line number", Text), u"");
  EXPECT_EQ(asIs.FieldNote(4000000000u, 119, u"C&olumn:", Text),
            u"Column lies outside 0 to 2147483646: OK uses 2147483646.");
}

TEST(ReasonTexts, TheFileTypeSaysWhyItsOkIsGreyed) {
  const AsciiTextCase ascii;
  const struct {
    std::u16string_view extension, iconFile;
    bool iconSelected;
    std::u16string reason;
  } cases[] = {
      {u"", u"icons.dll", true, u"Type an extension, such as txt."},
      {u".", u"icons.dll", true, u"Type an extension, such as txt."},
      {u"EXE", u"icons.dll", true, u"Programs and workspaces cannot be opened with the editor."},
      {u"txt", u"", true, u"Choose an icon file (Browse)."},
      {u"txt", u"icons.dll", false, u"The icon file holds no icon to choose."},
      {u"txt", u"icons.dll", true, u""},
  };
  for (const auto& c : cases) {
    const NormalizedExtension ext = NormalizeExtension(c.extension, ascii);
    const uint32_t id = AssociationRefusalText(ext, c.iconFile, c.iconSelected);
    EXPECT_EQ(id ? Text(id) : u"", c.reason);
    EXPECT_EQ(id == 0, CanAcceptAssociation(ext, c.iconFile, c.iconSelected));
  }
}

TEST(ReasonTexts, AnInvalidMarkerIsNamedByItsNumberAndText) {
  namespace mf = marker_flag;
  const MarkerList markers = {M(u"ok", '0', mf::kOn), M(u"a(b", '1', mf::kOn | mf::kRegExp),
                              M(std::u16string(60, u'x'), '2', mf::kOn | mf::kRegExp)};
  EXPECT_EQ(InvalidMarkerReason(markers, 1, Text),
            u"Marker 2, \"a(b\", is not a valid regular expression: correct it, clear Regular "
            u"expression, or turn the marker off.");
  EXPECT_NE(InvalidMarkerReason(markers, 2, Text).find(std::u16string(40, u'x') + u"\u2026\","),
            std::u16string::npos);
  EXPECT_EQ(InvalidMarkerReason(markers, -1, Text), u"");
}

TEST(ReasonTexts, ANumberRangeCutOnOpeningSaysSoUntilTheInputChanges) {
  const std::u16string longText = u"[1 , 2]" + std::u16string(200, u' ');
  NumberRangeDialogState state = InitialNumberRangeState(longText, u'.');
  EXPECT_TRUE(state.cut);
  EXPECT_EQ(NumberRangeReasonText(NumberRangeReasonOf(state), Text),
            u"The range handed over was longer than 159 characters; only its first 159 are used.");
  NumberRangeFieldsChanged(state);
  EXPECT_FALSE(state.cut);
  EXPECT_EQ(NumberRangeReasonText(NumberRangeReasonOf(state), Text), u"");
  EXPECT_FALSE(InitialNumberRangeState(u"[1 , 2]", u'.').cut);
}

}  // namespace
}  // namespace scrv
