// The Active string page: the table of actions on recognised text (the page's extension, kept
// in record 0 as the entries that differ from the built-in ones) and the kind and occasion
// last chosen.

#include "customize/customize_pages.h"
#include "resource_ids.h"
#include "customize/customize_environment.h"
#include "customize/page_extensions.h"
#include "frame/anchor_layout.h"
#include "settings/record_table.h"

namespace scrv {
namespace {

constexpr SettingRow kRows[] = {
    Dword(u"CustASType", 0),
    Dword(u"CustASWhen", 0),
};

// What searches find on this page: the kinds of active string, the occasions and the actions.
constexpr uint16_t kExtraTexts[] = {
    IDS_AS_KIND_URL,           IDS_AS_KIND_MAIL,          IDS_AS_KIND_FILE,
    IDS_AS_KIND_IPV4,          IDS_AS_KIND_IPV6,          IDS_AS_KIND_COLOR_HEX,
    IDS_AS_KIND_COLOR_RGB,     IDS_AS_KIND_DATE,          IDS_AS_KIND_TIME,
    IDS_AS_KIND_GUID,          IDS_AS_KIND_UNICODE,       IDS_AS_KIND_NUMBER,
    IDS_AS_KIND_HEX_NUMBER,    IDS_AS_KIND_PHONE,         IDS_AS_KIND_ISBN,
    IDS_AS_KIND_ENTITY,        IDS_AS_KIND_ESCAPE,        IDS_AS_KIND_HTML_TAG,
    IDS_AS_KIND_MACRO_VAR,     IDS_AS_KIND_ENV_VAR,       IDS_AS_KIND_REGISTRY,
    IDS_AS_KIND_WORD,          IDS_AS_OCCASION_FIRST,     IDS_AS_OCCASION_FIRST + 1,
    IDS_AS_OCCASION_FIRST + 2, IDS_AS_OCCASION_FIRST + 3, IDS_AS_OCCASION_FIRST + 4,
    IDS_AS_ACTION_FIRST,       IDS_AS_ACTION_FIRST + 1,   IDS_AS_ACTION_FIRST + 2,
    IDS_AS_ACTION_FIRST + 3,   IDS_AS_ACTION_FIRST + 4,   IDS_AS_ACTION_FIRST + 5,
    IDS_AS_ACTION_FIRST + 6,   IDS_AS_ACTION_FIRST + 7,   IDS_AS_ACTION_FIRST + 8,
    IDS_AS_ACTION_FIRST + 9,   IDS_AS_ACTION_FIRST + 10,  IDS_AS_ACTION_FIRST + 11,
};

constexpr Anchor kAnchors[] = {
    {IDC_AS_KINDS, anchor::kStretchHalfX | anchor::kStretchHalfY},
    {IDC_AS_OCCASIONS_LABEL, anchor::kMoveHalfX},
    {IDC_AS_OCCASIONS, anchor::kSpanHalfToRight},
    {IDC_AS_OCCASIONS, anchor::kStretchHalfY},
    {IDC_AS_ACTION_LABEL, anchor::kMoveHalfY},
    {IDC_AS_ACTION, anchor::kMoveHalfY},
    {IDC_AS_ACTION, anchor::kStretchRight},
    {IDC_AS_TEXT_LABEL, anchor::kMoveHalfY},
    {IDC_AS_TEXT, anchor::kMoveHalfY},
    {IDC_AS_TEXT, anchor::kStretchRight},
    {IDC_AS_VARIABLES, anchor::kMoveRight | anchor::kMoveHalfY},
    {IDC_AS_MACROS_LABEL, anchor::kMoveHalfY},
    {IDC_AS_MACROS, anchor::kMoveHalfY},
    {IDC_AS_MACROS, anchor::kStretchHalfX},
    {IDC_AS_COMMANDS_LABEL, anchor::kMoveHalfX | anchor::kMoveHalfY},
    {IDC_AS_COMMANDS, anchor::kMoveHalfY},
    {IDC_AS_COMMANDS, anchor::kSpanHalfToRight},
};

}  // namespace

const PageDescriptor kActiveStringPage = [] {
  PageDescriptor d =
      Describe(IDD_CUST_ACTIVE_STRING, HELP_TOPIC_CUST_ACTIVE_STRING, kRows, {}, {}, kAnchors);
  d.extraTexts = kExtraTexts;
  d.extension = [] { return std::unique_ptr<PageExtension>(new ActiveStringExtension); };
  return d;
}();

void ActiveStringExtension::Load(PageModel&, SettingsStore&, SettingsHandle,
                                 CustomizeEnvironment& env) {
  const std::optional<RecordLists> lists = env.ReadRecord(record::kActiveS);
  table = lists ? ReadActiveStrings(*lists) : BuiltinActiveStrings();
  loaded = table;
}

uint64_t ActiveStringExtension::Save(PageModel&, SaveContext& ctx) {
  auto same = [&ctx](std::u16string_view a, std::u16string_view b) {
    return ctx.env.SameTextIgnoringCase(a, b);
  };
  const RecordLists lists = ActiveStringLists(table, same);
  ctx.env.WriteRecord(record::kActiveS, lists);
  return lists != ActiveStringLists(loaded, same) ? 0x4000 : 0;
}

}  // namespace scrv
