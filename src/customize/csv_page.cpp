// The CSV page: editing options of separated-value documents, the default separator width and
// the list of formats (the page's extension), whose save step also moves the configurations'
// enabled-format bits along with the formats and tells the host where each format went.

#include "customize/customize_pages.h"
#include "resource_ids.h"
#include "customize/customize_environment.h"
#include "customize/page_extensions.h"
#include "frame/anchor_layout.h"
#include "settings/record_table.h"
#include "settings/flag_table.h"

namespace scrv {
namespace {

enum : uint8_t {
  kDragSep,
  kNoEditHeadings,
  kAdjustVisible,
  kDblclkSelect,
  kAutoCell,
  kShowTip,
  kCellBar,
  kCellBarFocus,
  kCellBarHeight,
  kShowHeader,
  kHeaderType,
  kAutoFill,
  kDragDrop,
  kKeepColumns,
  kTabCreate,
  kDblclkHeader,
  kDblclkCreate,
  kSepWidth,
};

// A change from the header options on redraws the documents.
constexpr uint64_t kBits = 0x4000;
constexpr SettingRow kRows[] = {
    Dword(u"DragSepOnlyHeadings", 1).Always(),
    Dword(u"NoEditHeadings", 0).Always().Bits(kBits),
    Dword(u"AdjustColumnVisible", 3).Always().Bits(kBits),
    Dword(u"DblclkSelectCell", 0).Always(),
    Flag(flag::kAutoCsvCell),
    Dword(u"ShowCsvTip", 1).Always(),
    Dword(u"ShowCellBarCsv", 1).Always(),
    Dword(u"CellBarFocus", 0).Always(),
    Dword(u"CellBarAutoHeight", 0).Always(),
    Dword(u"ShowHeader", 1).Always().Bits(kBits),
    Dword(u"HeaderType", 0).Always().Bits(kBits),
    Dword(u"EnableAutoFill", 1).Always().Bits(kBits),
    Dword(u"EnableCsvDragDrop", 1).Always().Bits(kBits),
    Dword(u"CsvKeepNumOfColSame", 0).Always().Bits(kBits),
    Dword(u"CsvTabCreateCell", 1).Always().Bits(kBits),
    Dword(u"CsvDblclkHeaderCreate", 1).Always().Bits(kBits),
    Dword(u"CsvDblclkCreateCell", 1).Always().Bits(kBits),
    Dword(u"DefSepWidth", 10).Always().Bits(kBits),
};

constexpr Binding kBindings[] = {
    Option(Check(IDS_CSV_DRAG_SEP_HEADINGS, kDragSep)),
    Option(Check(IDS_CSV_NO_EDIT_HEADINGS, kNoEditHeadings)),
    Option(BitBox(IDS_CSV_ADJUST_VISIBLE, kAdjustVisible, 2)),
    Option(BitBox(IDS_CSV_ADJUST_ALL, kAdjustVisible, 1)),
    Option(Check(IDS_CSV_DBLCLK_SELECT, kDblclkSelect)),
    Option(Check(IDS_CSV_AUTO_CELL, kAutoCell)),
    Option(Check(IDS_CSV_SHOW_TIP, kShowTip)),
    Option(Check(IDS_CSV_CELL_BAR, kCellBar)),
    Option(Check(IDS_CSV_CELL_BAR_FOCUS, kCellBarFocus)),
    Option(Check(IDS_CSV_CELL_BAR_HEIGHT, kCellBarHeight)),
    Option(Check(IDS_CSV_SHOW_HEADER, kShowHeader)),
    Option(Choice(IDS_CSV_HEADER_NUMBERS, kHeaderType, 1, 0)),
    Option(Choice(IDS_CSV_HEADER_LETTERS, kHeaderType, 2, 0)),
    Option(Check(IDS_CSV_AUTO_FILL, kAutoFill)),
    Option(Check(IDS_CSV_DRAG_DROP, kDragDrop)),
    Option(Check(IDS_CSV_KEEP_COLUMNS, kKeepColumns)),
    Option(Check(IDS_CSV_TAB_CREATE, kTabCreate)),
    Option(Check(IDS_CSV_DBLCLK_HEADER, kDblclkHeader)),
    Option(Check(IDS_CSV_DBLCLK_CREATE, kDblclkCreate)),
    Number(IDC_CSV_SEP_WIDTH, kSepWidth),
};

constexpr EnableRule kEnables[] = {
    {IDS_CSV_HEADER_NUMBERS, Effect::kEnable, IDS_CSV_SHOW_HEADER},
    {IDS_CSV_HEADER_LETTERS, Effect::kEnable, IDS_CSV_SHOW_HEADER},
    {IDS_CSV_CELL_BAR_FOCUS, Effect::kEnable, IDS_CSV_CELL_BAR},
    {IDS_CSV_CELL_BAR_HEIGHT, Effect::kEnable, IDS_CSV_CELL_BAR},
};

constexpr Anchor kAnchors[] = {
    {IDC_CUST_OPTIONS, anchor::kStretchRight | anchor::kStretchBottom},
    {IDC_CSV_SEP_WIDTH_LABEL, anchor::kMoveBottom},
    {IDC_CSV_SEP_WIDTH, anchor::kMoveBottom},
};

}  // namespace

const PageDescriptor kCsvPage = [] {
  PageDescriptor d =
      Describe(IDD_CUST_CSV, HELP_TOPIC_CUST_CSV, kRows, kBindings, kEnables, kAnchors);
  d.optionList = IDC_CUST_OPTIONS;
  d.visitedResult = 32;
  d.extension = [] { return std::unique_ptr<PageExtension>(new CsvExtension); };
  return d;
}();

void CsvExtension::Load(PageModel&, SettingsStore&, SettingsHandle, CustomizeEnvironment& env) {
  auto text = [&env](uint32_t id) { return env.String(id); };
  const CsvFormat pipe = BuiltinPipeFormat(text);
  for (auto [number, older] : {std::pair{record::kCsv2, false}, std::pair{record::kCsv, true}}) {
    const std::optional<RecordLists> lists = env.ReadRecord(number);
    if (!lists) continue;
    // A readable "csv2" decides, even when it holds no format.
    if (auto formats = ReadCsvFormats(*lists, older, pipe)) {
      list.Load(std::move(*formats));
      return;
    }
    break;
  }
  list.Load(BuiltinCsvFormats(text));
}

uint64_t CsvExtension::Save(PageModel&, SaveContext& ctx) {
  CustomizeEnvironment& env = ctx.env;
  const uint64_t now = env.FileTimeNow();
  env.WriteRecord(record::kCsv2, CsvFormatLists(list.Formats(), now));
  const std::vector<uint32_t>& old = list.OldIndices();
  for (const std::u16string& name : env.Configurations(ctx.store)) {
    const SettingsHandle h = ctx.store.OpenConfig(name, kOpenExisting);
    if (!h) continue;
    // A block of another size is not this version's "Cust" and stays as it is.
    std::vector<uint8_t> block(kCustBlockSize);
    if (ctx.store.ReadBinary(h, u"Cust", block.data(), block.size())) {
      if (auto moved = RemapCustBlock(block, old)) {
        ctx.store.WriteBinary(h, u"Cust", moved->data(), moved->size(), true);
        ctx.store.WriteQword(h, u"LastWriteTime", now);
      }
    }
    ctx.store.CloseSettings(h);
  }
  env.CsvFormatsMoved(old);
  return list.Edited() ? 0x4102 : 0;
}

}  // namespace scrv
