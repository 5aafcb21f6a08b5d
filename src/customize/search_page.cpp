// The Search page: the find bar, highlighting, the regular-expression engine and prompts.

#include "customize/customize_pages.h"
#include "resource_ids.h"
#include "settings/flag_table.h"
#include "settings/small_value_table.h"

namespace scrv {
namespace {

enum : uint8_t {
  kFindFont,
  kHighlight,
  kFocusView,
  kEscClose,
  kDisableShortcuts,
  kOccurrence,
  kPromptEnd,
  kEngine,
  kSyncHistory,
  kSkipNumRange,
  kPromptIncSearch,
};

constexpr SettingRow kRows[] = {
    SmallDword(small_value::kChangeFindFont), FlagDword(flag::kHighlightRF),
    FlagDword(flag::kFindBarFocusView),       FlagDword(flag::kFindBarEscClose),
    FlagDword(flag::kDisableShortcuts),       Dword(u"AddOccurrenceFlags", 66),
    FlagDword(flag::kPromptSearchedEnd),      SmallDword(small_value::kRegexEngine).Bits(0x4100),
    FlagDword(flag::kSyncFindHistory),        Flag(flag::kSkipNumRange),
    Flag(flag::kPromptDisableIncSearch),
};

constexpr uint16_t kEngines[] = {IDS_ENGINE_BOOST, IDS_ENGINE_ONIGMO};

constexpr Binding kBindings[] = {
    Check(IDC_SEARCH_FIND_FONT, kFindFont),
    Check(IDC_SEARCH_HIGHLIGHT, kHighlight),
    Check(IDC_SEARCH_FOCUS_VIEW, kFocusView),
    Check(IDC_SEARCH_ESC_CLOSE, kEscClose),
    Check(IDC_SEARCH_DISABLE_SHORTCUTS, kDisableShortcuts),
    BitBox(IDC_SEARCH_OCCURRENCE_CASE, kOccurrence, 0x2),
    BitBox(IDC_SEARCH_OCCURRENCE_WORD, kOccurrence, 0x40),
    Check(IDC_SEARCH_PROMPT_END, kPromptEnd),
    Combo(IDC_SEARCH_ENGINE, kEngine, kEngines),
    Check(IDC_SEARCH_SYNC_HISTORY, kSyncHistory),
    Inverted(IDC_SEARCH_NUM_RANGE, kSkipNumRange),
    Check(IDC_SEARCH_PROMPT_INC, kPromptIncSearch),
};

}  // namespace

const PageDescriptor kSearchPage =
    Describe(IDD_CUST_SEARCH, HELP_TOPIC_CUST_SEARCH, kRows, kBindings);

}  // namespace scrv
