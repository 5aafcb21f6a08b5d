// The File page: what opening and saving files asks and remembers, the default byte range of a
// partly opened file and the file types of the Open dialog.

#include "customize/customize_pages.h"
#include "customize/page_model.h"
#include "resource_ids.h"
#include "frame/anchor_layout.h"
#include "settings/flag_table.h"

namespace scrv {
namespace {

enum : uint8_t {
  kSaveOpenDir,
  kPromptNewFile,
  kPromptNetworkNew,
  kAddRecentDocs,
  kShowDetect,
  kShowDetectGrep,
  kAvoidPrinterAccess,
  kAutoLargeFileBar,
  kPromptPortionOpened,
  kPromptOpenFilter,
  kPromptOddSizeUtf16,
  kFileMappingSave,
  kBytesFrom,
  kBytesTo,
  kUtf8Size,
  kFileFilter,
  kRangeUnit,
};

constexpr SettingRow kRows[] = {
    Flag(flag::kSaveOpenDir),
    Flag(flag::kPromptNewFile),
    Flag(flag::kPromptNetworkNew),
    Flag(flag::kAddRecentDocs),
    Dword(u"ShowDetect", 1),
    Dword(u"ShowDetectGrep", 0),
    Flag(flag::kAvoidPrinterAccess).Bits(0x100),
    Flag(flag::kAutoLargeFileBar),
    Flag(flag::kPromptPortionOpened),
    Flag(flag::kPromptOpenFilter),
    Flag(flag::kPromptOddSizeUTF16),
    Flag(flag::kFileMappingSave),
    Qword(u"DefaultBytesFrom", 0).Bits(0x4000),
    Qword(u"DefaultBytesTo", 0).Bits(0x4000),
    Qword(u"DetectUTF8Size", 0x80000),
    Text(u"FileFilter", 256, u"*.txt;*.bat;*.htm;*.html;*.ini;*.inf;*.log;*.mac").Always(),
    Transient(1),  // the unit the range is shown in
};

constexpr uint16_t kUnitItems[] = {IDS_UNIT_BYTES, IDS_UNIT_KB, IDS_UNIT_MB, IDS_UNIT_GB,
                                   IDS_UNIT_TB};
constexpr uint64_t kUnits[] = {1, 1024, 1048576, 1073741824, 1099511627776};

constexpr Binding kBindings[] = {
    Option(Check(IDS_FILE_SAVE_OPEN_DIR, kSaveOpenDir)),
    Option(Check(IDS_FILE_PROMPT_NEW, kPromptNewFile)),
    Option(Check(IDS_FILE_PROMPT_NETWORK_NEW, kPromptNetworkNew)),
    Option(Check(IDS_FILE_ADD_RECENT_DOCS, kAddRecentDocs)),
    Option(Choice(IDS_FILE_SHOW_DETECT, kShowDetect, 1, 0)),
    Option(Choice(IDS_FILE_SHOW_DETECT_FAILED, kShowDetect, 2, 0)),
    Option(Check(IDS_FILE_SHOW_DETECT_GREP, kShowDetectGrep)),
    Option(Check(IDS_FILE_AVOID_PRINTER, kAvoidPrinterAccess)),
    Option(Check(IDS_FILE_LARGE_FILE_BAR, kAutoLargeFileBar)),
    Option(Check(IDS_FILE_PROMPT_PORTION, kPromptPortionOpened)),
    Option(Check(IDS_FILE_PROMPT_FILTER, kPromptOpenFilter)),
    Option(Check(IDS_FILE_PROMPT_ODD_UTF16, kPromptOddSizeUtf16)),
    Option(Check(IDS_FILE_MAPPING_SAVE, kFileMappingSave)),
    Scaled(IDC_FILE_RANGE_FROM, kBytesFrom, kRangeUnit),
    Scaled(IDC_FILE_RANGE_TO, kBytesTo, kRangeUnit),
    Combo(IDC_FILE_RANGE_UNIT, kRangeUnit, kUnitItems, kUnits),
    Number(IDC_FILE_UTF8_SIZE, kUtf8Size),
    Edit(IDC_FILE_FILTER, kFileFilter),
};

constexpr EnableRule kEnables[] = {
    {IDS_FILE_SHOW_DETECT_FAILED, Effect::kLockOff, IDS_FILE_SHOW_DETECT},
    {IDS_FILE_SHOW_DETECT_GREP, Effect::kEnable, IDS_FILE_SHOW_DETECT, IDS_FILE_SHOW_DETECT_FAILED},
};

constexpr Anchor kAnchors[] = {
    {IDC_CUST_OPTIONS, anchor::kStretchRight | anchor::kStretchBottom},
    {IDC_FILE_RANGE_LABEL, anchor::kMoveBottom},
    {IDC_FILE_RANGE_FROM, anchor::kMoveBottom},
    {IDC_FILE_RANGE_TO_LABEL, anchor::kMoveBottom},
    {IDC_FILE_RANGE_TO, anchor::kMoveBottom},
    {IDC_FILE_RANGE_UNIT_LABEL, anchor::kMoveBottom},
    {IDC_FILE_RANGE_UNIT, anchor::kMoveBottom},
    {IDC_FILE_UTF8_LABEL, anchor::kMoveBottom},
    {IDC_FILE_UTF8_SIZE, anchor::kMoveBottom},
    {IDC_FILE_UTF8_UNIT, anchor::kMoveBottom},
    {IDC_FILE_FILTER_LABEL, anchor::kMoveBottom},
    {IDC_FILE_FILTER, anchor::kMoveBottom},
    {IDC_FILE_FILTER, anchor::kStretchRight},
    {IDC_FILE_ASSOCIATE, anchor::kMoveBottom},
    {IDC_CUST_RESET, anchor::kMoveRight | anchor::kMoveBottom},
};

// The byte range is shown in one unit for both bounds; when one bound is left smaller than
// the other, the other follows it by one unit.
class FileRules : public PageRules {
 public:
  void AfterLoad(PageModel& m, SettingsStore&, SettingsHandle,
                 CustomizeEnvironment&) const override {
    // The largest unit both bounds are whole multiples of; bytes while there is no range.
    const uint64_t from = m.Working(kBytesFrom).number, to = m.Working(kBytesTo).number;
    uint64_t unit = 1;
    for (uint64_t u : kUnits)
      if ((from || to) && from % u == 0 && to % u == 0) unit = u;
    m.Working(kRangeUnit).number = unit;
    m.MarkLoaded(kRangeUnit);
  }

  void OnChange(PageModel& m, uint16_t id) const override {
    const uint64_t unit = m.Working(kRangeUnit).number ? m.Working(kRangeUnit).number : 1;
    uint64_t& from = m.Working(kBytesFrom).number;
    uint64_t& to = m.Working(kBytesTo).number;
    if (to == 0 || to >= from) return;
    if (id == IDC_FILE_RANGE_FROM)
      to = from <= UINT64_MAX - unit ? from + unit : UINT64_MAX;
    else if (id == IDC_FILE_RANGE_TO)
      from = to >= unit ? to - unit : 0;
  }
};

const FileRules kRules;

}  // namespace

const PageDescriptor kFilePage = [] {
  PageDescriptor d =
      Describe(IDD_CUST_FILE, HELP_TOPIC_CUST_FILE, kRows, kBindings, kEnables, kAnchors, &kRules);
  d.optionList = IDC_CUST_OPTIONS;
  d.resetButton = IDC_CUST_RESET;
  return d;
}();

}  // namespace scrv
