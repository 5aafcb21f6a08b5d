// The History page: the limits of the history lists, the file attribute memory and the folders
// left out of the history (the page's extension). Its clear button acts at once.

#include "customize/customize_pages.h"
#include "resource_ids.h"
#include "customize/page_extensions.h"
#include "frame/anchor_layout.h"
#include "settings/flag_table.h"

namespace scrv {
namespace {

enum : uint8_t {
  kFiles,
  kFonts,
  kFind,
  kMore,
  kStripPath,
  kShortcut,
  kUseAttr,
  kPurgeDays,
  kKeepBookmarked,
  kExcludeCache,
};

constexpr uint64_t kHistoryBits = 0x400000000;
constexpr SettingRow kRows[] = {
    Dword(u"MaxRecentFile", 16).Always().Bits(kHistoryBits),
    Dword(u"MaxRecentFont", 16).Always().Bits(kHistoryBits),
    Dword(u"MaxFindHistory", 32).Always().Bits(0x4000),
    Dword(u"MorePopupCount", 8).Always().Bits(kHistoryBits),
    Dword(u"StripCurPath", 1).Always().Bits(kHistoryBits),
    Dword(u"ExtraShortcut", 0).Always().Bits(kHistoryBits),
    Dword(u"UseAttr", 0).Always().Bits(kHistoryBits),
    Dword(u"AttrPurgeDays", 30).Always().Bits(kHistoryBits),
    Flag(flag::kAttrDontDeleteBookmarked).Always().Bits(kHistoryBits),
    Dword(u"ExcludeInternetCache", 1).Always(),
};

constexpr uint16_t kShortcuts[] = {IDS_SHORTCUT_NONE, IDS_SHORTCUT_CTRL, IDS_SHORTCUT_ALT,
                                   IDS_SHORTCUT_CTRL_ALT};

constexpr Binding kBindings[] = {
    Number(IDC_HISTORY_FILES, kFiles),
    Number(IDC_HISTORY_FONTS, kFonts),
    Number(IDC_HISTORY_FIND, kFind),
    Number(IDC_HISTORY_MORE, kMore),
    Check(IDC_HISTORY_STRIP_PATH, kStripPath),
    Combo(IDC_HISTORY_SHORTCUT, kShortcut, kShortcuts),
    Check(IDC_HISTORY_USE_ATTR, kUseAttr),
    Number(IDC_HISTORY_PURGE_DAYS, kPurgeDays),
    Check(IDC_HISTORY_KEEP_BOOKMARKED, kKeepBookmarked),
    Check(IDC_HISTORY_EXCLUDE_CACHE, kExcludeCache),
};

constexpr EnableRule kEnables[] = {
    {IDC_HISTORY_PURGE_LABEL, Effect::kEnable, IDC_HISTORY_USE_ATTR},
    {IDC_HISTORY_PURGE_DAYS, Effect::kEnable, IDC_HISTORY_USE_ATTR},
    {IDC_HISTORY_PURGE_UNIT, Effect::kEnable, IDC_HISTORY_USE_ATTR},
    {IDC_HISTORY_KEEP_BOOKMARKED, Effect::kEnable, IDC_HISTORY_USE_ATTR},
};

constexpr Anchor kAnchors[] = {
    {IDC_CHECK_LIST, anchor::kStretchRight | anchor::kStretchBottom},
    {IDC_HISTORY_CLEAR, anchor::kMoveRight},
};

}  // namespace

const PageDescriptor kHistoryPage = [] {
  PageDescriptor d =
      Describe(IDD_CUST_HISTORY, HELP_TOPIC_CUST_HISTORY, kRows, kBindings, kEnables, kAnchors);
  d.extension = [] { return std::unique_ptr<PageExtension>(new HistoryExtension); };
  return d;
}();

void HistoryExtension::Load(PageModel&, SettingsStore& store, SettingsHandle h,
                            CustomizeEnvironment&) {
  folders = store.ReadStringList(h, u"ExclusionFolders");
  loadedFolders = folders;
}

uint64_t HistoryExtension::Save(PageModel&, SaveContext& ctx) {
  if (folders != loadedFolders) ctx.store.WriteStringList(ctx.handle, u"ExclusionFolders", folders);
  return 0;
}

}  // namespace scrv
