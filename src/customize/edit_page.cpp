// The Edit page: editing behaviour, the characters that make up words and the tag jump
// expression.

#include "customize/customize_pages.h"
#include "resource_ids.h"
#include "frame/anchor_layout.h"
#include "settings/flag_table.h"

namespace scrv {
namespace {

enum : uint8_t { kTagFind = 20, kTagFile, kTagLine, kTagCol, kWordChars, kTagRegexp };

constexpr uint64_t kOptionBits = 0x4000;
constexpr SettingRow kRows[] = {
    Flag(flag::kSaveOverwrite).Bits(kOptionBits),
    Flag(flag::kEnableMultiSel).Bits(kOptionBits),
    Flag(flag::kHTMLReadOnly).Bits(kOptionBits),
    Flag(flag::kPromptNoClipboard).Bits(kOptionBits),
    Flag(flag::kKeepCaretXPos).Bits(kOptionBits),
    Flag(flag::kUndoCharByChar).Bits(kOptionBits),
    Flag(flag::kDiscardLengthyUndo).Bits(kOptionBits),
    Flag(flag::kPromptNoUndo).Bits(kOptionBits),
    Flag(flag::kAutoCopy).Bits(kOptionBits),
    Flag(flag::kPromptTooManyCol).Bits(kOptionBits),
    Dword(u"TreatAmbiguousFull", 0).Bits(kOptionBits),
    Flag(flag::kClipHist).Bits(kOptionBits),
    Flag(flag::kInfoUndoHistory).Bits(kOptionBits),
    Flag(flag::kMultiselCopyNL).Bits(kOptionBits),
    Flag(flag::kMultiselKeepSel).Bits(kOptionBits),
    Flag(flag::kWordRightType).Bits(kOptionBits),
    Flag(flag::kWordLeftType).Bits(kOptionBits),
    Flag(flag::kIgnoreLastCharSJ).Bits(kOptionBits),
    Flag(flag::kInspectSelOnlyDD).Bits(kOptionBits),
    Flag(flag::kDuplicateExtendSel).Bits(kOptionBits),
    Text(u"TagFind", 260, uR"re(^([\w\\\- :\.&\$%~!\(\)]*?)\(([\-0-9]+)\:{0,1}([\-0-9]*\)\:).*)re")
        .Bits(0x100),
    Text(u"TagFile", 260, uR"(\1)").Always(),
    Text(u"TagLine", 260, uR"(\2)").Always(),
    Text(u"TagCol", 260, uR"(\3)").Always(),
    Text(u"AlphanumericChars", 260, u"_").Bits(0x4000),
    Dword(u"TagRegexp", 0).Bits(0x100),
};

constexpr Binding kBindings[] = {
    Option(Check(IDS_EDIT_SAVE_OVERWRITE, 0)),
    Option(Check(IDS_EDIT_MULTI_SEL, 1)),
    Option(Check(IDS_EDIT_HTML_READ_ONLY, 2)),
    Option(Check(IDS_EDIT_PROMPT_NO_CLIPBOARD, 3)),
    Option(Check(IDS_EDIT_KEEP_CARET_X, 4)),
    Option(Check(IDS_EDIT_UNDO_CHAR, 5)),
    Option(Check(IDS_EDIT_DISCARD_UNDO, 6)),
    Option(Check(IDS_EDIT_PROMPT_NO_UNDO, 7)),
    Option(Check(IDS_EDIT_AUTO_COPY, 8)),
    Option(Check(IDS_EDIT_PROMPT_TOO_MANY_COL, 9)),
    Option(Check(IDS_EDIT_AMBIGUOUS_FULL, 10)),
    Option(Check(IDS_EDIT_CLIP_HISTORY, 11)),
    Option(Check(IDS_EDIT_UNDO_HISTORY_INFO, 12)),
    Option(Check(IDS_EDIT_MULTI_COPY_NL, 13)),
    Option(Check(IDS_EDIT_MULTI_KEEP_SEL, 14)),
    Option(Check(IDS_EDIT_WORD_RIGHT, 15)),
    Option(Check(IDS_EDIT_WORD_LEFT, 16)),
    Option(Check(IDS_EDIT_IGNORE_LAST_SJ, 17)),
    Option(Check(IDS_EDIT_INSPECT_DD, 18)),
    Option(Check(IDS_EDIT_DUPLICATE_EXTEND, 19)),
    Edit(IDC_EDIT_TAG_FIND, kTagFind),
    Edit(IDC_EDIT_TAG_FILE, kTagFile),
    Edit(IDC_EDIT_TAG_LINE, kTagLine),
    Edit(IDC_EDIT_TAG_COL, kTagCol),
    Edit(IDC_EDIT_WORD_CHARS, kWordChars),
    Check(IDC_EDIT_TAG_REGEXP, kTagRegexp),
};

// The parts of the tag expression mean something only for a regular expression.
constexpr EnableRule kEnables[] = {
    {IDC_EDIT_TAG_FIND, Effect::kEnable, IDC_EDIT_TAG_REGEXP},
    {IDC_EDIT_TAG_FIND_LABEL, Effect::kEnable, IDC_EDIT_TAG_REGEXP},
    {IDC_EDIT_TAG_FILE, Effect::kEnable, IDC_EDIT_TAG_REGEXP},
    {IDC_EDIT_TAG_FILE_LABEL, Effect::kEnable, IDC_EDIT_TAG_REGEXP},
    {IDC_EDIT_TAG_LINE, Effect::kEnable, IDC_EDIT_TAG_REGEXP},
    {IDC_EDIT_TAG_LINE_LABEL, Effect::kEnable, IDC_EDIT_TAG_REGEXP},
    {IDC_EDIT_TAG_COL, Effect::kEnable, IDC_EDIT_TAG_REGEXP},
    {IDC_EDIT_TAG_COL_LABEL, Effect::kEnable, IDC_EDIT_TAG_REGEXP},
};

constexpr Anchor kAnchors[] = {
    {IDC_CUST_OPTIONS, anchor::kStretchRight | anchor::kStretchBottom},
    {IDC_EDIT_WORD_CHARS_LABEL, anchor::kMoveBottom},
    {IDC_EDIT_WORD_CHARS, anchor::kMoveBottom},
    {IDC_EDIT_WORD_CHARS, anchor::kStretchRight},
    {IDC_EDIT_TAG_GROUP, anchor::kMoveBottom},
    {IDC_EDIT_TAG_GROUP, anchor::kStretchRight},
    {IDC_EDIT_TAG_REGEXP, anchor::kMoveBottom},
    {IDC_EDIT_TAG_FIND_LABEL, anchor::kMoveBottom},
    {IDC_EDIT_TAG_FIND, anchor::kMoveBottom},
    {IDC_EDIT_TAG_FIND, anchor::kStretchRight},
    {IDC_EDIT_TAG_FILE_LABEL, anchor::kMoveBottom},
    {IDC_EDIT_TAG_FILE, anchor::kMoveBottom},
    {IDC_EDIT_TAG_LINE_LABEL, anchor::kMoveBottom},
    {IDC_EDIT_TAG_LINE, anchor::kMoveBottom},
    {IDC_EDIT_TAG_COL_LABEL, anchor::kMoveBottom},
    {IDC_EDIT_TAG_COL, anchor::kMoveBottom},
};

}  // namespace

const PageDescriptor kEditPage = [] {
  PageDescriptor d =
      Describe(IDD_CUST_EDIT, HELP_TOPIC_CUST_EDIT, kRows, kBindings, kEnables, kAnchors);
  d.optionList = IDC_CUST_OPTIONS;
  return d;
}();

}  // namespace scrv
